#include "config/config_changes.h"
#include "config/config_diff.h"
#include "config/site_config_codec.h"
#include "config/site_config_report.h"

#include "support/qt_printers.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <gtest/gtest.h>

#include <random>

using namespace tarnwick;

namespace {

Vocabulary words() {
    VocabularyFileEntries entries{};
    entries[0] = {QStringLiteral("ALPHA"), 100};
    entries[1] = {QStringLiteral("BRAVO"), 101};
    entries[2] = {QStringLiteral("CHARLIE"), 300};
    return Vocabulary(entries);
}

// A unit image with a value in every kind of field; `firmware` picks the layout.
ConfigImage sampleImage(std::uint8_t firmware) {
    ConfigImage image{};
    image[31] = firmware;
    SiteConfig config = decodeSiteConfig(image, 1);
    config.siteLabel = QStringLiteral("NORTH 1");
    config.localOptions[3] = true;
    config.siteEntries[2].dataReceivedFrom = 1;
    config.channels[3].decimals = 2;
    config.channels[3].highLimit = 12.34;
    config.channels[0].raiseDuration = 2.2;
    config.phoneNumbers[0] = QStringLiteral("5551234");
    config.ovin[1].channelLabels[5][2] = 100;
    config.signOnMessage.fill(kEmptyWordCode);
    encodeSiteConfig(config, 1, image);
    return image;
}

QStringList paths(const ConfigDifferences& d) {
    QStringList out;
    for (const FieldDifference& f : d.fields) {
        out << f.path;
    }
    for (const ByteDifference& b : d.bytes) {
        out << b.path();
    }
    return out;
}

ConfigDifferences diff(const ConfigImage& a, const ConfigImage& b) {
    return diffImages({a, 1}, {b, 1}, words());
}

ConfigImage randomImage(std::uint32_t seed) {
    std::mt19937 rng(seed);
    std::uniform_int_distribution<int> byte(0, 255);
    ConfigImage image{};
    for (auto& b : image) {
        b = static_cast<std::uint8_t>(byte(rng));
    }
    for (std::size_t n = 0; n < kChannelCount; ++n) { // limits must be readable
        image[54 + 9 * n] &= 0x7F;
        image[56 + 9 * n] &= 0x7F;
    }
    return image;
}

QJsonObject json(const char* text) {
    return QJsonDocument::fromJson(text).object();
}

} // namespace

TEST(ConfigDiff, AnImageAgainstItselfHasNoDifference) {
    for (const std::uint32_t seed : {1U, 2U, 3U, 4U}) {
        const ConfigImage image = randomImage(seed);
        EXPECT_TRUE(diff(image, image).empty()) << seed;
    }
}

// One byte changed in one field of each kind names that field and nothing else.
TEST(ConfigDiff, OneChangedValueShowsExactlyItsPath) {
    struct Case {
        std::uint8_t firmware;
        std::size_t offset;
        std::uint8_t value;
        const char* path;
        const char* line;
    };
    const Case cases[] = {
        {54, 23, 0, "local_options.use_dtmf", "local_options.use_dtmf: on -> off"},
        {54, 82, 1234 % 256 + 1, "channels[3].high_limit", "channels[3].high_limit: 12.34 -> 12.35"},
        {54, 208, 14, "channels[0].raise_duration_s", "channels[0].raise_duration_s: 2.2 -> 3.1"},
        {54, 340, 'E', "site_label", "site_label: \"NORTH 1\" -> \"NERTH 1\""},
        {54, 990, 9, "phone_numbers[0]", "phone_numbers[0]: \"5551234\" -> \"9551234\""},
        {54, 1562, 101, "ovin[1].channel_labels[5][2]",
         "ovin[1].channel_labels[5][2]: \"ALPHA\" -> \"BRAVO\""},
        {54, 11, 2, "sites[2].data_received_from",
         "sites[2].data_received_from: Port 1 -> Port 2"},
        {56, 11, 2, "sites[2].data_received_from",
         "sites[2].data_received_from: Port 1 -> Port 2"},
        {56, 205, 4, "baud.port_2", "baud.port_2: 300 baud -> 9600 baud"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.path);
        const ConfigImage a = sampleImage(c.firmware);
        ConfigImage b = a;
        b[c.offset] = c.value;
        const ConfigDifferences d = diff(a, b);
        EXPECT_EQ(paths(d), QStringList{QLatin1String(c.path)});
        ASSERT_EQ(d.fields.size(), 1U);
        EXPECT_EQ(d.fields[0].line(), QLatin1String(c.line));
    }
}

