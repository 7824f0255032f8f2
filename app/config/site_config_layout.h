#pragma once

#include "config/site_config.h"

#include <array>
#include <cstddef>

// Where each field of SiteConfig lives in the configuration image. Channels and rows are
// 0-based here (index 0 = channel 1).
namespace tarnwick::layout {

inline constexpr std::size_t kHighestChannel = 0;   // + site entry
inline constexpr std::size_t kDataReceivedFrom = 8; // + site letter index
inline constexpr std::size_t kDataSentOut = 12;     // + site entry; "5.4 / 5.5" only
inline constexpr std::array<std::size_t, kLocalOptionCount> kLocalOptions{20, 21, 22, 23, 24,
                                                                          25, 26, 28, 29, 30};
inline constexpr std::size_t kFirmware = 31;
inline constexpr std::size_t kAnswerRings = 33;
inline constexpr std::size_t kBaudCodes54 = 34; // + port; "5.4 / 5.5" only
inline constexpr std::size_t kLayout54Mark = 36;
inline constexpr std::size_t kLimitsMonitoring = 50;
inline constexpr std::size_t kBaud56 = 204; // + port; "5.6" only
inline constexpr std::size_t kLayout56Mark = 206;
inline constexpr std::size_t kSiteLabel = 339;
inline constexpr std::size_t kDialOut = 951;
inline constexpr std::size_t kAnswerCalls = 952;
inline constexpr std::size_t kSignOnGroup = 970; // 4 mask bytes, then 16 low bytes
inline constexpr std::size_t kSignOnMaskBytes = 4;

inline constexpr std::size_t kLabelLength = 7;

// "5.4 / 5.5" baud codes: 0 and 1 mean the unit was not modified for 1200 baud.
inline constexpr std::uint8_t kBaudCode1200 = 0x10;
inline constexpr std::uint8_t kBaudCode300 = 0x40;

inline constexpr std::size_t channelRecord(std::size_t channel) {
    return 54 + 9 * channel;
}
inline constexpr std::size_t kHighLimitByte = 0; // big-endian pairs within the record
inline constexpr std::size_t kLowLimitByte = 2;
inline constexpr std::size_t kFlagsByte = 4;

inline constexpr std::size_t raiseDuration(std::size_t channel) {
    return 208 + 2 * channel;
}
inline constexpr std::size_t lowerDuration(std::size_t channel) {
    return 209 + 2 * channel;
}
inline constexpr std::size_t statusAlarmDelay(std::size_t channel) {
    return 248 + channel;
}
inline constexpr std::size_t highLowAlarmDelay(std::size_t channel) {
    return 264 + channel;
}
inline constexpr std::size_t channelLabel(std::size_t channel) {
    return 375 + 9 * channel;
}
inline constexpr std::size_t phoneNumber(std::size_t number) {
    return 990 + 16 * number;
}

// Ovin word groups; the 64-group regions hold site entry g div 16, row g mod 16.
inline constexpr std::size_t ovinRowGroup(std::size_t entry, std::size_t row) {
    return entry * kOvinRowCount + row;
}
inline constexpr std::size_t ovinStatusMessage(std::size_t entry, std::size_t row) {
    return 1134 + 5 * ovinRowGroup(entry, row);
}
inline constexpr std::size_t ovinChannelLabel(std::size_t entry, std::size_t row) {
    return 1454 + 5 * ovinRowGroup(entry, row);
}
inline constexpr std::size_t ovinUnitLabel(std::size_t entry, std::size_t row) {
    return 1774 + 3 * ovinRowGroup(entry, row);
}
inline constexpr std::size_t ovinSiteLabel(std::size_t entry) {
    return 1966 + 11 * entry;
}
inline constexpr std::size_t kOvinRowMaskBytes = 1;
inline constexpr std::size_t kOvinSiteMaskBytes = 2;
// The last byte of a site-label group follows its 8 words and is always written 0.
inline constexpr std::size_t kOvinSiteTrailByte = kOvinSiteMaskBytes + kOvinSiteWordCount;

} // namespace tarnwick::layout
