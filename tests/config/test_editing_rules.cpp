#include "config/editing_rules.h"
#include "config/main_window_text.h"

#include <gtest/gtest.h>

using namespace tarnwick;

namespace {

std::array<ChannelSettings, kChannelCount> plainChannels() {
    std::array<ChannelSettings, kChannelCount> channels{};
    for (std::size_t c = 0; c < kChannelCount; ++c)
        channels[c].label = QStringLiteral("CH %1").arg(c + 1);
    return channels;
}

PasswordEntry passwords(const char* master0, const char* master1, const char* user0,
                        const char* user1) {
    return {true,
            {QLatin1String(master0), QLatin1String(master1)},
            {QLatin1String(user0), QLatin1String(user1)}};
}

} // namespace

TEST(PasswordRules, AreCheckedOnlyWhenChangingAndInReadingOrder) {
    EXPECT_EQ(passwordProblem({false, {QString(), QStringLiteral("1")}, {QStringLiteral("123")}}),
              std::nullopt);
    EXPECT_EQ(passwordProblem(passwords("1234", "1234", "5678", "5678")), std::nullopt);
    EXPECT_EQ(passwordProblem(passwords("123", "999", "56", "0")),
              QStringLiteral("The new Master Password must be 4 digits long."));
    EXPECT_EQ(passwordProblem(passwords("1234", "999", "56", "0")),
              QStringLiteral("The new User Password must be 4 digits long."));
    // Two different 4-digit texts: the mismatch, not the length, is what is wrong.
    EXPECT_EQ(passwordProblem(passwords("1234", "4321", "5678", "5678")),
              QStringLiteral("The new Master Passwords you entered do not match."));
    EXPECT_EQ(passwordProblem(passwords("1234", "1234", "5678", "8765")),
              QStringLiteral("The new User Passwords you entered do not match."));
}

TEST(LabelRules, AllowOnlyTheUnitsCharactersSiteLabelFirst) {
    auto channels = plainChannels();
    EXPECT_EQ(labelProblem(QStringLiteral("AB #-9 "), channels), std::nullopt);
    EXPECT_EQ(labelProblem(QStringLiteral("LIFt 3"), channels),
              QStringLiteral("The Site Label contains an illegal character: \"t\""));
    EXPECT_EQ(labelProblem(QStringLiteral("A_B"), channels),
              QStringLiteral("The Site Label contains an illegal character: \"_\""));
    EXPECT_EQ(labelProblem(QStringLiteral("A~"), channels),
              QStringLiteral("The Site Label contains an illegal character: \"~\""));
    EXPECT_EQ(labelProblem(QStringLiteral("A\tB"), channels),
              QStringLiteral("The Site Label contains an illegal character: \"\t\""));

    channels[11].label = QStringLiteral("ABCDEFGH");
    channels[13].label = QStringLiteral("pump");
    EXPECT_EQ(labelProblem(QStringLiteral("x"), channels),
              QStringLiteral("The Site Label contains an illegal character: \"x\""));
    EXPECT_EQ(labelProblem(QStringLiteral("SITE"), channels),
              QStringLiteral("The label for Channel 12 is too long. Please limit the label to 7 "
                             "characters."));
    channels[11].label = QStringLiteral("ABCDEFG");
    EXPECT_EQ(labelProblem(QStringLiteral("SITE"), channels),
              QStringLiteral("The label for Channel 14 contains an illegal character: \"p\""));
}

// The range ends exactly at "Z"; a character with no single-byte form is refused as itself,
// never as the "?" it would be stored as.
TEST(LabelRules, RangeEndsAtZAndCharactersOutsideTheCodePageAreRefused) {
    auto channels = plainChannels();
    EXPECT_EQ(labelProblem(QStringLiteral("Z @"), channels), std::nullopt);
    EXPECT_EQ(labelProblem(QStringLiteral("A["), channels),
              QStringLiteral("The Site Label contains an illegal character: \"[\""));
    EXPECT_EQ(labelProblem(QStringLiteral("LIFT\u20AC"), channels),
              QStringLiteral("The Site Label contains an illegal character: \"\u20AC\""));
    channels[2].label = QStringLiteral("P\U0001F600");
    EXPECT_EQ(labelProblem(QStringLiteral("SITE"), channels),
              QStringLiteral("The label for Channel 3 contains an illegal character: "
                             "\"\U0001F600\""));
    channels[2].label = QStringLiteral("\u0152");
    EXPECT_EQ(labelProblem(QStringLiteral("SITE"), channels),
              QStringLiteral("The label for Channel 3 contains an illegal character: \"\u0152\""));
}

