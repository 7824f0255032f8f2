#include "file_commands.h"

#include "cli_support.h"
#include "config/settings_file.h"
#include "config/site_config_codec.h"
#include "config/site_config_report.h"
#include "config/vocabulary.h"
#include "connections/site_letters.h"
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

QString isoOrNull(const std::optional<QDateTime>& t) {
    return t ? t->toString(Qt::ISODate) : QString();
}

void writeOutput(const QString& path, const QByteArray& data) {
    try {
        writeFileAtomically(path, data);
    } catch (const AppError& e) {
        throw CliFailure(QStringLiteral("cannot write %1: %2").arg(path, e.description()));
    }
}

} // namespace

int runShow(const QStringList& arguments) {
    QCommandLineParser parser;
    parser.addPositionalArgument(QStringLiteral("FILE.stv"), QStringLiteral("Settings file."));
    parser.addOption({QStringLiteral("json"), QStringLiteral("Print JSON instead of text.")});
    parser.addOption({QStringLiteral("vocabulary"), QStringLiteral("Vocabulary file for words."),
                      QStringLiteral("FILE")});
    const QString path = parseArguments(parser, QStringLiteral("show"), arguments, 1).first();

    const SettingsRecord record = readSettingsRecord(path);
    const Vocabulary vocabulary(readVocabularyFile(vocabularyPath(parser.value(QStringLiteral("vocabulary")))));
    SiteConfig config;
    try {
        config = decodeSiteConfig(record.image, record.destSL);
    } catch (const AppError& e) {
        throw CliFailure(QStringLiteral("%1: cannot decode the configuration: %2").arg(path, e.description()));
    }
    const QDateTime lastModified = QFileInfo(path).lastModified();
    const std::optional<QDateTime> savedAt = record.savedAtDateTime();

    QTextStream out(stdout);
    if (parser.isSet(QStringLiteral("json"))) {
        const QJsonObject json{
            {QStringLiteral("file"), path},
            {QStringLiteral("connection"),
             QJsonObject{{QStringLiteral("port"), record.port},
                         {QStringLiteral("addr"), record.addr},
                         {QStringLiteral("sn"), record.sn},
                         {QStringLiteral("site"), IndexToSiteLetter(record.sl)},
                         {QStringLiteral("destination_site"), IndexToSiteLetter(record.destSL)}}},
            {QStringLiteral("last_modified"), lastModified.toString(Qt::ISODate)},
            {QStringLiteral("last_synchronized"), isoOrNull(savedAt)},
            {QStringLiteral("saved_at_ole"), record.savedAt},
            {QStringLiteral("configuration"), siteConfigToJson(config, record.destSL, vocabulary)},
        };
        out << QJsonDocument(json).toJson(QJsonDocument::Indented);
        return 0;
    }
    out << "File: " << path << '\n'
        << "Connection: port " << record.port << ", address "
        << (record.addr.isEmpty() ? QStringLiteral("(direct)") : record.addr) << ", serial number "
        << record.sn << ", site " << IndexToSiteLetter(record.sl) << ", destination site "
        << IndexToSiteLetter(record.destSL) << '\n'
        << "Last Modified: " << lastModified.toString(Qt::ISODate) << '\n'
        << "Last Synchronized: "
        << (savedAt ? savedAt->toString(Qt::ISODate) : QStringLiteral("(not a valid date)")) << "\n\n"
        << siteConfigToText(config, record.destSL, vocabulary);
    return 0;
}

int runImage(const QStringList& arguments) {
    QCommandLineParser parser;
    parser.addPositionalArgument(QStringLiteral("FILE.stv"), QStringLiteral("Settings file."));
    parser.addOption({{QStringLiteral("o"), QStringLiteral("output")},
                      QStringLiteral("Where the 2016 raw bytes go."), QStringLiteral("RAW")});
    const QString path = parseArguments(parser, QStringLiteral("image"), arguments, 1).first();
    const QString output = requiredOption(parser, QStringLiteral("output"));

    const SettingsRecord record = readSettingsRecord(path);
    writeOutput(output, QByteArray(reinterpret_cast<const char*>(record.image.data()),
                                   static_cast<qsizetype>(record.image.size())));
    return 0;
}

int runPack(const QStringList& arguments) {
    QCommandLineParser parser;
    parser.addOptions({
        {QStringLiteral("image"), QStringLiteral("Raw image of 2016 bytes."), QStringLiteral("RAW")},
        {QStringLiteral("port"), QStringLiteral("Port or modem name."), QStringLiteral("P")},
        {QStringLiteral("addr"), QStringLiteral("Phone number (empty: direct)."), QStringLiteral("A")},
        {QStringLiteral("sn"), QStringLiteral("Serial number of the unit."), QStringLiteral("SN")},
        {QStringLiteral("site"), QStringLiteral("Site letter of the unit, A-D."), QStringLiteral("L")},
        {QStringLiteral("dest"), QStringLiteral("Destination site letter (default: --site)."),
         QStringLiteral("L")},
        {QStringLiteral("saved-at"), QStringLiteral("Saved-at time, ISO 8601 (default: now)."),
         QStringLiteral("ISO8601")},
        {{QStringLiteral("o"), QStringLiteral("output")}, QStringLiteral("Settings file to write."),
         QStringLiteral("FILE.stv")},
    });
    parseArguments(parser, QStringLiteral("pack"), arguments, 0);
    const QString imagePath = requiredOption(parser, QStringLiteral("image"));
    const QString output = requiredOption(parser, QStringLiteral("output"));

    CurrentConnection connection;
    connection.Port = requiredOption(parser, QStringLiteral("port"));
    connection.Addr = parser.value(QStringLiteral("addr"));
    connection.SN = requiredOption(parser, QStringLiteral("sn"));
    connection.SL = parseSiteLetter(requiredOption(parser, QStringLiteral("site")), QStringLiteral("--site"));
    connection.DestSL = parser.isSet(QStringLiteral("dest"))
                            ? parseSiteLetter(parser.value(QStringLiteral("dest")), QStringLiteral("--dest"))
                            : connection.SL;

    QDateTime savedAt = QDateTime::currentDateTime();
    if (parser.isSet(QStringLiteral("saved-at"))) {
        savedAt = QDateTime::fromString(parser.value(QStringLiteral("saved-at")), Qt::ISODate);
        if (!savedAt.isValid()) {
            throw CliFailure(QStringLiteral("--saved-at: not an ISO 8601 date-time: %1")
                                 .arg(parser.value(QStringLiteral("saved-at"))),
                             kUsageError);
        }
    }

    const std::optional<QByteArray> raw = readFileIfExists(imagePath);
    if (!raw) {
        throw CliFailure(QStringLiteral("%1: no such file").arg(imagePath));
    }
    ConfigImage image{};
    if (raw->size() != static_cast<qsizetype>(image.size())) {
        throw CliFailure(QStringLiteral("%1: a raw image is %2 bytes, this file has %3")
                             .arg(imagePath)
                             .arg(image.size())
                             .arg(raw->size()));
    }
    std::memcpy(image.data(), raw->constData(), image.size());

    writeOutput(output, serializeSettingsRecord(settingsRecordFor(connection, image, savedAt)));
    return 0;
}

} // namespace tarnwick::cli
