#include "site_config_codec.h"

#include "config/channel_record.h"
#include "config/channel_values.h"
#include "config/image_text.h"
#include "config/site_config_layout.h"
#include "config/site_config_lists.h"
#include "config/word_groups.h"

#include <algorithm>
#include <span>

namespace tarnwick {

namespace {

// Check boxes store 1 for on; any other byte (a greyed 2 included) reads as off.
constexpr std::uint8_t kOn = 1;
// The rings box cannot show more than one digit.
constexpr std::uint8_t kMaxShownRings = 9;
// Stored in an unused sign-on cell; the window shows it empty.
constexpr WordCode kUnusedSignOnCode = 255;

bool isOn(std::uint8_t stored) {
    return stored == kOn;
}
std::uint8_t onOff(bool on) {
    return on ? kOn : 0;
}

// Calls visit(offset, maskBytes, words) for each Ovin word group, region by region in the
// order the window stores them. `Config` is SiteConfig or const SiteConfig.
template <typename Config, typename Visit> void forEachOvinGroup(Config& config, Visit visit) {
    for (std::size_t e = 0; e < kSiteEntryCount; ++e) {
        for (std::size_t row = 0; row < kOvinRowCount; ++row) {
            visit(layout::ovinStatusMessage(e, row), layout::kOvinRowMaskBytes,
                  std::span(config.ovin[e].statusMessages[row]));
        }
    }
    for (std::size_t e = 0; e < kSiteEntryCount; ++e) {
        for (std::size_t row = 0; row < kOvinRowCount; ++row) {
            visit(layout::ovinChannelLabel(e, row), layout::kOvinRowMaskBytes,
                  std::span(config.ovin[e].channelLabels[row]));
        }
    }
    for (std::size_t e = 0; e < kSiteEntryCount; ++e) {
        for (std::size_t row = 0; row < kOvinRowCount; ++row) {
            visit(layout::ovinUnitLabel(e, row), layout::kOvinRowMaskBytes,
                  std::span(config.ovin[e].unitLabels[row]));
        }
    }
    for (std::size_t e = 0; e < kSiteEntryCount; ++e) {
        visit(layout::ovinSiteLabel(e), layout::kOvinSiteMaskBytes,
              std::span(config.ovin[e].siteLabel));
    }
}

void decodeCommunication(const ConfigImage& image, std::uint8_t destSL, SiteConfig& config) {
    for (std::size_t k = 0; k < kSiteEntryCount; ++k) {
        config.siteEntries[k].highestChannel = image[layout::kHighestChannel + k];
    }
    for (std::uint8_t s = 0; s < kSiteEntryCount; ++s) {
        config.siteEntries[SiteSlot(destSL, s)].dataReceivedFrom =
            image[layout::kDataReceivedFrom + s];
    }
    if (config.usesLayout56()) {
        for (std::size_t p = 0; p < kPortCount; ++p) {
            config.portBaud56[p] = image[layout::kBaud56 + p];
        }
        return;
    }
    for (std::size_t k = 0; k < kSiteEntryCount; ++k) {
        config.siteEntries[k].dataSentOut = image[layout::kDataSentOut + k];
    }
    // A code other than 0 or 1 on either port means the unit was modified for 1200 baud;
    // only 0x10 selects 1200 baud.
    for (std::size_t p = 0; p < kPortCount; ++p) {
        const std::uint8_t code = image[layout::kBaudCodes54 + p];
        const bool modified = code > 1;
        config.modifiedFor1200Baud = config.modifiedFor1200Baud || modified;
        config.portBaud54[p] =
            modified && code == layout::kBaudCode1200 ? kBaud54Index1200 : kBaud54Index300;
    }
}

void encodeCommunication(const SiteConfig& config, std::uint8_t destSL, ConfigImage& image) {
    for (std::size_t k = 0; k < kSiteEntryCount; ++k) {
        image[layout::kHighestChannel + k] = config.siteEntries[k].highestChannel;
    }
    for (std::uint8_t s = 0; s < kSiteEntryCount; ++s) {
        image[layout::kDataReceivedFrom + s] =
            config.siteEntries[SiteSlot(destSL, s)].dataReceivedFrom;
    }
    if (config.usesLayout56()) {
        for (std::size_t p = 0; p < kPortCount; ++p) {
            image[layout::kBaud56 + p] = config.portBaud56[p];
        }
        image[layout::kLayout56Mark] = 1;
        return;
    }
    for (std::size_t k = 0; k < kSiteEntryCount; ++k) {
        image[layout::kDataSentOut + k] = config.siteEntries[k].dataSentOut;
    }
    for (std::size_t p = 0; p < kPortCount; ++p) {
        const bool is1200 = config.portBaud54[p] == kBaud54Index1200;
        image[layout::kBaudCodes54 + p] = !config.modifiedFor1200Baud ? 0
                                          : is1200                    ? layout::kBaudCode1200
                                                                      : layout::kBaudCode300;
    }
    image[layout::kLayout54Mark] = 0;
}

} // namespace

SiteConfig decodeSiteConfig(const ConfigImage& image, std::uint8_t destSL) {
    SiteConfig config;
    config.firmware = image[layout::kFirmware];
    config.siteLabel = readLabel(image, layout::kSiteLabel);
    for (std::size_t i = 0; i < kLocalOptionCount; ++i) {
        config.localOptions[i] = isOn(image[layout::kLocalOptions[i]]);
    }
    config.limitsMonitoring = isOn(image[layout::kLimitsMonitoring]);
    decodeCommunication(image, destSL, config);

    for (std::size_t c = 0; c < kChannelCount; ++c) {
        ChannelSettings& channel = config.channels[c];
        channel.label = readLabel(image, layout::channelLabel(c));
        channel.raiseDuration = durationSeconds(image[layout::raiseDuration(c)]);
        channel.lowerDuration = durationSeconds(image[layout::lowerDuration(c)]);
        channel.statusAlarmDelay = image[layout::statusAlarmDelay(c)];
        channel.highLowAlarmDelay = image[layout::highLowAlarmDelay(c)];
        decodeChannelRecord(image, c, channel);
    }

    config.dialOut = isOn(image[layout::kDialOut]);
    config.answerCalls = isOn(image[layout::kAnswerCalls]);
    readWordGroup(image, layout::kSignOnGroup, layout::kSignOnMaskBytes, config.signOnMessage);
    for (WordCode& word : config.signOnMessage) {
        if (word == kUnusedSignOnCode) {
            word = kEmptyWordCode;
        }
    }
    config.answerRings = std::min(image[layout::kAnswerRings], kMaxShownRings);
    for (std::size_t m = 0; m < kPhoneNumberCount; ++m) {
        config.phoneNumbers[m] = readPhoneNumber(image, layout::phoneNumber(m));
    }
    forEachOvinGroup(
        config, [&image](std::size_t offset, std::size_t maskBytes, std::span<WordCode> words) {
            readWordGroup(image, offset, maskBytes, words);
        });
    return config;
}

void encodeSiteConfig(const SiteConfig& config, std::uint8_t destSL, ConfigImage& image) {
    // Work on a copy so that a refused value leaves the caller's image as it was.
    ConfigImage out = image;
    writeLabel(out, layout::kSiteLabel, config.siteLabel);
    for (std::size_t i = 0; i < kLocalOptionCount; ++i) {
        out[layout::kLocalOptions[i]] = onOff(config.localOptions[i]);
    }
    out[layout::kLimitsMonitoring] = onOff(config.limitsMonitoring);
    encodeCommunication(config, destSL, out);

    for (std::size_t c = 0; c < kChannelCount; ++c) {
        writeLabel(out, layout::channelLabel(c), config.channels[c].label);
    }
    for (std::size_t c = 0; c < kChannelCount; ++c) {
        out[layout::raiseDuration(c)] = durationByte(config.channels[c].raiseDuration);
        out[layout::lowerDuration(c)] = durationByte(config.channels[c].lowerDuration);
    }
    for (std::size_t c = 0; c < kChannelCount; ++c) {
        out[layout::statusAlarmDelay(c)] = alarmDelayByte(config.channels[c].statusAlarmDelay);
    }
    for (std::size_t c = 0; c < kChannelCount; ++c) {
        out[layout::highLowAlarmDelay(c)] = alarmDelayByte(config.channels[c].highLowAlarmDelay);
    }
    for (std::size_t c = 0; c < kChannelCount; ++c) {
        encodeChannelRecord(config.channels[c], c, out);
    }

    out[layout::kAnswerRings] = config.answerRings;
    out[layout::kDialOut] = onOff(config.dialOut);
    out[layout::kAnswerCalls] = onOff(config.answerCalls);
    for (std::size_t m = 0; m < kPhoneNumberCount; ++m) {
        writePhoneNumber(out, layout::phoneNumber(m), config.phoneNumbers[m]);
    }
    writeWordGroup(out, layout::kSignOnGroup, layout::kSignOnMaskBytes, config.signOnMessage);
    forEachOvinGroup(
        config, [&out](std::size_t offset, std::size_t maskBytes, std::span<const WordCode> words) {
            writeWordGroup(out, offset, maskBytes, words);
        });
    for (std::size_t e = 0; e < kSiteEntryCount; ++e) {
        out[layout::ovinSiteLabel(e) + layout::kOvinSiteTrailByte] = 0;
    }
    image = out;
}

} // namespace tarnwick
