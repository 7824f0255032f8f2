#pragma once

class QWidget;

namespace tarnwick {

// A window's size and place are kept per user between runs, under the window's object name.
void restoreWindowGeometry(QWidget& window);
void saveWindowGeometry(const QWidget& window);

} // namespace tarnwick
