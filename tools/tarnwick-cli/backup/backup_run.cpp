#include "backup_run.h"

#include "backup_store.h"
#include "shell/app_error.h"

#include <algorithm>

namespace tarnwick::backup {

QString statusText(UnitStatus status) {
    switch (status) {
    case UnitStatus::Pending:
        return QStringLiteral("pending");
    case UnitStatus::BackedUp:
        return QStringLiteral("backed up");
    case UnitStatus::Unchanged:
        return QStringLiteral("unchanged");
    case UnitStatus::Failed:
        return QStringLiteral("failed");
    case UnitStatus::Cancelled:
        return QStringLiteral("cancelled");
    }
    return {};
}

BackupRun::BackupRun(std::vector<InventoryEntry> entries, BackupOptions options,
                     UnitTransferFactory& transfers, const BackupStore& store,
                     Scheduler& scheduler, std::function<QDateTime()> nowUtc)
    : m_entries(std::move(entries)), m_options(std::move(options)), m_transfers(transfers),
      m_store(store), m_scheduler(scheduler), m_nowUtc(std::move(nowUtc)) {
    m_options.jobs = std::max(1, m_options.jobs);
    m_options.retries = std::max(0, m_options.retries);
    for (std::size_t i = 0; i < m_entries.size(); ++i) {
        UnitResult result;
        result.name = m_entries[i].name;
        result.port = m_entries[i].connection.Port;
        m_results.push_back(std::move(result));
        m_queue.push_back(i);
    }
}

BackupRun::~BackupRun() {
    if (m_retireTimer != 0) {
        m_scheduler.cancel(m_retireTimer);
    }
}

QString BackupRun::portOf(std::size_t index) const {
    const QString& port = m_entries[index].connection.Port;
    return m_options.portKey ? m_options.portKey(port) : port;
}

void BackupRun::start() {
    fill();
    checkFinished();
}

void BackupRun::fill() {
    while (!m_cancelled && static_cast<int>(m_running.size()) < m_options.jobs) {
        // The first queued unit whose line is free; the others keep their places.
        const auto next = std::find_if(m_queue.begin(), m_queue.end(), [this](std::size_t i) {
            return std::none_of(m_running.begin(), m_running.end(),
                                [&](const auto& r) { return r->port == portOf(i); });
        });
        if (next == m_queue.end()) {
            return;
        }
        const std::size_t index = *next;
        m_queue.erase(next);
        launch(index);
    }
}

void BackupRun::launch(std::size_t index) {
    auto running = std::make_unique<Running>();
    running->index = index;
    running->port = portOf(index);
    running->started = m_scheduler.now();
    running->transfer = m_transfers.create(
        m_entries[index], [this, index](const QString& text, int percent) {
            if (m_events.progress) {
                m_events.progress(index, text, percent);
            }
        });
    UnitTransfer& transfer = *running->transfer;
    m_running.push_back(std::move(running));
    ++m_results[index].attempts;
    if (m_events.started) {
        m_events.started(index);
    }
    transfer.start([this, index](const UnitOutcome& outcome) { ended(index, outcome); });
}

void BackupRun::ended(std::size_t index, const UnitOutcome& outcome) {
    const auto it = std::find_if(m_running.begin(), m_running.end(),
                                 [index](const auto& r) { return r->index == index; });
    if (it == m_running.end()) {
        return;
    }
    m_results[index].duration += m_scheduler.now() - (*it)->started;
    // The transfer is still on the stack. It goes once the loop is back, and only then does
    // the next unit start: an engine lets go of its serial port when it is destroyed, and the
    // next one on the same line must not lose it then.
    m_retired.push_back(std::move((*it)->transfer));
    m_running.erase(it);
    record(index, outcome);
    if (m_events.ended) {
        m_events.ended(index);
    }
    if (m_retireTimer == 0) {
        m_retireTimer = m_scheduler.singleShot(Scheduler::Duration(0), [this] {
            m_retireTimer = 0;
            m_retired.clear();
            fill();
            checkFinished();
        });
    }
}

void BackupRun::record(std::size_t index, const UnitOutcome& outcome) {
    UnitResult& result = m_results[index];
    if (outcome.kind == TransferOutcome::Kind::Succeeded) {
        try {
            const StoredBackup stored = m_store.store(result.name, m_entries[index].connection,
                                                      outcome.image, m_nowUtc());
            result.status = stored.changed ? UnitStatus::BackedUp : UnitStatus::Unchanged;
            result.fields = stored.fields;
            result.first = stored.first;
            result.file = stored.path;
            result.message.clear();
            return;
        } catch (const AppError& e) {
            result.status = UnitStatus::Failed;
            result.message = QStringLiteral("cannot write the backup: ") + e.description();
            return;
        }
    }
    if (outcome.kind == TransferOutcome::Kind::Cancelled || m_cancelled) {
        result.status = UnitStatus::Cancelled;
        return;
    }
    result.message = outcome.message.isEmpty() ? QStringLiteral("download failed")
                                               : outcome.message;
    if (result.attempts <= m_options.retries) {
        // Again once every other unit has had its turn.
        result.status = UnitStatus::Pending;
        m_queue.push_back(index);
        return;
    }
    result.status = UnitStatus::Failed;
}

void BackupRun::cancel() {
    if (m_cancelled || m_finished) {
        return;
    }
    m_cancelled = true;
    for (const std::size_t index : m_queue) {
        m_results[index].status = UnitStatus::Cancelled;
    }
    m_queue.clear();
    // Cancelling may end a transfer at once, which takes it out of the list.
    std::vector<UnitTransfer*> running;
    for (const auto& r : m_running) {
        running.push_back(r->transfer.get());
    }
    for (UnitTransfer* transfer : running) {
        transfer->cancel();
    }
    checkFinished();
}

void BackupRun::checkFinished() {
    if (m_finished || !m_running.empty() || !m_retired.empty() ||
        (!m_queue.empty() && !m_cancelled)) {
        return;
    }
    m_finished = true;
    if (m_events.finished) {
        m_events.finished();
    }
}

bool BackupRun::succeeded() const {
    return std::all_of(m_results.begin(), m_results.end(), [](const UnitResult& r) {
        return r.status == UnitStatus::BackedUp || r.status == UnitStatus::Unchanged;
    });
}

} // namespace tarnwick::backup
