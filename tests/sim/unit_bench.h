#pragma once

#include "sim/stavik_unit.h"
#include "sim/virtual_scheduler.h"
#include "transfer/frame_assembler.h"
#include "transfer/mod_protocol.h"

#include <chrono>
#include <vector>

namespace tarnwick::sim::testing {

using namespace std::chrono_literals;
using modProtocol::Frame;

// A unit on a virtual clock, with what it sends collected and what it logs recorded.
struct UnitBench {
    VirtualScheduler clock;
    StavikUnit unit;
    std::vector<FrameRecord> log;
    Frame sent; // every byte the unit has put on the line, in order

    explicit UnitBench(UnitSetup setup = {}) : unit(clock, std::move(setup)) {
        unit.setFrameObserver([this](const FrameRecord& record) { log.push_back(record); });
        unit.setTransmitter(
            [this](const Frame& bytes) { sent.insert(sent.end(), bytes.begin(), bytes.end()); });
    }

    void send(const Frame& frame) { unit.receive(frame); }

    // Frames out of the unit, in the order they went.
    std::vector<FrameRecord> out(FrameKind kind) const {
        std::vector<FrameRecord> found;
        for (const FrameRecord& record : log) {
            if (record.direction == FrameDirection::Out && record.kind == kind) {
                found.push_back(record);
            }
        }
        return found;
    }
};

inline Frame readRequest(std::uint8_t block, std::uint8_t site = 0, std::uint8_t destination = 0) {
    return modProtocol::BuildReadRequest({site, destination, block});
}

inline Frame commitRequest(std::uint8_t block, std::uint8_t site = 0,
                           std::uint8_t destination = 0) {
    return modProtocol::BuildCommitRequest({site, destination, block});
}

inline Frame dataFrame(std::uint8_t block, const Block& data, std::uint8_t site = 0) {
    return modProtocol::BuildDataFrame({site, block, data});
}

inline ConfigImage numberedMemory() {
    ConfigImage memory{};
    for (std::size_t i = 0; i < memory.size(); ++i) {
        memory[i] = static_cast<std::uint8_t>(i * 7 + 1);
    }
    return memory;
}

} // namespace tarnwick::sim::testing
