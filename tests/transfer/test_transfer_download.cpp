#include "sim/unit_frames.h"
#include "test_transfer_fixture.h"

#include <gtest/gtest.h>

using namespace tarnwick;
using namespace tarnwick::test;
using modProtocol::Frame;

namespace {

const QString kDownloadFailed =
    QStringLiteral("Download failed: unable to retrieve all data from Stavik.");

BlockBuffer blocksOf(const ConfigImage& memory) {
    BlockBuffer blocks{};
    for (std::size_t b = 0; b < kBlockCount; ++b) {
        blocks[b] = blockOf(memory, b);
    }
    return blocks;
}

// When the sweep sent its last request; the drain ends 2 s later.
Duration lastSweepRequest(const TransferRig& rig) {
    return rig.readRequests(251).at(0).time;
}

} // namespace

// A unit in maintenance mode answering everything: 252 requests 500 ms apart, the buffer
// equal to the unit's memory, one message, and the main window takes over.
TEST(TransferDownload, FullDownloadIgnoresMaintenanceMode) {
    sim::UnitSetup setup;
    setup.memory = patternedMemory();
    setup.faults.maintenanceFromStart = true;
    TransferRig rig(setup);
    rig.startDownload();
    ASSERT_TRUE(rig.runToEnd());

    const auto reads = rig.readRequests();
    ASSERT_EQ(reads.size(), 253U); // the firmware check, then the sweep
    const Duration sweepEnabled = rig.answerTime(3);
    for (int block = 0; block < 252; ++block) {
        const auto& read = reads[static_cast<std::size_t>(block) + 1];
        EXPECT_EQ(read.bytes,
                  modProtocol::BuildReadRequest({0, 0, static_cast<std::uint8_t>(block)}));
        EXPECT_EQ(read.time, sweepEnabled + (block + 1) * 500ms);
    }
    EXPECT_EQ(rig.writes().size(), 4U + 253U);

    EXPECT_EQ(rig.blocks, blocksOf(setup.memory));
    ASSERT_EQ(rig.prompter.prompts.size(), 1U);
    EXPECT_EQ(rig.prompter.prompts[0].text, QStringLiteral("Download complete."));
    EXPECT_EQ(rig.prompter.prompts[0].caption, QStringLiteral("Download complete"));
    EXPECT_EQ(rig.prompter.prompts[0].time, reads.back().time + 2000ms);
    EXPECT_EQ(rig.host.calls.mid(2), (QStringList{QStringLiteral("download completed"),
                                                  QStringLiteral("main window in use")}));
    EXPECT_EQ(rig.host.loaded, rig.blocks);
    EXPECT_EQ(rig.outcome->kind, TransferOutcome::Kind::Succeeded);
    EXPECT_FALSE(rig.line.portOpen());
    EXPECT_EQ(rig.view.unloads, 1);

    EXPECT_TRUE(containsRun(rig.view.log,
                            {QStringLiteral("text Channel labels"), QStringLiteral("statusMax 73"),
                             QStringLiteral("total 46"), QStringLiteral("status 1")}));
    EXPECT_TRUE(
        containsRun(rig.view.log, {QStringLiteral("text Processing Stavik data..."),
                                   QStringLiteral("text Checking for missing data..."),
                                   QStringLiteral("statusMin 0"), QStringLiteral("status 0"),
                                   QStringLiteral("statusMax 251")}));
}

TEST(TransferDownload, BlockAnsweredOnSecondReRequest) {
    sim::UnitSetup setup;
    setup.faults.answerFromRequest = {{100, 3}};
    TransferRig rig(setup);
    rig.startDownload();
    ASSERT_TRUE(rig.runToEnd());

    const Duration drainEnd = lastSweepRequest(rig) + 2000ms;
    const auto reReads = rig.readRequests(100, drainEnd);
    ASSERT_EQ(reReads.size(), 2U);
    EXPECT_EQ(reReads[0].time, drainEnd);
    EXPECT_EQ(reReads[1].time, drainEnd + 5000ms);
    EXPECT_EQ(rig.readRequests().size(), 253U + 2U);
    EXPECT_EQ(rig.outcome->kind, TransferOutcome::Kind::Succeeded);
    EXPECT_EQ(rig.blocks[100], blockOf(rig.unit.memory(), 100));
}

