// The download: start, the paced block sweep, the drain, the missing-data pass and the hand-over.
// The sweep, the drain and the missing-data pass also read the unit before an upload.
#include "shell/prompter.h"
#include "transfer/transfer_host.h"
#include "transfer/transfer_sections.h"
#include "transfer/transfer_view.h"
#include "transfer_engine.h"

namespace tarnwick {

using namespace std::chrono_literals;

void TransferEngine::DownloadStavik() {
    if (m_phase == Phase::Loaded) {
        begin(true, [this] { startTick(); });
    }
}

void TransferEngine::startTick() {
    runStep([this] {
        m_state.ReceivedFlags.fill(kBlockMissing);
        m_view.setProgressText(QStringLiteral("Connecting..."));
        OpenLink();
    });
}

void TransferEngine::startSweep() {
    m_view.setProgressText(m_state.IsDownload ? QStringLiteral("Starting download...")
                                              : QStringLiteral("Starting upload..."));
    m_state.BlockCounter = 0;
    m_phase = Phase::Sweeping;
    m_sweepTimer.start(500ms, [this] { SweepTick(); });
}

void TransferEngine::SweepTick() {
    const int block = m_state.BlockCounter;
    if (!sweepStep([&] { RequestBlock(static_cast<std::uint8_t>(block)); }) ||
        !sweepStep([&] { ShowSection(block); })) {
        return;
    }
    if (block >= kLastBlock) {
        startDrain();
        return;
    }
    ++m_state.BlockCounter;
    // Re-armed only now, so that an error dialog open during the tick cannot stack ticks.
    m_sweepTimer.start(500ms, [this] { SweepTick(); });
}

void TransferEngine::startDrain() {
    m_view.setProgressText(QStringLiteral("Processing Stavik data..."));
    m_phase = Phase::Draining;
    armTimeout(2000ms);
}

void TransferEngine::drainWait() {
    if (m_state.TimedOut) {
        if (m_state.IsDownload) {
            FinishDownload();
        } else {
            FinishUpload();
        }
    }
}

void TransferEngine::ShowSection(int block) {
    const BlockSection& section = sectionOfBlock(block);
    m_view.setProgressText(section.name);
    m_view.setStatusMaximum(section.last - section.first + 1);
    m_view.setTotalValue(block);
    m_view.setStatusValue(block - section.first + 1);
}

void TransferEngine::OnDataFrame(const modProtocol::DataBlock& block) {
    if (block.Site != m_connection.DestSL) {
        return;
    }
    if (m_state.CapturingFirmware && block.Block == 3) {
        m_state.FirmwareVersion = block.Data[7];
    }
    // The parser has refused blocks the unit does not have. Any block is taken, asked for or
    // not, and a later answer overwrites an earlier one.
    m_blocks[block.Block] = block.Data;
    m_state.ReceivedFlags[block.Block] = kBlockReceived;
    wake();
}

void TransferEngine::FinishDownload() {
    m_view.setProgressText(QStringLiteral("Checking for missing data..."));
    FillMissingBlocks();
}

void TransferEngine::FillMissingBlocks() {
    m_view.setStatusMinimum(0);
    m_view.setStatusValue(0);
    m_view.setStatusMaximum(kLastBlock);
    m_missingBlock = 0;
    m_phase = Phase::FillingMissing;
    continueMissingPass();
}

void TransferEngine::continueMissingPass() {
    for (; m_missingBlock <= kLastBlock; ++m_missingBlock) {
        std::int16_t& flag = m_state.ReceivedFlags[static_cast<std::size_t>(m_missingBlock)];
        if (flag != kBlockReceived) {
            // Blocks after the first one that stays missing are not tried.
            if (flag == kMaxReRequests) {
                missingPassDone(false);
                return;
            }
            ++flag;
            RequestBlock(static_cast<std::uint8_t>(m_missingBlock));
            WaitForBlock();
            return;
        }
        m_view.setStatusValue(m_missingBlock);
    }
    missingPassDone(true);
}

void TransferEngine::WaitForBlock() {
    armTimeout(5000ms);
}

void TransferEngine::missingBlockWait() {
    const auto block = static_cast<std::size_t>(m_missingBlock);
    if (m_state.ReceivedFlags[block] == kBlockReceived || m_state.TimedOut) {
        m_timeoutTimer.stop();
        continueMissingPass();
    }
}

void TransferEngine::missingPassDone(bool complete) {
    if (!complete) {
        Fail(m_state.IsDownload
                 ? QStringLiteral("Download failed: unable to retrieve all data from Stavik.")
                 : QStringLiteral("Upload failed: unable to read all data from Stavik."));
    } else if (m_state.IsDownload) {
        completeDownload();
    } else {
        prepareUpload();
    }
}

void TransferEngine::completeDownload() {
    finishWith(QStringLiteral("Download complete."), QStringLiteral("Download complete"),
               [this] { m_host.downloadCompleted(m_blocks); });
}

} // namespace tarnwick
