#pragma once

// A stand-in for the Kiter server on the session bus, answering from its own thread so
// that the blocking calls under test can reach it.

#include <QString>
#include <QStringList>
#include <QThread>
#include <memory>

namespace tarnwick::test {

struct KiterScript {
    QString serialOnPort;         // FindDevice's answer
    bool findDeviceFails = false; // answer FindDevice with a D-Bus error
    bool disconnectFails = false; // answer Disconnect with a D-Bus error
};

inline const QString kKiterFailureName = QStringLiteral("KiterWinServer.Error.Busy");
inline const QString kKiterFailureMessage = QStringLiteral("The device table is locked");

class KiterObject;

class FakeKiterServer {
public:
    explicit FakeKiterServer(KiterScript script);
    ~FakeKiterServer();
    FakeKiterServer(const FakeKiterServer&) = delete;
    FakeKiterServer& operator=(const FakeKiterServer&) = delete;

    // Whether the service name and object are on the bus.
    bool registered() const { return m_registered; }
    // Every call received, as "FindDevice COM1", "Disconnect COM1".
    QStringList calls() const;

private:
    QString m_connectionName;
    QThread m_thread;
    std::unique_ptr<KiterObject> m_object;
    bool m_registered = false;
};

} // namespace tarnwick::test
