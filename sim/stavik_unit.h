#pragma once

#include "config/config_image.h"
#include "sim/command_frame.h"
#include "sim/fault_plan.h"
#include "sim/frame_record.h"
#include "sim/line_pacer.h"
#include "sim/timer_group.h"
#include "sim/unit_frame_cutter.h"
#include "sim/unit_memory.h"
#include "transfer/scheduler.h"

#include <QString>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <random>
#include <span>
#include <vector>

namespace tarnwick::sim {

struct UnitSetup {
    ConfigImage memory = defaultUnitMemory();
    QString serialNumber = QStringLiteral("123456"); // 6 characters
    QString password = QStringLiteral("1234");       // 4 characters
    std::uint8_t site = 0;                           // 0 to 3 for "A" to "D"
    // Unasked status frames go out this often, the first one interval after power-on;
    // zero sends none.
    Scheduler::Duration statusInterval{2000};
    // After a restart the unit neither listens nor sends for this long.
    Scheduler::Duration restartSilence{2000};
    FaultPlan faults;
    // Seeds the free choices: the chassis ID chain's first byte and garbage bytes.
    std::uint32_t seed = 1;
};

// A simulated unit on its serial line. It answers what the computer sends: identify requests
// with a chassis ID frame, read requests with the block's data frame, a data frame followed by
// a commit request for the same block by writing the block, the read request for block 255 by
// restarting. Commands for another site's unit are relayed to a child unit of that site, and
// the child's frames (answers and status) are relayed back. Every frame sent or received
// crosses the line at 120 bytes a second (LinePacer); the unit itself answers without delay.
class StavikUnit {
public:
    // Throws AppError (5) for a site above 3 or a serial number or password of the wrong
    // length or with characters the chassis ID frame cannot carry.
    StavikUnit(Scheduler& scheduler, UnitSetup setup);
    ~StavikUnit();
    StavikUnit(const StavikUnit&) = delete;
    StavikUnit& operator=(const StavikUnit&) = delete;

    // Bytes that have just finished arriving from the computer's side of the line.
    void receive(std::span<const std::uint8_t> bytes);

    // Receives each transmission of the unit as soon as it has crossed the line.
    void setTransmitter(std::function<void(const modProtocol::Frame&)> transmitter);
    // Called for every frame in and out (and every run of garbage bytes out), at the moment
    // it is through.
    void setFrameObserver(std::function<void(const FrameRecord&)> observer);
    // Called once when the carrier-lost fault strikes.
    void setCarrierLostHandler(std::function<void()> handler);

    // A unit behind this one on the relay line. Throws AppError (5) when the site is this
    // unit's own or another child's.
    StavikUnit& addChild(UnitSetup setup);
    // Nothing when there is no child of that site.
    StavikUnit* child(std::uint8_t site);

    const ConfigImage& memory() const { return m_memory; }
    std::uint8_t site() const { return m_setup.site; }
    bool maintenance() const { return m_maintenance; }
    bool carrierLost() const { return m_carrierLost; }
    int restarts() const { return m_restarts; }

private:
    struct PendingWrite {
        std::uint8_t block = 0;
        Block data{};
        modProtocol::Frame frame;
    };

    void takeFrame(const modProtocol::Frame& frame, bool checksumOk);
    void takeCommand(const modProtocol::Frame& frame);
    void answerIdentify();
    void answerRead(std::uint8_t block);
    void commit(std::uint8_t block);
    void restart();
    void relayDown(const CommandFrame& command, const modProtocol::Frame& frame);
    void relayUp(const modProtocol::Frame& frame);
    void transmit(const modProtocol::Frame& frame);
    void delivered(const modProtocol::Frame& bytes);
    void noteContact();
    void scheduleStatus();
    void sendStatus();
    void loseCarrier();
    bool listening() const;
    void record(FrameDirection direction, const modProtocol::Frame& bytes);

    Scheduler& m_scheduler;
    UnitSetup m_setup;
    ConfigImage m_memory;
    FaultTracker m_faults;
    TimerGroup m_timers;
    LinePacer m_uplink;   // to the computer (or to the parent)
    LinePacer m_downlink; // to the children, all on one relay line
    UnitFrameCutter m_cutter;
    std::vector<std::unique_ptr<StavikUnit>> m_children;
    bool m_behindParent = false; // a child takes every frame its parent relays

    std::function<void(const modProtocol::Frame&)> m_transmitter;
    std::function<void(const FrameRecord&)> m_observer;
    std::function<void()> m_carrierLostHandler;

    std::mt19937 m_random;
    std::optional<PendingWrite> m_pending;
    bool m_contacted = false;
    bool m_maintenance = false;
    bool m_carrierLost = false;
    bool m_flagNextChassis = false; // alternates bit 7 of b12 between chassis ID frames
    Scheduler::Duration m_silentUntil{0};
    int m_restarts = 0;
    std::uint8_t m_statusChannel = 0;
};

} // namespace tarnwick::sim
