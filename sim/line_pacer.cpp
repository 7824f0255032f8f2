#include "line_pacer.h"

#include <algorithm>

namespace tarnwick::sim {

namespace {
constexpr std::size_t kBytesPerSecond = 120;
}

Scheduler::Duration lineTime(std::size_t bytes) {
    const std::size_t milliseconds = (bytes * 1000 + kBytesPerSecond - 1) / kBytesPerSecond;
    return Scheduler::Duration{static_cast<Scheduler::Duration::rep>(milliseconds)};
}

void LinePacer::send(modProtocol::Frame bytes) {
    const Scheduler::Duration now = m_timers.now();
    m_freeAt = std::max(m_freeAt, now) + lineTime(bytes.size());
    m_timers.after(m_freeAt - now, [this, bytes = std::move(bytes)]() { m_arrival(bytes); });
}

void LinePacer::clear() {
    m_timers.cancelAll();
    m_freeAt = Scheduler::Duration{0};
}

} // namespace tarnwick::sim
