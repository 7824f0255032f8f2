#pragma once

#include "fen_objects.h"
#include "shared_object.h"

namespace tarnwick::fenbase6 {

// The Spin object: the settings of a numeric control's spin buttons. Defaults: Visible
// fenNotShown, Delay 100 (milliseconds between repeats while a button is held), Enabled
// true, Increment 1, Position fenSpinPosInside, Wrap false, SpinKeys false. Put rules (380):
// the enumerations within their members, Delay and Increment 0..32767.
class SpinObject : public SharedObject<IFenSpin> {
public:
    explicit SpinObject(com::ComModule* module = nullptr);

    static const com::TypeInfo& typeInfo();
    const com::TypeInfo& GetTypeInfo() const override { return typeInfo(); }
    com::Guid GetClassID() const override { return kSpinClsid; }
};

} // namespace tarnwick::fenbase6
