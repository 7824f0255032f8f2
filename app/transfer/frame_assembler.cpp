#include "frame_assembler.h"

#include "shell/app_error.h"

namespace tarnwick {

using namespace modProtocol;

FrameAssembler::FrameAssembler(std::uint8_t destinationSite, FrameHandlers handlers)
    : m_statusLead(static_cast<std::uint8_t>(kStatusLead + destinationSite)),
      m_handlers(std::move(handlers)) {
    if (destinationSite > 3) {
        throw AppError::standard(ErrorNumber::InvalidArgument,
                                 QStringLiteral("destination site code %1").arg(destinationSite));
    }
}

void FrameAssembler::feed(std::span<const std::uint8_t> chunk) {
    try {
        for (const std::uint8_t byte : chunk) {
            take(byte);
        }
    } catch (const AppError&) {
        // A complete frame the program cannot use (a block the unit does not have, a reading
        // out of range) ends this chunk without a message. The frame was already taken off
        // the assembler, so the next chunk starts hunting for a lead byte.
    }
}

std::size_t FrameAssembler::frameLength(std::uint8_t lead) const {
    if (lead == m_statusLead) {
        return kStatusFrameLength;
    }
    if (lead >= kIncomingDataLead && lead <= kOutgoingDataLead + 3) {
        return kDataFrameLength;
    }
    if (lead >= kChassisLead && lead <= kChassisLead + 3 && !m_chassisAccepted) {
        return kChassisFrameLength;
    }
    return 0;
}

void FrameAssembler::take(std::uint8_t byte) {
    if (!m_inFrame) {
        const std::size_t length = frameLength(byte);
        if (length == 0) {
            return;
        }
        m_last = length - 1;
        m_buffer.assign(length, 0);
        m_buffer[0] = byte;
        m_next = 1;
        m_inFrame = true;
        return;
    }
    m_buffer[m_next] = byte;
    if (m_next < m_last) {
        ++m_next;
        return;
    }
    m_next = 0;
    m_inFrame = false;
    // Dispatch a frame of our own so that a handler feeding more bytes cannot disturb it.
    Frame frame = std::move(m_buffer);
    m_buffer.clear();
    DispatchFrame(frame, m_handlers);
}

} // namespace tarnwick
