#include "automation/dbus_automation.h"
#include "bus_test.h"
#include "connections/port_check.h"
#include "fake_kiter_server.h"
#include "shell/app_error.h"
#include "support/qt_printers.h"

#include <functional>

using namespace tarnwick;
using namespace tarnwick::test;

namespace {
AppError failureOf(const std::function<void()>& action) {
    try {
        action();
    } catch (const AppError& error) {
        return error;
    }
    ADD_FAILURE() << "expected an error";
    return AppError(0, {}, {});
}
} // namespace

using DBusAutomation = BusTest;

// The port check's tests cover creation and calls that work; these are the other answers.
TEST_F(DBusAutomation, NameThatCannotBeAServiceIsError429) {
    DBusAutomationFactory factory;
    EXPECT_EQ(failureOf([&] { factory.create(QStringLiteral("Holm.Mask6.6")); }).number(),
              ErrorNumber::CannotCreateObject);
}

TEST_F(DBusAutomation, UnknownMethodIsError440NamingTheBusError) {
    FakeKiterServer server({});
    ASSERT_TRUE(server.registered());
    DBusAutomationFactory factory;
    const auto kiter = factory.create(kKiterProgId);
    const AppError error = failureOf([&] { kiter->call(QStringLiteral("NoSuchMethod"), {}); });
    EXPECT_EQ(error.number(), ErrorNumber::AutomationError);
    EXPECT_EQ(error.source(), kKiterProgId);
    EXPECT_TRUE(error.description().startsWith(
        QStringLiteral("org.freedesktop.DBus.Error.UnknownMethod: ")));
}
