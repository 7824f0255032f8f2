// The upload's writing: the write pass, the verification pass with its rewrites, and the
// restart. There is no acknowledgement of a write; only reading the block back tells.
#include "transfer/transfer_view.h"
#include "transfer_engine.h"

#include <algorithm>

namespace tarnwick {

using namespace std::chrono_literals;

namespace {

constexpr int kVerifyAttempts = 5;
constexpr int kRestartTicks = 60; // of 250 ms, between the verification and the restart
constexpr std::uint8_t kRestartBlock = 255; // reading it makes the unit restart

} // namespace

void TransferEngine::WriteChangedBlocks() {
    m_writeIndex = 0;
    writeNextBlock();
}

void TransferEngine::writeNextBlock() {
    if (m_writeIndex == m_state.ChangedBlocks.size()) {
        VerifyChangedBlocks();
        return;
    }
    writeAndCommit(m_state.ChangedBlocks[m_writeIndex], [this] {
        advanceProgress();
        ++m_writeIndex;
        writeNextBlock();
    });
}

void TransferEngine::writeAndCommit(std::uint8_t block, std::function<void()> next) {
    m_phase = Phase::Writing;
    WriteBlock(block);
    pauseThen(500ms, [this, block, next = std::move(next)] {
        CommitBlock(block);
        pauseThen(500ms, next);
    });
}

void TransferEngine::VerifyChangedBlocks() {
    m_view.setStatusMaximum(static_cast<int>(m_state.ChangedBlocks.size()));
    m_statusValue = 0;
    m_view.setStatusValue(0);
    m_view.setProgressText(QStringLiteral("Verifying data..."));
    m_verifyIndex = 0;
    verifyNextBlock();
}

void TransferEngine::verifyNextBlock() {
    if (m_verifyIndex == m_state.ChangedBlocks.size()) {
        RestartUnit();
        return;
    }
    m_verifyAttempts = 0;
    verifyAttempt();
}

void TransferEngine::verifyAttempt() {
    ++m_verifyAttempts;
    ReadBlockWithRetries(m_state.ChangedBlocks[m_verifyIndex]);
}

void TransferEngine::blockReadBack(bool read) {
    if (!read) {
        verificationFailed();
        return;
    }
    const std::uint8_t block = m_state.ChangedBlocks[m_verifyIndex];
    if (BlockMatches(block)) {
        advanceProgress();
        ++m_verifyIndex;
        verifyNextBlock();
        return;
    }
    // The rewrite after the last mismatch is still sent before the upload gives up.
    writeAndCommit(block, [this] {
        if (m_verifyAttempts < kVerifyAttempts) {
            verifyAttempt();
        } else {
            verificationFailed();
        }
    });
}

void TransferEngine::verificationFailed() {
    Fail(QStringLiteral("Upload failed: unable to write all data.\r\nThis may be due to poor "
                        "connection quality.\r\n\r\nWARNING: Some Stavik data may have changed. "
                        "Please run the upload again."));
}

void TransferEngine::ReadBlockWithRetries(std::uint8_t block) {
    m_phase = Phase::ReadingBack;
    armTimeout(5000ms);
    m_state.ReceivedFlags[block] = kBlockMissing;
    RequestBlock(block);
}

void TransferEngine::readBackWait() {
    const std::uint8_t block = m_state.ChangedBlocks[m_verifyIndex];
    std::int16_t& flag = m_state.ReceivedFlags[block];
    if (flag == kBlockReceived) {
        m_timeoutTimer.stop();
        blockReadBack(true);
    } else if (m_state.TimedOut) {
        // Up to six requests in all, 5 s each.
        if (flag >= kMaxReRequests) {
            blockReadBack(false);
            return;
        }
        RequestBlock(block);
        ++flag;
        armTimeout(5000ms);
    }
}

bool TransferEngine::BlockMatches(std::uint8_t block) const {
    return m_state.UploadImage[block] == m_blocks[block];
}

void TransferEngine::WriteBlock(std::uint8_t block) {
    SendFrame(modProtocol::BuildDataFrame({m_connection.SL, block, m_state.UploadImage[block]}));
}

void TransferEngine::CommitBlock(std::uint8_t block) {
    SendFrame(modProtocol::BuildCommitRequest({m_connection.SL, m_connection.DestSL, block}));
    if (std::find(m_writtenBlocks.begin(), m_writtenBlocks.end(), block) ==
        m_writtenBlocks.end()) {
        m_writtenBlocks.push_back(block);
    }
}

void TransferEngine::advanceProgress() {
    m_view.setStatusValue(++m_statusValue);
    m_view.setTotalValue(++m_totalValue);
}

void TransferEngine::RestartUnit() {
    m_phase = Phase::Restarting;
    m_view.setProgressText(QStringLiteral("Rebooting Stavik..."));
    m_view.setStatusMinimum(0);
    m_statusValue = 0;
    m_view.setStatusValue(0);
    m_view.setStatusMaximum(kRestartTicks);
    pauseThen(250ms, [this] { restartTick(); });
}

void TransferEngine::restartTick() {
    m_view.setStatusValue(++m_statusValue);
    if (m_statusValue < kRestartTicks) {
        pauseThen(250ms, [this] { restartTick(); });
        return;
    }
    RequestBlock(kRestartBlock);
    // The port closes with the completion; the synchronisation is stamped at that moment.
    pauseThen(1000ms, [this] { completeUpload(m_currentDateTime()); });
}

} // namespace tarnwick
