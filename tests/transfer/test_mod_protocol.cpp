#include "shell/app_error.h"
#include "support/error_number.h"
#include "transfer/mod_protocol.h"

#include <cmath>
#include <gtest/gtest.h>

using namespace tarnwick;
using tarnwick::testing::errorNumberOf;
using namespace tarnwick::modProtocol;

namespace {

// A chassis frame whose XOR chain carries `text` (10 characters), ending in `last`.
Frame chassisFrame(std::uint8_t lead, const char* text, std::uint8_t last) {
    Frame frame(kChassisFrameLength);
    frame[0] = lead;
    frame[12] = last;
    for (std::size_t k = 10; k >= 1; --k) {
        frame[k + 1] =
            static_cast<std::uint8_t>(frame[k + 2] ^ static_cast<std::uint8_t>(text[k - 1]));
    }
    frame[1] = FrameChecksum(frame);
    return frame;
}

} // namespace

TEST(ModProtocol, BuildsTheWorkedExampleFrames) {
    EXPECT_EQ(BuildReadRequest({0, 0, 3}), (Frame{0xEC, 0x61, 0x48, 0x77, 0x18}));
    EXPECT_EQ(BuildReadRequest({1, 2, 200}), (Frame{0xED, 0x3E, 0x68, 0x57, 0x46}));
    EXPECT_EQ(BuildCommitRequest({0, 0, 3}), (Frame{0xEC, 0x61, 0x88, 0xB7, 0x18}));
    EXPECT_EQ(BuildDataFrame({0, 3, {1, 2, 3, 4, 5, 6, 7, 0x36}}),
              (Frame{0xF8, 0x7C, 0x18, 1, 2, 3, 4, 5, 6, 7, 0x36}));
}

TEST(ModProtocol, ChecksumLeavesOutItsOwnByte) {
    Frame frame{0xF4, 0x00, 0x11, 0x22, 0x33};
    const std::uint8_t sum = FrameChecksum(frame);
    frame[1] = 0x7F;
    EXPECT_EQ(FrameChecksum(frame), sum);
    EXPECT_EQ(FrameChecksum(Frame{0xE3, 0x55, 0, 0, 0, 0, 0}), (0xE3 ^ 0xAA) & 0x7F);
    EXPECT_EQ(FrameChecksum(Frame{}), 0x2A);
}

TEST(ModProtocol, BlockRotationIsInvertibleForEveryByte) {
    for (unsigned b = 0; b < 256; ++b) {
        const auto value = static_cast<std::uint8_t>(b);
        EXPECT_EQ(UnrotateBlock(RotateBlock(value)), value);
        EXPECT_EQ(RotateBlock(UnrotateBlock(value)), value);
    }
    EXPECT_EQ(RotateBlock(0), 0x00);
    EXPECT_EQ(RotateBlock(3), 0x18);
    EXPECT_EQ(RotateBlock(120), 0xC3);
    EXPECT_EQ(RotateBlock(251), 0xDF);
    EXPECT_EQ(RotateBlock(255), 0xFF);
}

TEST(ModProtocol, CommandCheckByteInvertsAllButTheModeBits) {
    for (std::uint8_t destination = 0; destination < 4; ++destination) {
        const Frame frames[] = {BuildIdentifyRequest({1, destination}, [] { return 0.5; }),
                                BuildReadRequest({2, destination, 77}),
                                BuildCommitRequest({3, destination, 251})};
        for (const Frame& frame : frames) {
            EXPECT_EQ((frame[2] >> 4) & 3, destination);
            EXPECT_EQ(frame[3], (frame[2] & 0xC0) | (~frame[2] & 0x3F));
            EXPECT_EQ(frame[1], FrameChecksum(frame));
        }
        EXPECT_EQ(frames[0][2] & 0xCF, 0x4F);
        EXPECT_EQ(frames[1][2] & 0xCF, 0x48);
        EXPECT_EQ(frames[2][2] & 0xCF, 0x88);
    }
}

TEST(ModProtocol, BuildersRejectInputsThatDoNotFitTheFrame) {
    EXPECT_EQ(BuildReadRequest({19, 0, 0})[0], 0xFF);
    EXPECT_EQ(errorNumberOf([] { BuildReadRequest({20, 0, 0}); }), ErrorNumber::Overflow);
    EXPECT_EQ(errorNumberOf([] { BuildIdentifyRequest({255, 0}); }), ErrorNumber::Overflow);
    EXPECT_EQ(BuildDataFrame({7, 0, {}})[0], 0xFF);
    EXPECT_EQ(errorNumberOf([] { BuildDataFrame({8, 0, {}}); }), ErrorNumber::Overflow);
    EXPECT_EQ(errorNumberOf([] { BuildCommitRequest({0, 4, 0}); }), ErrorNumber::InvalidArgument);
}

TEST(ModProtocol, RandomFillRoundsTiesToEvenWithinOneTo127) {
    const auto fill = [](double r) { return RandomFill([r] { return r; }); };
    EXPECT_EQ(fill(0.0), 1);
    EXPECT_EQ(fill(0.125), 17);
    EXPECT_EQ(fill(0.25), 32); // 32.5
    EXPECT_EQ(fill(0.75), 96); // 95.5
    EXPECT_EQ(fill(std::nextafter(1.0, 0.0)), 127);
    EXPECT_EQ(BuildIdentifyRequest({0, 0}, [] { return 0.25; })[4], 32);
    for (int i = 0; i < 200; ++i) {
        const std::uint8_t value = RandomFill();
        EXPECT_TRUE(value >= 1 && value <= 127);
    }
}

