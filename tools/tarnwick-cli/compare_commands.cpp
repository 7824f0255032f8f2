#include "compare_commands.h"

#include "cli_support.h"
#include "config/config_changes.h"
#include "config/config_diff.h"
#include "config/settings_file.h"
#include "config/vocabulary.h"
#include "connections/site_letters.h"
#include "difference_report.h"
#include "shell/app_error.h"
#include "shell/file_access.h"

#include <QCommandLineParser>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTextStream>

#include <cstring>

namespace tarnwick::cli {
namespace {

// One side of a comparison: a settings file, or a raw image seen from --dest.
struct DiffSide {
    QString path;
    ComparedImage compared;
    std::optional<SettingsRecord> record;
    QDateTime lastModified;
};

DiffSide readSide(const QString& path, const std::optional<std::uint8_t>& rawDest) {
    const std::optional<QByteArray> data = readFileIfExists(path);
    if (!data || !QFileInfo(path).isFile()) {
        throw CliFailure(QStringLiteral("%1: no such file").arg(path));
    }
    DiffSide side{path, {}, parseSettingsRecord(*data), QFileInfo(path).lastModified()};
    if (side.record) {
        side.compared = {side.record->image, side.record->destSL};
        return side;
    }
    if (data->size() != static_cast<qsizetype>(kImageSize)) {
        throw CliFailure(QStringLiteral("%1: neither a settings file nor a raw image of %2 bytes")
                             .arg(path)
                             .arg(kImageSize));
    }
    if (!rawDest) {
        throw CliFailure(
            QStringLiteral("%1 is a raw image: give its destination site with --dest").arg(path),
            kUsageError);
    }
    std::memcpy(side.compared.image.data(), data->constData(), kImageSize);
    side.compared.destSL = *rawDest;
    return side;
}

QString oleDate(const SettingsRecord& record) {
    const std::optional<QDateTime> at = record.savedAtDateTime();
    return at ? at->toString(Qt::ISODate) : QStringLiteral("(not a valid date)");
}

// Connection fields and dates: what describes where a file came from, not the unit.
std::vector<FieldDifference> apartDifferences(const DiffSide& a, const DiffSide& b) {
    std::vector<FieldDifference> out;
    if (!a.record || !b.record) {
        return out;
    }
    const auto add = [&out](const char* path, const QString& x, const QString& y, bool quoted) {
        if (x != y) {
            out.push_back({QLatin1String(path), QString(), QString(), x, y, quoted});
        }
    };
    const SettingsRecord& ra = *a.record;
    const SettingsRecord& rb = *b.record;
    add("connection.port", ra.port, rb.port, true);
    add("connection.addr", ra.addr, rb.addr, true);
    add("connection.sn", ra.sn, rb.sn, true);
    add("connection.site", IndexToSiteLetter(ra.sl), IndexToSiteLetter(rb.sl), false);
    add("connection.destination_site", IndexToSiteLetter(ra.destSL), IndexToSiteLetter(rb.destSL),
        false);
    add("last_modified", a.lastModified.toString(Qt::ISODate), b.lastModified.toString(Qt::ISODate),
        false);
    add("last_synchronized", oleDate(ra), oleDate(rb), false);
    return out;
}

int diff(const QStringList& arguments) {
    QCommandLineParser parser;
    parser.addPositionalArgument(QStringLiteral("A"), QStringLiteral("Settings file or raw image."));
    parser.addPositionalArgument(QStringLiteral("B"), QStringLiteral("Settings file or raw image."));
    parser.addOptions({
        {QStringLiteral("json"), QStringLiteral("Print JSON instead of text.")},
        {QStringLiteral("all"), QStringLiteral("Count connection fields and dates too.")},
        {QStringLiteral("vocabulary"), QStringLiteral("Vocabulary file for words."),
         QStringLiteral("FILE")},
        {QStringLiteral("dest"), QStringLiteral("Destination site letter of a raw image."),
         QStringLiteral("L")},
    });
    const QStringList files = parseArguments(parser, QStringLiteral("diff"), arguments, 2);
    std::optional<std::uint8_t> dest;
    if (parser.isSet(QStringLiteral("dest"))) {
        dest = parseSiteLetter(parser.value(QStringLiteral("dest")), QStringLiteral("--dest"));
    }
    const DiffSide a = readSide(files[0], dest);
    const DiffSide b = readSide(files[1], dest);
    const Vocabulary vocabulary(
        readVocabularyFile(vocabularyPath(parser.value(QStringLiteral("vocabulary")))));

    ConfigDifferences differences;
    try {
        differences = diffImages(a.compared, b.compared, vocabulary);
    } catch (const AppError& e) {
        throw CliFailure(QStringLiteral("cannot decode the configurations: %1").arg(e.description()));
    }
    const std::vector<FieldDifference> apart = apartDifferences(a, b);
    const bool countApart = parser.isSet(QStringLiteral("all"));
    const bool different = !differences.empty() || (countApart && !apart.empty());

    QTextStream out(stdout);
    if (parser.isSet(QStringLiteral("json"))) {
        const QJsonObject json{
            {QStringLiteral("a"), a.path},
            {QStringLiteral("b"), b.path},
            {QStringLiteral("different"), different},
            {QStringLiteral("fields"), fieldDifferencesJson(differences.fields)},
            {QStringLiteral("bytes"), byteDifferencesJson(differences.bytes)},
            {QStringLiteral("connection_and_dates"), fieldDifferencesJson(apart)},
            {QStringLiteral("connection_and_dates_counted"), countApart},
        };
        out << QJsonDocument(json).toJson(QJsonDocument::Indented);
        return different ? kDifferent : kSame;
    }
    for (const QString& line : differenceLines(differences)) {
        out << line << '\n';
    }
    if (!apart.empty()) {
        out << (countApart ? "# connection and dates:\n"
                           : "# connection and dates (not counted; --all counts them):\n");
        for (const FieldDifference& d : apart) {
            out << d.line() << '\n';
        }
    }
    return different ? kDifferent : kSame;
}

QJsonObject readChanges(const QString& path) {
    const std::optional<QByteArray> data = readFileIfExists(path);
    if (!data || !QFileInfo(path).isFile()) {
        throw CliFailure(QStringLiteral("%1: no such file").arg(path));
    }
    QJsonParseError error{};
    const QJsonDocument document = QJsonDocument::fromJson(*data, &error);
    if (error.error != QJsonParseError::NoError) {
        throw CliFailure(QStringLiteral("%1: not JSON: %2 at byte %3")
                             .arg(path, error.errorString())
                             .arg(error.offset));
    }
    if (!document.isObject()) {
        throw CliFailure(QStringLiteral("%1: the changes must be a JSON object").arg(path));
    }
    return document.object();
}

} // namespace

int runDiff(const QStringList& arguments) {
    // diff's own convention: anything that stops the comparison is 2, never 1.
    try {
        return diff(arguments);
    } catch (const CliFailure& e) {
        throw CliFailure(QString::fromStdString(e.what()), kTrouble);
    } catch (const AppError& e) {
        throw CliFailure(e.description(), kTrouble);
    }
}

int runApply(const QStringList& arguments) {
    QCommandLineParser parser;
    parser.addPositionalArgument(QStringLiteral("CHANGES.json"), QStringLiteral("Fields to set."));
    parser.addPositionalArgument(QStringLiteral("FILE.stv"), QStringLiteral("Settings file."));
    parser.addOptions({
        {{QStringLiteral("o"), QStringLiteral("output")}, QStringLiteral("Settings file to write."),
         QStringLiteral("OUT.stv")},
        {QStringLiteral("vocabulary"), QStringLiteral("Vocabulary file for words."),
         QStringLiteral("FILE")},
    });
    const QStringList files = parseArguments(parser, QStringLiteral("apply"), arguments, 2);
    const QString output = requiredOption(parser, QStringLiteral("output"));
    const QJsonObject changes = readChanges(files[0]);
    SettingsRecord record = readSettingsRecord(files[1]);
    const Vocabulary vocabulary(
        readVocabularyFile(vocabularyPath(parser.value(QStringLiteral("vocabulary")))));

    AppliedChanges applied;
    try {
        applied = applyChanges(record.image, record.destSL, changes, vocabulary);
    } catch (const AppError& e) {
        throw CliFailure(QStringLiteral("%1: cannot decode the configuration: %2")
                             .arg(files[1], e.description()));
    }
    QTextStream err(stderr);
    if (!applied.problems.empty()) {
        for (const FieldProblem& problem : applied.problems) {
            err << problem.line() << '\n';
        }
        throw CliFailure(QStringLiteral("%1: %2 of the changes refused; nothing written")
                             .arg(files[1])
                             .arg(applied.problems.size()));
    }
    // The connection and the saved-at stamp stay the file's own.
    record.image = applied.image;
    try {
        writeFileAtomically(output, serializeSettingsRecord(record));
    } catch (const AppError& e) {
        throw CliFailure(QStringLiteral("cannot write %1: %2").arg(output, e.description()));
    }
    QTextStream out(stdout);
    for (const FieldDifference& change : applied.changed) {
        out << change.line() << '\n';
    }
    return 0;
}

} // namespace tarnwick::cli
