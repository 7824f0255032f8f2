#include "unit_bench.h"

#include <gtest/gtest.h>

using namespace tarnwick;
using namespace tarnwick::sim;
using namespace tarnwick::sim::testing;
using namespace tarnwick::modProtocol;

namespace {

UnitSetup withFaults(FaultPlan faults, Scheduler::Duration statusInterval = 0ms) {
    UnitSetup setup;
    setup.memory = numberedMemory();
    setup.statusInterval = statusInterval;
    setup.faults = std::move(faults);
    return setup;
}

// Sends one read request for `block` and reports whether an answer came within a second.
bool answered(UnitBench& bench, std::uint8_t block) {
    const std::size_t before = bench.out(FrameKind::Data).size();
    bench.send(readRequest(block));
    bench.clock.advance(1s);
    return bench.out(FrameKind::Data).size() > before;
}

void writeBlock(UnitBench& bench, std::uint8_t block, const Block& data) {
    bench.send(dataFrame(block, data));
    bench.send(commitRequest(block));
}

TEST(UnitFaults, NeverAnswersABlockOrOnlyFromItsKthRequest) {
    FaultPlan faults;
    faults.neverAnswer = {7};
    faults.answerFromRequest = {{100, 3}};
    UnitBench bench(withFaults(faults));

    for (int i = 0; i < 6; ++i) {
        EXPECT_FALSE(answered(bench, 7));
    }
    EXPECT_FALSE(answered(bench, 100));
    EXPECT_FALSE(answered(bench, 100));
    EXPECT_TRUE(answered(bench, 100));
    EXPECT_TRUE(answered(bench, 100));
    EXPECT_TRUE(answered(bench, 8)) << "other blocks are answered";
}

TEST(UnitFaults, FirstAnswerToABlockHasABadChecksum) {
    FaultPlan faults;
    faults.badChecksumOnce = {3};
    UnitBench bench(withFaults(faults));
    ASSERT_TRUE(answered(bench, 3));
    ASSERT_TRUE(answered(bench, 3));

    const auto answers = bench.out(FrameKind::Data);
    EXPECT_FALSE(answers[0].checksumOk);
    EXPECT_NE(FrameChecksum(answers[0].bytes), answers[0].bytes[1]);
    EXPECT_LT(answers[0].bytes[1], 0x80);
    EXPECT_TRUE(answers[1].checksumOk);
}

TEST(UnitFaults, SilentUnitAnswersNothingButStillSendsStatus) {
    FaultPlan faults;
    faults.silent = true;
    UnitBench bench(withFaults(faults, 1000ms));
    bench.send(BuildIdentifyRequest({0, 0}));
    bench.send(readRequest(3));
    bench.clock.advance(2500ms);

    EXPECT_TRUE(bench.out(FrameKind::Chassis).empty());
    EXPECT_TRUE(bench.out(FrameKind::Data).empty());
    EXPECT_EQ(bench.out(FrameKind::Status).size(), 2u);
}

TEST(UnitFaults, GarbageBetweenFramesIsSkippedByTheProgramsAssembler) {
    FaultPlan faults;
    faults.garbageBytes = 3;
    UnitBench bench(withFaults(faults, 400ms));
    for (std::uint8_t block = 0; block < 5; ++block) {
        bench.send(readRequest(block));
    }
    bench.clock.advance(2s);

    const auto garbage = bench.out(FrameKind::Garbage);
    EXPECT_EQ(garbage.size(), 5u + bench.out(FrameKind::Status).size());
    for (const FrameRecord& run : garbage) {
        ASSERT_EQ(run.bytes.size(), 3u);
        for (const std::uint8_t byte : run.bytes) {
            EXPECT_LT(byte, 0xE0);
        }
    }
    // Three bytes of garbage (25 ms) go ahead of the first answer.
    EXPECT_EQ(bench.out(FrameKind::Data)[0].time, 25ms + 92ms);

    std::vector<int> blocks;
    int statusFrames = 0;
    FrameAssembler assembler(0, {[&statusFrames](const StatusReport&) { ++statusFrames; },
                                 {},
                                 [&blocks](const DataBlock& b) { blocks.push_back(b.Block); }});
    assembler.feed(bench.sent);
    EXPECT_EQ(blocks, (std::vector<int>{0, 1, 2, 3, 4}));
    EXPECT_EQ(statusFrames, static_cast<int>(bench.out(FrameKind::Status).size()));
}

std::vector<bool> maintenanceFlags(const UnitBench& bench) {
    std::vector<bool> flags;
    for (const FrameRecord& record : bench.out(FrameKind::Status)) {
        flags.push_back(ParseStatusFrame(record.bytes).Maintenance);
    }
    return flags;
}

TEST(UnitFaults, MaintenanceModeFromTheStartOrFromAMomentAfterContact) {
    FaultPlan fromStart;
    fromStart.maintenanceFromStart = true;
    UnitBench always(withFaults(fromStart, 1000ms));
    always.clock.advance(2500ms);
    EXPECT_EQ(maintenanceFlags(always), (std::vector<bool>{true, true}));

    FaultPlan later;
    later.maintenanceAfterContact = 2000ms;
    UnitBench bench(withFaults(later, 1000ms));
    bench.clock.advance(3500ms); // idle time before contact does not count
    bench.send(readRequest(0));
    bench.clock.advance(1400ms);
    EXPECT_FALSE(bench.unit.maintenance());
    bench.clock.advance(600ms);
    EXPECT_TRUE(bench.unit.maintenance());
    bench.clock.advance(1s);
    EXPECT_EQ(maintenanceFlags(bench),
              (std::vector<bool>{false, false, false, false, false, true}));
}

TEST(UnitFaults, CarrierLossSilencesTheUnitForGood) {
    FaultPlan faults;
    faults.carrierLostAfterContact = 1000ms;
    UnitBench bench(withFaults(faults, 300ms));
    int losses = 0;
    bench.unit.setCarrierLostHandler([&losses] { ++losses; });

    EXPECT_TRUE(answered(bench, 1)); // contact at 0, the answer is out by 92 ms
    EXPECT_EQ(losses, 1);
    EXPECT_TRUE(bench.unit.carrierLost());
    const std::size_t sentBefore = bench.sent.size();
    EXPECT_FALSE(answered(bench, 2));
    bench.clock.advance(5s);
    EXPECT_EQ(bench.sent.size(), sentBefore);
    EXPECT_EQ(losses, 1);
}

TEST(UnitFaults, IgnoresTheFirstCommitsOfABlock) {
    FaultPlan faults;
    faults.ignoredCommits = {{10, 2}};
    UnitBench bench(withFaults(faults));
    const Block newData = {0xAA, 0xBB, 0xCC, 0xDD, 0xEE, 0xFF, 0x00, 0x11};

    writeBlock(bench, 10, newData);
    writeBlock(bench, 10, newData);
    EXPECT_EQ(bench.unit.memory(), numberedMemory());
    writeBlock(bench, 10, newData);
    EXPECT_EQ(blockOf(bench.unit.memory(), 10), newData);

    writeBlock(bench, 11, newData);
    EXPECT_EQ(blockOf(bench.unit.memory(), 11), newData) << "other blocks are written at once";
}

TEST(UnitFaults, ReadsBackACommittedBlockWrongKTimes) {
    FaultPlan faults;
    faults.wrongReadBacks = {{20, 3}};
    UnitBench bench(withFaults(faults));
    const Block newData = {1, 2, 3, 4, 5, 6, 7, 8};

    ASSERT_TRUE(answered(bench, 20)); // before any commit the block reads true
    writeBlock(bench, 20, newData);
    for (int i = 0; i < 4; ++i) {
        ASSERT_TRUE(answered(bench, 20));
    }

    const auto answers = bench.out(FrameKind::Data);
    ASSERT_EQ(answers.size(), 5u);
    EXPECT_EQ(ParseDataFrame(answers[0].bytes).Data, blockOf(numberedMemory(), 20));
    for (std::size_t i = 1; i <= 3; ++i) {
        EXPECT_TRUE(answers[i].checksumOk);
        EXPECT_NE(ParseDataFrame(answers[i].bytes).Data, newData);
    }
    EXPECT_EQ(ParseDataFrame(answers[4].bytes).Data, newData);
    EXPECT_EQ(blockOf(bench.unit.memory(), 20), newData) << "the memory itself is right";
}

} // namespace
