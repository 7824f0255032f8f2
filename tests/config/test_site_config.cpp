#include "config/site_config_codec.h"
#include "support/error_number.h"
#include "shell/app_error.h"

#include <algorithm>
#include <gtest/gtest.h>

using namespace tarnwick;
using tarnwick::testing::errorNumberOf;

namespace {

ConfigImage imageWithFirmware(std::uint8_t firmware, std::uint8_t fill = 0) {
    ConfigImage image{};
    image.fill(fill);
    image[31] = firmware;
    for (std::size_t c = 0; c < kChannelCount; ++c) { // keep every limit readable
        image[54 + 9 * c] = 0;
        image[56 + 9 * c] = 0;
    }
    return image;
}

ConfigImage reencoded(const ConfigImage& image, std::uint8_t destSL = 0) {
    ConfigImage out = image;
    encodeSiteConfig(decodeSiteConfig(image, destSL), destSL, out);
    return out;
}

} // namespace

TEST(SiteConfigText, LabelsAreCutPaddedAndTrimmed) {
    ConfigImage image = imageWithFirmware(55, 0xEE);
    SiteConfig config = decodeSiteConfig(image, 0);
    config.siteLabel = QStringLiteral("PUMPHOUSE");
    config.channels[2].label = QStringLiteral("ABC");
    config.channels[3].label = QStringLiteral("T\u20ac1"); // outside ISO-8859-1
    encodeSiteConfig(config, 0, image);

    EXPECT_EQ(QByteArray(reinterpret_cast<const char*>(&image[339]), 7), "PUMPHOU");
    const std::size_t slot3 = 375 + 9 * 2;
    EXPECT_EQ(QByteArray(reinterpret_cast<const char*>(&image[slot3]), 7), "ABC    ");
    EXPECT_EQ(image[slot3 + 7], 0xEE); // last two bytes of a slot are kept
    EXPECT_EQ(image[slot3 + 8], 0xEE);
    EXPECT_EQ(QByteArray(reinterpret_cast<const char*>(&image[375 + 27]), 7), "T?1    ");

    const SiteConfig back = decodeSiteConfig(image, 0);
    EXPECT_EQ(back.siteLabel, QStringLiteral("PUMPHOU"));
    EXPECT_EQ(back.channels[2].label, QStringLiteral("ABC"));
}

TEST(SiteConfigSwitches, OnlyOneMeansOnAndIsStoredBack) {
    ConfigImage image = imageWithFirmware(55);
    for (const std::size_t at : {20u, 22u, 30u, 50u, 951u}) {
        image[at] = 1;
    }
    image[21] = 2; // greyed
    image[952] = 2;
    const SiteConfig config = decodeSiteConfig(image, 0);
    EXPECT_TRUE(config.localOptions[0]);
    EXPECT_FALSE(config.localOptions[1]);
    EXPECT_TRUE(config.localOptions[2]);
    EXPECT_TRUE(config.localOptions[9]); // "Two Ports" is read in the older layout too
    EXPECT_TRUE(config.limitsMonitoring);
    EXPECT_TRUE(config.dialOut);
    EXPECT_FALSE(config.answerCalls);

    const ConfigImage out = reencoded(image);
    EXPECT_EQ(out[21], 0); // a 2 is stored back as 0, so the image counts as changed
    EXPECT_EQ(out[952], 0);
    EXPECT_EQ(out[30], 1);
    EXPECT_NE(out, image);
}

TEST(SiteConfigSites, EntriesCountFromTheDestinationSite) {
    EXPECT_EQ(SiteSlot(2, 0), 2);
    EXPECT_EQ(SiteSlot(2, 3), 1);

    ConfigImage image = imageWithFirmware(55);
    for (std::uint8_t i = 0; i < 4; ++i) {
        image[0 + i] = static_cast<std::uint8_t>(10 + i); // highest channel, by entry
        image[8 + i] = i == 0 ? 2 : 1;                    // data received from, by site
        image[12 + i] = static_cast<std::uint8_t>(i);     // data sent out, by entry
    }
    const SiteConfig config = decodeSiteConfig(image, 2); // site C
    EXPECT_EQ(config.siteEntries[0].highestChannel, 10);
    EXPECT_EQ(config.siteEntries[3].dataSentOut, 3);
    EXPECT_EQ(config.siteEntries[2].dataReceivedFrom, 2); // site A is the third entry
    EXPECT_EQ(config.siteEntries[0].dataReceivedFrom, 1);

    SiteConfig edited = config;
    edited.siteEntries[2].dataReceivedFrom = 0;
    edited.siteEntries[1].dataReceivedFrom = 2; // site D
    encodeSiteConfig(edited, 2, image);
    EXPECT_EQ(image[8], 0);
    EXPECT_EQ(image[11], 2);
}