TEST(LimitWarnings, ComeOncePerKindDelaysFirst) {
    auto channels = plainChannels();
    EXPECT_TRUE(limitWarnings(channels).isEmpty());
    channels[0].statusAlarmDelay = 126;
    channels[0].raiseDuration = 28.0;
    EXPECT_TRUE(limitWarnings(channels).isEmpty());

    channels[2].raiseDuration = 30.0;
    channels[4].lowerDuration = -0.1;
    channels[6].statusAlarmDelay = 127;
    channels[9].highLowAlarmDelay = -5;
    EXPECT_EQ(limitWarnings(channels),
              QStringList({QStringLiteral("Alarm delays will be limited to 0-126 seconds."),
                           QStringLiteral("Command durations will be limited to 0-28 seconds.")}));
}

TEST(LimitFormat, RangeAndPatternFollowTheDecimals) {
    const std::array<double, 4> maxima{9999.0, 999.9, 99.99, 9.999};
    const std::array<const char*, 4> patterns{"###0", "##0.#", "#0.##", "0.###"};
    for (std::uint8_t d = 0; d < 4; ++d) {
        const LimitFormat format = limitFormat(d);
        EXPECT_EQ(format.range, (NumberRange{d, 0.0, maxima[d]}));
        EXPECT_EQ(format.pattern, QLatin1String(patterns[d]));
        EXPECT_EQ(format.editorPattern, QLatin1String(patterns[d]) + QStringLiteral(";;Null"));
        EXPECT_EQ(formatNumber(std::nullopt, format.editorPattern), QStringLiteral("Null"));
    }
    EXPECT_EQ(formatNumber(18.0, QStringLiteral("##0.#")), QStringLiteral("18"));
    EXPECT_EQ(formatNumber(2.5, QStringLiteral("##0.#")), QStringLiteral("2.5"));
    EXPECT_EQ(formatNumber(85.25, QStringLiteral("#0.##")), QStringLiteral("85.25"));
    EXPECT_EQ(formatNumber(0.2, QStringLiteral("0.###")), QStringLiteral("0.2"));
    EXPECT_EQ(formatNumber(0.0, QStringLiteral("###0")), QStringLiteral("0"));
    EXPECT_EQ(formatNumber(12.0, kDurationPattern), QStringLiteral("12.0"));
    EXPECT_EQ(formatNumber(-5.0, kDurationPattern), QStringLiteral("-5.0"));
}

TEST(NumberEntry, RefusesWhatCanNeverFitAndWaitsForTheRest) {
    const NumberRange twoDecimals = limitFormat(2).range;
    EXPECT_EQ(classifyNumberText(QStringLiteral("99.99"), twoDecimals), NumberInput::Acceptable);
    EXPECT_EQ(classifyNumberText(QStringLiteral("100.00"), twoDecimals), NumberInput::Invalid);
    EXPECT_EQ(classifyNumberText(QStringLiteral("100"), twoDecimals), NumberInput::Invalid);
    EXPECT_EQ(classifyNumberText(QStringLiteral("1.234"), twoDecimals), NumberInput::Invalid);
    EXPECT_EQ(classifyNumberText(QStringLiteral("-1"), twoDecimals), NumberInput::Invalid);
    EXPECT_EQ(classifyNumberText(QStringLiteral("1e2"), twoDecimals), NumberInput::Invalid);
    EXPECT_EQ(classifyNumberText(QStringLiteral("12."), twoDecimals), NumberInput::Acceptable);
    EXPECT_EQ(classifyNumberText(QString(), twoDecimals), NumberInput::Intermediate);
    EXPECT_EQ(classifyNumberText(QStringLiteral("."), twoDecimals), NumberInput::Intermediate);
    EXPECT_EQ(classifyNumberText(QStringLiteral("1.5"), limitFormat(0).range),
              NumberInput::Invalid);

    EXPECT_EQ(classifyNumberText(QStringLiteral("-"), alarmDelayRange()),
              NumberInput::Intermediate);
    EXPECT_EQ(numberFromText(QStringLiteral("-5"), alarmDelayRange()), -5.0);
    EXPECT_EQ(numberFromText(QStringLiteral("200"), alarmDelayRange()), 200.0);
    EXPECT_EQ(numberFromText(QStringLiteral("30.5"), durationRange()), 30.5);
    EXPECT_EQ(numberFromText(QStringLiteral("30.55"), durationRange()), std::nullopt);
    EXPECT_EQ(numberFromText(QString(), durationRange()), std::nullopt);
}

