#include "qt_scheduler.h"

#include <algorithm>

namespace tarnwick {

QtScheduler::QtScheduler() {
    m_clock.start();
}

QtScheduler::~QtScheduler() = default;

Scheduler::Duration QtScheduler::now() const {
    return Duration{m_clock.elapsed()};
}

Scheduler::TimerId QtScheduler::singleShot(Duration delay, std::function<void()> action) {
    const TimerId id = m_nextId++;
    auto timer = std::make_unique<QTimer>();
    timer->setSingleShot(true);
    // The transfer's pacing is in milliseconds; coarse timers would stretch it by up to 5 %.
    timer->setTimerType(Qt::PreciseTimer);
    QObject::connect(timer.get(), &QTimer::timeout, timer.get(),
                     [this, id, action = std::move(action)]() mutable {
                         const auto found = m_timers.find(id);
                         if (found == m_timers.end()) {
                             return;
                         }
                         // The action may run a nested event loop or cancel timers, so the
                         // timer is retired and the action taken out of it before it runs.
                         auto run = std::move(action);
                         found->second.release()->deleteLater();
                         m_timers.erase(found);
                         run();
                     });
    timer->start(std::max(delay, Duration{0}));
    m_timers.emplace(id, std::move(timer));
    return id;
}

void QtScheduler::cancel(TimerId id) {
    m_timers.erase(id);
}

} // namespace tarnwick
