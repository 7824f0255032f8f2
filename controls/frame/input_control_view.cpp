// The control's window and drawing, with or without a window of its own.
#include "com/com_error.h"
#include "control_window.h"
#include "himetric.h"
#include "input_control.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QPainter>
#include <atomic>
#include <memory>

namespace tarnwick::frame {

using namespace com;

namespace {

// hWnd: a number for each window the library makes, never 0.
std::int32_t nextWindowHandle() {
    static std::atomic<std::int32_t> last{0};
    return ++last;
}

// Hosts whose program name contains "vb" get no drawing from a control without a window.
bool hostIsExcludedFromWindowlessDrawing() {
    return QFileInfo(QCoreApplication::applicationFilePath())
        .fileName()
        .toLower()
        .contains(QLatin1String("vb"));
}

fenbase6::FenEngine* createEngine(const fenbase6::FenBase6Api& api, const char* engineClass,
                                  QWidget* parent, const QString& source) {
    fenbase6::FenEngine* engine = api.createEngine(engineClass, parent);
    if (engine == nullptr) {
        throw ComError(ErrorNumber::CannotCreateObject,
                       QStringLiteral("The shared base library has no window class %1")
                           .arg(QLatin1String(engineClass)),
                       source);
    }
    return engine;
}

} // namespace

QWidget* InputControl::CreateControlWindow(QWidget* parent) {
    checkThread();
    if (m_window) {
        return m_window;
    }
    auto window = std::make_unique<ControlWindow>(*this, parent);
    fenbase6::FenEngine* engine =
        createEngine(m_api, m_class.engine.engineClass, window.get(), m_class.source);
    window->attachEngine(engine);
    engine->setListener(this);
    m_engine.attach(engine);
    m_window = window.release();
    m_windowHandle = nextWindowHandle();
    replaySettings(m_engine, m_window);
    updateDropTarget();
    updateDesignMode();
    m_window->resize(Himetric::toPixels(GetExtent()));
    return m_window;
}

void InputControl::DestroyControlWindow() {
    delete m_window.data();
    windowDestroyed();
}

void InputControl::windowDestroyed() {
    if (fenbase6::FenEngine* engine = m_engine.engine()) {
        engine->setListener(nullptr);
    }
    m_engine.detach();
    m_window = nullptr;
    m_windowHandle = 0;
}

QWidget* InputControl::GetControlWindow() const {
    return m_window;
}

void InputControl::windowResized(const QSize& pixels) {
    const QSize himetric = Himetric::fromPixels(pixels);
    m_header.extentX = himetric.width();
    m_header.extentY = himetric.height();
}

QSize InputControl::GetExtent() const {
    return {m_header.extentX, m_header.extentY};
}

void InputControl::SetExtent(const QSize& himetric) {
    m_header.extentX = himetric.width();
    m_header.extentY = himetric.height();
    if (m_window) {
        m_window->resize(Himetric::toPixels(himetric));
    }
}

void InputControl::updateDropTarget() const {
    if (m_window) {
        m_window->setDropTarget(m_settings.oleDropMode != fenOLEDropNone);
    }
}

void InputControl::updateDesignMode() const {
    if (m_window) {
        m_window->setDesignMode(!userMode());
    }
}

void InputControl::Draw(QPainter& painter, const QRect& bounds, DrawTarget target) {
    checkThread();
    if (!m_window) {
        drawWithoutWindow(painter, bounds, target);
        return;
    }
    if (target == DrawTarget::Picture) {
        painter.fillRect(bounds, Qt::white);
    }
    painter.save();
    painter.translate(bounds.topLeft());
    painter.scale(static_cast<double>(bounds.width()) / m_window->width(),
                  static_cast<double>(bounds.height()) / m_window->height());
    m_window->render(&painter, QPoint(), QRegion(),
                     target == DrawTarget::Picture
                         ? QWidget::DrawChildren
                         : QWidget::DrawWindowBackground | QWidget::DrawChildren);
    painter.restore();
}

std::unique_ptr<QWidget> InputControl::hiddenEngine(EngineLink& link, bool* accepted) {
    fenbase6::FenEngine* engine =
        createEngine(m_api, m_class.engine.engineClass, nullptr, m_class.source);
    std::unique_ptr<QWidget> hidden(engine->widget());
    hidden->setWindowFlags(Qt::Popup);
    hidden->resize(50, 50);
    link.attach(engine);
    const bool replayed = replaySettings(link, hidden.get());
    if (accepted != nullptr) {
        *accepted = replayed;
    }
    return hidden;
}

void InputControl::withEngine(const std::function<void(const EngineLink&)>& ask) {
    if (m_engine.hasWindow()) {
        ask(m_engine);
        return;
    }
    EngineLink link;
    const std::unique_ptr<QWidget> hidden = hiddenEngine(link);
    ask(link);
}

void InputControl::drawWithoutWindow(QPainter& painter, const QRect& bounds, DrawTarget target) {
    if (hostIsExcludedFromWindowlessDrawing()) {
        return;
    }
    // A hidden window of the engine class with every setting replayed paints the input area.
    EngineLink link;
    const std::unique_ptr<QWidget> hidden = hiddenEngine(link);

    if (target == DrawTarget::Picture) {
        painter.fillRect(bounds, Qt::white);
    }
    QRect input = bounds;
    if (const auto caption = m_caption.query<fenbase6::IFenCaption>()) {
        caption->Draw(painter, bounds);
        input = caption->InputRect(bounds);
    }
    hidden->resize(input.size());
    hidden->render(&painter, input.topLeft());
}

} // namespace tarnwick::frame
