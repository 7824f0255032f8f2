#pragma once

#include "inventory.h"
#include "transfer/scheduler.h"
#include "unit_transfer.h"

#include <QDateTime>
#include <QString>
#include <QStringList>

#include <deque>
#include <functional>
#include <memory>
#include <vector>

namespace tarnwick::backup {

class BackupStore;

enum class UnitStatus { Pending, BackedUp, Unchanged, Failed, Cancelled };

struct UnitResult {
    QString name;
    QString port;
    UnitStatus status = UnitStatus::Pending;
    QString message;    // why it failed
    QStringList fields; // changed fields, when backed up over an earlier backup
    bool first = false; // backed up for the first time
    QString file;       // the new backup, or the last one when unchanged
    int attempts = 0;
    Scheduler::Duration duration{0}; // over all attempts
};

struct BackupOptions {
    int jobs = 4;    // transfers at once, at most
    int retries = 1; // further attempts of a failed unit, after the others
    // Two ports with the same key are one line (a device and a link to it); identity when
    // empty.
    std::function<QString(const QString& port)> portKey;
};

// Downloads every unit of an inventory and stores what changed. Units on different ports run
// at the same time, up to `jobs`; units sharing a port take turns on it. A failed unit goes
// to the back of the queue for another attempt. Everything runs on `scheduler`'s loop.
class BackupRun {
public:
    BackupRun(std::vector<InventoryEntry> entries, BackupOptions options,
              UnitTransferFactory& transfers, const BackupStore& store, Scheduler& scheduler,
              std::function<QDateTime()> nowUtc);
    ~BackupRun();
    BackupRun(const BackupRun&) = delete;
    BackupRun& operator=(const BackupRun&) = delete;

    // Called when a unit starts, reports progress, or ends (`results()[index]` tells how;
    // Pending when it waits for another try).
    struct Events {
        std::function<void(std::size_t index)> started;
        std::function<void(std::size_t index, const QString& text, int percent)> progress;
        std::function<void(std::size_t index)> ended;
        std::function<void()> finished; // every unit has ended
    };
    void setEvents(Events events) { m_events = std::move(events); }

    void start();
    // Cancels every running transfer and starts no more; `finished` follows once each has
    // closed its port.
    void cancel();

    bool isFinished() const { return m_finished; }
    bool cancelled() const { return m_cancelled; }
    const std::vector<UnitResult>& results() const { return m_results; }
    const std::vector<InventoryEntry>& entries() const { return m_entries; }
    // True when every unit was backed up or found unchanged.
    bool succeeded() const;

private:
    struct Running {
        std::size_t index = 0;
        QString port;
        Scheduler::Duration started{0};
        std::unique_ptr<UnitTransfer> transfer;
    };

    void fill();
    void launch(std::size_t index);
    void ended(std::size_t index, const UnitOutcome& outcome);
    void record(std::size_t index, const UnitOutcome& outcome);
    void checkFinished();
    QString portOf(std::size_t index) const;

    std::vector<InventoryEntry> m_entries;
    BackupOptions m_options;
    UnitTransferFactory& m_transfers;
    const BackupStore& m_store;
    Scheduler& m_scheduler;
    std::function<QDateTime()> m_nowUtc;
    Events m_events;
    std::vector<UnitResult> m_results;
    std::deque<std::size_t> m_queue;
    std::vector<std::unique_ptr<Running>> m_running;
    std::vector<std::unique_ptr<UnitTransfer>> m_retired; // ended, deleted from the loop
    int m_retireTimer = 0;
    bool m_cancelled = false;
    bool m_finished = false;
};

QString statusText(UnitStatus status);

} // namespace tarnwick::backup
