#include "frame_record.h"

#include "sim/command_frame.h"

namespace tarnwick::sim {

using namespace modProtocol;

namespace {

bool leadIn(std::uint8_t lead, std::uint8_t first) {
    return lead >= first && lead <= first + 3;
}

// Kind and fields of a frame whose lead byte is a command lead.
void describeCommand(FrameRecord& record) {
    const CommandFrame command = readCommandFrame(record.bytes);
    record.destination = command.destination;
    switch (command.kind) {
    case CommandKind::Identify:
        record.kind = FrameKind::Identify;
        return;
    case CommandKind::Read:
        record.kind = command.block == kRestartBlock ? FrameKind::Restart : FrameKind::Read;
        record.block = command.block;
        return;
    case CommandKind::Commit:
        record.kind = FrameKind::Commit;
        record.block = command.block;
        return;
    case CommandKind::Other:
        record.kind = FrameKind::Command;
        return;
    }
}

} // namespace

FrameRecord describeFrame(Scheduler::Duration time, FrameDirection direction, const Frame& bytes) {
    FrameRecord record;
    record.time = time;
    record.direction = direction;
    record.bytes = bytes;
    const std::uint8_t lead = bytes.empty() ? 0 : bytes[0];
    const auto lengthIs = [&bytes](std::size_t length) { return bytes.size() == length; };

    if (leadIn(lead, kCommandLead) && lengthIs(kCommandFrameLength)) {
        describeCommand(record);
    } else if ((leadIn(lead, kIncomingDataLead) || leadIn(lead, kOutgoingDataLead)) &&
               lengthIs(kDataFrameLength)) {
        record.kind = FrameKind::Data;
        record.block = UnrotateBlock(bytes[2]);
    } else if (leadIn(lead, kChassisLead) && lengthIs(kChassisFrameLength)) {
        record.kind = FrameKind::Chassis;
    } else if (leadIn(lead, kStatusLead) && lengthIs(kStatusFrameLength)) {
        record.kind = FrameKind::Status;
    } else {
        return record; // garbage: no site, no checksum to speak of
    }
    record.site = static_cast<std::uint8_t>(lead & 3);
    record.checksumOk = FrameChecksum(bytes) == bytes[1];
    return record;
}

QString frameKindName(FrameKind kind) {
    switch (kind) {
    case FrameKind::Read:
        return QStringLiteral("read");
    case FrameKind::Restart:
        return QStringLiteral("restart");
    case FrameKind::Commit:
        return QStringLiteral("commit");
    case FrameKind::Identify:
        return QStringLiteral("identify");
    case FrameKind::Command:
        return QStringLiteral("command");
    case FrameKind::Data:
        return QStringLiteral("data");
    case FrameKind::Chassis:
        return QStringLiteral("chassis");
    case FrameKind::Status:
        return QStringLiteral("status");
    case FrameKind::Garbage:
        break;
    }
    return QStringLiteral("garbage");
}

} // namespace tarnwick::sim
