#pragma once

#include "transfer/scheduler.h"

#include <QElapsedTimer>
#include <QTimer>
#include <map>
#include <memory>

namespace tarnwick {

// A Scheduler on Qt's event loop, for the thread that creates it. Time is measured from the
// scheduler's creation on a monotonic clock; timers fire from the event loop only.
class QtScheduler final : public Scheduler {
public:
    QtScheduler();
    ~QtScheduler() override;
    QtScheduler(const QtScheduler&) = delete;
    QtScheduler& operator=(const QtScheduler&) = delete;

    Duration now() const override;
    TimerId singleShot(Duration delay, std::function<void()> action) override;
    void cancel(TimerId id) override;

private:
    QElapsedTimer m_clock;
    std::map<TimerId, std::unique_ptr<QTimer>> m_timers;
    TimerId m_nextId = 1;
};

} // namespace tarnwick
