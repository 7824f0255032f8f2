#pragma once

#include "transfer/mod_protocol.h"

#include <cstdint>
#include <functional>
#include <span>

namespace tarnwick::sim {

// The unit's side of the framing: cuts what the computer sends into command frames (lead
// 0xEC..0xEF, 5 bytes) and outgoing data frames (lead 0xF8..0xFB, 11 bytes). Frames of any
// site are cut; bytes that cannot start one are skipped. Inside a frame nothing is checked.
class UnitFrameCutter {
public:
    using Sink = std::function<void(const modProtocol::Frame& frame, bool checksumOk)>;

    explicit UnitFrameCutter(Sink sink) : m_sink(std::move(sink)) {}

    void feed(std::span<const std::uint8_t> bytes);

private:
    Sink m_sink;
    modProtocol::Frame m_frame; // the frame being cut; empty between frames
    std::size_t m_length = 0;
};

} // namespace tarnwick::sim