TEST(DecimalRescaling, MovesThePointAndKeepsTheRawValue) {
    EXPECT_DOUBLE_EQ(rescaleLimit(123.4, 1, 2), 12.34);
    EXPECT_DOUBLE_EQ(rescaleLimit(99.99, 2, 3), 9.999);
    EXPECT_DOUBLE_EQ(rescaleLimit(9.999, 3, 0), 9999.0);
    EXPECT_DOUBLE_EQ(rescaleLimit(32767.0, 0, 3), 32.767);
    // Back and forth keeps the raw value exactly, without drifting through binary fractions.
    double value = 0.3;
    for (int round = 0; round < 50; ++round)
        value = rescaleLimit(rescaleLimit(value, 1, 3), 3, 1);
    EXPECT_EQ(value, 0.3);

    EXPECT_EQ(decimalsFromText(QStringLiteral("00.00")), 2);
    EXPECT_EQ(decimalsFromText(QStringLiteral("None")), 0);
    EXPECT_EQ(decimalsFromText(QStringLiteral("0.0000")), std::nullopt);
}

TEST(DependentEnabling, ClearingLocalOvinOnAnOvinTabReturnsToTheFirstTab) {
    EXPECT_EQ(ovinTabsFor(true, kOvinSettingsTab).selectTab, std::nullopt);
    EXPECT_TRUE(ovinTabsFor(true, kOvinSettingsTab).enabled);
    EXPECT_FALSE(ovinTabsFor(false, 3).enabled);
    EXPECT_EQ(ovinTabsFor(false, 3).selectTab, std::nullopt);
    EXPECT_EQ(ovinTabsFor(false, kOvinSettingsTab).selectTab, kLocalOptionsTab);
    EXPECT_EQ(ovinTabsFor(false, kOvinLabelsTab).selectTab, kLocalOptionsTab);
}

TEST(SiteNames, CountFromTheDestinationSite) {
    EXPECT_EQ(siteEntryName(1, 0), QStringLiteral("Site B"));
    EXPECT_EQ(siteEntryName(1, 3), QStringLiteral("Site A"));
    EXPECT_EQ(siteEntryName(2, 2), QStringLiteral("Site A"));
    QStringList captions;
    for (std::size_t option = 0; option < kLocalOptionCount; ++option)
        captions << localOptionCaption(1, option);
    EXPECT_EQ(captions,
              QStringList({QStringLiteral("Channels 1-8"), QStringLiteral("Channels 9-16"),
                           QStringLiteral("Local Ovin"), QStringLiteral("Use DTMF"),
                           QStringLiteral("Site C Ovin"), QStringLiteral("Site D Ovin"),
                           QStringLiteral("Site A Ovin"), QStringLiteral("Site C Brae"),
                           QStringLiteral("Site D Brae"), QStringLiteral("Two Ports")}));
    EXPECT_EQ(ovinGridCaption(QStringLiteral("Site A"), OvinGrid::SiteLabel),
              QStringLiteral("Site A - Site Label"));
    EXPECT_EQ(ovinGridCaption(QStringLiteral("Site C"), OvinGrid::UnitsLabels),
              QStringLiteral("Site C - Units Labels"));
}

TEST(StatusTexts, NameSiteFirmwareAndFile) {
    EXPECT_EQ(siteLetterPaneText(3), QStringLiteral("Site D"));
    EXPECT_EQ(firmwarePaneText(55), QStringLiteral("Firmware Ver: 5.4 / 5.5"));
    EXPECT_EQ(firmwarePaneText(56), QStringLiteral("Firmware Ver: 5.6"));
    EXPECT_EQ(lastModifiedPaneText(QDateTime()), QStringLiteral("Last Modified: "));
    EXPECT_TRUE(lastSynchronizedPaneText(QDateTime(QDate(2026, 3, 2), QTime(9, 0)))
                    .startsWith(QStringLiteral("Last Synchronized: ")));
    EXPECT_EQ(mainWindowTitle(QString()), QStringLiteral("Tarnwick[*]"));
    EXPECT_EQ(mainWindowTitle(QStringLiteral("/data/LIFT 3.stv")),
              QStringLiteral("LIFT 3.stv[*] - Tarnwick"));
}
