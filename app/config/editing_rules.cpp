#include "editing_rules.h"

#include "config/channel_values.h"
#include "config/site_config_layout.h"
#include "config/site_config_lists.h"
#include "shell/latin1.h"

#include <cmath>

namespace tarnwick {

namespace {

constexpr std::size_t kPasswordLength = 4;
constexpr std::uint8_t kLowestLabelCode = 32;
constexpr std::uint8_t kHighestLabelCode = 90;
constexpr int kMaxAlarmDelay = 126;
constexpr double kMaxDuration = 28.0;
constexpr std::array<double, 4> kLimitMaximum{9999.0, 999.9, 99.99, 9.999};
constexpr std::array<const char*, 4> kLimitPattern{"###0", "##0.#", "#0.##", "0.###"};

// The first character the unit cannot show, whole (a surrogate pair stays together). A
// character without a single-byte form is refused itself, not judged by the '?' it would
// be stored as.
std::optional<QString> illegalCharacter(const QString& label) {
    for (qsizetype i = 0; i < label.size(); ++i) {
        const QChar c = label[i];
        if (c.unicode() > 0xFF) {
            const bool pair =
                c.isHighSurrogate() && i + 1 < label.size() && label[i + 1].isLowSurrogate();
            return label.mid(i, pair ? 2 : 1);
        }
        const std::uint8_t code = singleByteCode(c);
        if (code < kLowestLabelCode || code > kHighestLabelCode)
            return QString(c);
    }
    return std::nullopt;
}

QString quoted(const QString& character) {
    return QLatin1Char('"') + character + QLatin1Char('"');
}

double scale(std::uint8_t decimals) {
    return std::pow(10.0, decimals);
}

} // namespace

std::optional<QString> passwordProblem(const PasswordEntry& entry) {
    if (!entry.changePasswords)
        return std::nullopt;
    if (static_cast<std::size_t>(entry.newMaster[0].size()) != kPasswordLength)
        return QStringLiteral("The new Master Password must be 4 digits long.");
    if (static_cast<std::size_t>(entry.newUser[0].size()) != kPasswordLength)
        return QStringLiteral("The new User Password must be 4 digits long.");
    if (entry.newMaster[0] != entry.newMaster[1])
        return QStringLiteral("The new Master Passwords you entered do not match.");
    if (entry.newUser[0] != entry.newUser[1])
        return QStringLiteral("The new User Passwords you entered do not match.");
    return std::nullopt;
}

std::optional<QString> labelProblem(const QString& siteLabel,
                                    const std::array<ChannelSettings, kChannelCount>& channels) {
    if (const auto bad = illegalCharacter(siteLabel))
        return QStringLiteral("The Site Label contains an illegal character: ") + quoted(*bad);
    for (std::size_t c = 0; c < kChannelCount; ++c) {
        const QString& label = channels[c].label;
        const QString channel = QStringLiteral("The label for Channel ") + QString::number(c + 1);
        if (static_cast<std::size_t>(label.size()) > layout::kLabelLength)
            return channel +
                   QStringLiteral(" is too long. Please limit the label to 7 characters.");
        if (const auto bad = illegalCharacter(label))
            return channel + QStringLiteral(" contains an illegal character: ") + quoted(*bad);
    }
    return std::nullopt;
}

QStringList limitWarnings(const std::array<ChannelSettings, kChannelCount>& channels) {
    const auto delayOutside = [](int delay) { return delay < 0 || delay > kMaxAlarmDelay; };
    const auto durationOutside = [](double d) { return d < 0.0 || d > kMaxDuration; };
    QStringList warnings;
    for (const ChannelSettings& channel : channels) {
        if (delayOutside(channel.highLowAlarmDelay) || delayOutside(channel.statusAlarmDelay)) {
            warnings << QStringLiteral("Alarm delays will be limited to 0-126 seconds.");
            break;
        }
    }
    for (const ChannelSettings& channel : channels) {
        if (durationOutside(channel.raiseDuration) || durationOutside(channel.lowerDuration)) {
            warnings << QStringLiteral("Command durations will be limited to 0-28 seconds.");
            break;
        }
    }
    return warnings;
}

LimitFormat limitFormat(std::uint8_t decimals) {
    const std::size_t d = std::min<std::size_t>(decimals, kLimitMaximum.size() - 1);
    const QString pattern = QLatin1String(kLimitPattern[d]);
    return {
        {static_cast<int>(d), 0.0, kLimitMaximum[d]}, pattern, pattern + QStringLiteral(";;Null")};
}

NumberRange durationRange() {
    return {1, -999.9, 999.9};
}

NumberRange alarmDelayRange() {
    return {0, -9999.0, 9999.0};
}

double rescaleLimit(double shown, std::uint8_t oldDecimals, std::uint8_t newDecimals) {
    return roundHalfEven(shown * scale(oldDecimals)) / scale(newDecimals);
}

std::optional<std::uint8_t> decimalsFromText(const QString& decimalPoint) {
    for (std::size_t d = 0; d < kDecimalPointNames.size(); ++d) {
        if (decimalPoint == kDecimalPointNames[d])
            return static_cast<std::uint8_t>(d);
    }
    return std::nullopt;
}

OvinTabsState ovinTabsFor(bool localOvin, int currentTab) {
    OvinTabsState state;
    state.enabled = localOvin;
    if (!localOvin && (currentTab == kOvinSettingsTab || currentTab == kOvinLabelsTab))
        state.selectTab = kLocalOptionsTab;
    return state;
}

} // namespace tarnwick
