#pragma once

#include "config/config_image.h"

#include <QString>
#include <cstddef>

namespace tarnwick {

// A 7-character label, one ISO-8859-1 byte per character; leading and trailing spaces
// (only spaces) are dropped on reading.
QString readLabel(const ConfigImage& image, std::size_t offset);
// Cut or padded with spaces to exactly 7 bytes; characters outside ISO-8859-1 become '?'.
void writeLabel(ConfigImage& image, std::size_t offset, const QString& text);

// A phone number slot of 16 bytes: digits as their value 0-9, spaces as 32. Reading takes
// the digits among the first 15 bytes and skips every other byte.
QString readPhoneNumber(const ConfigImage& image, std::size_t offset);
// Cut or padded with spaces to 16 positions. Throws AppError (type mismatch) for any
// character other than a digit or a space.
void writePhoneNumber(ConfigImage& image, std::size_t offset, const QString& number);

} // namespace tarnwick