TEST(ConfigDiff, BytesNoFieldDecodesAreNamedByBlockAndByte) {
    const ConfigImage a = sampleImage(54);
    ConfigImage b = a;
    b[5] = 0x7E;        // not interpreted
    b[54 + 9 * 2 + 6] ^= 1; // a channel record's preserved tail
    b[204] = 3;         // the other layout's baud
    b[960] = '9';       // the master password
    const ConfigDifferences d = diff(a, b);
    EXPECT_TRUE(d.fields.empty());
    EXPECT_EQ(paths(d), (QStringList{QStringLiteral("block[0][5]"), QStringLiteral("block[9][6]"),
                                     QStringLiteral("block[25][4]"), QStringLiteral("block[120][0]")}));
    EXPECT_EQ(d.bytes[0].line(), QStringLiteral("block[0][5]: 0x00 -> 0x7e"));
    EXPECT_EQ(d.bytes[3].line(), QStringLiteral("block[120][0]: **** -> **** (password)"));
}

TEST(ConfigDiff, AFieldAndTheBitsItDoesNotShowAreBothListed) {
    const ConfigImage a = sampleImage(54);
    ConfigImage b = a;
    b[54 + 4] = 0x0D; // channel 1: decimals 1 and bits 2-3 the window never writes
    const ConfigDifferences d = diff(a, b);
    // The limits keep their stored values but show with the new point.
    EXPECT_EQ(paths(d), (QStringList{QStringLiteral("channels[0].decimal_point"),
                                     QStringLiteral("channels[0].low_limit"),
                                     QStringLiteral("channels[0].high_limit"),
                                     QStringLiteral("block[7][2]")}));
}

TEST(ConfigDiff, LayoutsDifferInTheirOwnFields) {
    const ConfigImage a = sampleImage(54);
    ConfigImage b = a;
    b[31] = 56;
    const QStringList found = paths(diff(a, b));
    EXPECT_EQ(found.first(), QStringLiteral("firmware"));
    EXPECT_TRUE(found.contains(QStringLiteral("sites[0].data_sent_out")));
    EXPECT_TRUE(found.contains(QStringLiteral("local_options.two_ports")));
    EXPECT_FALSE(found.contains(QStringLiteral("block[3][7]")));
}

TEST(ConfigApply, AnImagesOwnReportGivesTheSameImageBack) {
    for (const std::uint32_t seed : {11U, 12U, 13U, 14U, 15U, 16U}) {
        const ConfigImage image = randomImage(seed);
        const std::uint8_t dest = seed % 4;
        const QJsonObject report{
            {QStringLiteral("file"), QStringLiteral("x.stv")},
            {QStringLiteral("connection"), QJsonObject{{QStringLiteral("sn"), QStringLiteral("1")}}},
            {QStringLiteral("configuration"),
             siteConfigToJson(decodeSiteConfig(image, dest), dest, words())}};
        const AppliedChanges applied = applyChanges(image, dest, report, words());
        ASSERT_TRUE(applied.problems.empty()) << seed << ' ' << applied.problems[0].line().toStdString();
        EXPECT_TRUE(applied.changed.empty()) << seed;
        EXPECT_EQ(applied.image, image) << seed;
    }
}

