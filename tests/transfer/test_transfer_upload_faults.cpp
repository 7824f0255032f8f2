#include "shell/file_access.h"
#include "sim/unit_frames.h"
#include "test_transfer_fixture.h"

#include <gtest/gtest.h>

using namespace tarnwick;
using namespace tarnwick::test;

namespace {

const QString kWriteFailed = QStringLiteral(
    "Upload failed: unable to write all data.\r\nThis may be due to poor connection "
    "quality.\r\n\r\nWARNING: Some Stavik data may have changed. Please run the upload again.");
const QString kGoneIntoMaintenance =
    QStringLiteral("The Stavik has gone into Maintenance Mode. The upload will be canceled.");

// A patterned unit, the image differing from it in block 40 only.
TransferRig& withBlock40Changed(TransferRig& rig) {
    rig.image[40 * 8 + 2] ^= 0x21;
    return rig;
}

void expectFailedWith(const TransferRig& rig, const QString& message) {
    ASSERT_TRUE(rig.outcome.has_value());
    EXPECT_EQ(rig.outcome->kind, TransferOutcome::Kind::Failed);
    EXPECT_EQ(rig.promptTexts(), QStringList{message});
    EXPECT_EQ(rig.prompter.prompts[0].caption, QStringLiteral("Tarnwick"));
    EXPECT_FALSE(rig.line.portOpen());
    EXPECT_EQ(rig.unit.restarts(), 0);
}

// When the unit first sent a status frame, or one with the maintenance flag.
Duration firstStatus(const TransferRig& rig, bool inMaintenance = false) {
    for (const auto& frame : rig.unitFrames) {
        if (frame.kind == sim::FrameKind::Status &&
            (!inMaintenance || modProtocol::ParseStatusFrame(frame.bytes).Maintenance)) {
            return frame.time;
        }
    }
    return Duration::max();
}

Duration firstMaintenanceStatus(const TransferRig& rig) {
    return firstStatus(rig, true);
}

} // namespace

// Three bad read-backs (or three commits the unit ignores): each mismatch is rewritten, the
// fourth read-back matches, so the block went out four times.
TEST(TransferUploadFaults, BlockVerifiedOnTheFourthWrite) {
    const std::function<void(sim::FaultPlan&)> faults[] = {
        [](sim::FaultPlan& plan) { plan.wrongReadBacks = {{40, 3}}; },
        [](sim::FaultPlan& plan) { plan.ignoredCommits = {{40, 3}}; },
    };
    for (const auto& fault : faults) {
        sim::UnitSetup setup = patternedUnit();
        fault(setup.faults);
        TransferRig rig(setup);
        withBlock40Changed(rig).startUpload();
        ASSERT_TRUE(rig.runToEnd());

        const Duration t0 = rig.drainEnd();
        QStringList expected{QStringLiteral("data 40 +0"), QStringLiteral("commit 40 +500"),
                             QStringLiteral("read 40 +1000")};
        Duration readAt = t0 + 1000ms;
        for (int rewrite = 0; rewrite < 3; ++rewrite) {
            const Duration at = rig.answerTime(40, readAt) - t0;
            expected << QStringLiteral("data 40 +%1").arg(at.count())
                     << QStringLiteral("commit 40 +%1").arg((at + 500ms).count())
                     << QStringLiteral("read 40 +%1").arg((at + 1000ms).count());
            readAt = t0 + at + 1000ms;
        }
        const Duration verified = rig.answerTime(40, readAt) - t0;
        expected << QStringLiteral("restart 255 +%1").arg((verified + 15000ms).count());
        EXPECT_EQ(rig.framesFrom(t0), expected);
        EXPECT_EQ(rig.unit.memory(), rig.image);
        EXPECT_EQ(rig.outcome->kind, TransferOutcome::Kind::Succeeded);
    }
}

