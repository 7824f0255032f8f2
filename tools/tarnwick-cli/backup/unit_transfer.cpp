#include "unit_transfer.h"

#include "shell/app_error.h"
#include "transfer/scheduler.h"

namespace tarnwick::backup {

bool EngineUnitTransfer::Answers::askYesNo(const QString& text, const QString&) {
    if (!confirming) {
        lastMessage = text;
    }
    return confirming;
}

Prompter::Answer EngineUnitTransfer::Answers::askYesNoCancel(const QString& text,
                                                              const QString&) {
    lastMessage = text;
    return Answer::Cancel;
}

void EngineUnitTransfer::Host::reportError(const QString& friendlyMessage,
                                           const AppError& error) {
    m_owner.stepFailed(friendlyMessage + QStringLiteral(" (error %1: %2)")
                                             .arg(error.number())
                                             .arg(error.description()));
}

void EngineUnitTransfer::View::setProgressText(const QString& text) {
    m_text = text;
    report();
}

void EngineUnitTransfer::View::setTotalValue(int value) {
    const int percent = m_totalMaximum > 0 ? value * 100 / m_totalMaximum : 0;
    if (percent != m_percent) {
        m_percent = percent;
        report();
    }
}

void EngineUnitTransfer::View::report() {
    if (m_progress) {
        m_progress(m_text, m_percent);
    }
}

EngineUnitTransfer::EngineUnitTransfer(Scheduler& scheduler, SerialControl& serial,
                                       const CurrentConnection& connection,
                                       ProgressHandler progress)
    : m_scheduler(scheduler), m_connection(connection), m_view(std::move(progress)),
      m_engine(std::make_unique<TransferEngine>(TransferContext{
          scheduler, serial, m_view, m_answers, m_host, m_connection, m_blocks, m_noImage})) {}

EngineUnitTransfer::~EngineUnitTransfer() {
    if (m_pendingTimer != 0) {
        m_scheduler.cancel(m_pendingTimer);
    }
}

void EngineUnitTransfer::start(std::function<void(const UnitOutcome&)> done) {
    m_engine->setFinishedHandler([this, done = std::move(done)](const TransferOutcome& result) {
        UnitOutcome outcome;
        outcome.kind = result.kind;
        if (!m_failure.isEmpty()) {
            outcome.kind = TransferOutcome::Kind::Failed;
            outcome.message = m_failure;
        } else if (result.kind == TransferOutcome::Kind::Failed) {
            outcome.message = result.message.isEmpty() ? m_answers.lastMessage : result.message;
        }
        if (outcome.kind == TransferOutcome::Kind::Succeeded) {
            outcome.image = imageFromBlocks(m_blocks);
        }
        done(outcome);
    });
    m_engine->DownloadStavik();
}

void EngineUnitTransfer::cancel() {
    confirmCancel();
}

void EngineUnitTransfer::confirmCancel() {
    m_answers.confirming = true;
    m_engine->requestCancel();
    m_answers.confirming = false;
}

void EngineUnitTransfer::stepFailed(const QString& message) {
    // A failed sweep step is reported and the sweep goes on; only a stalled transfer is
    // over. Out of the engine's own call first, as the Cancel button would be.
    m_reported = message;
    if (m_pendingTimer == 0) {
        m_pendingTimer = m_scheduler.singleShot(Scheduler::Duration(0), [this] {
            m_pendingTimer = 0;
            if (m_engine->stalled()) {
                m_failure = m_reported;
                confirmCancel();
            }
        });
    }
}

} // namespace tarnwick::backup
