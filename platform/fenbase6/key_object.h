#pragma once

#include "fen_objects.h"
#include "shared_object.h"

namespace tarnwick::fenbase6 {

// The Key object: one key list per action (syntax in key_list.h; a list that does not follow
// it is refused with 380). Defaults:
//   Clear "^{DELETE}", NextCtrl "{ENTER}", PrevCtrl "+{ENTER}", NextField "{ENTER}",
//   PrevField "+{ENTER}", Now "{F5}", ThreeZero "^0", DropDown "{F4},%{DOWN}".
// Enter thus moves field by field where a control has fields, and on to the next control
// from the last one.
class KeyObject : public SharedObject<IFenKey, IFenKeyActions> {
public:
    explicit KeyObject(com::ComModule* module = nullptr);

    static const com::TypeInfo& typeInfo();
    const com::TypeInfo& GetTypeInfo() const override { return typeInfo(); }
    com::Guid GetClassID() const override { return kKeyClsid; }

    void SetEnabledActions(std::uint32_t mask) override;
    std::int32_t ActionForKey(std::int32_t keyCode, std::int32_t shift) const override;
    bool IsKeyBound(std::int32_t keyCode, std::int32_t shift,
                    std::int32_t action) const override;

private:
    std::uint32_t m_enabledActions;
};

} // namespace tarnwick::fenbase6
