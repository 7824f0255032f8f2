#pragma once

// Several simulated units on a virtual clock, each port a simulated line, driven by the real
// transfer engine through a BackupRun writing into a temporary folder.

#include "backup/backup_run.h"
#include "backup/backup_store.h"
#include "sim/simulated_serial_control.h"
#include "sim/stavik_unit.h"
#include "sim/virtual_scheduler.h"

#include <QTemporaryDir>
#include <map>
#include <memory>
#include <set>

namespace tarnwick::test {

using namespace std::chrono_literals;

// When a unit's transfer ran, on which port.
struct Turn {
    QString name;
    QString port;
    Scheduler::Duration from{0};
    Scheduler::Duration to{-1}; // -1 while running
};

class SimTransfers final : public backup::UnitTransferFactory {
public:
    explicit SimTransfers(sim::VirtualScheduler& clock) : m_clock(clock) {}

    // A unit of site A on `port`, with the sample configuration and serial number `sn`.
    sim::StavikUnit& addPort(const QString& port, const QString& sn);
    sim::StavikUnit& unit(const QString& port) { return *m_ports.at(port).unit; }
    const sim::SimulatedSerialControl& line(const QString& port) const {
        return *m_ports.at(port).line;
    }

    std::unique_ptr<backup::UnitTransfer> create(const backup::InventoryEntry& entry,
                                                 backup::ProgressHandler progress) override;

    std::vector<Turn> turns;
    int mostAtOnce = 0;           // transfers running at the same time, at most
    int sharedPortClashes = 0;    // starts on a port that was carrying a transfer already
    std::set<QString> failFirstOpen; // these units' first attempt cannot open the port
    std::map<QString, int> attempts;

private:
    friend class TrackedTransfer;
    struct Port {
        std::unique_ptr<sim::StavikUnit> unit;
        std::unique_ptr<sim::SimulatedSerialControl> line;
        int busy = 0;
    };
    sim::VirtualScheduler& m_clock;
    std::map<QString, Port> m_ports;
    int m_running = 0;
};

// An inventory entry for a unit made by addPort (password 1234 unless given).
backup::InventoryEntry entryFor(const QString& name, const QString& port, const QString& sn,
                                const QString& password = QStringLiteral("1234"),
                                std::uint8_t dest = 0);

// The sample configuration shipped in data/.
ConfigImage sampleImage();

class BackupRig {
public:
    BackupRig();

    sim::VirtualScheduler clock;
    SimTransfers transfers{clock};
    QTemporaryDir folder;
    backup::BackupStore store;
    std::vector<backup::InventoryEntry> entries;
    backup::BackupOptions options{.jobs = 4, .retries = 1, .portKey = {}};
    std::unique_ptr<backup::BackupRun> run;

    void start();
    bool runToEnd(Scheduler::Duration limit = 2000s);
    const backup::UnitResult& result(const QString& name) const;
    // The .stv files in the unit's folder.
    QStringList files(const QString& name) const;
    // Every file under the backup folder, with its path from there.
    QStringList allFiles() const;
};

} // namespace tarnwick::test
