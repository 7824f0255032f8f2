#pragma once

#include "com/com_object.h"
#include "com/com_ptr.h"
#include "com/property_notify.h"

#include <functional>

namespace tarnwick::frame {

// Forwards changes to the handler until the subscription ends; the nested object may keep
// the sink a while longer, so ending clears the handler rather than relying on the release.
class ChangeSink : public com::ComObject<com::IPropertyNotifySink> {
public:
    using Handler = std::function<void(com::DispId)>;

    ChangeSink(Handler handler, com::ComModule* module)
        : ComObject(module), m_handler(std::move(handler)) {}

    void OnChanged(com::DispId id) override {
        if (m_handler) {
            m_handler(id);
        }
    }
    bool OnRequestEdit(com::DispId) override { return true; }
    void end() { m_handler = nullptr; }

private:
    Handler m_handler;
};

// A control's subscription to the property changes of a nested object (its Caption or Font),
// so that their changes reach the control. Connecting again replaces the earlier object.
class ChangeSubscription {
public:
    using Handler = ChangeSink::Handler;

    ChangeSubscription() = default;
    ~ChangeSubscription();
    ChangeSubscription(const ChangeSubscription&) = delete;
    ChangeSubscription& operator=(const ChangeSubscription&) = delete;

    // Subscribes to `object` (nothing when it is null or has no property-change point).
    void connect(com::IUnknown* object, Handler handler, com::ComModule* module);
    void disconnect();

private:
    com::ComPtr<com::IUnknown> m_object;
    com::ComPtr<ChangeSink> m_sink;
    std::uint32_t m_cookie = 0;
};

} // namespace tarnwick::frame
