#pragma once

#include <QString>
#include <array>
#include <cstddef>
#include <cstdint>

namespace tarnwick {

inline constexpr std::size_t kChannelCount = 16;
inline constexpr std::size_t kSiteEntryCount = 4;
inline constexpr std::size_t kLocalOptionCount = 10;
inline constexpr std::size_t kPortCount = 2;
inline constexpr std::size_t kPhoneNumberCount = 9;
inline constexpr std::size_t kSignOnWordCount = 16;
inline constexpr std::size_t kOvinRowCount = 16;
inline constexpr std::size_t kOvinStatusWordCount = 4;
inline constexpr std::size_t kOvinChannelWordCount = 4;
inline constexpr std::size_t kOvinUnitWordCount = 2;
inline constexpr std::size_t kOvinSiteWordCount = 8;

// Firmware version x 10 from which on the unit uses the "5.6" communication layout.
inline constexpr std::uint8_t kLayout56Firmware = 56;

// A spoken word: a 9-bit code (0-511) that the vocabulary turns into text.
using WordCode = std::uint16_t;
inline constexpr WordCode kMaxWordCode = 511;
// What an empty word cell holds and stores.
inline constexpr WordCode kEmptyWordCode = 32;

// Relative position (0-3) of site `s` seen from site `c`: the window entry that shows site s
// when the image belongs to site c.
inline constexpr std::uint8_t SiteSlot(std::uint8_t c, std::uint8_t s) {
    return static_cast<std::uint8_t>((s % 4 + 4 - c % 4) % 4);
}

// One row of the channel grid, in the units the window shows.
struct ChannelSettings {
    QString label;
    bool statusAlarm = false;
    bool invertStatus = false;
    std::uint8_t decimals = 0; // digits after the point, 0-3 (kDecimalPointNames)
    double lowLimit = 0.0;     // raw / 10^decimals
    double highLimit = 0.0;
    double raiseDuration = 0.0; // seconds, one decimal
    double lowerDuration = 0.0;
    int highLowAlarmDelay = 0; // whole seconds; the window may hold values outside 0-126
    int statusAlarmDelay = 0;
    std::uint8_t convertType = 0; // 0-3 (kConvertTypeNames)

    bool operator==(const ChannelSettings&) const = default;
};

// One entry of the remote-site list; entry k is the site (DestSL + k) mod 4.
struct SiteEntry {
    std::uint8_t highestChannel = 0;
    std::uint8_t dataReceivedFrom = 0; // index into kReceivePortNames
    std::uint8_t dataSentOut = 0;      // index into kSendPortNames; "5.4 / 5.5" layout only

    bool operator==(const SiteEntry&) const = default;
};

// The spoken labels of the Ovin units of one site entry.
struct OvinLabels {
    std::array<std::array<WordCode, kOvinStatusWordCount>, kOvinRowCount> statusMessages{};
    std::array<std::array<WordCode, kOvinChannelWordCount>, kOvinRowCount> channelLabels{};
    std::array<std::array<WordCode, kOvinUnitWordCount>, kOvinRowCount> unitLabels{};
    std::array<WordCode, kOvinSiteWordCount> siteLabel{};

    bool operator==(const OvinLabels&) const = default;
};

// Every field of the configuration image that the main window shows, as it shows them.
// Fields of the communication layout not in use keep their defaults.
struct SiteConfig {
    std::uint8_t firmware = 0; // version x 10; read only, selects the layout
    QString siteLabel;
    std::array<bool, kLocalOptionCount> localOptions{}; // kLocalOptionCaptions
    bool limitsMonitoring = false;
    std::array<SiteEntry, kSiteEntryCount> siteEntries{};

    // "5.4 / 5.5" layout: the port choices count only on a unit modified for 1200 baud.
    bool modifiedFor1200Baud = false;
    std::array<std::uint8_t, kPortCount> portBaud54{}; // index into kBaudNames54
    // "5.6" layout.
    std::array<std::uint8_t, kPortCount> portBaud56{}; // index into kBaudNames56

    std::array<ChannelSettings, kChannelCount> channels{};

    std::uint8_t answerRings = 0;
    bool dialOut = false;
    bool answerCalls = false;
    std::array<QString, kPhoneNumberCount> phoneNumbers{};
    std::array<WordCode, kSignOnWordCount> signOnMessage{};
    std::array<OvinLabels, kSiteEntryCount> ovin{};

    bool usesLayout56() const { return firmware >= kLayout56Firmware; }

    bool operator==(const SiteConfig&) const = default;
};

} // namespace tarnwick
