#pragma once

#include "config/site_config.h"

#include <QLatin1StringView>
#include <array>

namespace tarnwick {

// The fixed choices behind the list-index fields of SiteConfig, index 0 first, and the
// default captions of the local options.

inline constexpr std::array<QLatin1StringView, 3> kReceivePortNames{
    QLatin1StringView("No Port"), QLatin1StringView("Port 1"), QLatin1StringView("Port 2")};

inline constexpr std::array<QLatin1StringView, 4> kSendPortNames{
    QLatin1StringView("No Port"), QLatin1StringView("Port 1"), QLatin1StringView("Port 2"),
    QLatin1StringView("Port 1 + 2")};

inline constexpr std::array<QLatin1StringView, 2> kBaudNames54{QLatin1StringView("300 baud"),
                                                               QLatin1StringView("1200 baud")};
inline constexpr std::uint8_t kBaud54Index300 = 0;
inline constexpr std::uint8_t kBaud54Index1200 = 1;

inline constexpr std::array<QLatin1StringView, 5> kBaudNames56{
    QLatin1StringView("300 baud"), QLatin1StringView("1200 baud"), QLatin1StringView("2400 baud"),
    QLatin1StringView("4800 baud"), QLatin1StringView("9600 baud")};

inline constexpr std::array<QLatin1StringView, 4> kDecimalPointNames{
    QLatin1StringView("None"), QLatin1StringView("000.0"), QLatin1StringView("00.00"),
    QLatin1StringView("0.000")};

inline constexpr std::array<QLatin1StringView, 4> kConvertTypeNames{
    QLatin1StringView("Degree"), QLatin1StringView("Linear"), QLatin1StringView("Power"),
    QLatin1StringView("Indirect")};

// The window renames options 4-8 after the sites they concern once it knows DestSL.
inline constexpr std::array<QLatin1StringView, kLocalOptionCount> kLocalOptionCaptions{
    QLatin1StringView("Channels 1-8"), QLatin1StringView("Channels 9-16"),
    QLatin1StringView("Local Ovin"),   QLatin1StringView("Use DTMF"),
    QLatin1StringView("P-1 Ovin"),     QLatin1StringView("P-2 Ovin"),
    QLatin1StringView("P-3 Ovin"),     QLatin1StringView("P-1 Brae"),
    QLatin1StringView("P-2 Brae"),     QLatin1StringView("Two Ports")};
// Shown only in the "5.6" layout; its byte is kept in both.
inline constexpr std::size_t kTwoPortsOption = 9;

} // namespace tarnwick
