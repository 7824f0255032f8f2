#include "event_source.h"

#include "com_error.h"

namespace tarnwick::com {

EventSource::EventSource(const Guid& eventsIid, ComModule* module)
    : m_point(makeObject<ConnectionPoint<IDispatch>>(eventsIid, module)) {}

void EventSource::fire(DispId id, std::span<const Variant> args) const {
    for (const ComPtr<IDispatch>& sink : m_point->sinks()) {
        try {
            sink->Invoke(id, InvokeKind::Method, args);
        } catch (const ComError&) {
            // The firing object has nobody to report a sink's failure to.
        }
    }
}

} // namespace tarnwick::com
