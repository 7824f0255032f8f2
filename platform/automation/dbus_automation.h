#pragma once

#include "automation/automation_object.h"

#include <QDBusConnection>

namespace tarnwick {

// Automation objects on a D-Bus bus. The object of ProgID P is the object at path "/" of
// the service with the well-known name P, and its methods are those of the interface named
// P: "KiterWinServer.KiterServerApp" answers FindDevice(s) -> s and Disconnect(s) there.
// A service that is registered or can be started on demand can be created; no bus, no such
// service or a ProgID that is no valid bus name is error 429. A call that answers with a
// D-Bus error is error 440 with the ProgID as source and the D-Bus error's name and message
// as description. Calls block (without running the event loop) until the answer comes or
// the bus's call timeout ends.
class DBusAutomationFactory final : public AutomationFactory {
public:
    explicit DBusAutomationFactory(QDBusConnection bus = QDBusConnection::sessionBus());

    std::unique_ptr<AutomationObject> create(const QString& progId) override;

private:
    QDBusConnection m_bus;
};

} // namespace tarnwick
