#pragma once

#include "transfer/frame_dispatch.h"
#include "transfer/mod_protocol.h"

#include <cstddef>
#include <cstdint>
#include <span>

namespace tarnwick {

// Cuts the received byte stream into frames. Frames carry no end marker: a lead byte tells
// the length, and the bytes after it are taken unchecked until the frame is full, which is
// then handed to DispatchFrame. Bytes that cannot start a frame are skipped.
class FrameAssembler {
public:
    // Only status frames from `destinationSite` (0 to 3) are assembled; other values are an
    // invalid-argument error.
    FrameAssembler(std::uint8_t destinationSite, FrameHandlers handlers);

    // Processes one received chunk in order. An AppError from parsing or handling a frame
    // drops the rest of the chunk silently; the assembler is ready for the next chunk.
    // Other exceptions propagate.
    void feed(std::span<const std::uint8_t> chunk);

    // Once a chassis ID has been accepted, further chassis ID frames are not assembled.
    void setChassisAccepted(bool accepted) { m_chassisAccepted = accepted; }
    bool chassisAccepted() const { return m_chassisAccepted; }

private:
    void take(std::uint8_t byte);
    // The length of the frame `lead` starts, 0 when it starts none.
    std::size_t frameLength(std::uint8_t lead) const;

    std::uint8_t m_statusLead;
    FrameHandlers m_handlers;
    bool m_chassisAccepted = false;

    bool m_inFrame = false;
    modProtocol::Frame m_buffer;
    std::size_t m_last = 0; // index of the frame's last byte
    std::size_t m_next = 0; // index where the next byte goes
};

} // namespace tarnwick
