#include "connection_options.h"

#include "cli_support.h"
#include "connections/site_letters.h"

#include <QCommandLineParser>

namespace tarnwick::cli {

namespace {

const QString kPort = QStringLiteral("port");
const QString kAddr = QStringLiteral("addr");
const QString kSn = QStringLiteral("sn");
const QString kPassword = QStringLiteral("password");
const QString kSite = QStringLiteral("site");
const QString kDest = QStringLiteral("dest");

// The option's value, else the fallback's when there is one.
QString valueOr(const QCommandLineParser& parser, const QString& name,
                const std::optional<QString>& fallback) {
    if (parser.isSet(name) || !fallback) {
        return requiredOption(parser, name);
    }
    if (fallback->isEmpty()) {
        throw CliFailure(
            QStringLiteral("--%1 is required (the settings file names none)").arg(name),
            kUsageError);
    }
    return *fallback;
}

std::uint8_t siteOr(const QCommandLineParser& parser, const QString& name,
                    std::optional<std::uint8_t> fallback) {
    if (!parser.isSet(name) && fallback) {
        // A foreign file may hold any byte there.
        if (IndexToSiteLetter(*fallback).isEmpty()) {
            throw CliFailure(QStringLiteral("--%1 is required (the settings file's site letter "
                                            "%2 is not A to D)")
                                 .arg(name)
                                 .arg(*fallback),
                             kUsageError);
        }
        return *fallback;
    }
    return parseSiteLetter(requiredOption(parser, name), QStringLiteral("--") + name);
}

} // namespace

void addConnectionOptions(QCommandLineParser& parser, const QString& destinationHelp) {
    parser.addOptions({
        {kPort, QStringLiteral("Serial device, or a modem's name."), QStringLiteral("DEV")},
        {kAddr, QStringLiteral("Phone number to dial (empty: direct)."), QStringLiteral("PHONE")},
        {kSn, QStringLiteral("Serial number of the unit."), QStringLiteral("SN")},
        {kPassword, QStringLiteral("Password of the unit."), QStringLiteral("PW")},
        {kSite, QStringLiteral("Site letter of the unit, A-D."), QStringLiteral("L")},
        {kDest, destinationHelp, QStringLiteral("L")},
    });
}

CurrentConnection connectionFromOptions(const QCommandLineParser& parser,
                                        const std::optional<CurrentConnection>& fallback) {
    const auto from = [&fallback](auto field) {
        return fallback ? std::optional((*fallback).*field) : std::nullopt;
    };
    CurrentConnection connection;
    connection.Password = requiredOption(parser, kPassword);
    connection.SN = valueOr(parser, kSn, from(&CurrentConnection::SN));
    connection.Port = valueOr(parser, kPort, from(&CurrentConnection::Port));
    connection.Addr = parser.isSet(kAddr) || parser.isSet(kPort) || !fallback ? parser.value(kAddr)
                                                                              : fallback->Addr;
    connection.SL = siteOr(parser, kSite, from(&CurrentConnection::SL));
    connection.DestSL = siteOr(
        parser, kDest, fallback ? from(&CurrentConnection::DestSL) : std::optional(connection.SL));
    return connection;
}

} // namespace tarnwick::cli
