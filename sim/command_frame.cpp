#include "command_frame.h"

#include "shell/app_error.h"

namespace tarnwick::sim {

namespace {

using modProtocol::kModeCommit;
using modProtocol::kModeMask;
using modProtocol::kModeRequest;
using modProtocol::kOperationBlock;
using modProtocol::kOperationIdentify;

CommandKind kindOf(std::uint8_t mode, std::uint8_t operation) {
    if (mode == kModeRequest && operation == kOperationIdentify) {
        return CommandKind::Identify;
    }
    if (mode == kModeRequest && operation == kOperationBlock) {
        return CommandKind::Read;
    }
    if (mode == kModeCommit && operation == kOperationBlock) {
        return CommandKind::Commit;
    }
    return CommandKind::Other;
}

} // namespace

CommandFrame readCommandFrame(const modProtocol::Frame& frame) {
    if (frame.size() != modProtocol::kCommandFrameLength) {
        throw AppError::standard(ErrorNumber::InvalidArgument,
                                 QStringLiteral("command frame of %1 bytes").arg(frame.size()));
    }
    const std::uint8_t command = frame[2];
    const auto mode = static_cast<std::uint8_t>(command & kModeMask);
    const auto expectedCheck = static_cast<std::uint8_t>(mode | ((command & 0x3F) ^ 0x3F));

    CommandFrame parsed;
    parsed.kind = kindOf(mode, command & 0x0F);
    parsed.site = frame[0] & 3;
    parsed.destination = (command >> 4) & 3;
    parsed.block = modProtocol::UnrotateBlock(frame[4]);
    parsed.checkByteOk = frame[3] == expectedCheck;
    return parsed;
}

} // namespace tarnwick::sim
