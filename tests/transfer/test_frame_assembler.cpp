#include "shell/app_error.h"
#include "transfer/frame_assembler.h"

#include <gtest/gtest.h>
#include <stdexcept>

using namespace tarnwick;
using namespace tarnwick::modProtocol;

namespace {

Frame withChecksum(Frame frame) {
    frame[1] = FrameChecksum(frame);
    return frame;
}

// An incoming data frame; its payload holds lead-like bytes that must not restart a frame.
Frame dataFrame(std::uint8_t site, std::uint8_t block) {
    Frame frame = BuildDataFrame({0, block, {0xF4, 0xE0, 0xF0, block, 0xFB, 0, 0xEC, 0x7F}});
    frame[0] = static_cast<std::uint8_t>(kIncomingDataLead + site);
    return withChecksum(frame);
}

Frame statusFrame(std::uint8_t site) {
    return withChecksum({static_cast<std::uint8_t>(kStatusLead + site), 0, 0x10, 0, 5, 0, 0});
}

Frame chassisFrame(std::uint8_t site) {
    return withChecksum({static_cast<std::uint8_t>(kChassisLead + site), 0, 0x31, 0x03, 0x30, 0x01,
                         0x32, 0x02, 0x30, 0x00, 0x31, 0x01, 0x32});
}

Frame operator+(Frame a, const Frame& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

// Records every dispatch as "status", "chassis" or "data <block>".
struct Recorder {
    std::vector<std::string> seen;
    bool acceptChassis = false;
    FrameAssembler assembler;

    explicit Recorder(std::uint8_t destination = 0)
        : assembler(destination, {[this](const StatusReport&) { seen.push_back("status"); },
                                  [this](const ChassisId&) {
                                      seen.push_back("chassis");
                                      assembler.setChassisAccepted(acceptChassis);
                                  },
                                  [this](const DataBlock& block) {
                                      seen.push_back("data " + std::to_string(block.Block));
                                  }}) {}

    void feed(const Frame& chunk) { assembler.feed(chunk); }
};

using Seen = std::vector<std::string>;

} // namespace

TEST(FrameAssembler, FramesSplitAnywhereAcrossChunksArriveOnce) {
    const Frame stream = dataFrame(0, 7) + statusFrame(0) + chassisFrame(1) + dataFrame(3, 251);
    const Seen expected{"data 7", "status", "chassis", "data 251"};
    for (std::size_t cut = 0; cut <= stream.size(); ++cut) {
        Recorder recorder;
        recorder.feed(Frame(stream.begin(), stream.begin() + static_cast<long>(cut)));
        recorder.feed(Frame(stream.begin() + static_cast<long>(cut), stream.end()));
        EXPECT_EQ(recorder.seen, expected) << "cut at " << cut;
    }
    Recorder byteByByte;
    for (const std::uint8_t byte : stream) {
        byteByByte.feed({byte});
    }
    EXPECT_EQ(byteByByte.seen, expected);
}

TEST(FrameAssembler, SkipsGarbageAndResynchronisesAfterALeadLikeByte) {
    Recorder recorder;
    recorder.feed(Frame{0x00, 0x55, 0xEC, 0xE4, 0x7F} + dataFrame(0, 1));
    EXPECT_EQ(recorder.seen, Seen{"data 1"});

    // 0xF5 takes the next ten bytes as its frame, which fails the checksum; the twelfth
    // byte is hunted for a lead again.
    Recorder swallowed;
    swallowed.feed(Frame{0xF5, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10} + dataFrame(0, 2));
    EXPECT_EQ(swallowed.seen, Seen{"data 2"});

    Recorder eaten;
    eaten.feed(Frame{0xF5} + dataFrame(0, 3) + dataFrame(0, 4));
    EXPECT_EQ(eaten.seen, Seen{"data 4"});
}

TEST(FrameAssembler, AssemblesStatusFramesOfTheDestinationOnly) {
    Recorder siteA(0);
    siteA.feed(statusFrame(1) + statusFrame(0));
    // The 0xE1 lead was skipped alone, so the data frame right after it is found.
    siteA.feed(Frame{0xE1} + dataFrame(0, 9));
    EXPECT_EQ(siteA.seen, (Seen{"status", "data 9"}));

    Recorder siteB(1);
    siteB.feed(statusFrame(1));
    EXPECT_EQ(siteB.seen, Seen{"status"});
    EXPECT_THROW(FrameAssembler(4, {}), AppError);
}

TEST(FrameAssembler, StopsAssemblingChassisFramesOnceOneIsAccepted) {
    Recorder recorder;
    recorder.feed(chassisFrame(0));
    recorder.acceptChassis = true;
    recorder.feed(chassisFrame(0) + chassisFrame(2));
    EXPECT_TRUE(recorder.assembler.chassisAccepted());
    recorder.feed(Frame{0xF0} + dataFrame(0, 5));
    EXPECT_EQ(recorder.seen, (Seen{"chassis", "chassis", "data 5"}));
}

TEST(FrameAssembler, DropsBadChecksumsAndOutgoingDataFrames) {
    Recorder recorder;
    Frame damaged = dataFrame(0, 6);
    damaged[5] ^= 0x01;
    Frame echo = dataFrame(0, 8);
    echo[0] = kOutgoingDataLead;
    recorder.feed(damaged + withChecksum(echo) + dataFrame(2, 10));
    EXPECT_EQ(recorder.seen, Seen{"data 10"});
}

TEST(FrameAssembler, AnErrorEndsTheChunkButNotTheNextOne) {
    Recorder recorder;
    recorder.feed(dataFrame(0, 252) + dataFrame(0, 1));
    recorder.feed(dataFrame(0, 2));
    const Frame badReading =
        withChecksum({kStatusLead, 0, 0, 0x40, 0x80, 0, 0}); // reading overflows
    recorder.feed(badReading + dataFrame(0, 3));
    recorder.feed(statusFrame(0));
    EXPECT_EQ(recorder.seen, (Seen{"data 2", "status"}));
}

TEST(FrameAssembler, HandlerFailuresOtherThanAppErrorPropagate) {
    int calls = 0;
    FrameAssembler assembler(0, {nullptr, nullptr, [&calls](const DataBlock& block) {
                                     ++calls;
                                     if (block.Block == 1) {
                                         throw AppError::standard(ErrorNumber::Overflow);
                                     }
                                     if (block.Block == 2) {
                                         throw std::runtime_error("handler bug");
                                     }
                                 }});
    assembler.feed(dataFrame(0, 1) + dataFrame(0, 0));
    EXPECT_EQ(calls, 1);
    EXPECT_THROW(assembler.feed(dataFrame(0, 2)), std::runtime_error);
    assembler.feed(statusFrame(0) + chassisFrame(0) + dataFrame(0, 0));
    EXPECT_EQ(calls, 3);
}
