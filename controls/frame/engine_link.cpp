#include "engine_link.h"

#include <QMetaObject>
#include <QWidget>

namespace tarnwick::frame {

void EngineLink::attach(fenbase6::FenEngine* engine) {
    m_engine = engine;
    m_widget = engine != nullptr ? static_cast<QObject*>(engine->widget()) : nullptr;
}

void EngineLink::detach() {
    m_engine = nullptr;
    m_widget = nullptr;
}

fenbase6::MessageResult EngineLink::send(fenbase6::MessageId message, fenbase6::WordParam word,
                                         fenbase6::LongParam param) const {
    return hasWindow() ? m_engine->send(message, word, param) : 0;
}

void EngineLink::post(fenbase6::MessageId message, fenbase6::WordParam word,
                      fenbase6::LongParam param) const {
    if (!hasWindow()) {
        return;
    }
    QMetaObject::invokeMethod(
        m_widget.data(),
        [engine = m_engine, widget = m_widget, message, word, param] {
            if (!widget.isNull()) {
                engine->send(message, word, param);
            }
        },
        Qt::QueuedConnection);
}

} // namespace tarnwick::frame
