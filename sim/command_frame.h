#pragma once

#include "transfer/mod_protocol.h"

#include <cstdint>

namespace tarnwick::sim {

// The read request for this block address restarts the unit.
inline constexpr std::uint8_t kRestartBlock = 255;

enum class CommandKind { Identify, Read, Commit, Other };

// A 5-byte command frame as the unit reads it.
struct CommandFrame {
    CommandKind kind = CommandKind::Other;
    std::uint8_t site = 0;        // from the lead byte
    std::uint8_t destination = 0; // command byte bits 5 and 4
    std::uint8_t block = 0;       // unrotated argument; meaningful for read and commit
    // The check byte repeats the mode with the rest of the command byte inverted; a frame
    // where it does not is damaged and is not obeyed.
    bool checkByteOk = false;
};

// `frame` must be a command frame of 5 bytes (invalid-argument error otherwise).
CommandFrame readCommandFrame(const modProtocol::Frame& frame);

} // namespace tarnwick::sim
