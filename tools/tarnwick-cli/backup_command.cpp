#include "backup_command.h"

#include "backup/backup_report.h"
#include "backup/backup_run.h"
#include "backup/backup_store.h"
#include "backup/inventory.h"
#include "backup_progress.h"
#include "cli_support.h"
#include "config/vocabulary.h"
#include "connections/connection_file.h"
#include "interrupt_notifier.h"
#include "registry/registry_store.h"
#include "serial/qt_serial_control.h"
#include "serial/serial_devices.h"
#include "shell/app_error.h"
#include "transfer/qt_scheduler.h"
#include "transfer_session.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTextStream>

#include <sys/stat.h>

namespace tarnwick::cli {

namespace {

struct BackupCommandOptions {
    QString inventory;
    QString out;
    int jobs = 4;
    int retries = 1;
    QStringList only;
};

int count(const QCommandLineParser& parser, const QString& name, int fallback, int minimum) {
    if (!parser.isSet(name)) {
        return fallback;
    }
    bool ok = false;
    const int value = parser.value(name).toInt(&ok);
    if (!ok || value < minimum || value > 64) {
        throw CliFailure(QStringLiteral("--%1 must be a number from %2 to 64").arg(name).arg(minimum),
                         kUsageError);
    }
    return value;
}

BackupCommandOptions readOptions(const QStringList& arguments) {
    QCommandLineParser parser;
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.addOptions({
        {QStringLiteral("inventory"), QStringLiteral("The units, as JSON."), QStringLiteral("FILE")},
        {QStringLiteral("out"), QStringLiteral("Folder of the backups."), QStringLiteral("DIR")},
        {QStringLiteral("jobs"), QStringLiteral("Transfers at once (default 4)."),
         QStringLiteral("N")},
        {QStringLiteral("only"), QStringLiteral("Only these units."), QStringLiteral("NAME,...")},
        {QStringLiteral("retries"), QStringLiteral("Further tries of a failed unit (default 1)."),
         QStringLiteral("K")},
    });
    parseArguments(parser, QStringLiteral("backup"), arguments, 0);
    BackupCommandOptions options;
    options.inventory = requiredOption(parser, QStringLiteral("inventory"));
    options.out = requiredOption(parser, QStringLiteral("out"));
    options.jobs = count(parser, QStringLiteral("jobs"), 4, 1);
    options.retries = count(parser, QStringLiteral("retries"), 1, 0);
    for (const QString& value : parser.values(QStringLiteral("only"))) {
        options.only << value.split(QLatin1Char(','), Qt::SkipEmptyParts);
    }
    return options;
}

// Every entry checked, and the file's permissions, before any port is opened.
backup::Inventory readInventory(const BackupCommandOptions& options) {
    QFile file(options.inventory);
    if (!file.open(QIODevice::ReadOnly)) {
        throw CliFailure(QStringLiteral("cannot read %1: %2").arg(options.inventory,
                                                                  file.errorString()),
                         kUsageError);
    }
    const QByteArray json = file.readAll();
    backup::Inventory inventory = backup::parseInventory(
        json, QFileInfo(options.inventory).absolutePath(),
        [](const QString& path) { return ReadConnectionFile(path); });
    struct stat status {};
    if (inventory.holdsPasswords && fstat(file.handle(), &status) == 0) {
        const QString problem = backup::permissionProblem(options.inventory, status.st_mode);
        if (!problem.isEmpty()) {
            throw CliFailure(problem, kUsageError);
        }
    }
    if (inventory.problems.isEmpty() && !options.only.isEmpty()) {
        inventory = backup::selectUnits(inventory, options.only);
    }
    if (!inventory.problems.isEmpty()) {
        QTextStream err(stderr);
        for (const QString& line : inventory.problems) {
            err << options.inventory << ": " << line << '\n';
        }
        throw CliFailure(QStringLiteral("%1: %2 problem(s); nothing was started")
                             .arg(options.inventory)
                             .arg(inventory.problems.size()),
                         kUsageError);
    }
    return inventory;
}

// A download with its own serial port, for as long as the unit's turn lasts.
class PortTransfer final : public backup::UnitTransfer {
public:
    PortTransfer(Scheduler& scheduler, const registry::RegistryStore& registry,
                 const CurrentConnection& connection, backup::ProgressHandler progress)
        : m_serial(registryDeviceResolver(registry)),
          m_transfer(scheduler, m_serial, connection, std::move(progress)) {}
    void start(std::function<void(const backup::UnitOutcome&)> done) override {
        m_transfer.start(std::move(done));
    }
    void cancel() override { m_transfer.cancel(); }

private:
    QtSerialControl m_serial;
    backup::EngineUnitTransfer m_transfer;
};

class PortTransfers final : public backup::UnitTransferFactory {
public:
    PortTransfers(Scheduler& scheduler, const registry::RegistryStore& registry)
        : m_scheduler(scheduler), m_registry(registry) {}
    std::unique_ptr<backup::UnitTransfer> create(const backup::InventoryEntry& entry,
                                                 backup::ProgressHandler progress) override {
        return std::make_unique<PortTransfer>(m_scheduler, m_registry, entry.connection,
                                              std::move(progress));
    }

private:
    Scheduler& m_scheduler;
    const registry::RegistryStore& m_registry;
};

// One line however it is named: a modem's name and its device path, or a link and its
// target.
std::function<QString(const QString&)> portKeys(const registry::RegistryStore& registry) {
    return [resolve = registryDeviceResolver(registry)](const QString& port) {
        const QString device = resolve(port);
        const QString canonical = QFileInfo(device).canonicalFilePath();
        return canonical.isEmpty() ? device : canonical;
    };
}

} // namespace

int runBackup(const QStringList& arguments) {
    const BackupCommandOptions options = readOptions(arguments);
    const backup::Inventory inventory = readInventory(options);
    if (!QDir().mkpath(options.out)) {
        throw CliFailure(QStringLiteral("cannot create %1").arg(options.out), kUsageError);
    }
    const Vocabulary vocabulary(readVocabularyFile(vocabularyPath({})));
    const backup::BackupStore store(options.out, vocabulary);
    const auto registry = openProgramRegistry();
    QtScheduler scheduler;
    PortTransfers transfers(scheduler, *registry);
    const auto nowUtc = [] { return QDateTime::currentDateTimeUtc(); };
    const QDateTime startedAt = nowUtc();

    backup::BackupRun run(inventory.entries, {options.jobs, options.retries, portKeys(*registry)},
                          transfers, store, scheduler, nowUtc);
    BackupProgress progress(run);
    run.setEvents(progress.events([] { QCoreApplication::exit(0); }));
    InterruptNotifier interrupts;
    int interruptedBy = 0;
    interrupts.setHandler([&](int signal) {
        if (interruptedBy == 0) {
            interruptedBy = signal;
            QTextStream(stderr) << "Cancelling every running transfer...\n";
        }
        run.cancel();
    });
    run.start();
    if (!run.isFinished()) {
        QCoreApplication::exec();
    }
    interrupts.setHandler({});

    QTextStream out(stdout);
    for (const QString& line : backup::summaryTable(run.results())) {
        out << line << '\n';
    }
    out.flush();
    const QString reportPath = QDir(options.out).filePath(QStringLiteral("backup-report.json"));
    try {
        backup::writeFileAtomically(
            reportPath, backup::reportJson(run.results(), startedAt, nowUtc(), run.cancelled()));
    } catch (const AppError& e) {
        throw CliFailure(QStringLiteral("cannot write %1: %2").arg(reportPath, e.description()));
    }
    if (interruptedBy != 0) {
        return 128 + interruptedBy;
    }
    return run.succeeded() ? 0 : 1;
}

} // namespace tarnwick::cli
