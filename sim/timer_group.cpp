#include "timer_group.h"

namespace tarnwick::sim {

TimerGroup::Key TimerGroup::after(Scheduler::Duration delay, std::function<void()> action) {
    const Key key = m_nextKey++;
    const Scheduler::TimerId id =
        m_scheduler.singleShot(delay, [this, key, action = std::move(action)]() {
            m_pending.erase(key);
            action();
        });
    m_pending.emplace(key, id);
    return key;
}

void TimerGroup::cancel(Key key) {
    const auto found = m_pending.find(key);
    if (found != m_pending.end()) {
        m_scheduler.cancel(found->second);
        m_pending.erase(found);
    }
}

void TimerGroup::cancelAll() {
    for (const auto& [key, id] : m_pending) {
        m_scheduler.cancel(id);
    }
    m_pending.clear();
}

} // namespace tarnwick::sim
