#pragma once

#include <QSocketNotifier>
#include <functional>
#include <memory>

namespace tarnwick::cli {

// Turns SIGINT and SIGTERM into a call from the event loop: the signal handler only writes the
// signal number into a pipe, which the loop reads like any other input. Each signal is caught
// once; a second one of the same kind takes its default action and ends the process at once.
// One instance per process.
class InterruptNotifier {
public:
    InterruptNotifier();
    ~InterruptNotifier();
    InterruptNotifier(const InterruptNotifier&) = delete;
    InterruptNotifier& operator=(const InterruptNotifier&) = delete;

    // Called with the signal number, from the event loop.
    void setHandler(std::function<void(int signal)> handler) { m_handler = std::move(handler); }
    // Readable while a caught signal waits to be handled, for code that blocks outside the
    // event loop and must give way to an interrupt.
    int pendingFd() const;

private:
    void deliver();

    std::unique_ptr<QSocketNotifier> m_notifier;
    std::function<void(int)> m_handler;
};

} // namespace tarnwick::cli