// Five mismatches: the fifth is still rewritten, then the upload fails without a restart.
TEST(TransferUploadFaults, FiveMismatchesFail) {
    sim::UnitSetup setup = patternedUnit();
    setup.faults.wrongReadBacks = {{40, 5}};
    TransferRig rig(setup);
    withBlock40Changed(rig).startUpload();
    ASSERT_TRUE(rig.runToEnd());

    const QStringList frames = rig.framesFrom(rig.drainEnd());
    EXPECT_EQ(frames.filter(QStringLiteral("data 40")).size(), 6);
    EXPECT_EQ(frames.filter(QStringLiteral("read 40")).size(), 5);
    EXPECT_TRUE(frames.last().startsWith(QStringLiteral("commit 40")));
    expectFailedWith(rig, kWriteFailed);
    EXPECT_EQ(rig.prompter.prompts[0].time, rig.writes().back().time + 500ms);
    EXPECT_EQ(rig.engine->writtenBlocks(), std::vector<std::uint8_t>{40});
}

// A read-back that never comes: six requests 5 s apart, then the write failure.
TEST(TransferUploadFaults, UnansweredReadBackFails) {
    sim::UnitSetup setup = patternedUnit();
    setup.faults.neverAnswer = {40};
    TransferRig rig(setup);
    withBlock40Changed(rig).startUpload();
    // The sweep gets block 40 from elsewhere, so only the read-back goes unanswered.
    ASSERT_TRUE(rig.runUntilText(QStringLiteral("Processing Stavik data...")));
    rig.serial.inject(sim::buildUnitDataFrame(0, 40, blockOf(rig.unit.memory(), 40)));
    ASSERT_TRUE(rig.runToEnd());

    const Duration t0 = rig.drainEnd();
    QStringList expected{QStringLiteral("data 40 +0"), QStringLiteral("commit 40 +500")};
    for (int request = 0; request < 6; ++request) {
        expected << QStringLiteral("read 40 +%1").arg(1000 + request * 5000);
    }
    EXPECT_EQ(rig.framesFrom(t0), expected);
    expectFailedWith(rig, kWriteFailed);
    EXPECT_EQ(rig.prompter.prompts[0].time, t0 + 31000ms);
}

TEST(TransferUploadFaults, BlockMissingAfterTheSweepFails) {
    sim::UnitSetup setup = patternedUnit();
    setup.faults.neverAnswer = {7};
    TransferRig rig(setup);
    withBlock40Changed(rig).startUpload();
    ASSERT_TRUE(rig.runToEnd());

    expectFailedWith(rig, QStringLiteral("Upload failed: unable to read all data from Stavik."));
    EXPECT_EQ(rig.prompter.prompts[0].time, rig.drainEnd() + 25000ms);
    EXPECT_EQ(rig.framesFrom(rig.drainEnd()).filter(QStringLiteral("data")).size(), 0);
}

// The upload waits for the first status frame before the firmware check.
TEST(TransferUploadFaults, SignOnRefusals) {
    sim::UnitSetup firmware53;
    firmware53.memory = patternedMemory(53);
    TransferRig old(firmware53);
    old.startUpload();
    ASSERT_TRUE(old.runToEnd());
    expectFailedWith(old, QStringLiteral("Unable to connect: Incorrect Stavik firmware "
                                         "version.\r\nTarnwick requires version 5.4 or newer."));
    EXPECT_EQ(old.readRequests(3).at(0).time, firstStatus(old));

    sim::UnitSetup setup = patternedUnit();
    setup.faults.maintenanceFromStart = true;
    TransferRig maintenance(setup);
    maintenance.startUpload();
    ASSERT_TRUE(maintenance.runToEnd());
    expectFailedWith(maintenance, QStringLiteral("The Stavik is in Maintenance Mode. The upload "
                                                 "will be canceled."));
    EXPECT_EQ(maintenance.prompter.prompts[0].time, firstMaintenanceStatus(maintenance));
    EXPECT_TRUE(maintenance.readRequests().empty());
    EXPECT_EQ(maintenance.view.text, QStringLiteral("Checking for Maintenance Mode..."));
}