TEST(ConfigApply, SetsFieldsByPathAndNestedAndKeepsOtherBytes) {
    ConfigImage image = sampleImage(54);
    image[54 + 9 + 5] = 0xAB; // channel 2's preserved tail
    const AppliedChanges applied = applyChanges(
        image, 1,
        json(R"({"channels": [null, {"decimal_point": "00.00", "high_limit": 99.5}],
                 "phone_numbers[1]": "012345",
                 "ovin": [{"site_label": [null, "CHARLIE"]}],
                 "sign_on_message[3]": {"code": 101, "word": "BRAVO"},
                 "local_options": {"use_dtmf": "off"}})"),
        words());
    ASSERT_TRUE(applied.problems.empty()) << applied.problems[0].line().toStdString();
    QStringList changed;
    for (const FieldDifference& d : applied.changed) {
        changed << d.line();
    }
    EXPECT_EQ(changed.join(QLatin1Char('\n')),
              QStringList({
                              QStringLiteral("local_options.use_dtmf: on -> off"),
                              QStringLiteral("channels[1].decimal_point: None -> 00.00"),
                              QStringLiteral("channels[1].low_limit: 0 -> 0.00"),
                              QStringLiteral("channels[1].high_limit: 0 -> 99.50"),
                              QStringLiteral("phone_numbers[1]: \"000000000000000\" -> \"012345\""),
                              QStringLiteral("sign_on_message[3]: \"\" -> \"BRAVO\""),
                              QStringLiteral("ovin[0].site_label[1]: \"(code 0)\" -> \"CHARLIE\""),
                          })
                  .join(QLatin1Char('\n')));
    const ConfigImage& out = applied.image;
    EXPECT_EQ(out[63] * 256 + out[64], 9950);
    EXPECT_EQ(out[63 + 4], 2);
    EXPECT_EQ(out[54 + 9 + 5], 0xAB);
    EXPECT_EQ(out[1966] & 0x04, 0x04); // CHARLIE's ninth bit
    EXPECT_EQ(paths(diff(image, out)).size(), changed.size()); // nothing else moved
}

TEST(ConfigApply, AnyBadValueChangesNothingAndNamesEveryBadField) {
    const ConfigImage image = sampleImage(54);
    const AppliedChanges applied = applyChanges(
        image, 1,
        json(R"({"site_label": "North", "limits_monitoring": true,
                 "channels[3].high_limit": 12.345, "channels[4].label": "TOOLONG1",
                 "channels[5].low_limit": 10000, "channels[0].raise_duration_s": 30,
                 "channels[1].status_alarm_delay_s": 2.5, "channels[2].convert_type": "Log",
                 "phone_numbers[1]": "555-1234", "sign_on_message[0]": "DELTA",
                 "sites[0].data_received_from": "Port 9", "firmware": 60,
                 "ovin[2].unit_labels[0][0]": {"code": 101, "word": "ALPHA"}})"),
        words());
    EXPECT_EQ(applied.image, image);
    QStringList bad;
    for (const FieldProblem& p : applied.problems) {
        bad << p.path;
    }
    EXPECT_EQ(bad, (QStringList{QStringLiteral("firmware"), QStringLiteral("site_label"),
                                QStringLiteral("sites[0].data_received_from"),
                                QStringLiteral("channels[0].raise_duration_s"),
                                QStringLiteral("channels[1].status_alarm_delay_s"),
                                QStringLiteral("channels[2].convert_type"),
                                QStringLiteral("channels[3].high_limit"),
                                QStringLiteral("channels[4].label"),
                                QStringLiteral("channels[5].low_limit"),
                                QStringLiteral("phone_numbers[1]"),
                                QStringLiteral("sign_on_message[0]"),
                                QStringLiteral("ovin[2].unit_labels[0][0]")}));
    EXPECT_EQ(applied.problems[1].line(),
              QStringLiteral("site_label: \"North\" contains an illegal character: \"o\""));
    EXPECT_EQ(applied.problems[6].line(),
              QStringLiteral("channels[3].high_limit: 12.345 has more than 2 decimals (Decimal Point 00.00)"));
}

TEST(ConfigApply, UnknownPathsAreRefusedByName) {
    const ConfigImage image = sampleImage(56);
    const AppliedChanges applied = applyChanges(
        image, 1,
        json(R"({"site_lable": "X", "channels": [{"colour": 1}], "channels[16].label": "X",
                 "sites[1].data_sent_out": "Port 1", "ovin[0].site_label[8]": "ALPHA",
                 "phone_numbers": "5551234", "passwords": {"master": "1234"}})"),
        words());
    EXPECT_EQ(applied.image, image);
    QStringList lines;
    for (const FieldProblem& p : applied.problems) {
        lines << p.line();
    }
    lines.sort();
    EXPECT_EQ(lines, (QStringList{
                         QStringLiteral("channels[0].colour: unknown field"),
                         QStringLiteral("channels[16].label: unknown field"),
                         QStringLiteral("ovin[0].site_label[8]: unknown field"),
                         QStringLiteral("passwords: passwords are no settings-file fields; upload "
                                        "--change-passwords changes them after checking the old one"),
                         QStringLiteral("phone_numbers: needs an object or a list of fields here"),
                         QStringLiteral("site_lable: unknown field"),
                         QStringLiteral("sites[1].data_sent_out: not a field of this file's firmware layout"),
                     }));
}
