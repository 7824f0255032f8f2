#pragma once

#include "config/config_image.h"
#include "config/site_config.h"

#include <cstdint>

namespace tarnwick {

// What the main window shows of `image`, whose site entries are counted from `destSL`.
// Only the communication fields of the image's own layout (byte 31) are read. Throws
// AppError (overflow) naming the channel and limit when a stored limit is above 32767.
SiteConfig decodeSiteConfig(const ConfigImage& image, std::uint8_t destSL);

// Writes every field the window shows into `image`, for the layout of `config.firmware`,
// leaving all other bytes as they are. On failure (AppError: an out-of-range limit, a
// phone number with a character other than digits and spaces, a word code above 511)
// `image` is left untouched.
void encodeSiteConfig(const SiteConfig& config, std::uint8_t destSL, ConfigImage& image);

} // namespace tarnwick
