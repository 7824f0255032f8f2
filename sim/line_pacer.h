#pragma once

#include "sim/timer_group.h"
#include "transfer/mod_protocol.h"

#include <cstddef>
#include <functional>

namespace tarnwick::sim {

// The line runs at 1200 baud 8N1: ten bit times per byte, 120 bytes a second. Each transmission
// arrives whole, as soon as its last byte is through; a transmission waits until the one before
// it is through. The time is rounded up to whole milliseconds: 5 bytes take 42 ms, 11 bytes 92.
Scheduler::Duration lineTime(std::size_t bytes);

// One direction of a serial line: bytes handed to send() arrive at the far end at the pace
// of the line.
class LinePacer {
public:
    using Arrival = std::function<void(const modProtocol::Frame&)>;

    LinePacer(Scheduler& scheduler, Arrival arrival)
        : m_timers(scheduler), m_arrival(std::move(arrival)) {}

    void send(modProtocol::Frame bytes);
    // Drops everything still on the line.
    void clear();

private:
    TimerGroup m_timers;
    Arrival m_arrival;
    Scheduler::Duration m_freeAt{0};
};

} // namespace tarnwick::sim
