#pragma once

// Drives modal windows from tests: the action runs once the next modal window is up.

#include <QApplication>
#include <QTimer>
#include <QWidget>
#include <functional>

namespace tarnwick::test {

// Runs `action` on the modal window as soon as one is open; polls so that it works for
// windows opened by code that has not run yet.
inline void whenModalOpens(std::function<void(QWidget*)> action) {
    auto* timer = new QTimer;
    timer->setInterval(10);
    QObject::connect(timer, &QTimer::timeout, timer, [timer, action = std::move(action)] {
        if (QWidget* modal = QApplication::activeModalWidget()) {
            timer->stop();
            timer->deleteLater();
            action(modal);
        }
    });
    timer->start();
}

} // namespace tarnwick::test
