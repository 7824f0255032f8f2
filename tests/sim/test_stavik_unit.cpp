#include "shell/app_error.h"
#include "unit_bench.h"

#include <gtest/gtest.h>

using namespace tarnwick;
using namespace tarnwick::sim;
using namespace tarnwick::sim::testing;
using namespace tarnwick::modProtocol;

namespace {

UnitSetup quietSetup(ConfigImage memory = numberedMemory()) {
    UnitSetup setup;
    setup.memory = memory;
    setup.statusInterval = 0ms;
    return setup;
}

TEST(StavikUnit, AnswersReadRequestWithTheBlockOnceTheAnswerHasCrossedTheLine) {
    UnitBench bench(quietSetup());
    bench.clock.advance(1000ms);
    bench.send(readRequest(3));

    bench.clock.advance(91ms);
    EXPECT_TRUE(bench.out(FrameKind::Data).empty());
    bench.clock.advance(1ms);

    const auto answers = bench.out(FrameKind::Data);
    ASSERT_EQ(answers.size(), 1u);
    EXPECT_EQ(answers[0].time, 1092ms);
    EXPECT_EQ(answers[0].bytes[0], 0xF4);
    EXPECT_EQ(answers[0].block, 3);
    const DataBlock parsed = ParseDataFrame(answers[0].bytes);
    EXPECT_EQ(parsed.Data, blockOf(numberedMemory(), 3));
    EXPECT_EQ(bench.sent, answers[0].bytes);
}

TEST(StavikUnit, QueuesAnswersBehindEachOtherAtTheLinePace) {
    UnitBench bench(quietSetup());
    Frame both = readRequest(0);
    const Frame second = readRequest(251);
    both.insert(both.end(), second.begin(), second.end());
    bench.send(both);
    bench.clock.advance(1s);

    const auto answers = bench.out(FrameKind::Data);
    ASSERT_EQ(answers.size(), 2u);
    EXPECT_EQ(answers[0].time, 92ms);
    EXPECT_EQ(answers[1].time, 184ms);
    EXPECT_EQ(answers[1].block, 251);
}

TEST(StavikUnit, LogsIncomingFramesWithKindAndAddress) {
    UnitBench bench(quietSetup());
    bench.send(commitRequest(120, 0, 0));
    ASSERT_EQ(bench.log.size(), 1u);
    const FrameRecord& in = bench.log[0];
    EXPECT_EQ(in.direction, FrameDirection::In);
    EXPECT_EQ(in.kind, FrameKind::Commit);
    EXPECT_EQ(in.site, 0);
    EXPECT_EQ(in.destination, 0);
    EXPECT_EQ(in.block, 120);
    EXPECT_TRUE(in.checksumOk);
}

TEST(StavikUnit, IgnoresFramesForOtherSitesDamagedFramesAndMissingBlocks) {
    UnitBench bench(quietSetup());
    bench.send(readRequest(3, 1, 1)); // another site's lead
    Frame damaged = readRequest(3);
    damaged[1] ^= 0x01;
    bench.send(damaged);
    Frame badCheckByte = readRequest(3);
    badCheckByte[3] ^= 0x01;
    badCheckByte[1] = FrameChecksum(badCheckByte);
    bench.send(badCheckByte);
    bench.send(readRequest(252));
    bench.send(readRequest(254));
    bench.clock.advance(2s);

    EXPECT_TRUE(bench.sent.empty());
    ASSERT_EQ(bench.log.size(), 5u);
    EXPECT_FALSE(bench.log[1].checksumOk);
}

TEST(StavikUnit, CutsFramesOutOfArbitraryChunksAndSkipsStrayBytes) {
    UnitBench bench(quietSetup());
    Frame stream = {0x00, 0x41, 0xF4, 0xE0}; // none of these starts a frame to the unit
    const Frame request = readRequest(9);
    stream.insert(stream.end(), request.begin(), request.end());
    for (const std::uint8_t byte : stream) {
        bench.send({byte});
    }
    bench.clock.advance(1s);
    ASSERT_EQ(bench.out(FrameKind::Data).size(), 1u);
    EXPECT_EQ(bench.out(FrameKind::Data)[0].block, 9);
}

TEST(StavikUnit, IdentifyAnswerDecodesToSerialAndPasswordWithOrWithoutTheFlagBit) {
    UnitSetup setup = quietSetup();
    setup.serialNumber = QStringLiteral("408213");
    setup.password = QStringLiteral("9071");
    setup.site = 2;
    UnitBench bench(setup);
    const Frame identify = BuildIdentifyRequest({2, 2});
    for (int i = 0; i < 4; ++i) {
        bench.send(identify);
    }
    bench.clock.advance(2s);

    const auto answers = bench.out(FrameKind::Chassis);
    ASSERT_EQ(answers.size(), 4u);
    bool flagged = false;
    bool plain = false;
    for (const FrameRecord& answer : answers) {
        Frame frame = answer.bytes;
        EXPECT_EQ(frame[0], 0xF2);
        EXPECT_EQ(FrameChecksum(frame), frame[1]);
        (frame[12] & 0x80) != 0 ? flagged = true : plain = true;
        const ChassisId id = ParseChassisFrame(frame);
        EXPECT_EQ(id.Site, 2);
        EXPECT_EQ(id.SerialNumber, QStringLiteral("408213"));
        EXPECT_EQ(id.Password, QStringLiteral("9071"));
    }
    EXPECT_TRUE(flagged);
    EXPECT_TRUE(plain);
}

TEST(StavikUnit, RefusesIdentitiesItCannotSendInAChassisFrame) {
    VirtualScheduler clock;
    UnitSetup shortSerial = quietSetup();
    shortSerial.serialNumber = QStringLiteral("12345");
    EXPECT_THROW(StavikUnit(clock, shortSerial), AppError);
    UnitSetup wideCharacter = quietSetup();
    wideCharacter.password = QStringLiteral("12\u00e93");
    EXPECT_THROW(StavikUnit(clock, wideCharacter), AppError);
    UnitSetup badSite = quietSetup();
    badSite.site = 4;
    EXPECT_THROW(StavikUnit(clock, badSite), AppError);
}

TEST(StavikUnit, WritesABlockOnlyWhenItsDataFrameIsCommitted) {
    UnitBench bench(quietSetup());
    const Block newData = {9, 8, 7, 6, 5, 4, 3, 2};

    bench.send(dataFrame(40, newData));
    bench.clock.advance(1s);
    EXPECT_EQ(bench.unit.memory(), numberedMemory()) << "a data frame alone changes nothing";

    bench.send(commitRequest(41));
    EXPECT_EQ(bench.unit.memory(), numberedMemory()) << "a commit for another block neither";

    bench.send(commitRequest(40));
    ConfigImage expected = numberedMemory();
    std::copy(newData.begin(), newData.end(), expected.begin() + 40 * 8);
    EXPECT_EQ(bench.unit.memory(), expected);

    bench.send(dataFrame(41, newData, 1)); // another site's data frame
    bench.send(commitRequest(41));
    bench.send(commitRequest(40)); // the write was used up
    EXPECT_EQ(bench.unit.memory(), expected);
    EXPECT_TRUE(bench.sent.empty()) << "writes are not acknowledged";
}

TEST(StavikUnit, RestartKeepsMemoryAndFallsSilentForAWhile) {
    UnitSetup setup = quietSetup();
    setup.restartSilence = 1500ms;
    UnitBench bench(setup);
    bench.send(dataFrame(5, {1, 1, 1, 1, 1, 1, 1, 1}));
    bench.send(readRequest(255));
    EXPECT_EQ(bench.log.back().kind, FrameKind::Restart);
    EXPECT_EQ(bench.unit.restarts(), 1);

    bench.send(commitRequest(5)); // the uncommitted write did not survive
    bench.send(readRequest(5));
    bench.clock.advance(1500ms);
    EXPECT_TRUE(bench.sent.empty());
    EXPECT_EQ(bench.unit.memory(), numberedMemory());

    bench.send(readRequest(5));
    bench.clock.advance(1s);
    EXPECT_EQ(bench.out(FrameKind::Data).size(), 1u);
}

TEST(StavikUnit, SendsStatusFramesAtItsIntervalWithAPlausibleReading) {
    UnitSetup setup;
    setup.site = 1;
    setup.statusInterval = 2000ms;
    UnitBench bench(setup);
    bench.clock.advance(6100ms);

    const auto status = bench.out(FrameKind::Status);
    ASSERT_EQ(status.size(), 3u);
    EXPECT_EQ(status[0].time, 2059ms); // 7 bytes take 59 ms
    EXPECT_EQ(status[1].time, 4059ms);
    EXPECT_EQ(status[2].time, 6059ms);
    for (std::size_t i = 0; i < status.size(); ++i) {
        const StatusReport report = ParseStatusFrame(status[i].bytes);
        EXPECT_EQ(report.Site, 1);
        EXPECT_FALSE(report.Maintenance);
        EXPECT_EQ(report.Index, i + 1);
        EXPECT_GT(report.Value, 0.0F);
        EXPECT_LT(report.Value, 1000.0F);
    }
}

TEST(StavikUnit, StatusFramesPassTheProgramsFrameAssembler) {
    UnitSetup setup;
    setup.statusInterval = 500ms;
    UnitBench bench(setup);
    bench.clock.advance(16 * 500ms + 100ms);
    std::vector<float> values;
    FrameAssembler assembler(
        0, {[&values](const StatusReport& r) { values.push_back(r.Value); }, {}, {}});
    assembler.feed(bench.sent);
    EXPECT_EQ(values.size(), 16u) << "every channel's reading decodes";
}

// A parent at site A with a child at site B behind it.
struct RelayBench : UnitBench {
    StavikUnit& child;

