#pragma once

#include "fenbase6/engine_classes.h"
#include "fenbase6/fen_engine.h"

#include <QByteArray>
#include <QTest>
#include <QWidget>
#include <functional>
#include <memory>
#include <vector>

namespace tarnwick::fenbase6::test {

// Records the notifications an engine sends, in order.
class RecordingListener : public FenEngineListener {
public:
    struct Notification {
        std::uint16_t code;
        std::uint16_t controlId;
        LongParam param;
    };

    void engineCommand(WordParam word, LongParam param) override {
        notifications.push_back({highWord(word), lowWord(word), param});
        if (onCommand) {
            onCommand(highWord(word), param);
        }
    }

    std::vector<std::uint16_t> codes() const {
        std::vector<std::uint16_t> result;
        for (const Notification& n : notifications) {
            result.push_back(n.code);
        }
        return result;
    }

    std::vector<Notification> notifications;
    std::function<void(std::uint16_t, LongParam)> onCommand;
};

// An engine of a class inside a shown top-level window with a second field after it, so
// that focus can move; the window owns both.
struct EngineFixture {
    explicit EngineFixture(const char* className) : window(std::make_unique<QWidget>()) {
        engine = createEngineOfClass(className, window.get());
        engine->widget()->setGeometry(0, 0, 200, 24);
        next = new QWidget(window.get());
        next->setFocusPolicy(Qt::StrongFocus);
        next->setGeometry(0, 30, 50, 20);
        engine->setListener(&listener);
        engine->setControlId(7);
        window->show();
        window->activateWindow();
        engine->widget()->setFocus();
        // Showing the window may move the pointer into the engine; tests start from there.
        activated = QTest::qWaitForWindowActive(window.get());
        listener.notifications.clear();
    }
    ~EngineFixture() { engine->setListener(nullptr); }

    MessageResult send(MessageId message, WordParam word = 0, LongParam param = 0) {
        return engine->send(message, word, param);
    }
    MessageResult sendText(MessageId message, const char* text, WordParam word = 0) {
        return engine->send(message, word, reinterpret_cast<LongParam>(text));
    }
    // The text answered by a length-then-buffer pair of messages.
    QByteArray readText(MessageId lengthMessage, MessageId textMessage) {
        const auto length = static_cast<qsizetype>(send(lengthMessage));
        QByteArray buffer(length + 1, '\xFF');
        send(textMessage, 0, reinterpret_cast<LongParam>(buffer.data()));
        return QByteArray(buffer.constData());
    }

    std::unique_ptr<QWidget> window;
    FenEngine* engine = nullptr;
    QWidget* next = nullptr;
    RecordingListener listener;
    bool activated = false;
};

} // namespace tarnwick::fenbase6::test
