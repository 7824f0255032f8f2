#include "backup_rig.h"

#include "config/settings_file.h"
#include "config/vocabulary.h"

#include <QDirIterator>
#include <gtest/gtest.h>

namespace tarnwick::test {

// Wraps the engine's transfer to note when it ran and whether its line was free.
class TrackedTransfer final : public backup::UnitTransfer {
public:
    TrackedTransfer(SimTransfers& owner, const backup::InventoryEntry& entry,
                    backup::ProgressHandler progress)
        : m_owner(owner), m_port(owner.m_ports.at(entry.connection.Port)), m_name(entry.name),
          m_transfer(owner.m_clock, *m_port.line, entry.connection, std::move(progress)) {}

    void start(std::function<void(const backup::UnitOutcome&)> done) override {
        const int attempt = ++m_owner.attempts[m_name];
        m_failOpen = attempt == 1 && m_owner.failFirstOpen.contains(m_name);
        m_port.line->setOpenFailure(m_failOpen ? QStringLiteral("Port busy") : QString());
        if (m_port.busy++ > 0) {
            ++m_owner.sharedPortClashes;
        }
        m_owner.mostAtOnce = std::max(m_owner.mostAtOnce, ++m_owner.m_running);
        m_turn = m_owner.turns.size();
        m_owner.turns.push_back({m_name, m_port.line->portName(), m_owner.m_clock.now()});
        m_transfer.start([this, done = std::move(done)](const backup::UnitOutcome& outcome) {
            --m_port.busy;
            --m_owner.m_running;
            m_owner.turns[m_turn].to = m_owner.m_clock.now();
            if (m_failOpen) {
                m_port.line->setOpenFailure({});
            }
            done(outcome);
        });
    }
    void cancel() override { m_transfer.cancel(); }

private:
    SimTransfers& m_owner;
    SimTransfers::Port& m_port;
    QString m_name;
    backup::EngineUnitTransfer m_transfer;
    bool m_failOpen = false;
    std::size_t m_turn = 0;
};

ConfigImage sampleImage() {
    const auto record =
        readSettingsFile(QStringLiteral(TARNWICK_SOURCE_DIR) + QStringLiteral("/data/sample.stv"));
    EXPECT_TRUE(record.has_value());
    return record ? record->image : ConfigImage{};
}

sim::StavikUnit& SimTransfers::addPort(const QString& port, const QString& sn) {
    sim::UnitSetup setup;
    setup.memory = sampleImage();
    setup.serialNumber = sn;
    Port& entry = m_ports[port];
    entry.unit = std::make_unique<sim::StavikUnit>(m_clock, setup);
    entry.line = std::make_unique<sim::SimulatedSerialControl>(m_clock, *entry.unit);
    entry.line->setPortName(port);
    return *entry.unit;
}

std::unique_ptr<backup::UnitTransfer> SimTransfers::create(const backup::InventoryEntry& entry,
                                                           backup::ProgressHandler progress) {
    return std::make_unique<TrackedTransfer>(*this, entry, std::move(progress));
}

backup::InventoryEntry entryFor(const QString& name, const QString& port, const QString& sn,
                                const QString& password, std::uint8_t dest) {
    backup::InventoryEntry entry;
    entry.name = name;
    entry.connection = {password, sn, port, QString(), 0, dest};
    return entry;
}

BackupRig::BackupRig()
    : store(folder.path(), Vocabulary(readVocabularyFile(QStringLiteral(TARNWICK_SOURCE_DIR) +
                                                         QStringLiteral("/data/vocabulary.dat")))) {}

void BackupRig::start() {
    const QDateTime origin(QDate(2026, 3, 2), QTime(9, 0), Qt::UTC);
    run = std::make_unique<backup::BackupRun>(entries, options, transfers, store, clock,
                                              [this, origin] {
                                                  return origin.addMSecs(clock.now().count());
                                              });
    run->start();
}

bool BackupRig::runToEnd(Scheduler::Duration limit) {
    return clock.runUntil([this] { return run->isFinished(); }, limit);
}

const backup::UnitResult& BackupRig::result(const QString& name) const {
    for (const backup::UnitResult& r : run->results()) {
        if (r.name == name) {
            return r;
        }
    }
    throw std::out_of_range("no such unit");
}

QStringList BackupRig::files(const QString& name) const {
    return QDir(folder.filePath(name)).entryList({QStringLiteral("*.stv")}, QDir::Files,
                                                 QDir::Name);
}

QStringList BackupRig::allFiles() const {
    QStringList found;
    QDirIterator it(folder.path(), QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        found << QDir(folder.path()).relativeFilePath(it.next());
    }
    found.sort();
    return found;
}

} // namespace tarnwick::test
