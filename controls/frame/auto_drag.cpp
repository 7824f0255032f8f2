#include "auto_drag.h"

#include <algorithm>

namespace tarnwick::frame {

bool isOnSelection(const DragPress& press) {
    const int from = std::min(press.selectionStartX, press.selectionEndX);
    const int to = std::max(press.selectionStartX, press.selectionEndX);
    return press.insideTextRect && press.x >= from && press.x < to;
}

bool AutoDrag::press(const DragPress& press) {
    if (!(press.left || press.right) || press.middle || !isOnSelection(press)) {
        return false;
    }
    m_pending = true;
    m_timer.start(kTimerId, kDelayMilliseconds);
    return true;
}

AutoDrag::Outcome AutoDrag::mouseMoved() {
    return m_pending ? finish(Outcome::StartDrag) : Outcome::None;
}

AutoDrag::Outcome AutoDrag::timerExpired(bool buttonDown) {
    if (!m_pending) {
        return Outcome::None;
    }
    return finish(buttonDown ? Outcome::StartDrag : Outcome::ReplayPress);
}

AutoDrag::Outcome AutoDrag::released() {
    return m_pending ? finish(Outcome::ReplayPress) : Outcome::None;
}

AutoDrag::Outcome AutoDrag::finish(Outcome outcome) {
    m_pending = false;
    m_timer.stop(kTimerId);
    return outcome;
}

} // namespace tarnwick::frame
