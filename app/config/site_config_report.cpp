#include "site_config_report.h"

#include "config/site_config_lists.h"
#include "connections/site_letters.h"

#include <QJsonArray>
#include <QStringList>
#include <QTextStream>

namespace tarnwick {
namespace {

QString siteName(std::uint8_t destSL, std::size_t entry) {
    return QStringLiteral("Site ") +
           IndexToSiteLetter(static_cast<std::uint8_t>((destSL + entry) % 4));
}

// The name of a list choice; an index the list does not have is shown as such.
template <std::size_t N>
QString choice(const std::array<QLatin1StringView, N>& names, std::size_t index) {
    return index < N ? QString(names[index]) : QStringLiteral("(invalid %1)").arg(index);
}

QString layoutName(const SiteConfig& config) {
    return config.usesLayout56() ? QStringLiteral("5.6") : QStringLiteral("5.4 / 5.5");
}

QJsonObject wordJson(WordCode code, const Vocabulary& vocabulary) {
    return QJsonObject{{QStringLiteral("code"), code},
                       {QStringLiteral("word"), vocabulary.codeToText(code)}};
}

template <std::size_t N>
QJsonArray wordsJson(const std::array<WordCode, N>& words, const Vocabulary& vocabulary) {
    QJsonArray out;
    for (const WordCode w : words) {
        out.append(wordJson(w, vocabulary));
    }
    return out;
}

template <std::size_t Rows, std::size_t N>
QJsonArray wordRowsJson(const std::array<std::array<WordCode, N>, Rows>& rows,
                        const Vocabulary& vocabulary) {
    QJsonArray out;
    for (const auto& row : rows) {
        out.append(wordsJson(row, vocabulary));
    }
    return out;
}

QJsonObject channelJson(std::size_t index, const ChannelSettings& c) {
    return QJsonObject{
        {QStringLiteral("channel"), static_cast<int>(index + 1)},
        {QStringLiteral("label"), c.label},
        {QStringLiteral("status_alarm"), c.statusAlarm},
        {QStringLiteral("invert_status"), c.invertStatus},
        {QStringLiteral("decimals"), c.decimals},
        {QStringLiteral("decimal_point"), choice(kDecimalPointNames, c.decimals)},
        {QStringLiteral("low_limit"), c.lowLimit},
        {QStringLiteral("high_limit"), c.highLimit},
        {QStringLiteral("raise_duration_s"), c.raiseDuration},
        {QStringLiteral("lower_duration_s"), c.lowerDuration},
        {QStringLiteral("high_low_alarm_delay_s"), c.highLowAlarmDelay},
        {QStringLiteral("status_alarm_delay_s"), c.statusAlarmDelay},
        {QStringLiteral("convert_type"), choice(kConvertTypeNames, c.convertType)},
    };
}

QString wordsText(const auto& words, const Vocabulary& vocabulary) {
    QStringList parts;
    for (const WordCode w : words) {
        const QString text = vocabulary.codeToText(w);
        parts << (text.isEmpty() ? QStringLiteral("-") : text);
    }
    return parts.join(QLatin1Char(' '));
}

QString onOff(bool on) { return on ? QStringLiteral("on") : QStringLiteral("off"); }

} // namespace

QJsonObject siteConfigToJson(const SiteConfig& config, std::uint8_t destSL,
                             const Vocabulary& vocabulary) {
    QJsonObject options;
    for (std::size_t i = 0; i < kLocalOptionCount; ++i) {
        if (i == kTwoPortsOption && !config.usesLayout56()) {
            continue;
        }
        options.insert(QString(kLocalOptionCaptions[i]).toLower().replace(QLatin1Char(' '), QLatin1Char('_')).replace(QLatin1Char('-'), QLatin1Char('_')),
                       config.localOptions[i]);
    }

    QJsonArray sites;
    for (std::size_t k = 0; k < kSiteEntryCount; ++k) {
        const SiteEntry& e = config.siteEntries[k];
        QJsonObject site{{QStringLiteral("site"), siteName(destSL, k)},
                         {QStringLiteral("highest_channel"), e.highestChannel},
                         {QStringLiteral("data_received_from"),
                          choice(kReceivePortNames, e.dataReceivedFrom)}};
        if (!config.usesLayout56()) {
            site.insert(QStringLiteral("data_sent_out"), choice(kSendPortNames, e.dataSentOut));
        }
        sites.append(site);
    }

    QJsonObject baud;
    if (config.usesLayout56()) {
        baud.insert(QStringLiteral("port_1"), choice(kBaudNames56, config.portBaud56[0]));
        baud.insert(QStringLiteral("port_2"), choice(kBaudNames56, config.portBaud56[1]));
    } else {
        baud.insert(QStringLiteral("modified_for_1200_baud"), config.modifiedFor1200Baud);
        baud.insert(QStringLiteral("port_1"), choice(kBaudNames54, config.portBaud54[0]));
        baud.insert(QStringLiteral("port_2"), choice(kBaudNames54, config.portBaud54[1]));
    }

    QJsonArray channels;
    for (std::size_t c = 0; c < kChannelCount; ++c) {
        channels.append(channelJson(c, config.channels[c]));
    }

    QJsonArray phones;
    for (const QString& p : config.phoneNumbers) {
        phones.append(p);
    }

    QJsonArray ovin;
    for (std::size_t k = 0; k < kSiteEntryCount; ++k) {
        const OvinLabels& o = config.ovin[k];
        ovin.append(QJsonObject{
            {QStringLiteral("site"), siteName(destSL, k)},
            {QStringLiteral("site_label"), wordsJson(o.siteLabel, vocabulary)},
            {QStringLiteral("channel_labels"), wordRowsJson(o.channelLabels, vocabulary)},
            {QStringLiteral("unit_labels"), wordRowsJson(o.unitLabels, vocabulary)},
            {QStringLiteral("status_messages"), wordRowsJson(o.statusMessages, vocabulary)},
        });
    }

    return QJsonObject{
        {QStringLiteral("firmware"), config.firmware},
        {QStringLiteral("layout"), layoutName(config)},
        {QStringLiteral("site_label"), config.siteLabel},
        {QStringLiteral("limits_monitoring"), config.limitsMonitoring},
        {QStringLiteral("local_options"), options},
        {QStringLiteral("sites"), sites},
        {QStringLiteral("baud"), baud},
        {QStringLiteral("channels"), channels},
        {QStringLiteral("dial_out_on_alarm"), config.dialOut},
        {QStringLiteral("answer_incoming_calls"), config.answerCalls},
        {QStringLiteral("answer_after_rings"), config.answerRings},
        {QStringLiteral("phone_numbers"), phones},
        {QStringLiteral("sign_on_message"), wordsJson(config.signOnMessage, vocabulary)},
        {QStringLiteral("ovin"), ovin},
    };
}

QString siteConfigToText(const SiteConfig& config, std::uint8_t destSL,
                         const Vocabulary& vocabulary) {
    QString out;
    QTextStream s(&out);
    s << "Firmware: " << config.firmware / 10 << '.' << config.firmware % 10 << " (layout "
      << layoutName(config) << ")\n";
    s << "Site label: " << config.siteLabel << '\n';
    s << "Limits monitoring: " << onOff(config.limitsMonitoring) << '\n';
    s << "\nLocal options\n";
    for (std::size_t i = 0; i < kLocalOptionCount; ++i) {
        if (i == kTwoPortsOption && !config.usesLayout56()) {
            continue;
        }
        s << "  " << QString(kLocalOptionCaptions[i]).leftJustified(14) << onOff(config.localOptions[i])
          << '\n';
    }

    s << "\nRemote site communication\n";
    for (std::size_t k = 0; k < kSiteEntryCount; ++k) {
        const SiteEntry& e = config.siteEntries[k];
        s << "  " << siteName(destSL, k) << ": highest channel " << e.highestChannel
          << ", data received from " << choice(kReceivePortNames, e.dataReceivedFrom);
        if (!config.usesLayout56()) {
            s << ", data sent out " << choice(kSendPortNames, e.dataSentOut);
        }
        s << '\n';
    }
    s << "\nBaud rates\n";
    if (config.usesLayout56()) {
        s << "  Port 1: " << choice(kBaudNames56, config.portBaud56[0]) << '\n'
          << "  Port 2: " << choice(kBaudNames56, config.portBaud56[1]) << '\n';
    } else {
        s << "  Modified for 1200 baud: " << (config.modifiedFor1200Baud ? "yes" : "no") << '\n'
          << "  Port 1: " << choice(kBaudNames54, config.portBaud54[0]) << '\n'
          << "  Port 2: " << choice(kBaudNames54, config.portBaud54[1]) << '\n';
    }

    s << "\nChannel settings\n"
      << "  Ch Label   Alarm Invert Decimals Low       High      Raise  Lower  HL-dly St-dly Convert\n";
    for (std::size_t c = 0; c < kChannelCount; ++c) {
        const ChannelSettings& ch = config.channels[c];
        const int d = ch.decimals;
        s << "  " << QString::number(c + 1).rightJustified(2) << ' ' << ch.label.leftJustified(7)
          << ' ' << onOff(ch.statusAlarm).leftJustified(5) << ' '
          << onOff(ch.invertStatus).leftJustified(6) << ' '
          << choice(kDecimalPointNames, ch.decimals).leftJustified(8) << ' '
          << QString::number(ch.lowLimit, 'f', d).leftJustified(9) << ' '
          << QString::number(ch.highLimit, 'f', d).leftJustified(9) << ' '
          << QString::number(ch.raiseDuration, 'f', 1).leftJustified(6) << ' '
          << QString::number(ch.lowerDuration, 'f', 1).leftJustified(6) << ' '
          << QString::number(ch.highLowAlarmDelay).leftJustified(6) << ' '
          << QString::number(ch.statusAlarmDelay).leftJustified(6) << ' '
          << choice(kConvertTypeNames, ch.convertType) << '\n';
    }

    s << "\nOvin settings\n";
    s << "  Dial out on alarm: " << onOff(config.dialOut) << '\n';
    s << "  Answer incoming calls: " << onOff(config.answerCalls) << " after " << config.answerRings
      << " rings\n";
    for (std::size_t m = 0; m < kPhoneNumberCount; ++m) {
        s << "  Phone " << m + 1 << ": " << config.phoneNumbers[m] << '\n';
    }
    s << "  Sign-on message: " << wordsText(config.signOnMessage, vocabulary) << '\n';

    s << "\nOvin labels\n";
    for (std::size_t k = 0; k < kSiteEntryCount; ++k) {
        const OvinLabels& o = config.ovin[k];
        s << "  " << siteName(destSL, k) << " - Site Label: " << wordsText(o.siteLabel, vocabulary)
          << '\n';
        for (std::size_t r = 0; r < kOvinRowCount; ++r) {
            s << "    " << QString::number(r + 1).rightJustified(2)
              << "  chan: " << wordsText(o.channelLabels[r], vocabulary)
              << " | unit: " << wordsText(o.unitLabels[r], vocabulary)
              << " | status: " << wordsText(o.statusMessages[r], vocabulary) << '\n';
        }
    }
    s.flush();
    return out;
}

} // namespace tarnwick