TEST(TransferDownload, BlockNeverAnsweredFailsWithoutTryingLaterBlocks) {
    sim::UnitSetup setup;
    setup.faults.neverAnswer = {7, 9};
    TransferRig rig(setup);
    rig.startDownload();
    ASSERT_TRUE(rig.runToEnd());

    const Duration drainEnd = lastSweepRequest(rig) + 2000ms;
    const auto reReads = rig.readRequests(7, drainEnd);
    ASSERT_EQ(reReads.size(), 5U);
    for (std::size_t i = 0; i < reReads.size(); ++i) {
        EXPECT_EQ(reReads[i].time, drainEnd + static_cast<long>(i) * 5000ms);
    }
    EXPECT_TRUE(rig.readRequests(9, drainEnd).empty());
    EXPECT_EQ(rig.promptTexts(), QStringList{kDownloadFailed});
    EXPECT_EQ(rig.prompter.prompts[0].time, drainEnd + 25000ms);
    EXPECT_EQ(rig.outcome->kind, TransferOutcome::Kind::Failed);
    EXPECT_FALSE(rig.host.loaded.has_value());
    EXPECT_FALSE(rig.line.portOpen());
}

// Answers that come in the drain or while the pass waits for another block are kept, a later
// answer replaces an earlier one, and another site's data is ignored.
TEST(TransferDownload, LateAndRepeatedAnswersCount) {
    sim::UnitSetup setup;
    setup.faults.neverAnswer = {8};
    setup.faults.answerFromRequest = {{7, 3}};
    TransferRig rig(setup);
    const Block first{1, 1, 1, 1, 1, 1, 1, 1};
    const Block second{2, 2, 2, 2, 2, 2, 2, 2};
    rig.startDownload();

    ASSERT_TRUE(rig.runUntilText(QStringLiteral("Processing Stavik data...")));
    rig.clock.singleShot(1000ms, [&] { rig.serial.inject(sim::buildUnitDataFrame(0, 8, first)); });
    ASSERT_TRUE(rig.runUntilText(QStringLiteral("Checking for missing data...")));
    rig.clock.singleShot(1000ms, [&] {
        rig.serial.inject(sim::buildUnitDataFrame(0, 8, second));
        rig.serial.inject(sim::buildUnitDataFrame(1, 9, first));
    });
    ASSERT_TRUE(rig.runToEnd());

    EXPECT_EQ(rig.outcome->kind, TransferOutcome::Kind::Succeeded);
    EXPECT_EQ(rig.blocks[8], second);
    EXPECT_EQ(rig.blocks[9], blockOf(rig.unit.memory(), 9));
    const Duration drainEnd = lastSweepRequest(rig) + 2000ms;
    EXPECT_TRUE(rig.readRequests(8, drainEnd).empty());
    EXPECT_EQ(rig.readRequests(7, drainEnd).size(), 2U);
}

TEST(TransferDownload, SweepErrorIsReportedAndTheSweepGoesOn) {
    TransferRig rig;
    const Frame failing = modProtocol::BuildReadRequest({0, 0, 10});
    rig.serial.failWrite = [&](const QByteArray& bytes) {
        return Frame(bytes.begin(), bytes.end()) == failing;
    };
    rig.startDownload();
    ASSERT_TRUE(rig.runToEnd());

    ASSERT_EQ(rig.host.errors.size(), 1U);
    EXPECT_EQ(rig.host.errors[0].friendly,
              QStringLiteral("An error occurred while sending data to the Stavik. If this error "
                             "repeats, please cancel the connection."));
    const auto block9 = rig.readRequests(9).at(0).time;
    EXPECT_EQ(rig.readRequests(11).at(0).time, block9 + 1000ms);
    // The failed request is made good by the missing-data pass.
    EXPECT_EQ(rig.readRequests(10).size(), 1U);
    EXPECT_GT(rig.readRequests(10)[0].time, lastSweepRequest(rig));
    EXPECT_EQ(rig.outcome->kind, TransferOutcome::Kind::Succeeded);
}

TEST(TransferDownload, CarrierLossFailsOnceAndStopsTheSweep) {
    sim::UnitSetup setup;
    setup.faults.carrierLostAfterContact = 20s;
    TransferRig rig(setup);
    rig.startDownload();
    ASSERT_TRUE(rig.runToEnd());
    const std::size_t written = rig.writes().size();
    rig.clock.advance(300s);

    EXPECT_EQ(rig.promptTexts(), QStringList{QStringLiteral("The modem has been disconnected.")});
    EXPECT_EQ(rig.outcome->kind, TransferOutcome::Kind::Failed);
    EXPECT_EQ(rig.writes().size(), written);
    EXPECT_LT(written, 60U);
}