TEST(SiteConfigLayout, FirmwareDecidesWhichCommunicationBytesAreTouched) {
    const ConfigImage older = imageWithFirmware(55, 0xEE);
    ConfigImage out = reencoded(older);
    for (const std::size_t at : {204u, 205u, 206u}) {
        EXPECT_EQ(out[at], 0xEE) << at;
    }
    EXPECT_EQ(out[36], 0);
    EXPECT_EQ(out[12], 0xEE); // written, with its own value
    EXPECT_EQ(out[31], 55);

    const ConfigImage newer = imageWithFirmware(56, 0xEE);
    out = reencoded(newer);
    for (const std::size_t at : {12u, 13u, 14u, 15u, 34u, 35u, 36u}) {
        EXPECT_EQ(out[at], 0xEE) << at;
    }
    EXPECT_EQ(out[206], 1);
    EXPECT_EQ(decodeSiteConfig(newer, 0).portBaud56[1], 0xEE); // kept, not judged
}

TEST(SiteConfigBaud, OlderLayoutModifiedMarkAndPorts) {
    struct Case {
        std::uint8_t port1, port2;
        bool modified;
        std::uint8_t baud1, baud2;
    };
    for (const Case& c :
         {Case{0, 0, false, 0, 0}, Case{1, 0, false, 0, 0}, Case{0x10, 0, true, 1, 0},
          Case{1, 0x10, true, 0, 1}, Case{0x77, 1, true, 0, 0}, Case{0x40, 0x10, true, 0, 1}}) {
        ConfigImage image = imageWithFirmware(54);
        image[34] = c.port1;
        image[35] = c.port2;
        const SiteConfig config = decodeSiteConfig(image, 0);
        EXPECT_EQ(config.modifiedFor1200Baud, c.modified) << int(c.port1) << "," << int(c.port2);
        EXPECT_EQ(config.portBaud54[0], c.baud1);
        EXPECT_EQ(config.portBaud54[1], c.baud2);
    }

    ConfigImage image = imageWithFirmware(54);
    image[36] = 7;
    SiteConfig config = decodeSiteConfig(image, 0);
    EXPECT_NE(reencoded(image), image); // byte 36 not 0 counts as a change

    config.modifiedFor1200Baud = true;
    config.portBaud54 = {0, 1};
    encodeSiteConfig(config, 0, image);
    EXPECT_EQ(image[34], 0x40);
    EXPECT_EQ(image[35], 0x10);
    EXPECT_EQ(image[36], 0);

    config.modifiedFor1200Baud = false; // port choices are then not stored
    encodeSiteConfig(config, 0, image);
    EXPECT_EQ(image[34], 0);
    EXPECT_EQ(image[35], 0);
}

TEST(SiteConfigBaud, NewerLayoutListIndexesAndMark) {
    ConfigImage image = imageWithFirmware(56);
    image[204] = 4;
    image[205] = 2;
    image[206] = 1;
    const ConfigImage same = reencoded(image);
    EXPECT_TRUE(std::equal(&same[204], &same[207], &image[204]));
    const SiteConfig config = decodeSiteConfig(image, 0);
    EXPECT_EQ(config.portBaud56[0], 4);
    EXPECT_EQ(config.portBaud56[1], 2);

    image[206] = 0;
    EXPECT_EQ(reencoded(image)[206], 1);
}

TEST(SiteConfigChannels, FlagsLimitsAndPreservedBytes) {
    ConfigImage image = imageWithFirmware(55, 0xEE);
    const std::size_t rec = 54 + 9 * 4; // channel 5
    image[rec] = 0x30;                  // high 12345
    image[rec + 1] = 0x39;
    image[rec + 2] = 0x00; // low 7
    image[rec + 3] = 0x07;
    image[rec + 4] = 0xFE; // decimals 2, bits 2-3 set, status, invert, convert 3
    const ChannelSettings ch = decodeSiteConfig(image, 0).channels[4];
    EXPECT_EQ(ch.decimals, 2);
    EXPECT_TRUE(ch.statusAlarm);
    EXPECT_TRUE(ch.invertStatus);
    EXPECT_EQ(ch.convertType, 3);
    EXPECT_DOUBLE_EQ(ch.highLimit, 123.45);
    EXPECT_DOUBLE_EQ(ch.lowLimit, 0.07);

    const ConfigImage out = reencoded(image);
    EXPECT_EQ(out[rec + 4], 0xF2); // bits 2-3 written 0
    EXPECT_EQ(out[rec], 0x30);
    EXPECT_EQ(out[rec + 1], 0x39);
    EXPECT_EQ(out[rec + 3], 0x07);
    for (std::size_t i = 5; i < 9; ++i) {
        EXPECT_EQ(out[rec + i], 0xEE);
    }
}

