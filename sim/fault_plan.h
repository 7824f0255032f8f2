#pragma once

#include "transfer/scheduler.h"

#include <cstdint>
#include <map>
#include <optional>
#include <set>

namespace tarnwick::sim {

// Ways a unit can misbehave, for exercising the transfer's retries and failure paths.
// Requests and commits are counted per block from power-on; times count from the first
// byte the unit receives ("contact"), so they mean the same however long the unit ran idle.
struct FaultPlan {
    // Read requests for these blocks are never answered.
    std::set<std::uint8_t> neverAnswer;
    // Block -> k: requests 1 to k-1 for the block go unanswered, the k-th and later are answered.
    std::map<std::uint8_t, unsigned> answerFromRequest;
    // The first answer for each of these blocks carries a wrong checksum.
    std::set<std::uint8_t> badChecksumOnce;
    // Nothing is answered, neither the unit's own answers nor its children's; status frames
    // still flow.
    bool silent = false;
    // This many bytes that cannot start a frame go ahead of every frame the unit sends.
    unsigned garbageBytes = 0;
    bool maintenanceFromStart = false;
    std::optional<Scheduler::Duration> maintenanceAfterContact;
    // The line drops: the unit falls silent for good and the computer's side loses carrier.
    std::optional<Scheduler::Duration> carrierLostAfterContact;
    // Block -> k: the first k commit requests for the block change nothing.
    std::map<std::uint8_t, unsigned> ignoredCommits;
    // Block -> k: after a commit request for the block, its next k answers carry altered data.
    std::map<std::uint8_t, unsigned> wrongReadBacks;
};

// Counts requests and commits against a FaultPlan and says, one request at a time, what the
// plan makes of it.
class FaultTracker {
public:
    explicit FaultTracker(FaultPlan plan) : m_plan(std::move(plan)) {}

    const FaultPlan& plan() const { return m_plan; }

    // Counts a read request for `block`; true when it is to be answered.
    bool takeReadRequest(std::uint8_t block);
    // True when the answer going out now for `block` is to carry a wrong checksum.
    bool takeBadChecksum(std::uint8_t block);
    // True when the answer going out now for `block` is to carry altered data.
    bool takeWrongReadBack(std::uint8_t block);
    // Counts a commit request for `block`; true when it is to be obeyed.
    bool takeCommit(std::uint8_t block);

private:
    FaultPlan m_plan; // its sets and counts are used up as the faults happen
    std::map<std::uint8_t, unsigned> m_readRequests;
    std::set<std::uint8_t> m_committed;
};

} // namespace tarnwick::sim