TEST(ModProtocol, DataFramesRoundTripAndRejectMissingBlocks) {
    for (unsigned b = 0; b < kBlockCount; ++b) {
        const DataBlock block{3, static_cast<std::uint8_t>(b), {9, 8, 7, 6, 5, 4, 3, 2}};
        EXPECT_EQ(ParseDataFrame(BuildDataFrame(block)), block);
    }
    for (unsigned b = kBlockCount; b < 256; ++b) {
        const Frame frame = BuildDataFrame({0, static_cast<std::uint8_t>(b), {}});
        EXPECT_EQ(errorNumberOf([&] { ParseDataFrame(frame); }), ErrorNumber::SubscriptOutOfRange);
    }
    EXPECT_EQ(errorNumberOf([] { ParseDataFrame(Frame(10)); }), ErrorNumber::InvalidArgument);
    EXPECT_EQ(errorNumberOf([] { ParseStatusFrame(Frame(11)); }), ErrorNumber::InvalidArgument);
    EXPECT_EQ(errorNumberOf([] {
                  Frame frame(12);
                  ParseChassisFrame(frame);
              }),
              ErrorNumber::InvalidArgument);
}

TEST(ModProtocol, ChassisTextIgnoresBit7OfTheLastByte) {
    Frame frame = chassisFrame(0xF2,
                               "12345A\x01"
                               "789",
                               0x35);
    frame[12] = 0xB5;
    const ChassisId id = ParseChassisFrame(frame);
    EXPECT_EQ(frame[12], 0x35);
    EXPECT_EQ(id.Site, 2);
    EXPECT_EQ(id.SerialNumber, QStringLiteral("12345A"));
    EXPECT_EQ(id.Password, QStringLiteral("\x01"
                                          "789"));

    Frame plain = chassisFrame(0xF0, "9876540000", 0x7F);
    EXPECT_EQ(DecodeChassisText(plain), QStringLiteral("9876540000"));
}

TEST(ModProtocol, DecodeReadingPacksTheLowByteBit7IntoTheHighByte) {
    EXPECT_EQ(DecodeReading(0x00, 0x05), 5);
    EXPECT_EQ(DecodeReading(0x41, 0x10), 400);
    EXPECT_EQ(DecodeReading(0x29, 0x00), -256);
    EXPECT_EQ(DecodeReading(0x67, 0x7F), 10239);
    EXPECT_EQ(DecodeReading(0x28, 0x00), 0);
    EXPECT_EQ(DecodeReading(0x2A, 0x7F), -639);
    EXPECT_EQ(DecodeReading(0x3F, 0x7F), -895);
    EXPECT_EQ(DecodeReading(0x00, 0x80), 128);
    EXPECT_EQ(DecodeReading(0x80, 0x05), 5);
    EXPECT_EQ(errorNumberOf([] { DecodeReading(0x40, 0x80); }), ErrorNumber::Overflow);
    for (unsigned h = 0; h < 128; ++h) {
        for (unsigned l = 0; l < 128; ++l) {
            const int value =
                DecodeReading(static_cast<std::uint8_t>(h), static_cast<std::uint8_t>(l));
            EXPECT_TRUE(value >= -1023 && value <= 10239) << h << ' ' << l;
        }
    }
}

TEST(ModProtocol, StatusReportDecodesEveryField) {
    const StatusReport on = ParseStatusFrame(Frame{0xE2, 0, 0x5A, 0x41, 0x10, 0x56, 0x14});
    EXPECT_EQ(on.Site, 2);
    EXPECT_TRUE(on.FlagA);
    EXPECT_FALSE(on.FlagB);
    EXPECT_TRUE(on.Maintenance);
    EXPECT_EQ(on.Index, 11);
    EXPECT_FLOAT_EQ(on.Value, 4.0F);
    EXPECT_EQ((std::array{on.FlagC, on.FlagD, on.FlagE, on.FlagF, on.FlagG, on.FlagH, on.FlagI,
                          on.FlagJ}),
              (std::array{true, false, true, false, true, true, false, true}));

    const StatusReport off = ParseStatusFrame(Frame{0xE1, 0, 0x20, 0x29, 0x01, 0x2B, 0x08});
    EXPECT_EQ(off.Site, 1);
    EXPECT_FALSE(off.FlagA);
    EXPECT_TRUE(off.FlagB);
    EXPECT_FALSE(off.Maintenance);
    EXPECT_EQ(off.Index, 1);
    EXPECT_FLOAT_EQ(off.Value, -0.257F);
    EXPECT_EQ((std::array{off.FlagC, off.FlagD, off.FlagE, off.FlagF, off.FlagG, off.FlagH,
                          off.FlagI, off.FlagJ}),
              (std::array{false, true, false, true, false, false, true, false}));

    EXPECT_EQ(errorNumberOf([] {
                  ParseStatusFrame(Frame{0xE0, 0, 0, 0x40, 0x80, 0, 0});
              }),
              ErrorNumber::Overflow);
}
