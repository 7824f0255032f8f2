#pragma once

#include "transfer/scheduler.h"

#include <functional>
#include <optional>

namespace tarnwick {

// One named timer of the transfer (start, timeout, sweep): starting it again replaces the
// pending shot, so at most one is ever pending.
class TransferTimer {
public:
    explicit TransferTimer(Scheduler& scheduler) : m_scheduler(scheduler) {}
    ~TransferTimer() { stop(); }
    TransferTimer(const TransferTimer&) = delete;
    TransferTimer& operator=(const TransferTimer&) = delete;

    void start(Scheduler::Duration interval, std::function<void()> action);
    void stop();
    bool running() const { return m_id.has_value(); }

private:
    Scheduler& m_scheduler;
    std::optional<Scheduler::TimerId> m_id;
};

} // namespace tarnwick
