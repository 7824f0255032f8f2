#include "frame_dispatch.h"

namespace tarnwick {

using namespace modProtocol;

namespace {

bool hasLead(std::uint8_t lead, std::uint8_t siteALead) {
    return lead >= siteALead && lead <= siteALead + 3;
}

} // namespace

void DispatchFrame(Frame& frame, const FrameHandlers& handlers) {
    if (frame.size() < 2 || FrameChecksum(frame) != frame[1]) {
        return;
    }
    const std::uint8_t lead = frame[0];
    if (hasLead(lead, kStatusLead)) {
        const StatusReport report = ParseStatusFrame(frame);
        if (handlers.status) {
            handlers.status(report);
        }
    } else if (hasLead(lead, kChassisLead)) {
        const ChassisId chassis = ParseChassisFrame(frame);
        if (handlers.chassis) {
            handlers.chassis(chassis);
        }
    } else if (hasLead(lead, kIncomingDataLead)) {
        const DataBlock block = ParseDataFrame(frame);
        if (handlers.data) {
            handlers.data(block);
        }
    }
}

} // namespace tarnwick
