#pragma once

#include "transfer/mod_protocol.h"
#include "transfer/scheduler.h"

#include <QString>
#include <cstdint>
#include <optional>

namespace tarnwick::sim {

enum class FrameDirection { In, Out };

// What a run of bytes on the line is, judged from its lead byte (and, for commands, its
// command byte). Restart is the read request for block 255.
enum class FrameKind { Read, Restart, Commit, Identify, Command, Data, Chassis, Status, Garbage };

// One frame (or run of garbage bytes) that crossed the unit's line, and when it was through.
struct FrameRecord {
    Scheduler::Duration time{0};
    FrameDirection direction = FrameDirection::In;
    FrameKind kind = FrameKind::Garbage;
    std::optional<std::uint8_t> site;        // from the lead byte
    std::optional<std::uint8_t> destination; // commands only
    std::optional<std::uint8_t> block;       // read, restart, commit and data frames
    modProtocol::Frame bytes;
    bool checksumOk = true;

    bool operator==(const FrameRecord&) const = default;
};

FrameRecord describeFrame(Scheduler::Duration time, FrameDirection direction,
                          const modProtocol::Frame& bytes);

// "read", "restart", "commit", "identify", "command", "data", "chassis", "status", "garbage".
QString frameKindName(FrameKind kind);

} // namespace tarnwick::sim
