#include "transfer_commands.h"

#include "shell/default_hive_dir.h"

#include "automation/dbus_automation.h"
#include "cli_console.h"
#include "cli_error_reporter.h"
#include "cli_progress_view.h"
#include "cli_prompter.h"
#include "cli_support.h"
#include "config/settings_file.h"
#include "connections/port_check.h"
#include "interrupt_notifier.h"
#include "registry/registry_store.h"
#include "serial/qt_serial_control.h"
#include "shell/app_error.h"
#include "shell/default_hive_dir.h"
#include "transfer/program_transfer_host.h"
#include "transfer/qt_scheduler.h"
#include "transfer/transfer_engine.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDateTime>
#include <QFileInfo>
#include <optional>

namespace tarnwick::cli {

namespace {

struct DownloadOptions {
    CurrentConnection connection;
    QString output;
};

DownloadOptions readOptions(const QStringList& arguments) {
    QCommandLineParser parser;
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.addOptions({
        {QStringLiteral("port"), QStringLiteral("Serial device, or a modem's name."),
         QStringLiteral("DEV")},
        {QStringLiteral("addr"), QStringLiteral("Phone number to dial (empty: direct)."),
         QStringLiteral("PHONE")},
        {QStringLiteral("sn"), QStringLiteral("Serial number of the unit."), QStringLiteral("SN")},
        {QStringLiteral("password"), QStringLiteral("Password of the unit."), QStringLiteral("PW")},
        {QStringLiteral("site"), QStringLiteral("Site letter of the unit, A-D."),
         QStringLiteral("L")},
        {QStringLiteral("dest"), QStringLiteral("Site letter to download (default: --site)."),
         QStringLiteral("L")},
        {{QStringLiteral("o"), QStringLiteral("output")},
         QStringLiteral("Settings file to write."),
         QStringLiteral("FILE.stv")},
    });
    if (!parser.parse(QStringList{QStringLiteral("download")} + arguments)) {
        throw CliFailure(parser.errorText(), kUsageError);
    }
    if (!parser.positionalArguments().isEmpty()) {
        throw CliFailure(QStringLiteral("download takes no file name other than -o FILE.stv"),
                         kUsageError);
    }
    const auto required = [&parser](const char* name) {
        const QString value = parser.value(QLatin1String(name));
        if (value.isEmpty()) {
            throw CliFailure(QStringLiteral("--%1 is required").arg(QLatin1String(name)),
                             kUsageError);
        }
        return value;
    };

    DownloadOptions options;
    CurrentConnection& connection = options.connection;
    connection.Port = required("port");
    connection.Addr = parser.value(QStringLiteral("addr"));
    connection.SN = required("sn");
    connection.Password = required("password");
    connection.SL = parseSiteLetter(required("site"), QStringLiteral("--site"));
    connection.DestSL =
        parser.isSet(QStringLiteral("dest"))
            ? parseSiteLetter(parser.value(QStringLiteral("dest")), QStringLiteral("--dest"))
            : connection.SL;
    options.output = required("output");
    // Found out now rather than after a two-minute download.
    if (!QFileInfo(QFileInfo(options.output).absolutePath()).isDir()) {
        throw CliFailure(QStringLiteral("%1: the folder does not exist").arg(options.output),
                         kUsageError);
    }
    return options;
}

void writeOutput(const DownloadOptions& options, const BlockBuffer& blocks) {
    try {
        writeSettingsFile(options.output,
                          settingsRecordFor(options.connection, imageFromBlocks(blocks),
                                            QDateTime::currentDateTime()));
    } catch (const AppError& e) {
        throw CliFailure(
            QStringLiteral("cannot write %1: %2").arg(options.output, e.description()));
    }
}

} // namespace

int runDownload(const QStringList& arguments) {
    const DownloadOptions options = readOptions(arguments);

    InterruptNotifier interrupts;
    CliConsole console;
    CliPrompter prompter(console, interrupts.pendingFd());
    CliErrorReporter errors(console);
    DBusAutomationFactory automation;
    // The command line leaves the recent connection of the program's users alone, and has
    // no windows to hand over to: only the port check is a service here.
    ProgramTransferHost::Services services;
    services.checkPortInUse = [&](const QString& Port) {
        return CheckPortInUse(Port, automation, prompter, errors);
    };
    bool mainWindowActive = false;
    ProgramTransferHost host(std::move(services), errors, mainWindowActive);
    // Modem names are looked up in the registry store, as the program does.
    const registry::RegistryStore registry(registry::userHiveDirFromEnvironment(),
                                           defaultHiveDir(QCoreApplication::applicationDirPath()));
    QtSerialControl serial(registryDeviceResolver(registry));
    QtScheduler scheduler;
    CliProgressView view(console);
    BlockBuffer blocks{};
    const ConfigImage noUpload{};
    TransferEngine engine(
        {scheduler, serial, view, prompter, host, options.connection, blocks, noUpload});

    std::optional<TransferOutcome> outcome;
    engine.setFinishedHandler([&outcome](const TransferOutcome& result) {
        outcome = result;
        QCoreApplication::exit(0);
    });
    int interruptedBy = 0;
    interrupts.setHandler([&](int signal) {
        interruptedBy = signal;
        prompter.confirmingCancel([&engine] { engine.requestCancel(); });
    });

    engine.DownloadStavik();
    QCoreApplication::exec();
    console.endStatus();

    if (outcome && outcome->kind == TransferOutcome::Kind::Succeeded) {
        writeOutput(options, blocks);
        return 0;
    }
    // A failure has printed its message already.
    if (outcome && outcome->kind == TransferOutcome::Kind::Cancelled && interruptedBy != 0) {
        return 128 + interruptedBy;
    }
    return 1;
}

} // namespace tarnwick::cli
