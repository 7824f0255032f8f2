#include "transfer_timer.h"

namespace tarnwick {

void TransferTimer::start(Scheduler::Duration interval, std::function<void()> action) {
    stop();
    m_id = m_scheduler.singleShot(interval, [this, action = std::move(action)] {
        m_id.reset();
        action();
    });
}

void TransferTimer::stop() {
    if (m_id) {
        m_scheduler.cancel(*m_id);
        m_id.reset();
    }
}

} // namespace tarnwick
