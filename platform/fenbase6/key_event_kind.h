// What kind of key press an engine sees: shared by every engine's key handling.
#pragma once

#include <QKeyEvent>

namespace tarnwick::fenbase6 {

// The keypad flag says where a key is, not what it means.
inline Qt::KeyboardModifiers relevantModifiers(const QKeyEvent* event) {
    return event->modifiers() & ~Qt::KeypadModifier;
}

// A press that types a printable character.
inline bool isTyping(const QKeyEvent* event) {
    const QString text = event->text();
    if (text.isEmpty() || !text.at(0).isPrint()) {
        return false;
    }
    // Ctrl with Alt is AltGr on many layouts, which types characters.
    const Qt::KeyboardModifiers modifiers = relevantModifiers(event);
    return !modifiers.testFlag(Qt::ControlModifier) || modifiers.testFlag(Qt::AltModifier);
}

} // namespace tarnwick::fenbase6
