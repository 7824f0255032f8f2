#include "automation/dbus_automation.h"
#include "bus_test.h"
#include "connections/port_check.h"
#include "fake_kiter_server.h"
#include "support/qt_printers.h"
#include "support/recording_error_reporter.h"
#include "support/scripted_prompter.h"

using namespace tarnwick;
using namespace tarnwick::test;

namespace {
class PortCheck : public BusTest {
protected:
    bool check(const QString& port) { return CheckPortInUse(port, factory, prompter, errors); }

    DBusAutomationFactory factory;
    ScriptedPrompter prompter;
    RecordingErrorReporter errors;
};

const QString kQuestion =
    QStringLiteral("COM3 is being used by Kiter to connect to an Stavik (SN: 654321).\r\n"
                   "Do you want to disconnect the Stavik?");
} // namespace

TEST_F(PortCheck, WithoutTheServerThePortIsFreeSilently) {
    EXPECT_TRUE(check(QStringLiteral("COM3")));
    DBusAutomationFactory noBus(missingBus());
    EXPECT_TRUE(CheckPortInUse(QStringLiteral("COM3"), noBus, prompter, errors));
    EXPECT_TRUE(prompter.calls.empty());
    EXPECT_TRUE(errors.reports.empty());
}

TEST_F(PortCheck, PortTheServerDoesNotUseIsFree) {
    FakeKiterServer server({});
    ASSERT_TRUE(server.registered());
    EXPECT_TRUE(check(QStringLiteral("COM3")));
    EXPECT_EQ(server.calls(), QStringList{QStringLiteral("FindDevice COM3")});
    EXPECT_TRUE(prompter.calls.empty());
    EXPECT_TRUE(errors.reports.empty());
}

TEST_F(PortCheck, YesMakesTheServerLetGo) {
    FakeKiterServer server({QStringLiteral("654321")});
    ASSERT_TRUE(server.registered());
    prompter.scriptAnswer(Prompter::Answer::Yes);
    EXPECT_TRUE(check(QStringLiteral("COM3")));
    ASSERT_EQ(prompter.calls.size(), 1u);
    EXPECT_EQ(prompter.calls[0].kind, PromptCall::Kind::YesNo);
    EXPECT_EQ(prompter.calls[0].text, kQuestion);
    EXPECT_EQ(prompter.calls[0].caption, QStringLiteral("Tarnwick"));
    EXPECT_EQ(server.calls(),
              (QStringList{QStringLiteral("FindDevice COM3"), QStringLiteral("Disconnect COM3")}));
    EXPECT_TRUE(errors.reports.empty());
}

TEST_F(PortCheck, NoKeepsThePortClosed) {
    FakeKiterServer server({QStringLiteral("654321")});
    ASSERT_TRUE(server.registered());
    prompter.scriptAnswer(Prompter::Answer::No);
    EXPECT_FALSE(check(QStringLiteral("COM3")));
    EXPECT_EQ(prompter.calls.size(), 1u);
    EXPECT_EQ(server.calls(), QStringList{QStringLiteral("FindDevice COM3")});
    EXPECT_TRUE(errors.reports.empty());
}

TEST_F(PortCheck, FailingServerIsReportedAndKeepsThePortClosed) {
    const ErrorReport expected{
        QStringLiteral("An error occurred while checking the status of COM3"),
        QStringLiteral("440"), kKiterProgId,
        kKiterFailureName + QStringLiteral(": ") + kKiterFailureMessage};
    {
        FakeKiterServer server({QStringLiteral("654321"), /*findDeviceFails=*/true});
        EXPECT_FALSE(check(QStringLiteral("COM3")));
        EXPECT_TRUE(prompter.calls.empty());
    }
    {
        FakeKiterServer server({QStringLiteral("654321"), false, /*disconnectFails=*/true});
        prompter.scriptAnswer(Prompter::Answer::Yes);
        EXPECT_FALSE(check(QStringLiteral("COM3")));
        EXPECT_EQ(server.calls().size(), 2);
    }
    EXPECT_EQ(errors.reports, (std::vector<ErrorReport>{expected, expected}));
}
