#pragma once

#include "config/config_image.h"

#include <QString>
#include <array>
#include <cstdint>
#include <functional>
#include <vector>

// Builders and parsers of the unit's serial frames. Stateless: every function works on the
// bytes and records it is given. Failures are thrown as AppError.
namespace tarnwick::modProtocol {

// One frame as it travels: b0 lead byte, b1 checksum, payload after.
using Frame = std::vector<std::uint8_t>;

inline constexpr std::size_t kCommandFrameLength = 5;
inline constexpr std::size_t kDataFrameLength = 11;
inline constexpr std::size_t kChassisFrameLength = 13;
inline constexpr std::size_t kStatusFrameLength = 7;

// Lead bytes of site A; the site code is added to them.
inline constexpr std::uint8_t kStatusLead = 0xE0;
inline constexpr std::uint8_t kCommandLead = 0xEC;
inline constexpr std::uint8_t kChassisLead = 0xF0;
inline constexpr std::uint8_t kIncomingDataLead = 0xF4;
inline constexpr std::uint8_t kOutgoingDataLead = 0xF8;

// Command byte: mode in bits 7-6, destination site in bits 5-4, operation in bits 3-0.
inline constexpr std::uint8_t kModeMask = 0xC0;
inline constexpr std::uint8_t kModeRequest = 0x40;
inline constexpr std::uint8_t kModeCommit = 0x80;
inline constexpr std::uint8_t kOperationIdentify = 15;
inline constexpr std::uint8_t kOperationBlock = 8;

struct CommandRequest {
    std::uint8_t Site = 0;
    std::uint8_t Destination = 0;
};

struct BlockRequest {
    std::uint8_t Site = 0;
    std::uint8_t Destination = 0;
    std::uint8_t Block = 0;
};

struct DataBlock {
    std::uint8_t Site = 0;
    std::uint8_t Block = 0;
    std::array<std::uint8_t, kBlockSize> Data{};

    bool operator==(const DataBlock&) const = default;
};

struct ChassisId {
    std::uint8_t Site = 0;
    QString SerialNumber; // 6 characters
    QString Password;     // 4 characters
};

struct StatusReport {
    std::uint8_t Site = 0;
    bool FlagA = false;
    bool FlagB = false;
    bool Maintenance = false; // the unit is in maintenance mode
    std::uint8_t Index = 0;   // 1 to 16
    float Value = 0.0F;
    bool FlagC = false;
    bool FlagD = false;
    bool FlagE = false;
    bool FlagF = false;
    bool FlagG = false;
    bool FlagH = false;
    bool FlagI = false;
    bool FlagJ = false;
};

// b0 XOR 0xAA XOR b2..bn, low 7 bits; b1 (the checksum itself) is left out.
std::uint8_t FrameChecksum(const Frame& frame);

// Block addresses travel rotated left by 3 bits within the byte.
std::uint8_t RotateBlock(std::uint8_t block);
std::uint8_t UnrotateBlock(std::uint8_t rotated);

// Uniform random numbers in [0, 1).
using UniformSource = std::function<double()>;
// A source seeded from the clock at the moment of the call.
UniformSource clockSeededUniform();
// The identify request's argument: 1 to 127.
std::uint8_t RandomFill(const UniformSource& uniform = clockSeededUniform());

// Builders: Site must keep the lead byte within 8 bits (overflow error otherwise),
// Destination must be 0 to 3 (invalid-argument error otherwise).
Frame BuildIdentifyRequest(const CommandRequest& request,
                           const UniformSource& uniform = clockSeededUniform());
Frame BuildReadRequest(const BlockRequest& request);
Frame BuildCommitRequest(const BlockRequest& request);
Frame BuildDataFrame(const DataBlock& block);

// Parsers take a frame of their kind's length (invalid-argument error otherwise) that has
// passed the checksum test.
// Raises a subscript-out-of-range error for blocks 252 to 255, which the unit does not have.
DataBlock ParseDataFrame(const Frame& frame);
// Both clear bit 7 of b12 in the frame they are given before decoding.
ChassisId ParseChassisFrame(Frame& frame);
QString DecodeChassisText(Frame& frame);
// Raises an overflow error where DecodeReading does.
StatusReport ParseStatusFrame(const Frame& frame);

// A reading packed into two 7-bit wire bytes: 0 to 10239, or -1023 to 0. Raises an overflow
// error when bit 6 of `high` is set while `low` is 128 or more.
std::int16_t DecodeReading(std::uint8_t high, std::uint8_t low);

} // namespace tarnwick::modProtocol
