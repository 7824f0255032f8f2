#include "transfer_commands.h"

#include "cli_support.h"
#include "config/settings_file.h"
#include "connection_options.h"
#include "registry/registry_store.h"
#include "shell/app_error.h"
#include "transfer_session.h"
#include "upload_options.h"
#include "upload_report.h"

#include <QCommandLineParser>
#include <QDateTime>
#include <QFileInfo>

namespace tarnwick::cli {

namespace {

// The caption of the question asked when the old master password is wrong.
const QString kChangePasswordFailedCaption = QStringLiteral("Change password failed");

struct DownloadOptions {
    CurrentConnection connection;
    QString output;
};

DownloadOptions readDownloadOptions(const QStringList& arguments) {
    QCommandLineParser parser;
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    addConnectionOptions(parser, QStringLiteral("Site letter to download (default: --site)."));
    parser.addOption({{QStringLiteral("o"), QStringLiteral("output")},
                      QStringLiteral("Settings file to write."),
                      QStringLiteral("FILE.stv")});
    if (!parser.parse(QStringList{QStringLiteral("download")} + arguments)) {
        throw CliFailure(parser.errorText(), kUsageError);
    }
    if (!parser.positionalArguments().isEmpty()) {
        throw CliFailure(QStringLiteral("download takes no file name other than -o FILE.stv"),
                         kUsageError);
    }
    DownloadOptions options{connectionFromOptions(parser, std::nullopt),
                            requiredOption(parser, QStringLiteral("output"))};
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

// The exit code of an upload that did not complete, after saying what the unit may hold.
int unfinishedUpload(TransferSession& session, const SessionResult& result) {
    const TransferEngine& engine = session.engine();
    const bool cancelled = result.interruptedBy != 0;
    // A written block whose last read-back equals what was sent has been verified.
    const QStringList report =
        unfinishedUploadReport(cancelled, engine.writtenBlocks(), [&](std::uint8_t block) {
            return session.blocks()[block] == engine.state().UploadImage[block];
        });
    for (const QString& line : report) {
        session.console().printLine(line);
    }
    // Answering no to the password question ends the upload without a message of its own.
    if (!cancelled && report.isEmpty() && result.outcome.message.isEmpty()) {
        session.console().printLine(QStringLiteral("Upload stopped. Nothing was written."));
    }
    return cancelled ? 128 + result.interruptedBy : 1;
}

} // namespace

int runDownload(const QStringList& arguments) {
    const DownloadOptions options = readDownloadOptions(arguments);
    const auto registry = openProgramRegistry();
    TransferSession session(*registry, options.connection);
    const SessionResult result =
        session.run([](TransferEngine& engine) { engine.DownloadStavik(); });

    if (result.outcome.kind == TransferOutcome::Kind::Succeeded) {
        writeOutput(options, session.blocks());
        return 0;
    }
    // A failure has printed its message already.
    if (result.outcome.kind == TransferOutcome::Kind::Cancelled && result.interruptedBy != 0) {
        return 128 + result.interruptedBy;
    }
    return 1;
}

int runUpload(const QStringList& arguments) {
    const auto registry = openProgramRegistry();
    const UploadOptions options = readUploadOptions(arguments, *registry);
    TransferSession session(*registry, options.connection, options.image,
                            options.protectedLocationsPath);
    if (options.continueWithoutPasswords) {
        session.prompter().presetAnswer(
            kChangePasswordFailedCaption, *options.continueWithoutPasswords,
            *options.continueWithoutPasswords ? QStringLiteral("--yes") : QStringLiteral("--no"));
    }
    const SessionResult result = session.run([&options](TransferEngine& engine) {
        engine.UploadStavik(options.changePasswords, options.restoreCalibration,
                            options.newMasterPassword, options.newUserPassword,
                            options.oldMasterPassword);
    });
    if (result.outcome.kind == TransferOutcome::Kind::Succeeded) {
        return 0;
    }
    return unfinishedUpload(session, result);
}

} // namespace tarnwick::cli
