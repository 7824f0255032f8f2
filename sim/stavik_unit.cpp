#include "stavik_unit.h"

#include "shell/app_error.h"
#include "sim/unit_frames.h"

#include <algorithm>

namespace tarnwick::sim {

using namespace modProtocol;

namespace {

constexpr std::uint8_t kLastSite = 3;
constexpr qsizetype kSerialNumberLength = 6;
constexpr qsizetype kPasswordLength = 4;
constexpr std::uint8_t kStatusChannels = 16;
// Bytes below the lowest lead byte can never start a frame.
constexpr std::uint32_t kGarbageValues = 0xE0;

UnitSetup validated(UnitSetup setup) {
    if (setup.site > kLastSite) {
        throw AppError::standard(ErrorNumber::InvalidArgument,
                                 QStringLiteral("site code %1").arg(setup.site));
    }
    if (setup.serialNumber.size() != kSerialNumberLength ||
        setup.password.size() != kPasswordLength) {
        throw AppError::standard(ErrorNumber::InvalidArgument,
                                 QStringLiteral("serial number needs 6 characters and password 4"));
    }
    // Throws for characters the chassis ID frame cannot carry.
    buildChassisFrame(setup.site, setup.serialNumber, setup.password, 0, false);
    return setup;
}

bool isStatusFrame(const Frame& frame) {
    return frame.size() == kStatusFrameLength && frame[0] >= kStatusLead &&
           frame[0] <= kStatusLead + kLastSite;
}

// A plausible reading for a status frame: each channel has its own steady value.
std::uint16_t readingOf(std::uint8_t channel) {
    return static_cast<std::uint16_t>(150 + 25 * channel);
}

} // namespace

StavikUnit::StavikUnit(Scheduler& scheduler, UnitSetup setup)
    : m_scheduler(scheduler), m_setup(validated(std::move(setup))), m_memory(m_setup.memory),
      m_faults(m_setup.faults), m_timers(scheduler),
      m_uplink(scheduler, [this](const Frame& bytes) { delivered(bytes); }),
      m_downlink(scheduler,
                 [this](const Frame& bytes) {
                     for (const auto& unit : m_children) {
                         unit->receive(bytes);
                     }
                 }),
      m_cutter([this](const Frame& frame, bool checksumOk) { takeFrame(frame, checksumOk); }),
      m_random(m_setup.seed), m_maintenance(m_setup.faults.maintenanceFromStart) {
    scheduleStatus();
}

StavikUnit::~StavikUnit() = default;

void StavikUnit::setTransmitter(std::function<void(const Frame&)> transmitter) {
    m_transmitter = std::move(transmitter);
}

void StavikUnit::setFrameObserver(std::function<void(const FrameRecord&)> observer) {
    m_observer = std::move(observer);
}

void StavikUnit::setCarrierLostHandler(std::function<void()> handler) {
    m_carrierLostHandler = std::move(handler);
}

StavikUnit& StavikUnit::addChild(UnitSetup setup) {
    if (setup.site == m_setup.site || child(setup.site) != nullptr) {
        throw AppError::standard(
            ErrorNumber::InvalidArgument,
            QStringLiteral("a unit of site code %1 is there already").arg(setup.site));
    }
    auto unit = std::make_unique<StavikUnit>(m_scheduler, std::move(setup));
    unit->m_behindParent = true;
    unit->setTransmitter([this](const Frame& frame) { relayUp(frame); });
    m_children.push_back(std::move(unit));
    return *m_children.back();
}

StavikUnit* StavikUnit::child(std::uint8_t site) {
    const auto found = std::find_if(m_children.begin(), m_children.end(),
                                    [site](const auto& unit) { return unit->site() == site; });
    return found == m_children.end() ? nullptr : found->get();
}

void StavikUnit::receive(std::span<const std::uint8_t> bytes) {
    if (m_carrierLost) {
        return;
    }
    noteContact();
    m_cutter.feed(bytes);
}

void StavikUnit::takeFrame(const Frame& frame, bool checksumOk) {
    record(FrameDirection::In, frame);
    if (!checksumOk || !listening()) {
        return;
    }
    // Straight from the computer only frames with this unit's site code count; behind a
    // parent, the parent has already chosen.
    if (!m_behindParent && (frame[0] & 3) != m_setup.site) {
        return;
    }
    if (frame.size() == kDataFrameLength) {
        PendingWrite pending{UnrotateBlock(frame[2]), {}, frame};
        std::copy_n(frame.begin() + 3, kBlockSize, pending.data.begin());
        m_pending = std::move(pending);
        return;
    }
    takeCommand(frame);
}

void StavikUnit::takeCommand(const Frame& frame) {
    const CommandFrame command = readCommandFrame(frame);
    if (!command.checkByteOk) {
        return;
    }
    if (command.destination != m_setup.site) {
        relayDown(command, frame);
        return;
    }
    switch (command.kind) {
    case CommandKind::Identify:
        answerIdentify();
        return;
    case CommandKind::Read:
        if (command.block == kRestartBlock) {
            restart();
        } else {
            answerRead(command.block);
        }
        return;
    case CommandKind::Commit:
        commit(command.block);
        return;
    case CommandKind::Other:
        return;
    }
}

void StavikUnit::answerIdentify() {
    if (m_faults.plan().silent) {
        return;
    }
    const auto chainStart = static_cast<std::uint8_t>(m_random() & 0x7F);
    transmit(buildChassisFrame(m_setup.site, m_setup.serialNumber, m_setup.password, chainStart,
                               m_flagNextChassis));
    m_flagNextChassis = !m_flagNextChassis;
}

void StavikUnit::answerRead(std::uint8_t block) {
    // Blocks 252 to 254 do not exist; the unit keeps quiet about them.
    if (block >= kBlockCount || m_faults.plan().silent || !m_faults.takeReadRequest(block)) {
        return;
    }
    Block data = blockOf(m_memory, block);
    if (m_faults.takeWrongReadBack(block)) {
        data[0] ^= 0x01;
    }
    Frame frame = buildUnitDataFrame(m_setup.site, block, data);
    if (m_faults.takeBadChecksum(block)) {
        frame[1] = static_cast<std::uint8_t>((frame[1] + 1) & 0x7F);
    }
    transmit(frame);
}

void StavikUnit::commit(std::uint8_t block) {
    if (block >= kBlockCount) {
        return;
    }
    const bool obeyed = m_faults.takeCommit(block);
    if (!m_pending || m_pending->block != block) {
        return; // a commit without its data frame changes nothing
    }
    if (obeyed) {
        std::copy(m_pending->data.begin(), m_pending->data.end(),
                  m_memory.begin() + static_cast<std::ptrdiff_t>(block * kBlockSize));
    }
    m_pending.reset();
}

void StavikUnit::restart() {
    // Memory survives a restart; a write not yet committed does not.
    ++m_restarts;
    m_pending.reset();
    m_silentUntil = m_timers.now() + m_setup.restartSilence;
}

void StavikUnit::relayDown(const CommandFrame& command, const Frame& frame) {
    if (child(command.destination) == nullptr) {
        return;
    }
    // A data frame names no destination, so it goes down with the commit that does.
    if (command.kind == CommandKind::Commit && m_pending) {
        m_downlink.send(m_pending->frame);
        m_pending.reset();
    }
    m_downlink.send(frame);
}

void StavikUnit::relayUp(const Frame& frame) {
    if (!listening() || (m_faults.plan().silent && !isStatusFrame(frame))) {
        return;
    }
    transmit(frame);
}

void StavikUnit::transmit(const Frame& frame) {
    if (m_carrierLost) {
        return;
    }
    if (m_faults.plan().garbageBytes > 0) {
        Frame garbage(m_faults.plan().garbageBytes);
        std::generate(garbage.begin(), garbage.end(),
                      [this] { return static_cast<std::uint8_t>(m_random() % kGarbageValues); });
        m_uplink.send(std::move(garbage));
    }
    m_uplink.send(frame);
}

void StavikUnit::delivered(const Frame& bytes) {
    record(FrameDirection::Out, bytes);
    if (m_transmitter) {
        m_transmitter(bytes);
    }
}

void StavikUnit::noteContact() {
    if (m_contacted) {
        return;
    }
    m_contacted = true;
    const FaultPlan& plan = m_faults.plan();
    if (plan.maintenanceAfterContact) {
        m_timers.after(*plan.maintenanceAfterContact, [this] { m_maintenance = true; });
    }
    if (plan.carrierLostAfterContact) {
        m_timers.after(*plan.carrierLostAfterContact, [this] { loseCarrier(); });
    }
}

void StavikUnit::scheduleStatus() {
    if (m_setup.statusInterval <= Scheduler::Duration{0}) {
        return;
    }
    m_timers.after(m_setup.statusInterval, [this] {
        sendStatus();
        scheduleStatus();
    });
}

void StavikUnit::sendStatus() {
    if (!listening()) {
        return;
    }
    const std::uint8_t channel = m_statusChannel;
    m_statusChannel = static_cast<std::uint8_t>((channel + 1) % kStatusChannels);
    transmit(buildStatusFrame({m_setup.site, m_maintenance, channel, readingOf(channel)}));
}

void StavikUnit::loseCarrier() {
    m_carrierLost = true;
    m_timers.cancelAll();
    m_uplink.clear();
    m_downlink.clear();
    if (m_carrierLostHandler) {
        m_carrierLostHandler();
    }
}

bool StavikUnit::listening() const {
    return !m_carrierLost && m_timers.now() >= m_silentUntil;
}

void StavikUnit::record(FrameDirection direction, const Frame& bytes) {
    if (m_observer) {
        m_observer(describeFrame(m_timers.now(), direction, bytes));
    }
}

} // namespace tarnwick::sim
