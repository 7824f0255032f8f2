#pragma once

#include "engine_messages.h"

class QWidget;

namespace tarnwick::fenbase6 {

// The names of the registered engine window classes.
inline constexpr char kMaskEngineClass[] = "OrrelMask";
inline constexpr char kNumberEngineClass[] = "OrrelNumberLgt";

// Where an engine's notifications go: the owning control. A notification is a command
// message (Msg::Command) whose word parameter holds the notification code in its high word
// (Notify::...) and the engine's control id in its low word; the long parameter carries the
// code's argument (a key-exit action, the address of a restore flag) or 0.
class FenEngineListener {
public:
    virtual ~FenEngineListener() = default;
    virtual void engineCommand(WordParam word, LongParam param) = 0;
};

// An edit engine: a Qt widget driven only by numbered messages. The widget is the engine's
// window; its owner places it, shows it, sends it Qt events (keys, mouse, focus) or filters
// them, and deletes it (directly, through the widget or through its Qt parent).
//
// Messages the engine does not know answer 0. Notifications are delivered synchronously,
// from inside send() or an event handler, to the one listener (none until set).
class FenEngine {
public:
    virtual ~FenEngine() = default;
    virtual QWidget* widget() = 0;
    virtual MessageResult send(MessageId message, WordParam word, LongParam param) = 0;
    // `listener` must outlive the engine or be replaced with null first.
    virtual void setListener(FenEngineListener* listener) = 0;
    // The low word of every notification's word parameter (0 until set).
    virtual void setControlId(std::uint16_t id) = 0;
};

} // namespace tarnwick::fenbase6
