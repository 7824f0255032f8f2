#include "event_log_sink.h"

#include "variant_text.h"

#include <QStringList>

namespace tarnwick::fenhost {

using namespace com;

EventLogSink::EventLogSink(QString controlName, const TypeInfo& events, Log log)
    : m_name(std::move(controlName)), m_events(events), m_log(std::move(log)) {}

HRESULT EventLogSink::QueryInterface(const Guid& iid, void** object) {
    if (object != nullptr && iid == m_events.iid()) {
        *object = static_cast<IDispatch*>(this);
        AddRef();
        return S_OK;
    }
    return ComObject::QueryInterface(iid, object);
}

Variant EventLogSink::Invoke(DispId id, InvokeKind, std::span<const Variant> args) {
    const MemberInfo* event = m_events.findMember(id);
    QStringList shown;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const QString value = formatValue(args[i].dereferenced());
        shown.append(event != nullptr && i < event->parameters.size()
                         ? event->parameters[i].name + u'=' + value
                         : value);
    }
    const QString name = event != nullptr ? event->name : QString::number(id);
    m_log(QStringLiteral("%1.%2(%3)").arg(m_name, name, shown.join(QLatin1String(", "))));
    return {};
}

} // namespace tarnwick::fenhost
