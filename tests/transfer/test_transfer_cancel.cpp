#include "test_transfer_fixture.h"

#include <gtest/gtest.h>

using namespace tarnwick;
using namespace tarnwick::test;

namespace {

struct CancelCase {
    const char* wait;
    QString shownText; // what the view shows once the wait has begun
    std::function<void(sim::FaultPlan&)> faults;
};

void expectCancelled(TransferRig& rig) {
    ASSERT_TRUE(rig.outcome.has_value());
    EXPECT_EQ(rig.outcome->kind, TransferOutcome::Kind::Cancelled);
    EXPECT_TRUE(rig.engine->ended());
    EXPECT_FALSE(rig.line.portOpen());
    EXPECT_EQ(rig.view.unloads, 1);
    EXPECT_EQ(rig.host.calls.last(), QStringLiteral("start window"));
}

} // namespace

// Cancel confirmed in the middle of each wait closes the port and nothing more happens.
TEST(TransferCancel, CancelDuringEachWaitEndsTheTransfer) {
    const CancelCase cases[] = {
        {"identify", QStringLiteral("Verifying password..."),
         [](sim::FaultPlan& plan) { plan.silent = true; }},
        {"firmware", QStringLiteral("Verifying Stavik firmware version..."),
         [](sim::FaultPlan& plan) { plan.neverAnswer = {3}; }},
        {"sweep", QStringLiteral("Channel settings"), [](sim::FaultPlan&) {}},
        {"drain", QStringLiteral("Processing Stavik data..."), [](sim::FaultPlan&) {}},
        {"missing-data pass", QStringLiteral("Checking for missing data..."),
         [](sim::FaultPlan& plan) { plan.neverAnswer = {7}; }},
    };
    for (const CancelCase& c : cases) {
        SCOPED_TRACE(c.wait);
        sim::UnitSetup setup;
        c.faults(setup.faults);
        TransferRig rig(setup);
        rig.startDownload();
        ASSERT_TRUE(rig.runUntilText(c.shownText));
        rig.clock.advance(1000ms);

        rig.prompter.answers = {true};
        rig.engine->requestCancel();
        expectCancelled(rig);
        ASSERT_EQ(rig.prompter.prompts.size(), 1U);
        EXPECT_EQ(rig.prompter.prompts[0].text, QStringLiteral("Cancel download?"));
        EXPECT_EQ(rig.prompter.prompts[0].caption, QStringLiteral("Tarnwick"));

        const std::size_t written = rig.writes().size();
        rig.clock.advance(300s);
        EXPECT_EQ(rig.writes().size(), written);
        EXPECT_EQ(rig.prompter.prompts.size(), 1U);
        EXPECT_EQ(rig.view.unloads, 1);
    }
}

TEST(TransferCancel, AnsweringNoLeavesTheDownloadRunning) {
    TransferRig rig;
    rig.startDownload();
    ASSERT_TRUE(rig.runUntilText(QStringLiteral("Channel settings")));
    rig.prompter.answers = {false};
    rig.engine->requestCancel();
    ASSERT_TRUE(rig.runToEnd());
    EXPECT_EQ(rig.outcome->kind, TransferOutcome::Kind::Succeeded);
    EXPECT_EQ(rig.promptTexts(), (QStringList{QStringLiteral("Cancel download?"),
                                              QStringLiteral("Download complete.")}));
    EXPECT_EQ(rig.readRequests().size(), 253U);
}

// The identify times out while the cancel question is open: its failure is shown once and
// the late "yes" changes nothing.
TEST(TransferCancel, FailureWhileTheQuestionIsOpenWins) {
    sim::UnitSetup setup;
    setup.faults.silent = true;
    TransferRig rig(setup);
    rig.startDownload();
    rig.clock.advance(1000ms);
    bool eventsRan = false;
    rig.prompter.whileOpen = [&] {
        if (!eventsRan) {
            eventsRan = true;
            rig.clock.advance(10s);
        }
    };
    rig.prompter.answers = {true};
    rig.engine->requestCancel();

    ASSERT_TRUE(rig.outcome.has_value());
    EXPECT_EQ(rig.outcome->kind, TransferOutcome::Kind::Failed);
    EXPECT_EQ(rig.promptTexts(),
              (QStringList{QStringLiteral("Cancel download?"),
                           QStringLiteral("Unable to connect: The Stavik is not responding.")}));
    EXPECT_EQ(rig.view.unloads, 1);
}

// Cancelled while the port check's own question is open: the port is never opened.
TEST(TransferCancel, CancelDuringThePortCheckNeverOpensThePort) {
    TransferRig rig;
    rig.host.duringPortCheck = [&] {
        rig.prompter.answers = {true};
        rig.engine->requestCancel();
    };
    rig.startDownload();
    rig.clock.advance(60s);
    expectCancelled(rig);
    EXPECT_FALSE(rig.engine->state().Connected);
    EXPECT_TRUE(rig.writes().empty());
}
