#pragma once

#include "transfer/scheduler.h"

#include <functional>
#include <map>

namespace tarnwick::sim {

// Timers set on a Scheduler on behalf of one owner: whatever is still pending when the owner
// goes away is cancelled, so no action outlives the object it refers to.
class TimerGroup {
public:
    using Key = long long;

    explicit TimerGroup(Scheduler& scheduler) : m_scheduler(scheduler) {}
    ~TimerGroup() { cancelAll(); }
    TimerGroup(const TimerGroup&) = delete;
    TimerGroup& operator=(const TimerGroup&) = delete;

    Key after(Scheduler::Duration delay, std::function<void()> action);
    void cancel(Key key);
    void cancelAll();

    Scheduler::Duration now() const { return m_scheduler.now(); }

private:
    Scheduler& m_scheduler;
    std::map<Key, Scheduler::TimerId> m_pending;
    Key m_nextKey = 1;
};

} // namespace tarnwick::sim
