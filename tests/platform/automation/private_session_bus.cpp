#include "private_session_bus.h"

#include <QtGlobal>

namespace tarnwick::test {

PrivateSessionBus::PrivateSessionBus() {
    m_daemon.setStandardErrorFile(QProcess::nullDevice());
    m_daemon.start(QStringLiteral("dbus-daemon"),
                   {QStringLiteral("--session"), QStringLiteral("--nofork"),
                    QStringLiteral("--nopidfile"), QStringLiteral("--print-address=1")});
    if (m_daemon.waitForStarted(5000)) {
        while (!m_daemon.canReadLine() && m_daemon.waitForReadyRead(5000)) {
        }
        m_address = QString::fromLocal8Bit(m_daemon.readLine()).trimmed();
    }
    if (m_address.isEmpty())
        qunsetenv("DBUS_SESSION_BUS_ADDRESS");
    else
        qputenv("DBUS_SESSION_BUS_ADDRESS", m_address.toLocal8Bit());
}

PrivateSessionBus::~PrivateSessionBus() {
    if (m_daemon.state() == QProcess::NotRunning)
        return;
    m_daemon.terminate();
    if (!m_daemon.waitForFinished(3000))
        m_daemon.kill();
    m_daemon.waitForFinished(3000);
}

} // namespace tarnwick::test
