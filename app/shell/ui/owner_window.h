#pragma once

#include <QApplication>
#include <QWidget>

namespace tarnwick {

// The window a modal box belongs to: the given owner, else whichever window is active.
inline QWidget* ownerOrActiveWindow(QWidget* owner) {
    return owner != nullptr ? owner : QApplication::activeWindow();
}

} // namespace tarnwick
