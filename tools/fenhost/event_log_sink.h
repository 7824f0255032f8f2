#pragma once

#include "com/com_object.h"
#include "com/dispatch.h"
#include "com/type_info.h"

#include <functional>

namespace tarnwick::fenhost {

// Receives a control's events and hands each on as one line of text:
// "Text1.KeyDown(KeyCode=65, Shift=0)".
class EventLogSink : public com::ComObject<com::IDispatch> {
public:
    using Log = std::function<void(const QString& line)>;

    EventLogSink(QString controlName, const com::TypeInfo& events, Log log);

    com::HRESULT QueryInterface(const com::Guid& iid, void** object) override;
    const com::TypeInfo& GetTypeInfo() const override { return m_events; }
    com::Variant Invoke(com::DispId id, com::InvokeKind how,
                        std::span<const com::Variant> args) override;

private:
    QString m_name;
    const com::TypeInfo& m_events;
    Log m_log;
};

} // namespace tarnwick::fenhost
