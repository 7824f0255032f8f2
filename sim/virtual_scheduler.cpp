#include "virtual_scheduler.h"

#include <algorithm>

namespace tarnwick::sim {

Scheduler::TimerId VirtualScheduler::singleShot(Duration delay, std::function<void()> action) {
    const TimerId id = m_nextId++;
    const Duration due = m_now + std::max(delay, Duration{0});
    m_timers.emplace(std::pair{due, m_sequence++}, std::pair{id, std::move(action)});
    return id;
}

void VirtualScheduler::cancel(TimerId id) {
    const auto found = std::find_if(m_timers.begin(), m_timers.end(),
                                    [id](const auto& entry) { return entry.second.first == id; });
    if (found != m_timers.end()) {
        m_timers.erase(found);
    }
}

void VirtualScheduler::advance(Duration span) {
    const Duration target = m_now + std::max(span, Duration{0});
    while (!m_timers.empty() && m_timers.begin()->first.first <= target) {
        fireEarliest();
    }
    m_now = target;
}

bool VirtualScheduler::runUntil(const std::function<bool()>& done, Duration limit) {
    const Duration deadline = m_now + std::max(limit, Duration{0});
    while (!done()) {
        if (m_timers.empty()) {
            return false;
        }
        if (m_timers.begin()->first.first > deadline) {
            m_now = deadline;
            return false;
        }
        fireEarliest();
    }
    return true;
}

void VirtualScheduler::fireEarliest() {
    // Taken off the list before it runs, so the action may set or cancel timers freely.
    auto node = m_timers.extract(m_timers.begin());
    m_now = node.key().first;
    node.mapped().second();
}

} // namespace tarnwick::sim
