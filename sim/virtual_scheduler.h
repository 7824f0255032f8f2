#pragma once

#include "transfer/scheduler.h"

#include <map>
#include <utility>

namespace tarnwick::sim {

// A Scheduler on a virtual clock: time moves only when the test advances it, and timers due at
// the same instant fire in the order they were set.
class VirtualScheduler final : public Scheduler {
public:
    Duration now() const override { return m_now; }
    TimerId singleShot(Duration delay, std::function<void()> action) override;
    void cancel(TimerId id) override;

    // Fires every timer due up to now + `span` (including ones set while advancing) and leaves
    // the clock at now + `span`.
    void advance(Duration span);
    // Fires timers until `done()` is true or nothing is left to fire or `limit` virtual time
    // has passed. Returns done().
    bool runUntil(const std::function<bool()>& done, Duration limit);
    bool idle() const { return m_timers.empty(); }

private:
    void fireEarliest();

    // Keyed by (due time, sequence) so equal due times keep their order.
    std::map<std::pair<Duration, long long>, std::pair<TimerId, std::function<void()>>> m_timers;
    Duration m_now{0};
    long long m_sequence = 0;
    TimerId m_nextId = 1;
};

} // namespace tarnwick::sim