TEST(SiteConfigChannels, LimitsRoundHalfToEven) {
    ConfigImage image = imageWithFirmware(55);
    SiteConfig config = decodeSiteConfig(image, 0);
    config.channels[0].highLimit = 2.5;
    config.channels[0].lowLimit = 3.5;
    config.channels[1].decimals = 2;
    config.channels[1].highLimit = 0.125;
    config.channels[1].lowLimit = 327.67;
    encodeSiteConfig(config, 0, image);
    EXPECT_EQ(image[55], 2);
    EXPECT_EQ(image[57], 4);
    EXPECT_EQ(image[64], 12);
    EXPECT_EQ(image[65] * 256 + image[66], 32767);
}

TEST(SiteConfigChannels, OutOfRangeLimitsAreRefusedNamingTheChannel) {
    ConfigImage image = imageWithFirmware(55);
    image[54 + 9 * 2] = 0x80; // channel 3 high limit 32768
    try {
        decodeSiteConfig(image, 0);
        FAIL() << "no error";
    } catch (const AppError& e) {
        EXPECT_EQ(e.number(), ErrorNumber::Overflow);
        EXPECT_TRUE(e.description().contains(QStringLiteral("High Limit of channel 3")))
            << e.what();
    }
    image[54 + 9 * 2] = 0;
    image[56 + 9 * 15] = 0xFF; // channel 16 low limit
    try {
        decodeSiteConfig(image, 0);
        FAIL() << "no error";
    } catch (const AppError& e) {
        EXPECT_TRUE(e.description().contains(QStringLiteral("Low Limit of channel 16")))
            << e.what();
    }

    image = imageWithFirmware(55, 0x11);
    const ConfigImage before = image;
    const SiteConfig good = decodeSiteConfig(image, 0);
    for (double bad : {-0.6, 32767.5, 1e300, std::nan("")}) {
        SiteConfig config = good;
        config.channels[7].lowLimit = bad;
        EXPECT_EQ(errorNumberOf([&] { encodeSiteConfig(config, 0, image); }), ErrorNumber::Overflow)
            << bad;
        EXPECT_EQ(image, before); // a refused store writes nothing
    }
    SiteConfig config = good;
    config.channels[0].decimals = 4;
    EXPECT_EQ(errorNumberOf([&] { encodeSiteConfig(config, 0, image); }),
              ErrorNumber::InvalidArgument);
    EXPECT_EQ(image, before);
}

TEST(SiteConfigChannels, DurationsAndDelays) {
    ConfigImage image = imageWithFirmware(55);
    image[208] = 127; // channel 1 raise
    image[209] = 45;  // channel 1 lower
    image[248] = 200; // a stored delay out of range is shown as it is
    const SiteConfig shown = decodeSiteConfig(image, 0);
    EXPECT_DOUBLE_EQ(shown.channels[0].raiseDuration, 28.0);
    EXPECT_DOUBLE_EQ(shown.channels[0].lowerDuration, 9.9);
    EXPECT_EQ(shown.channels[0].statusAlarmDelay, 200);

    SiteConfig config = shown;
    config.channels[0].raiseDuration = 28.0;
    config.channels[0].lowerDuration = 0.1;
    config.channels[1].raiseDuration = 30.0;
    config.channels[1].lowerDuration = -3.0;
    config.channels[2].raiseDuration = 9.9;
    config.channels[0].statusAlarmDelay = 200;
    config.channels[0].highLowAlarmDelay = -5;
    config.channels[1].highLowAlarmDelay = 126;
    encodeSiteConfig(config, 0, image);
    EXPECT_EQ(image[208], 127);
    EXPECT_EQ(image[209], 0);
    EXPECT_EQ(image[210], 127);
    EXPECT_EQ(image[211], 0);
    EXPECT_EQ(image[212], 45);
    EXPECT_EQ(image[248], 126);
    EXPECT_EQ(image[264], 0);
    EXPECT_EQ(image[265], 126);
    EXPECT_DOUBLE_EQ(decodeSiteConfig(image, 0).channels[0].lowerDuration, 0.0);
}

