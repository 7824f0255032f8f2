#pragma once

#include "config/config_image.h"
#include "config/site_config.h"

#include <cstddef>

namespace tarnwick {

// Limits are stored as 0-32767; a larger value could not be read back.
inline constexpr int kMaxLimitRaw = 32767;

// Fills decimals, limits, status alarm, invert status and convert type of `settings` from
// the 9-byte record of `channel` (0-based). Throws AppError (overflow) naming the channel
// and the limit when a stored limit is above kMaxLimitRaw.
void decodeChannelRecord(const ConfigImage& image, std::size_t channel, ChannelSettings& settings);

// Writes the flags byte, then the high and the low limit; the record's last four bytes
// are left as they are. Throws AppError: overflow for a limit that scales outside
// 0-kMaxLimitRaw, invalid argument for decimals or a convert type above 3.
void encodeChannelRecord(const ChannelSettings& settings, std::size_t channel, ConfigImage& image);

} // namespace tarnwick
