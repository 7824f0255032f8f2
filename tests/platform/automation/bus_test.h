#pragma once

#include <QDBusConnection>
#include <QtGlobal>
#include <gtest/gtest.h>

namespace tarnwick::test {

// Tests that need the private session bus; skipped when it could not be started.
class BusTest : public testing::Test {
protected:
    void SetUp() override {
        if (!qEnvironmentVariableIsSet("DBUS_SESSION_BUS_ADDRESS"))
            GTEST_SKIP() << "no private session bus (dbus-daemon missing?)";
    }
};

// A connection to a bus that is not there.
inline QDBusConnection missingBus() {
    return QDBusConnection::connectToBus(QStringLiteral("unix:path=/nonexistent/tarnwick-bus"),
                                         QStringLiteral("missing-bus"));
}

} // namespace tarnwick::test
