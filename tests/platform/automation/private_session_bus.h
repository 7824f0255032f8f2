#pragma once

#include <QProcess>
#include <QString>

namespace tarnwick::test {

// A message bus daemon of the test run's own, set as the session bus of this process
// (DBUS_SESSION_BUS_ADDRESS) before anything connects to it, so that tests never touch the
// user's session bus. When no daemon can be started the variable is removed instead.
class PrivateSessionBus {
public:
    PrivateSessionBus();
    ~PrivateSessionBus();
    PrivateSessionBus(const PrivateSessionBus&) = delete;
    PrivateSessionBus& operator=(const PrivateSessionBus&) = delete;

    bool running() const { return !m_address.isEmpty(); }

private:
    QProcess m_daemon;
    QString m_address;
};

} // namespace tarnwick::test