    RelayBench() : UnitBench(quietSetup()), child(unit.addChild(childSetup())) {}

    static UnitSetup childSetup() {
        UnitSetup setup = quietSetup(defaultUnitMemory());
        setup.site = 1;
        setup.serialNumber = QStringLiteral("777777");
        return setup;
    }
};

TEST(StavikUnit, RelaysReadRequestsToTheChildAndItsAnswerBack) {
    RelayBench bench;
    bench.send(readRequest(3, 0, 1));
    bench.clock.advance(1s);

    const auto answers = bench.out(FrameKind::Data);
    ASSERT_EQ(answers.size(), 1u);
    // Down to the child (42 ms), the child's answer up (92 ms), and on to the computer (92 ms).
    EXPECT_EQ(answers[0].time, 226ms);
    EXPECT_EQ(answers[0].bytes[0], 0xF5);
    EXPECT_EQ(ParseDataFrame(answers[0].bytes).Data, blockOf(defaultUnitMemory(), 3));
}

TEST(StavikUnit, RelaysWritesToTheChildOnly) {
    RelayBench bench;
    const Block newData = {1, 2, 3, 4, 5, 6, 7, 8};
    bench.send(dataFrame(60, newData)); // data frames carry the parent's site code
    bench.send(commitRequest(60, 0, 1));
    bench.clock.advance(1s);

    EXPECT_EQ(blockOf(bench.child.memory(), 60), newData);
    EXPECT_EQ(bench.unit.memory(), numberedMemory());
}

TEST(StavikUnit, RelaysIdentifyAndRestartButNotToAbsentChildren) {
    RelayBench bench;
    bench.send(BuildIdentifyRequest({0, 1}));
    bench.send(readRequest(255, 0, 1));
    bench.send(readRequest(3, 0, 2)); // no unit C
    bench.clock.advance(1s);

    const auto chassis = bench.out(FrameKind::Chassis);
    ASSERT_EQ(chassis.size(), 1u);
    Frame frame = chassis[0].bytes;
    EXPECT_EQ(ParseChassisFrame(frame).SerialNumber, QStringLiteral("777777"));
    EXPECT_EQ(bench.child.restarts(), 1);
    EXPECT_EQ(bench.unit.restarts(), 0);
    EXPECT_TRUE(bench.out(FrameKind::Data).empty());
    EXPECT_EQ(bench.unit.child(2), nullptr);
}

TEST(StavikUnit, PassesTheChildsStatusFramesOn) {
    UnitBench bench(quietSetup());
    UnitSetup childSetup = RelayBench::childSetup();
    childSetup.statusInterval = 1000ms;
    childSetup.faults.maintenanceFromStart = true;
    bench.unit.addChild(childSetup);
    bench.clock.advance(1200ms);

    const auto status = bench.out(FrameKind::Status);
    ASSERT_EQ(status.size(), 1u);
    EXPECT_EQ(status[0].time, 1118ms);
    const StatusReport report = ParseStatusFrame(status[0].bytes);
    EXPECT_EQ(report.Site, 1);
    EXPECT_TRUE(report.Maintenance);
}

TEST(StavikUnit, RefusesAChildOfATakenSite) {
    RelayBench bench;
    EXPECT_THROW(bench.unit.addChild(RelayBench::childSetup()), AppError);
    EXPECT_THROW(bench.unit.addChild(quietSetup()), AppError);
}

} // namespace
