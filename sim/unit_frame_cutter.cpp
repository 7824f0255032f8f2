#include "unit_frame_cutter.h"

namespace tarnwick::sim {

using namespace modProtocol;

namespace {

std::size_t frameLength(std::uint8_t lead) {
    if (lead >= kCommandLead && lead <= kCommandLead + 3) {
        return kCommandFrameLength;
    }
    if (lead >= kOutgoingDataLead && lead <= kOutgoingDataLead + 3) {
        return kDataFrameLength;
    }
    return 0;
}

} // namespace

void UnitFrameCutter::feed(std::span<const std::uint8_t> bytes) {
    for (const std::uint8_t byte : bytes) {
        if (m_frame.empty()) {
            m_length = frameLength(byte);
            if (m_length == 0) {
                continue;
            }
        }
        m_frame.push_back(byte);
        if (m_frame.size() == m_length) {
            const Frame frame = std::move(m_frame);
            m_frame.clear();
            m_sink(frame, FrameChecksum(frame) == frame[1]);
        }
    }
}

} // namespace tarnwick::sim
