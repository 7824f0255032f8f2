#pragma once

#include <QSocketNotifier>
#include <memory>

namespace tarnwick::stavikSim {

// Turns SIGINT and SIGTERM into a quit of the Qt event loop: the handler only writes a byte
// into a pipe, and the loop reads it like any other event, so the program ends through its
// normal path. One instance per process.
class QuitOnSignals {
public:
    QuitOnSignals();
    ~QuitOnSignals();
    QuitOnSignals(const QuitOnSignals&) = delete;
    QuitOnSignals& operator=(const QuitOnSignals&) = delete;

private:
    std::unique_ptr<QSocketNotifier> m_notifier;
};

} // namespace tarnwick::stavikSim
