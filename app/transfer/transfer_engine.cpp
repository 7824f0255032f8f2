#include "transfer_engine.h"

#include "serial/serial_control.h"
#include "shell/app_error.h"
#include "shell/prompter.h"
#include "transfer/transfer_host.h"
#include "transfer/transfer_view.h"

#include <span>

namespace tarnwick {

using namespace std::chrono_literals;

namespace {

const QString kSweepError = QStringLiteral(
    "An error occurred while sending data to the Stavik. If this error repeats, please cancel "
    "the connection.");

QString initErrorText(bool download) {
    return download ? QStringLiteral("An error occurred while initializing the download.")
                    : QStringLiteral("An error occurred while initializing the upload.");
}

} // namespace

TransferEngine::TransferEngine(TransferContext context)
    : m_scheduler(context.scheduler), m_serial(context.serial), m_view(context.view),
      m_prompter(context.prompter), m_host(context.host), m_connection(context.connection),
      m_blocks(context.blocks), m_image(context.image),
      m_random(context.random ? std::move(context.random) : modProtocol::clockSeededUniform()),
      m_currentDateTime(context.currentDateTime ? std::move(context.currentDateTime)
                                                : [] { return QDateTime::currentDateTime(); }),
      // A frame that ends the transfer (a status frame in maintenance mode) must not let the
      // rest of its chunk touch the engine.
      m_assembler(context.connection.DestSL,
                  {[this](const modProtocol::StatusReport& report) {
                       if (!ended()) {
                           OnStatusFrame(report);
                       }
                   },
                   [this](const modProtocol::ChassisId& chassis) {
                       if (!ended()) {
                           OnChassisFrame(chassis);
                       }
                   },
                   [this](const modProtocol::DataBlock& block) {
                       if (!ended()) {
                           OnDataFrame(block);
                       }
                   }}),
      m_startTimer(context.scheduler), m_sweepTimer(context.scheduler),
      m_timeoutTimer(context.scheduler), m_resumeTimer(context.scheduler),
      m_pauseTimer(context.scheduler) {
    m_serial.setEvents(
        {[this] { onPortOpened(); }, [this] { onReceived(); }, [this] { onCarrierChanged(); }});
}

TransferEngine::~TransferEngine() {
    m_serial.setEvents({});
}

void TransferEngine::setFinishedHandler(std::function<void(const TransferOutcome&)> handler) {
    m_finishedHandler = std::move(handler);
}

bool TransferEngine::halted() const {
    return m_phase == Phase::Closing || m_phase == Phase::Stalled || m_phase == Phase::Ended;
}

void TransferEngine::onPortOpened() {
    if (m_phase == Phase::Opening) {
        runStep([this] { linkOpened(); });
    }
}

void TransferEngine::onReceived() {
    try {
        const QByteArray bytes = m_serial.readAll();
        m_assembler.feed(std::span(reinterpret_cast<const std::uint8_t*>(bytes.constData()),
                                   static_cast<std::size_t>(bytes.size())));
    } catch (const AppError&) {
        // A chunk the link cannot deliver is lost like a garbled one: the waits re-request.
    }
}

void TransferEngine::onCarrierChanged() {
    if (!m_state.Connected || m_state.Finished) {
        return;
    }
    try {
        if (!m_serial.portOpen()) {
            Fail(QStringLiteral("The modem has been disconnected."));
        }
    } catch (const AppError&) {
        // The carrier watch skips what fails; the waits' own timeouts still end the transfer.
    }
}

void TransferEngine::onTimeout() {
    m_state.TimedOut = true;
    wake();
}

void TransferEngine::wake() {
    if (!m_resumeTimer.running()) {
        m_resumeTimer.start(0ms, [this] { continueWait(); });
    }
}

void TransferEngine::continueWait() {
    runStep([this] {
        switch (m_phase) {
        case Phase::Identifying:
            identifyWait();
            break;
        case Phase::WaitingForStatus:
            maintenanceWait();
            break;
        case Phase::CheckingFirmware:
            firmwareWait();
            break;
        case Phase::Draining:
            drainWait();
            break;
        case Phase::FillingMissing:
            missingBlockWait();
            break;
        case Phase::ReadingBack:
            readBackWait();
            break;
        default:
            break;
        }
    });
}

void TransferEngine::runStep(const std::function<void()>& step) {
    const bool signingOn = m_phase == Phase::Starting || m_phase == Phase::Opening ||
                           m_phase == Phase::Identifying || m_phase == Phase::WaitingForStatus ||
                           m_phase == Phase::CheckingFirmware;
    const QString friendly = signingOn ? initErrorText(m_state.IsDownload) : kSweepError;
    try {
        step();
    } catch (const AppError& error) {
        stall();
        m_host.reportError(friendly, error);
    }
}

bool TransferEngine::sweepStep(const std::function<void()>& step) {
    try {
        step();
    } catch (const AppError& error) {
        // A failed step is reported and the sweep goes on; a block lost this way is fetched
        // again by the missing-data pass.
        m_host.reportError(kSweepError, error);
    }
    return !halted();
}

void TransferEngine::stall() {
    if (!ended()) {
        stopTimers();
        m_phase = Phase::Stalled;
    }
}

void TransferEngine::stopTimers() {
    m_startTimer.stop();
    m_sweepTimer.stop();
    m_timeoutTimer.stop();
    m_resumeTimer.stop();
    m_pauseTimer.stop();
}

void TransferEngine::armTimeout(Scheduler::Duration interval) {
    m_state.TimedOut = false;
    m_timeoutTimer.start(interval, [this] { onTimeout(); });
}

void TransferEngine::pauseThen(Scheduler::Duration interval, std::function<void()> next) {
    m_pauseTimer.start(interval, [this, next = std::move(next)] { runStep(next); });
}

void TransferEngine::begin(bool download, std::function<void()> startTick) {
    if (m_host.mainWindowActive()) {
        m_host.setMainWindowInUse(false);
    }
    m_state.IsDownload = download;
    m_caption = kApplicationTitle + (download ? QStringLiteral(" Download Progress")
                                              : QStringLiteral(" Upload Progress"));
    m_view.setCaption(m_caption);
    // Until the change list is known, an upload counts on writing and reading back every
    // block after the read sweep.
    m_view.setTotalMaximum(download ? kLastBlock
                                    : kLastBlock + 2 * static_cast<int>(kBlockCount));
    m_phase = Phase::Starting;
    m_startTimer.start(10ms, std::move(startTick));
}

void TransferEngine::finishWith(const QString& text, const QString& caption,
                                const std::function<void()>& handOver) {
    stopTimers();
    m_state.Finished = true;
    closePort();
    m_phase = Phase::Closing;
    m_prompter.information(text, caption);
    if (ended()) {
        return;
    }
    handOver();
    if (ended()) {
        return;
    }
    unload({TransferOutcome::Kind::Succeeded, {}});
}

void TransferEngine::SendFrame(const modProtocol::Frame& frame) {
    m_serial.write(QByteArray(reinterpret_cast<const char*>(frame.data()),
                              static_cast<qsizetype>(frame.size())));
}

void TransferEngine::RequestBlock(std::uint8_t block) {
    SendFrame(modProtocol::BuildReadRequest({m_connection.SL, m_connection.DestSL, block}));
}

void TransferEngine::Fail(const QString& message) {
    if (m_state.Aborted) {
        return;
    }
    stopTimers();
    m_state.Finished = true;
    closePort();
    m_state.Aborted = true;
    m_phase = Phase::Closing;
    if (!message.isEmpty()) {
        m_prompter.information(message, kApplicationTitle);
        if (ended()) {
            return;
        }
    }
    unload({TransferOutcome::Kind::Failed, message});
}

void TransferEngine::requestCancel() {
    if (m_phase == Phase::Closing || ended()) {
        return;
    }
    try {
        if (!m_state.Finished) {
            const bool confirmed =
                m_prompter.askYesNo(m_state.IsDownload ? QStringLiteral("Cancel download?")
                                                       : QStringLiteral("Cancel upload?"),
                                    kApplicationTitle);
            // The transfer may have ended while the question was open.
            if (!confirmed || m_phase == Phase::Closing || ended()) {
                return;
            }
            m_state.Aborted = true;
        }
        unload({TransferOutcome::Kind::Cancelled, {}});
    } catch (const AppError& error) {
        m_host.reportError(QStringLiteral("An error occurred while closing the ") + m_caption +
                               QStringLiteral("."),
                           error);
    }
}

void TransferEngine::closePort() {
    try {
        m_serial.setPortOpen(false);
    } catch (const AppError&) {
        // Closing is the last use of the link; a failure here must not keep the failure path
        // or the unload from finishing.
    }
}

void TransferEngine::unload(const TransferOutcome& outcome) {
    if (ended()) {
        return;
    }
    m_phase = Phase::Ended;
    stopTimers();
    closePort();
    m_serial.setEvents({});
    if (m_host.mainWindowActive()) {
        m_host.setMainWindowInUse(true);
    } else {
        m_host.showStartWindow();
    }
    m_view.unload();
    if (m_finishedHandler) {
        m_finishedHandler(outcome);
    }
}

} // namespace tarnwick