// Maintenance mode newly set fails the upload the moment its status frame arrives, during
// the read sweep (from the unit) or during the restart wait (a frame slipped in).
TEST(TransferUploadFaults, MaintenanceSetLaterFailsAtOnce) {
    sim::UnitSetup setup = patternedUnit();
    setup.faults.maintenanceAfterContact = 60s;
    TransferRig sweeping(setup);
    sweeping.startUpload();
    ASSERT_TRUE(sweeping.runToEnd());
    expectFailedWith(sweeping, kGoneIntoMaintenance);
    EXPECT_EQ(sweeping.prompter.prompts[0].time, firstMaintenanceStatus(sweeping));
    EXPECT_TRUE(sweeping.readRequests(std::nullopt, firstMaintenanceStatus(sweeping) + 1ms)
                    .empty());

    TransferRig restarting(patternedUnit());
    withBlock40Changed(restarting).startUpload();
    ASSERT_TRUE(restarting.runUntilText(QStringLiteral("Rebooting Stavik...")));
    restarting.clock.advance(3000ms);
    restarting.serial.inject(sim::buildStatusFrame({0, true, 2, 100}));
    ASSERT_TRUE(restarting.outcome.has_value());
    expectFailedWith(restarting, kGoneIntoMaintenance);
    restarting.clock.advance(60s);
    EXPECT_TRUE(restarting.framesFrom(restarting.clock.now() - 60s).isEmpty());
}

// An entry outside the memory, in a file that went bad after the upload began, ends the
// completion step with the sweep's error dialog; the window then waits for the user to cancel.
TEST(TransferUploadFaults, ProtectedEntryOutOfRangeStallsUntilCancel) {
    const ProtectedLocation bad[] = {{252, 0}, {10, 8}};
    for (const ProtectedLocation& entry : bad) {
        TransferRig rig(patternedUnit());
        QByteArray bytes(238, '\0');
        bytes[50] = static_cast<char>(entry.block);
        bytes[119 + 50] = static_cast<char>(entry.byte);
        withBlock40Changed(rig).startUpload();
        ASSERT_TRUE(rig.runUntilText(QStringLiteral("Starting upload...")));
        writeFileAtomically(rig.host.protectedPath, bytes);
        ASSERT_TRUE(rig.runUntilText(QStringLiteral("Checking for missing data...")));
        rig.clock.advance(300s);

        ASSERT_EQ(rig.host.errors.size(), 1U);
        EXPECT_EQ(rig.host.errors[0].friendly,
                  QStringLiteral("An error occurred while sending data to the Stavik. If this "
                                 "error repeats, please cancel the connection."));
        EXPECT_EQ(rig.host.errors[0].number, ErrorNumber::SubscriptOutOfRange);
        EXPECT_TRUE(rig.framesFrom(rig.drainEnd()).isEmpty());
        EXPECT_TRUE(rig.prompter.prompts.empty());
        EXPECT_TRUE(rig.line.portOpen());

        rig.prompter.answers = {true};
        rig.engine->requestCancel();
        EXPECT_EQ(rig.outcome->kind, TransferOutcome::Kind::Cancelled);
        EXPECT_EQ(rig.promptTexts(), QStringList{QStringLiteral("Cancel upload?")});
    }
}

// Cancel ends each of the upload's own waits; the engine tells which blocks went out.
TEST(TransferUploadFaults, CancelDuringTheUploadsWaits) {
    struct Case {
        const char* wait;
        QString shownText;
        Duration into;
        std::vector<std::uint8_t> written;
    };
    const Case cases[] = {
        {"first status frame", QStringLiteral("Checking for Maintenance Mode..."), 600s, {}},
        {"write pass", QStringLiteral("Uploading new settings..."), 1200ms, {40}},
        {"verification", QStringLiteral("Verifying data..."), 10ms, {40, 41}},
        {"restart", QStringLiteral("Rebooting Stavik..."), 14900ms, {40, 41}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.wait);
        sim::UnitSetup setup = patternedUnit();
        setup.statusInterval = c.written.empty() ? 0ms : 2000ms;
        TransferRig rig(setup);
        rig.image[41 * 8] ^= 0x01;
        withBlock40Changed(rig).startUpload();
        ASSERT_TRUE(rig.runUntilText(c.shownText, 400s));
        rig.clock.advance(c.into);
        const std::size_t written = rig.writes().size();

        rig.prompter.answers = {true};
        rig.engine->requestCancel();
        rig.clock.advance(300s);
        EXPECT_EQ(rig.outcome->kind, TransferOutcome::Kind::Cancelled);
        EXPECT_EQ(rig.promptTexts(), QStringList{QStringLiteral("Cancel upload?")});
        EXPECT_EQ(rig.writes().size(), written);
        EXPECT_EQ(rig.engine->writtenBlocks(), c.written);
        EXPECT_EQ(rig.unit.restarts(), 0);
        EXPECT_FALSE(rig.line.portOpen());
    }
}
