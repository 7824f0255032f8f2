#include "fake_kiter_server.h"

#include "connections/port_check.h"

#include <QDBusConnection>
#include <QDBusContext>
#include <QMutex>
#include <QMutexLocker>
#include <atomic>

namespace tarnwick::test {

class KiterObject : public QObject, protected QDBusContext {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "KiterWinServer.KiterServerApp")

public:
    explicit KiterObject(KiterScript script) : m_script(std::move(script)) {}

    QStringList calls() const {
        const QMutexLocker lock(&m_mutex);
        return m_calls;
    }

public slots:
    QString FindDevice(const QString& port) {
        record(QStringLiteral("FindDevice ") + port);
        if (m_script.findDeviceFails)
            sendErrorReply(kKiterFailureName, kKiterFailureMessage);
        return m_script.serialOnPort;
    }

    void Disconnect(const QString& port) {
        record(QStringLiteral("Disconnect ") + port);
        if (m_script.disconnectFails)
            sendErrorReply(kKiterFailureName, kKiterFailureMessage);
    }

private:
    void record(const QString& call) {
        const QMutexLocker lock(&m_mutex);
        m_calls << call;
    }

    const KiterScript m_script;
    mutable QMutex m_mutex;
    QStringList m_calls;
};

FakeKiterServer::FakeKiterServer(KiterScript script)
    : m_object(std::make_unique<KiterObject>(std::move(script))) {
    static std::atomic<int> instances{0};
    m_connectionName = QStringLiteral("fake-kiter-%1").arg(++instances);
    m_object->moveToThread(&m_thread);
    m_thread.start();
    QDBusConnection bus =
        QDBusConnection::connectToBus(QDBusConnection::SessionBus, m_connectionName);
    m_registered =
        bus.registerObject(QStringLiteral("/"), m_object.get(), QDBusConnection::ExportAllSlots) &&
        bus.registerService(kKiterProgId);
}

FakeKiterServer::~FakeKiterServer() {
    {
        QDBusConnection bus(m_connectionName);
        bus.unregisterService(kKiterProgId);
        bus.unregisterObject(QStringLiteral("/"));
    }
    QDBusConnection::disconnectFromBus(m_connectionName);
    m_thread.quit();
    m_thread.wait();
}

QStringList FakeKiterServer::calls() const {
    return m_object->calls();
}

} // namespace tarnwick::test

#include "fake_kiter_server.moc"
