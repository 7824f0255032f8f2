#include "dbus_automation.h"

#include "shell/app_error.h"

#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusReply>

namespace tarnwick {

namespace {
const QString kObjectPath = QStringLiteral("/");

class DBusAutomationObject final : public AutomationObject {
public:
    DBusAutomationObject(QDBusConnection bus, QString progId)
        : m_bus(std::move(bus)), m_progId(std::move(progId)) {}

    QVariant call(const QString& method, const QVariantList& arguments) override {
        QDBusMessage message =
            QDBusMessage::createMethodCall(m_progId, kObjectPath, m_progId, method);
        message.setArguments(arguments);
        const QDBusMessage reply = m_bus.call(message, QDBus::Block);
        if (reply.type() != QDBusMessage::ReplyMessage) {
            throw AppError(ErrorNumber::AutomationError, m_progId,
                           QStringLiteral("%1: %2").arg(reply.errorName(), reply.errorMessage()));
        }
        return reply.arguments().value(0);
    }

private:
    QDBusConnection m_bus;
    QString m_progId;
};

// Running now, or started on demand. Both questions fail for names that are no bus names.
bool serviceAvailable(QDBusConnectionInterface& daemon, const QString& name) {
    const QDBusReply<bool> registered = daemon.isServiceRegistered(name);
    if (registered.isValid() && registered.value())
        return true;
    return daemon.startService(name).isValid();
}
} // namespace

DBusAutomationFactory::DBusAutomationFactory(QDBusConnection bus) : m_bus(std::move(bus)) {}

std::unique_ptr<AutomationObject> DBusAutomationFactory::create(const QString& progId) {
    QDBusConnectionInterface* daemon = m_bus.isConnected() ? m_bus.interface() : nullptr;
    if (daemon == nullptr || !serviceAvailable(*daemon, progId))
        throw AppError::standard(ErrorNumber::CannotCreateObject, progId);
    return std::make_unique<DBusAutomationObject>(m_bus, progId);
}

} // namespace tarnwick
