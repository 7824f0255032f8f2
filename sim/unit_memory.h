#pragma once

#include "config/config_image.h"

#include <QString>
#include <cstddef>
#include <cstdint>
#include <optional>

namespace tarnwick::sim {

// Configuration byte 31 holds the firmware version times ten.
inline constexpr std::size_t kFirmwareByte = 31;
inline constexpr std::uint8_t kDefaultFirmware = 56;

// A blank unit: all zeros but the firmware byte.
ConfigImage defaultUnitMemory();

// Where a unit's memory comes from, and what a settings file adds to it.
struct LoadedMemory {
    ConfigImage memory{};
    std::optional<QString> serialNumber; // the unit's serial number, when a file names it
};

// The image of a settings file, with its serial number. Throws AppError (53 file not found)
// when the file is missing or is no valid settings file.
LoadedMemory loadSettingsMemory(const QString& path);
// A raw image of exactly 2016 bytes. Throws AppError: 53 when missing, 75 when unreadable,
// 5 when of another size.
LoadedMemory loadRawMemory(const QString& path);

} // namespace tarnwick::sim
