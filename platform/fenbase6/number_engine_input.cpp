// The number engine's keys, spin buttons, focus handling and painting.
#include "number_engine.h"
#include "key_event_kind.h"

#include <QFocusEvent>
#include <QMouseEvent>
#include <QPainter>
#include <algorithm>

namespace tarnwick::fenbase6 {

namespace {

// Repeats faster than this would outrun the display.
constexpr int kFastestRepeat = 10;

} // namespace

void NumberEngine::keyPressEvent(QKeyEvent* event) {
    const bool plain = relevantModifiers(event) == Qt::NoModifier;
    const bool spinKey = event->key() == Qt::Key_Up || event->key() == Qt::Key_Down;
    if (plain && spinKey && m_spinKeys && canSpin()) {
        step(event->key() == Qt::Key_Up);
        event->accept();
        return;
    }
    if (plain && (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter)) {
        commitTypedText();
    }
    if (userMode() && !isReadOnly() && isTyping(event) && refusesTyping(event->text())) {
        reportInvalidInput();
        event->accept();
        return;
    }
    EngineWidget::keyPressEvent(event);
}

bool NumberEngine::refusesTyping(const QString& typed) const {
    // A character that is no number character at all is the common editor's to refuse.
    if (!std::all_of(typed.begin(), typed.end(), [this](QChar c) { return acceptsCharacter(c); })) {
        return false;
    }
    QString candidate = text();
    qsizetype start = cursorPosition();
    qsizetype length = 0;
    if (hasSelectedText()) {
        start = selectionStart();
        length = selectedText().size();
    } else if (!insertMode()) {
        length = std::min(typed.size(), candidate.size() - start);
    }
    candidate.replace(start, length, typed);
    return !isTypedNumberPrefix(candidate, m_format, integerLimit());
}

bool NumberEngine::canSpin() const {
    return m_spin.enabled() && isEnabled() && !isReadOnly() && userMode();
}

void NumberEngine::step(bool up) {
    notify(up ? Notify::SpinUp : Notify::SpinDown);
    const DecimalNumber base = currentValue().value_or(DecimalNumber());
    const DecimalNumber upper = upperLimit();
    const DecimalNumber lower = lowerLimit();
    const DecimalNumber change =
        DecimalNumber::fromInteger(up ? m_spinIncrement : -m_spinIncrement);
    // Both terms are within the field's places, so the sum cannot overflow.
    DecimalNumber next = base.plus(change).value_or(base);
    if (up && next > upper) {
        next = m_spinWrap && base >= upper ? lower : upper;
    } else if (!up && next < lower) {
        next = m_spinWrap && base <= lower ? upper : lower;
    }
    setValue(next);
}

void NumberEngine::startSpinning(bool up) {
    m_spinningUp = up;
    step(up);
    m_spinRepeat.start(std::max(m_spinDelay, kFastestRepeat));
}

void NumberEngine::stopSpinning() {
    m_spinRepeat.stop();
    m_pressedPart = NumberSpinButtons::Part::None;
    update();
}

QRect NumberEngine::spinStrip() const {
    return m_spin.strip(rect(), borderWidth());
}

void NumberEngine::mousePressEvent(QMouseEvent* event) {
    const NumberSpinButtons::Part part =
        m_spin.shown(hasFocus()) ? m_spin.partAt(event->position().toPoint(), spinStrip())
                                 : NumberSpinButtons::Part::None;
    if (part == NumberSpinButtons::Part::None) {
        EngineWidget::mousePressEvent(event);
        return;
    }
    event->accept();
    if (event->button() != Qt::LeftButton || !canSpin()) {
        return;
    }
    m_pressedPart = part;
    startSpinning(part == NumberSpinButtons::Part::Up);
}

void NumberEngine::mouseDoubleClickEvent(QMouseEvent* event) {
    if (m_spin.shown(hasFocus()) &&
        m_spin.partAt(event->position().toPoint(), spinStrip()) != NumberSpinButtons::Part::None) {
        mousePressEvent(event);
        return;
    }
    EngineWidget::mouseDoubleClickEvent(event);
}

void NumberEngine::mouseReleaseEvent(QMouseEvent* event) {
    if (m_pressedPart != NumberSpinButtons::Part::None) {
        stopSpinning();
        event->accept();
        return;
    }
    EngineWidget::mouseReleaseEvent(event);
}

void NumberEngine::paintEvent(QPaintEvent* event) {
    EngineWidget::paintEvent(event);
    if (m_spin.shown(hasFocus())) {
        QPainter painter(this);
        m_spin.paint(painter, spinStrip(), palette(), m_pressedPart, canSpin());
    }
}

QMargins NumberEngine::reservedInside() const {
    return m_spin.layout() == NumberSpinButtons::Layout::Inside
               ? QMargins(0, 0, m_spin.stripWidth(), 0)
               : QMargins();
}

QMargins NumberEngine::reservedOutside() const {
    return m_spin.layout() == NumberSpinButtons::Layout::Outside
               ? QMargins(0, 0, m_spin.stripWidth(), 0)
               : QMargins();
}

void NumberEngine::focusInEvent(QFocusEvent* event) {
    EngineWidget::focusInEvent(event);
    if (m_highlightOnFocus) {
        selectAll();
    }
    update();
}

void NumberEngine::focusOutEvent(QFocusEvent* event) {
    stopSpinning();
    commitTypedText();
    EngineWidget::focusOutEvent(event);
}

} // namespace tarnwick::fenbase6
