#include "config_fields.h"

#include "config/config_field_kinds.h"
#include "config/main_window_text.h"
#include "config/site_config_lists.h"

namespace tarnwick {
namespace {

using fields::Place;

const QString kLocalTab = QStringLiteral("Local Options");
const QString kCommunicationTab = QStringLiteral("Communication");
const QString kChannelTab = QStringLiteral("Channel Settings");
const QString kOvinSettingsTab = QStringLiteral("Ovin Settings");
const QString kOvinLabelsTab = QStringLiteral("Ovin Labels");

// The JSON key of a local option: its fixed caption in lower case with '_' for ' ' and '-'.
QString optionKey(std::size_t option) {
    return QString(kLocalOptionCaptions[option])
        .toLower()
        .replace(QLatin1Char(' '), QLatin1Char('_'))
        .replace(QLatin1Char('-'), QLatin1Char('_'));
}

QString indexed(const QString& name, std::size_t index) {
    return QStringLiteral("%1[%2]").arg(name).arg(index);
}

void addChannel(std::vector<ConfigField>& out, std::size_t c) {
    const QString at = indexed(QStringLiteral("channels"), c) + QLatin1Char('.');
    const QString ch = QStringLiteral("Channel %1 - ").arg(c + 1);
    const auto place = [&](const char* key, const char* column) {
        return Place{at + QLatin1String(key), kChannelTab, ch + QLatin1String(column)};
    };
    out.push_back(fields::echo(place("channel", "Channel"), [c](const SiteConfig&) {
        return QJsonValue(static_cast<int>(c + 1));
    }));
    out.push_back(fields::label(place("label", "Label"), [c](SiteConfig& s) -> QString& {
        return s.channels[c].label;
    }));
    out.push_back(fields::flag(place("status_alarm", "Status Alarm"), [c](SiteConfig& s) -> bool& {
        return s.channels[c].statusAlarm;
    }));
    out.push_back(fields::flag(place("invert_status", "Invert Status"),
                               [c](SiteConfig& s) -> bool& { return s.channels[c].invertStatus; }));
    out.push_back(fields::decimals(place("decimals", "Decimal Point"), c));
    out.push_back(fields::decimalPoint(place("decimal_point", "Decimal Point"), c));
    out.push_back(fields::limit(place("low_limit", "Low Limit"), c, false));
    out.push_back(fields::limit(place("high_limit", "High Limit"), c, true));
    out.push_back(fields::duration(place("raise_duration_s", "Raise Duration"),
                                   [c](SiteConfig& s) -> double& { return s.channels[c].raiseDuration; }));
    out.push_back(fields::duration(place("lower_duration_s", "Lower Duration"),
                                   [c](SiteConfig& s) -> double& { return s.channels[c].lowerDuration; }));
    out.push_back(fields::alarmDelay(place("high_low_alarm_delay_s", "High/Low Alarm Delay"),
                                     [c](SiteConfig& s) -> int& { return s.channels[c].highLowAlarmDelay; }));
    out.push_back(fields::alarmDelay(place("status_alarm_delay_s", "Status Alarm Delay"),
                                     [c](SiteConfig& s) -> int& { return s.channels[c].statusAlarmDelay; }));
    out.push_back(fields::choice(place("convert_type", "Convert Type"),
                                 [c](SiteConfig& s) -> std::uint8_t& { return s.channels[c].convertType; },
                                 kConvertTypeNames));
}

// The word cells of one grid row: `path`[j], captioned `caption` - Word j+1.
template <std::size_t N>
void addWords(std::vector<ConfigField>& out, const QString& path, const QString& tab,
              const QString& caption, const std::shared_ptr<const Vocabulary>& vocabulary,
              std::function<std::array<WordCode, N>&(SiteConfig&)> row) {
    for (std::size_t j = 0; j < N; ++j) {
        out.push_back(fields::word({indexed(path, j), tab, caption + QStringLiteral(" - Word %1").arg(j + 1)},
                                   [row, j](SiteConfig& s) -> WordCode& { return row(s)[j]; },
                                   vocabulary));
    }
}

void addOvin(std::vector<ConfigField>& out, std::size_t k, const QString& site,
             const std::shared_ptr<const Vocabulary>& vocabulary) {
    const QString at = indexed(QStringLiteral("ovin"), k) + QLatin1Char('.');
    out.push_back(fields::echo({at + QStringLiteral("site"), kOvinLabelsTab, site},
                               [site](const SiteConfig&) { return QJsonValue(site); }));
    addWords<kOvinSiteWordCount>(
        out, at + QStringLiteral("site_label"), kOvinLabelsTab,
        ovinGridCaption(site, OvinGrid::SiteLabel), vocabulary,
        [k](SiteConfig& s) -> std::array<WordCode, kOvinSiteWordCount>& { return s.ovin[k].siteLabel; });
    const auto rows = [&](const char* key, OvinGrid grid, auto member) {
        for (std::size_t r = 0; r < kOvinRowCount; ++r) {
            using Row = std::remove_reference_t<decltype((std::declval<OvinLabels&>().*member)[r])>;
            addWords<std::tuple_size_v<Row>>(
                out, indexed(at + QLatin1String(key), r), kOvinLabelsTab,
                ovinGridCaption(site, grid) + QStringLiteral(" - Row %1").arg(r + 1), vocabulary,
                [k, r, member](SiteConfig& s) -> Row& { return (s.ovin[k].*member)[r]; });
        }
    };
    rows("channel_labels", OvinGrid::ChannelLabels, &OvinLabels::channelLabels);
    rows("unit_labels", OvinGrid::UnitsLabels, &OvinLabels::unitLabels);
    rows("status_messages", OvinGrid::StatusMessages, &OvinLabels::statusMessages);
}

} // namespace

ConfigFields::ConfigFields(bool layout56, std::uint8_t destSL, const Vocabulary& vocabulary)
    : m_vocabulary(std::make_shared<const Vocabulary>(vocabulary)) {
    std::vector<ConfigField>& out = m_fields;
    ConfigField firmware = fields::echo({QStringLiteral("firmware"), QStringLiteral("Status Bar"),
                                         QStringLiteral("Firmware Ver")},
                                        [](const SiteConfig& s) { return QJsonValue(s.firmware); });
    firmware.listed = true;
    out.push_back(firmware);
    out.push_back(fields::echo({QStringLiteral("layout"), QStringLiteral("Status Bar"),
                                QStringLiteral("Firmware Ver")},
                               [](const SiteConfig& s) {
                                   return QJsonValue(s.usesLayout56() ? QStringLiteral("5.6")
                                                                      : QStringLiteral("5.4 / 5.5"));
                               }));
    out.push_back(fields::label({QStringLiteral("site_label"), kLocalTab, QStringLiteral("Site Label")},
                                [](SiteConfig& s) -> QString& { return s.siteLabel; }));
    out.push_back(fields::flag({QStringLiteral("limits_monitoring"), kLocalTab,
                                QStringLiteral("Enable Limits Monitoring")},
                               [](SiteConfig& s) -> bool& { return s.limitsMonitoring; }));
    for (std::size_t i = 0; i < kLocalOptionCount; ++i) {
        if (i == kTwoPortsOption && !layout56) {
            continue;
        }
        out.push_back(fields::flag({QStringLiteral("local_options.") + optionKey(i), kLocalTab,
                                    localOptionCaption(destSL, i)},
                                   [i](SiteConfig& s) -> bool& { return s.localOptions[i]; }));
    }

    for (std::size_t k = 0; k < kSiteEntryCount; ++k) {
        const QString at = indexed(QStringLiteral("sites"), k) + QLatin1Char('.');
        const QString site = siteEntryName(destSL, k);
        out.push_back(fields::echo({at + QStringLiteral("site"), kCommunicationTab, site},
                                   [site](const SiteConfig&) { return QJsonValue(site); }));
        out.push_back(fields::byteValue({at + QStringLiteral("highest_channel"), kCommunicationTab,
                                         site + QStringLiteral(" - Highest Channel")},
                                        [k](SiteConfig& s) -> std::uint8_t& {
                                            return s.siteEntries[k].highestChannel;
                                        }));
        out.push_back(fields::choice({at + QStringLiteral("data_received_from"), kCommunicationTab,
                                      site + QStringLiteral(" - Data Received From")},
                                     [k](SiteConfig& s) -> std::uint8_t& {
                                         return s.siteEntries[k].dataReceivedFrom;
                                     },
                                     kReceivePortNames));
        if (!layout56) {
            out.push_back(fields::choice({at + QStringLiteral("data_sent_out"), kCommunicationTab,
                                          site + QStringLiteral(" - Data Sent Out")},
                                         [k](SiteConfig& s) -> std::uint8_t& {
                                             return s.siteEntries[k].dataSentOut;
                                         },
                                         kSendPortNames));
        }
    }
    if (!layout56) {
        out.push_back(fields::flag(
            {QStringLiteral("baud.modified_for_1200_baud"), kCommunicationTab,
             QStringLiteral("This Stavik has been modified to operate at 1200 baud")},
            [](SiteConfig& s) -> bool& { return s.modifiedFor1200Baud; }));
    }
    for (std::size_t p = 0; p < kPortCount; ++p) {
        const Place place{QStringLiteral("baud.port_%1").arg(p + 1), kCommunicationTab,
                          QStringLiteral("Baud Rates - Port %1").arg(p + 1)};
        if (layout56) {
            out.push_back(fields::choice(place, [p](SiteConfig& s) -> std::uint8_t& {
                return s.portBaud56[p];
            }, kBaudNames56));
        } else {
            out.push_back(fields::choice(place, [p](SiteConfig& s) -> std::uint8_t& {
                return s.portBaud54[p];
            }, kBaudNames54));
        }
    }

    for (std::size_t c = 0; c < kChannelCount; ++c) {
        addChannel(out, c);
    }

    out.push_back(fields::flag({QStringLiteral("dial_out_on_alarm"), kOvinSettingsTab,
                                QStringLiteral("Dial out on alarm")},
                               [](SiteConfig& s) -> bool& { return s.dialOut; }));
    out.push_back(fields::flag({QStringLiteral("answer_incoming_calls"), kOvinSettingsTab,
                                QStringLiteral("Answer incoming calls")},
                               [](SiteConfig& s) -> bool& { return s.answerCalls; }));
    out.push_back(fields::byteValue({QStringLiteral("answer_after_rings"), kOvinSettingsTab,
                                     QStringLiteral("Answer after ... rings")},
                                    [](SiteConfig& s) -> std::uint8_t& { return s.answerRings; }));
    for (std::size_t m = 0; m < kPhoneNumberCount; ++m) {
        out.push_back(fields::phoneNumber({indexed(QStringLiteral("phone_numbers"), m), kOvinSettingsTab,
                                           QStringLiteral("Phone Numbers - %1").arg(m + 1)},
                                          [m](SiteConfig& s) -> QString& { return s.phoneNumbers[m]; }));
    }
    addWords<kSignOnWordCount>(
        out, QStringLiteral("sign_on_message"), kOvinSettingsTab, QStringLiteral("Sign-On Message"),
        m_vocabulary,
        [](SiteConfig& s) -> std::array<WordCode, kSignOnWordCount>& { return s.signOnMessage; });

    for (std::size_t k = 0; k < kSiteEntryCount; ++k) {
        addOvin(out, k, siteEntryName(destSL, k), m_vocabulary);
    }
    for (std::size_t i = 0; i < out.size(); ++i) {
        const QString& path = out[i].path;
        m_index.insert(path, i);
        for (qsizetype at = 0; at < path.size(); ++at) {
            if (path[at] == QLatin1Char('.') || path[at] == QLatin1Char('[')) {
                m_branches.insert(path.left(at));
            }
        }
    }
}

const ConfigField* ConfigFields::find(const QString& path) const {
    const auto at = m_index.constFind(path);
    return at == m_index.constEnd() ? nullptr : &m_fields[*at];
}

} // namespace tarnwick
