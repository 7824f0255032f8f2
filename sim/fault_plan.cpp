#include "fault_plan.h"

namespace tarnwick::sim {

namespace {

// Uses up one of the counted faults for `block`; true when one was left.
bool useUp(std::map<std::uint8_t, unsigned>& counts, std::uint8_t block) {
    const auto found = counts.find(block);
    if (found == counts.end() || found->second == 0) {
        return false;
    }
    --found->second;
    return true;
}

} // namespace

bool FaultTracker::takeReadRequest(std::uint8_t block) {
    const unsigned request = ++m_readRequests[block];
    if (m_plan.neverAnswer.contains(block)) {
        return false;
    }
    const auto from = m_plan.answerFromRequest.find(block);
    return from == m_plan.answerFromRequest.end() || request >= from->second;
}

bool FaultTracker::takeBadChecksum(std::uint8_t block) {
    return m_plan.badChecksumOnce.erase(block) > 0;
}

bool FaultTracker::takeWrongReadBack(std::uint8_t block) {
    return m_committed.contains(block) && useUp(m_plan.wrongReadBacks, block);
}

bool FaultTracker::takeCommit(std::uint8_t block) {
    m_committed.insert(block);
    return !useUp(m_plan.ignoredCommits, block);
}

} // namespace tarnwick::sim
