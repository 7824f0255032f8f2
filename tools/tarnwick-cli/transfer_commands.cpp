#include "transfer_commands.h"

#include "cli_support.h"
#include "compare_commands.h"
#include "config/config_diff.h"
#include "config/vocabulary.h"
#include "difference_report.h"
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
#include <QTextStream>

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

void presetPasswordAnswer(TransferSession& session, const UploadOptions& options) {
    if (options.continueWithoutPasswords) {
        session.prompter().presetAnswer(
            kChangePasswordFailedCaption, *options.continueWithoutPasswords,
            *options.continueWithoutPasswords ? QStringLiteral("--yes") : QStringLiteral("--no"));
    }
}

// upload --dry-run: what an upload would change, field by field, and the blocks it would write.
int previewUpload(const UploadOptions& options, const registry::RegistryStore& registry) {
    const Vocabulary vocabulary(readVocabularyFile(options.vocabularyPath));
    TransferSession session(registry, options.connection, options.image,
                            options.protectedLocationsPath);
    presetPasswordAnswer(session, options);
    const SessionResult result = session.run([&options](TransferEngine& engine) {
        engine.PreviewUpload(options.changePasswords, options.restoreCalibration,
                             options.newMasterPassword, options.newUserPassword,
                             options.oldMasterPassword);
    });
    if (result.outcome.kind != TransferOutcome::Kind::Succeeded) {
        session.console().printLine(QStringLiteral("Dry run stopped. Nothing was written."));
        return result.interruptedBy != 0 ? 128 + result.interruptedBy : kTrouble;
    }
    const TransferState& state = session.engine().state();
    ConfigDifferences differences;
    try {
        differences = diffImages({imageFromBlocks(session.blocks()), options.connection.DestSL},
                                 {imageFromBlocks(state.UploadImage), options.connection.DestSL},
                                 vocabulary);
    } catch (const AppError& e) {
        throw CliFailure(QStringLiteral("cannot decode the unit's or the file's configuration: %1")
                             .arg(e.description()));
    }
    QTextStream out(stdout);
    for (const QString& line : differenceLines(differences)) {
        out << line << '\n';
    }
    QStringList blocks;
    for (const std::uint8_t block : state.ChangedBlocks) {
        blocks << QString::number(block);
    }
    out << (blocks.isEmpty() ? QStringLiteral("# blocks an upload would write: none")
                             : QStringLiteral("# blocks an upload would write: ") +
                                   blocks.join(QStringLiteral(", ")))
        << '\n';
    out.flush();
    session.console().printLine(QStringLiteral(
        "Dry run: nothing was written (no data frame, no commit request, no restart)."));
    return state.ChangedBlocks.empty() ? kSame : kDifferent;
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
    if (arguments.contains(QStringLiteral("--dry-run")) ||
        arguments.contains(QStringLiteral("-dry-run"))) {
        // diff's convention: anything that stops the preview is 2, never 1.
        try {
            const auto registry = openProgramRegistry();
            return previewUpload(readUploadOptions(arguments, *registry), *registry);
        } catch (const CliFailure& e) {
            throw CliFailure(QString::fromStdString(e.what()), kTrouble);
        } catch (const AppError& e) {
            throw CliFailure(e.description(), kTrouble);
        }
    }
    const auto registry = openProgramRegistry();
    const UploadOptions options = readUploadOptions(arguments, *registry);
    TransferSession session(*registry, options.connection, options.image,
                            options.protectedLocationsPath);
    presetPasswordAnswer(session, options);
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
