#include "mod_protocol.h"

#include "shell/app_error.h"
#include "shell/latin1.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <random>

namespace tarnwick::modProtocol {

namespace {

constexpr std::uint8_t kLastSiteCode = 3;
constexpr std::size_t kChassisTextLength = 10;
constexpr qsizetype kSerialNumberLength = 6;
constexpr qsizetype kPasswordLength = 4;

// The lead byte is 8 bits wide: a site code that carries it past 0xFF is an overflow.
std::uint8_t leadByte(std::uint8_t base, std::uint8_t site) {
    const unsigned lead = unsigned{base} + site;
    if (lead > 0xFF) {
        throw AppError::standard(ErrorNumber::Overflow, QStringLiteral("site code %1").arg(site));
    }
    return static_cast<std::uint8_t>(lead);
}

// b2 carries mode, destination and operation; b3 repeats the mode with the rest inverted so
// the unit can tell a damaged command from a real one.
Frame commandFrame(std::uint8_t site, std::uint8_t destination, std::uint8_t mode,
                   std::uint8_t operation, std::uint8_t argument) {
    if (destination > kLastSiteCode) {
        // Destination bits above 5 and 4 would alter the mode.
        throw AppError::standard(ErrorNumber::InvalidArgument,
                                 QStringLiteral("destination site code %1").arg(destination));
    }
    const auto addressed = static_cast<std::uint8_t>((destination << 4) | operation);
    Frame frame(kCommandFrameLength);
    frame[0] = leadByte(kCommandLead, site);
    frame[2] = static_cast<std::uint8_t>(mode | addressed);
    frame[3] = static_cast<std::uint8_t>(mode | (addressed ^ 0x3F));
    frame[4] = argument;
    frame[1] = FrameChecksum(frame);
    return frame;
}

void requireLength(const Frame& frame, std::size_t length) {
    if (frame.size() != length) {
        throw AppError::standard(ErrorNumber::InvalidArgument,
                                 QStringLiteral("frame of %1 bytes where %2 are expected")
                                     .arg(frame.size())
                                     .arg(length));
    }
}

bool bitSet(std::uint8_t byte, int bit) {
    return ((byte >> bit) & 1) != 0;
}

} // namespace

std::uint8_t FrameChecksum(const Frame& frame) {
    unsigned sum = 0xAA;
    if (!frame.empty()) {
        sum ^= frame[0];
    }
    for (std::size_t i = 2; i < frame.size(); ++i) {
        sum ^= frame[i];
    }
    return static_cast<std::uint8_t>(sum & 0x7F);
}

std::uint8_t RotateBlock(std::uint8_t block) {
    return static_cast<std::uint8_t>(((block & 0x1F) << 3) | (block >> 5));
}

std::uint8_t UnrotateBlock(std::uint8_t rotated) {
    return static_cast<std::uint8_t>(((rotated & 0x07) << 5) | (rotated >> 3));
}

UniformSource clockSeededUniform() {
    const auto seed =
        static_cast<std::uint64_t>(std::chrono::steady_clock::now().time_since_epoch().count());
    return [engine = std::mt19937_64(seed),
            distribution = std::uniform_real_distribution<double>(0.0, 1.0)]() mutable {
        return distribution(engine);
    };
}

std::uint8_t RandomFill(const UniformSource& uniform) {
    // nearbyint rounds ties to the even neighbour in the default rounding mode.
    const double drawn = std::nearbyint(uniform() * 126.0 + 1.0);
    return static_cast<std::uint8_t>(std::clamp(drawn, 1.0, 127.0));
}

Frame BuildIdentifyRequest(const CommandRequest& request, const UniformSource& uniform) {
    return commandFrame(request.Site, request.Destination, kModeRequest, kOperationIdentify,
                        RandomFill(uniform));
}

Frame BuildReadRequest(const BlockRequest& request) {
    return commandFrame(request.Site, request.Destination, kModeRequest, kOperationBlock,
                        RotateBlock(request.Block));
}

Frame BuildCommitRequest(const BlockRequest& request) {
    return commandFrame(request.Site, request.Destination, kModeCommit, kOperationBlock,
                        RotateBlock(request.Block));
}

Frame BuildDataFrame(const DataBlock& block) {
    Frame frame(kDataFrameLength);
    frame[0] = leadByte(kOutgoingDataLead, block.Site);
    frame[2] = RotateBlock(block.Block);
    std::copy(block.Data.begin(), block.Data.end(), frame.begin() + 3);
    frame[1] = FrameChecksum(frame);
    return frame;
}

DataBlock ParseDataFrame(const Frame& frame) {
    requireLength(frame, kDataFrameLength);
    DataBlock block;
    block.Site = frame[0] & 3;
    block.Block = UnrotateBlock(frame[2]);
    if (block.Block >= kBlockCount) {
        throw AppError::standard(ErrorNumber::SubscriptOutOfRange,
                                 QStringLiteral("block %1").arg(block.Block));
    }
    std::copy_n(frame.begin() + 3, kBlockSize, block.Data.begin());
    return block;
}

QString DecodeChassisText(Frame& frame) {
    requireLength(frame, kChassisFrameLength);
    frame[12] &= 0x7F;
    std::array<std::uint8_t, kChassisTextLength> text{};
    for (std::size_t k = 0; k < kChassisTextLength; ++k) {
        text[k] = static_cast<std::uint8_t>(frame[k + 2] ^ frame[k + 3]);
    }
    return fromSingleByte(text);
}

ChassisId ParseChassisFrame(Frame& frame) {
    const QString text = DecodeChassisText(frame);
    return {static_cast<std::uint8_t>(frame[0] & 3), text.left(kSerialNumberLength),
            text.right(kPasswordLength)};
}

StatusReport ParseStatusFrame(const Frame& frame) {
    requireLength(frame, kStatusFrameLength);
    constexpr std::array<double, 4> kDivisors = {1.0, 10.0, 100.0, 1000.0};
    const std::uint8_t flags = frame[2];
    const std::uint8_t scale = frame[5];
    const std::uint8_t extra = frame[6];

    StatusReport report;
    report.Site = frame[0] & 3;
    report.FlagA = bitSet(flags, 6);
    report.FlagB = bitSet(flags, 5);
    report.Maintenance = bitSet(flags, 4);
    report.Index = static_cast<std::uint8_t>((flags & 0x0F) + 1);
    report.Value = static_cast<float>(DecodeReading(frame[3], frame[4]) / kDivisors[scale & 3u]);
    report.FlagC = bitSet(scale, 6);
    report.FlagD = bitSet(scale, 5);
    report.FlagE = bitSet(scale, 4);
    report.FlagF = bitSet(scale, 3);
    report.FlagG = bitSet(scale, 2);
    report.FlagH = bitSet(extra, 4);
    report.FlagI = bitSet(extra, 3);
    report.FlagJ = bitSet(extra, 2);
    return report;
}

std::int16_t DecodeReading(std::uint8_t high, std::uint8_t low) {
    // Bit 6 of the high byte is the eighth bit of the low byte, which then must not have one.
    const bool lowBit7 = bitSet(high, 6);
    if (lowBit7 && low >= 0x80) {
        throw AppError::standard(ErrorNumber::Overflow, QStringLiteral("reading low byte"));
    }
    const int lowByte = low + (lowBit7 ? 0x80 : 0);
    const int magnitude = high & 0x3F;
    const int value =
        magnitude <= 39 ? magnitude * 256 + lowByte : -((magnitude & 3) * 256 + lowByte);
    return static_cast<std::int16_t>(value);
}

} // namespace tarnwick::modProtocol
