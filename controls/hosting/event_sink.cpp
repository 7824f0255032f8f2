#include "event_sink.h"

namespace tarnwick::hosting {

using namespace com;

EventSink::EventSink(const TypeInfo& events, Handler handler)
    : m_events(events), m_handler(std::move(handler)) {}

HRESULT EventSink::QueryInterface(const Guid& iid, void** object) {
    if (object != nullptr && iid == m_events.iid()) {
        *object = static_cast<IDispatch*>(this);
        AddRef();
        return S_OK;
    }
    return ComObject::QueryInterface(iid, object);
}

Variant EventSink::Invoke(DispId id, InvokeKind, std::span<const Variant> args) {
    const MemberInfo* event = m_events.findMember(id);
    QStringList names;
    if (event != nullptr) {
        for (const auto& parameter : event->parameters) {
            names.append(parameter.name);
        }
    }
    m_handler(event != nullptr ? event->name : QString::number(id), names, args);
    return {};
}

} // namespace tarnwick::hosting
