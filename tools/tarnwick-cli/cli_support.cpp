#include "cli_support.h"

#include "connections/site_letters.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace tarnwick::cli {

std::uint8_t parseSiteLetter(const QString& text, const QString& option) {
    const QString letter = text.trimmed().toUpper();
    if (letter.size() != 1 || letter[0] < QLatin1Char('A') || letter[0] > QLatin1Char('D')) {
        throw CliFailure(QStringLiteral("%1 must be a site letter A to D, not \"%2\"")
                             .arg(option, text),
                         kUsageError);
    }
    return SiteLetterToIndex(letter);
}

QStringList parseArguments(QCommandLineParser& parser, const QString& command,
                           const QStringList& arguments, int positionalCount) {
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    QStringList args = arguments;
    args.prepend(command);
    if (!parser.parse(args)) {
        throw CliFailure(parser.errorText(), kUsageError);
    }
    const QStringList positional = parser.positionalArguments();
    if (positional.size() != positionalCount) {
        throw CliFailure(QStringLiteral("usage: tarnwick-cli %1").arg(parser.helpText().section(QLatin1Char('\n'), 0, 0).section(QLatin1Char(' '), 1)),
                         kUsageError);
    }
    return positional;
}

QString requiredOption(const QCommandLineParser& parser, const QString& name) {
    const QString value = parser.value(name);
    if (value.isEmpty()) {
        throw CliFailure(QStringLiteral("--%1 is required").arg(name), kUsageError);
    }
    return value;
}

SettingsRecord readSettingsRecord(const QString& path) {
    if (!QFileInfo(path).isFile()) {
        throw CliFailure(QStringLiteral("%1: no such file").arg(path));
    }
    const std::optional<SettingsRecord> record = readSettingsFile(path);
    if (!record) {
        throw CliFailure(QStringLiteral("%1: not a settings file, or its contents are damaged "
                                        "(signature or check value does not match)")
                             .arg(path));
    }
    return *record;
}

QString vocabularyPath(const QString& given) {
    if (!given.isEmpty()) {
        return given;
    }
    // Installed beside the tool, else the source tree's data folder.
    const QString installed =
        QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("../share/tarnwick/vocabulary.dat"));
    if (QFileInfo::exists(installed)) {
        return installed;
    }
    return QStringLiteral(TARNWICK_DATA_DIR "/vocabulary.dat");
}

} // namespace tarnwick::cli
