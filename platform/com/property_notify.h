#pragma once

#include "connection_point.h"
#include "dispatch.h"

namespace tarnwick::com {

// A host's listener for property changes of an object it holds.
struct IPropertyNotifySink : IUnknown {
    using Base = IUnknown;
    static constexpr Guid kIid{
        0x9BFBBC02, 0xEFF1, 0x101A, {0x84, 0xED, 0x00, 0xAA, 0x00, 0xC0, 0x0C, 0x03}};

    // Property `id` has changed (DispIds::Unknown: several may have).
    virtual void OnChanged(DispId id) = 0;
    // Whether property `id` may change now; false refuses the change.
    virtual bool OnRequestEdit(DispId id) = 0;
};

// An object's property-change signalling: its IPropertyNotifySink connection point and its
// dirty mark (whether it changed since it was last saved or loaded).
class PropertyNotifier {
public:
    explicit PropertyNotifier(ComModule* module = nullptr);

    ComPtr<IConnectionPoint> point() const { return m_point; }

    // Asks every sink whether property `id` may change; true when none refuses.
    bool requestEdit(DispId id) const;
    // Marks the object dirty and tells every sink that property `id` changed.
    void changed(DispId id);

    bool isDirty() const { return m_dirty; }
    void setDirty(bool dirty) { m_dirty = dirty; }

private:
    ComPtr<ConnectionPoint<IPropertyNotifySink>> m_point;
    bool m_dirty = false;
};

} // namespace tarnwick::com
