#pragma once

#include "transfer/mod_protocol.h"

#include <functional>

namespace tarnwick {

// Receivers of complete frames, each given the frame already parsed. An empty handler
// ignores its kind of frame.
struct FrameHandlers {
    std::function<void(const modProtocol::StatusReport&)> status;
    std::function<void(const modProtocol::ChassisId&)> chassis;
    std::function<void(const modProtocol::DataBlock&)> data;
};

// Drops a frame whose checksum is wrong; otherwise parses it by its lead byte and calls the
// matching handler. Outgoing-type data frames and other leads are ignored. Parser and
// handler failures propagate.
void DispatchFrame(modProtocol::Frame& frame, const FrameHandlers& handlers);

} // namespace tarnwick
