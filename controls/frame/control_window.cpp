#include "control_window.h"

#include "common_dispids.h"
#include "fenbase6/engine_text_codec.h"
#include "fenbase6/fen_objects.h"
#include "fenbase6/virtual_keys.h"
#include "input_control.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QPainter>

namespace tarnwick::frame {

using namespace fenbase6;

namespace {

// The Button argument of the mouse events: left 1, right 2, middle 4.
std::int32_t buttonMask(Qt::MouseButtons buttons) {
    return (buttons.testFlag(Qt::LeftButton) ? 1 : 0) |
           (buttons.testFlag(Qt::RightButton) ? 2 : 0) |
           (buttons.testFlag(Qt::MiddleButton) ? 4 : 0);
}

int signedLow(MessageResult pair) {
    return static_cast<std::int16_t>(lowWord(static_cast<std::uintptr_t>(pair)));
}

} // namespace

ControlWindow::ControlWindow(InputControl& control, QWidget* parent)
    : QWidget(parent), m_control(control) {
    setObjectName(control.classDescription().windowClassName);
}

ControlWindow::~ControlWindow() {
    // The engine dies with this window's children, after this: it reports nothing more.
    if (m_engine != nullptr) {
        m_engine->widget()->removeEventFilter(this);
    }
    m_control.windowDestroyed();
}

void ControlWindow::attachEngine(FenEngine* engine) {
    m_engine = engine;
    QWidget* widget = engine->widget();
    widget->setParent(this);
    widget->installEventFilter(this);
    widget->setAcceptDrops(false);
    setFocusProxy(widget);
    widget->show();
    layoutEngine();
}

void ControlWindow::layoutEngine() {
    if (m_engine == nullptr) {
        return;
    }
    const auto caption = queryInterface<IFenCaption>(m_control.caption());
    m_engine->widget()->setGeometry(caption ? caption->InputRect(rect()) : rect());
    update();
}

void ControlWindow::setDesignMode(bool design) {
    if (m_engine != nullptr) {
        m_engine->widget()->setAttribute(Qt::WA_TransparentForMouseEvents, design);
    }
}

void ControlWindow::setDropTarget(bool accept) {
    if (m_engine != nullptr) {
        m_engine->widget()->setAcceptDrops(accept);
    }
}

void ControlWindow::paintEvent(QPaintEvent*) {
    if (const auto caption = queryInterface<IFenCaption>(m_control.caption())) {
        QPainter painter(this);
        caption->Draw(painter, rect());
    }
}

void ControlWindow::resizeEvent(QResizeEvent*) {
    layoutEngine();
    m_control.windowResized(size());
}

bool ControlWindow::eventFilter(QObject* watched, QEvent* event) {
    if (m_engine == nullptr || watched != m_engine->widget() || m_forwarding) {
        return false;
    }
    switch (event->type()) {
    case QEvent::KeyPress:
        return engineKeyPress(static_cast<QKeyEvent*>(event));
    case QEvent::KeyRelease: {
        const auto* key = static_cast<QKeyEvent*>(event);
        m_control.keyUp(VirtualKey::fromQt(key->key(), key->modifiers()),
                        VirtualKey::shiftStateFromQt(key->modifiers()));
        return false;
    }
    case QEvent::MouseButtonPress:
        return engineMousePress(static_cast<QMouseEvent*>(event));
    case QEvent::MouseMove:
        return engineMouseMove(static_cast<QMouseEvent*>(event));
    case QEvent::MouseButtonRelease:
        return engineMouseRelease(static_cast<QMouseEvent*>(event));
    case QEvent::MouseButtonDblClick:
        m_control.fireEvent(CommonEventIds::DblClick);
        return false;
    case QEvent::FocusOut:
        m_control.focusLost();
        return false;
    case QEvent::DragEnter:
    case QEvent::DragMove:
    case QEvent::DragLeave:
    case QEvent::Drop:
        return engineDragEvent(event);
    default:
        return false;
    }
}

bool ControlWindow::engineKeyPress(QKeyEvent* event) {
    std::int32_t keyCode = VirtualKey::fromQt(event->key(), event->modifiers());
    const bool leftDown = QGuiApplication::mouseButtons().testFlag(Qt::LeftButton);
    if (keyCode != 0 &&
        m_control.keyDown(keyCode, VirtualKey::shiftStateFromQt(event->modifiers()), leftDown)) {
        return true;
    }
    const QString text = event->text();
    if (text.size() != 1 || text[0].unicode() == 0 || text[0].unicode() > 0xFF) {
        return false;
    }
    const std::int32_t typed = text[0].unicode();
    std::int32_t keyAscii = typed;
    if (m_control.keyPress(keyAscii)) {
        return true;
    }
    if (keyAscii == typed) {
        return false;
    }
    // The handler changed the character: the engine gets the new one instead.
    QKeyEvent changed(QEvent::KeyPress, event->key(), event->modifiers(),
                      QString(QChar(static_cast<char16_t>(keyAscii & 0xFF))));
    m_forwarding = true;
    QCoreApplication::sendEvent(m_engine->widget(), &changed);
    m_forwarding = false;
    return true;
}

QPoint ControlWindow::windowPoint(const QPointF& enginePoint) const {
    return m_engine->widget()->mapTo(this, enginePoint.toPoint());
}

DragPress ControlWindow::pressAt(const QPoint& point, Qt::MouseButtons buttons) const {
    QRect textRect;
    m_control.engine().send(Msg::GetRect, 0, reinterpret_cast<LongParam>(&textRect));
    const auto selection = static_cast<std::uintptr_t>(m_control.engine().send(Msg::GetSel));
    DragPress press;
    press.left = buttons.testFlag(Qt::LeftButton);
    press.right = buttons.testFlag(Qt::RightButton);
    press.middle = buttons.testFlag(Qt::MiddleButton);
    press.insideTextRect = textRect.contains(point);
    press.x = point.x();
    press.selectionStartX =
        signedLow(m_control.engine().send(Msg::PosFromChar, lowWord(selection)));
    press.selectionEndX = signedLow(m_control.engine().send(Msg::PosFromChar, highWord(selection)));
    return press;
}

bool ControlWindow::engineMousePress(QMouseEvent* event) {
    const QPoint point = event->position().toPoint();
    m_control.mouseEvent(CommonEventIds::MouseDown, buttonMask(event->button()),
                         VirtualKey::shiftStateFromQt(event->modifiers()), windowPoint(point));
    if (m_control.settings().oleDragMode != fenOLEDragAutomatic || !m_control.userMode()) {
        return false;
    }
    if (!m_autoDrag.press(pressAt(point, event->buttons()))) {
        return false;
    }
    m_heldPress.reset(event->clone());
    return true;
}

bool ControlWindow::engineMouseMove(QMouseEvent* event) {
    if (m_autoDrag.isPending()) {
        act(m_autoDrag.mouseMoved());
        return true;
    }
    const QPoint point = event->position().toPoint();
    m_control.mouseEvent(CommonEventIds::MouseMove, buttonMask(event->buttons()),
                         VirtualKey::shiftStateFromQt(event->modifiers()), windowPoint(point));
    if (m_control.settings().oleDragMode == fenOLEDragAutomatic && m_control.userMode()) {
        const bool over = isOnSelection(pressAt(point, Qt::NoButton));
        if (over != m_overSelection) {
            m_overSelection = over;
            if (over) {
                m_control.engine().send(Msg::SetMousePointer, static_cast<WordParam>(fenArrow));
            } else {
                m_control.sendMousePointer(m_control.m_engine);
            }
        }
    }
    return false;
}

bool ControlWindow::engineMouseRelease(QMouseEvent* event) {
    act(m_autoDrag.released());
    const QPoint point = windowPoint(event->position());
    const std::int32_t shift = VirtualKey::shiftStateFromQt(event->modifiers());
    m_control.mouseEvent(CommonEventIds::MouseUp, buttonMask(event->button()), shift, point);
    if (event->button() == Qt::LeftButton) {
        m_control.fireEvent(CommonEventIds::Click);
    }
    return false;
}

void ControlWindow::act(AutoDrag::Outcome outcome) {
    switch (outcome) {
    case AutoDrag::Outcome::StartDrag:
        m_heldPress.reset();
        startOleDrag(true);
        break;
    case AutoDrag::Outcome::ReplayPress:
        if (m_heldPress) {
            const std::unique_ptr<QMouseEvent> press = std::move(m_heldPress);
            m_forwarding = true;
            QCoreApplication::sendEvent(m_engine->widget(), press.get());
            m_forwarding = false;
        }
        break;
    case AutoDrag::Outcome::None:
        break;
    }
}

void ControlWindow::timerEvent(QTimerEvent* event) {
    if (event->timerId() != m_dragTimer.timerId()) {
        QWidget::timerEvent(event);
        return;
    }
    act(m_autoDrag.timerExpired(QGuiApplication::mouseButtons() != Qt::NoButton));
}

void ControlWindow::start(int, int milliseconds) {
    m_dragTimer.start(milliseconds, this);
}

void ControlWindow::stop(int) {
    m_dragTimer.stop();
}

QString ControlWindow::selectedText() const {
    const auto length = static_cast<std::size_t>(m_control.engine().send(Msg::GetTextLength));
    QByteArray buffer(static_cast<qsizetype>(length + 1), '\0');
    m_control.engine().send(Msg::GetText, length + 1, reinterpret_cast<LongParam>(buffer.data()));
    const auto selection = static_cast<std::uintptr_t>(m_control.engine().send(Msg::GetSel));
    const QString text = fenbase6::EngineText::decode(buffer.constData());
    return text.mid(lowWord(selection), highWord(selection) - lowWord(selection));
}

} // namespace tarnwick::frame