TEST(SiteConfigOvinSettings, RingsAndPhoneNumbers) {
    ConfigImage image = imageWithFirmware(55);
    image[33] = 12;
    const std::uint8_t slot[16] = {9, 1, 32, 1, 10, 255, 32, 32, 32, 32, 32, 32, 32, 32, 32, 7};
    std::copy_n(slot, 16, image.begin() + 990 + 16 * 4); // number 5
    const SiteConfig config = decodeSiteConfig(image, 0);
    EXPECT_EQ(config.answerRings, 9);
    EXPECT_EQ(config.phoneNumbers[4], QStringLiteral("911")); // 16th byte not read
    EXPECT_EQ(reencoded(image)[33], 9);

    SiteConfig edited = config;
    edited.answerRings = 3;
    edited.phoneNumbers[0] = QStringLiteral("12 3");
    edited.phoneNumbers[8] = QStringLiteral("01234567890123456789");
    encodeSiteConfig(edited, 0, image);
    EXPECT_EQ(image[33], 3);
    const std::uint8_t first[16] = {1, 2, 32, 3, 32, 32, 32, 32, 32, 32, 32, 32, 32, 32, 32, 32};
    EXPECT_TRUE(std::equal(first, first + 16, image.begin() + 990));
    EXPECT_EQ(image[990 + 16 * 8 + 15], 5); // cut after 16 positions
    EXPECT_EQ(decodeSiteConfig(image, 0).phoneNumbers[8], QStringLiteral("012345678901234"));

    const ConfigImage before = image;
    edited.phoneNumbers[2] = QStringLiteral("555-1234");
    EXPECT_EQ(errorNumberOf([&] { encodeSiteConfig(edited, 0, image); }),
              ErrorNumber::TypeMismatch);
    EXPECT_EQ(image, before);
}

TEST(SiteConfigWords, SignOnMessage) {
    ConfigImage image = imageWithFirmware(55);
    image[974] = 255;         // word 0: ninth bit 0, low 255 -> empty
    image[975] = 255;         // word 1: ninth bit 1 -> 511
    image[970] = 0x04 | 0x02; // bit 2 = word 1; odd bit 1 unused
    image[973] = 0x40;        // bit 30 = word 15
    image[989] = 0x2C;
    const SiteConfig config = decodeSiteConfig(image, 0);
    EXPECT_EQ(config.signOnMessage[0], kEmptyWordCode);
    EXPECT_EQ(config.signOnMessage[1], 511);
    EXPECT_EQ(config.signOnMessage[15], 0x12C);

    const ConfigImage out = reencoded(image);
    EXPECT_EQ(out[974], 32);   // empty is stored as code 32
    EXPECT_EQ(out[970], 0x04); // mask rebuilt: odd bits cleared
    EXPECT_EQ(out[973], 0x40);

    SiteConfig bad = config;
    bad.signOnMessage[3] = 512;
    EXPECT_EQ(errorNumberOf([&] { encodeSiteConfig(bad, 0, image); }), ErrorNumber::Overflow);
}

TEST(SiteConfigWords, OvinGroupsByEntryAndRow) {
    ConfigImage image = imageWithFirmware(55, 0xFF);
    SiteConfig config = decodeSiteConfig(image, 1);
    EXPECT_EQ(config.ovin[3].unitLabels[15][1], 511);
    for (auto& entry : config.ovin) {
        entry = OvinLabels{};
    }
    config.ovin[2].statusMessages[5][3] = 0x1AB; // group 37
    config.ovin[0].channelLabels[1][0] = 0x101;  // group 1
    config.ovin[3].unitLabels[15][1] = 0x1FF;    // group 63
    config.ovin[1].siteLabel[7] = 0x120;
    encodeSiteConfig(config, 1, image);

    const std::size_t status = 1134 + 5 * 37;
    EXPECT_EQ(image[status], 0x40);
    EXPECT_EQ(image[status + 4], 0xAB);
    EXPECT_EQ(image[status + 1], 0);
    EXPECT_EQ(image[1454 + 5], 0x01);
    EXPECT_EQ(image[1454 + 6], 0x01);
    EXPECT_EQ(image[1774 + 3 * 63], 0x04);
    EXPECT_EQ(image[1774 + 3 * 63 + 2], 0xFF);
    const std::size_t site = 1966 + 11;
    EXPECT_EQ(image[site], 0x00);
    EXPECT_EQ(image[site + 1], 0x40); // bit 14 of the 16-bit mask
    EXPECT_EQ(image[site + 9], 0x20);
    EXPECT_EQ(image[site + 10], 0); // trailing byte of a site-label group
    EXPECT_EQ(image[2010], 0xFF);

    EXPECT_EQ(decodeSiteConfig(image, 1).ovin, config.ovin);
}
