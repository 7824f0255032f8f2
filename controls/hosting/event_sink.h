#pragma once

#include "com/com_object.h"
#include "com/dispatch.h"
#include "com/type_info.h"

#include <QStringList>
#include <functional>
#include <span>

namespace tarnwick::hosting {

// Receives a control's events through its event interface and hands each on by name, with
// the names of its parameters (empty for an event the type information does not know).
class EventSink : public com::ComObject<com::IDispatch> {
public:
    using Handler = std::function<void(const QString& event, const QStringList& parameterNames,
                                       std::span<const com::Variant> args)>;

    EventSink(const com::TypeInfo& events, Handler handler);

    com::HRESULT QueryInterface(const com::Guid& iid, void** object) override;
    const com::TypeInfo& GetTypeInfo() const override { return m_events; }
    com::Variant Invoke(com::DispId id, com::InvokeKind how,
                        std::span<const com::Variant> args) override;

private:
    const com::TypeInfo& m_events;
    Handler m_handler;
};

} // namespace tarnwick::hosting
