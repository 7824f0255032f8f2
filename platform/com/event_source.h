#pragma once

#include "connection_point.h"
#include "dispatch.h"

#include <span>

namespace tarnwick::com {

// The events connection point of an object: sinks connect for the object's events identity
// and each event is a method call on their dispatch interface.
class EventSource {
public:
    explicit EventSource(const Guid& eventsIid, ComModule* module = nullptr);

    ComPtr<IConnectionPoint> point() const { return m_point; }

    // Calls event `id` on every connected sink, in connection order. By-reference arguments
    // (Variant::reference) carry each sink's changes on to the next sink and back to the
    // caller. An automation error raised by a sink is the sink's own affair: it is dropped
    // and the remaining sinks are still called.
    void fire(DispId id, std::span<const Variant> args = {}) const;

private:
    ComPtr<ConnectionPoint<IDispatch>> m_point;
};

} // namespace tarnwick::com
