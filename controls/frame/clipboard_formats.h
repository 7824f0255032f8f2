#pragma once

#include <QString>
#include <cstdint>

// The numbered data formats of drag and drop and the MIME types that carry them here.
namespace tarnwick::frame::ClipboardFormat {

constexpr std::int16_t Text = 1;
constexpr std::int16_t Bitmap = 2;
constexpr std::int16_t Metafile = 3;
constexpr std::int16_t Dib = 8;
constexpr std::int16_t Palette = 9;
constexpr std::int16_t EnhancedMetafile = 14;
constexpr std::int16_t Files = 15;
constexpr std::int16_t Rtf = -16639;

// The MIME type of format `format` (numbers without a standard type get one of our own).
QString mimeTypeOf(std::int16_t format);

} // namespace tarnwick::frame::ClipboardFormat
