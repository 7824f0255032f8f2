#pragma once

#include "config/number_format.h"
#include "config/site_config.h"

#include <QString>
#include <QStringList>
#include <array>
#include <cstdint>
#include <optional>

namespace tarnwick {

// The password boxes of the Local Options tab: each new password with its confirmation.
struct PasswordEntry {
    bool changePasswords = false;
    std::array<QString, 2> newMaster;
    std::array<QString, 2> newUser;
};

// What stops an upload because of the new passwords, checked in the order the user reads
// the boxes; nothing when the upload may go on.
std::optional<QString> passwordProblem(const PasswordEntry& entry);

// What stops an upload because of a label: the site label first, then channels 1 to 16.
// Labels must be at most 7 characters of codes 32 to 90 (space, digits, upper case and the
// signs between them), since the unit can show nothing else.
std::optional<QString> labelProblem(const QString& siteLabel,
                                    const std::array<ChannelSettings, kChannelCount>& channels);

// The warnings about values an upload will clamp, alarm delays first; at most one of each.
QStringList limitWarnings(const std::array<ChannelSettings, kChannelCount>& channels);

// The editor range and display patterns of a channel limit with `decimals` (0-3) digits
// after the point: 0-9999, 0-999.9, 0-99.99 or 0-9.999, so that the stored raw value fits.
struct LimitFormat {
    NumberRange range;
    QString pattern;       // "###0", "##0.#", "#0.##", "0.###"
    QString editorPattern; // the same followed by ";;Null"
};
LimitFormat limitFormat(std::uint8_t decimals);

// Command durations and alarm delays may be typed outside what the unit takes: the upload
// warns and the stored value is clamped.
NumberRange durationRange();
NumberRange alarmDelayRange();
inline const QString kDurationPattern = QStringLiteral("0.0");
inline const QString kAlarmDelayPattern = QStringLiteral("0");

// A limit after its channel's decimals changed: the stored raw value stays and only the
// point moves (123.4 with one decimal becomes 12.34 with two).
double rescaleLimit(double shown, std::uint8_t oldDecimals, std::uint8_t newDecimals);

// Decimals 0-3 of a "Decimal Point" choice; nothing for a text that is none of them.
std::optional<std::uint8_t> decimalsFromText(const QString& decimalPoint);

// The Ovin tabs follow the "Local Ovin" option. Clearing it while an Ovin tab is selected
// sends the user back to the first tab, since a disabled tab cannot stay selected.
struct OvinTabsState {
    bool enabled = false;
    std::optional<int> selectTab;
};
inline constexpr int kLocalOptionsTab = 0;
inline constexpr int kOvinSettingsTab = 4;
inline constexpr int kOvinLabelsTab = 5;
inline constexpr std::size_t kLocalOvinOption = 2;
OvinTabsState ovinTabsFor(bool localOvin, int currentTab);

} // namespace tarnwick
