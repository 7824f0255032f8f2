#include "clipboard_formats.h"

#include <array>
#include <utility>

namespace tarnwick::frame::ClipboardFormat {

namespace {

const QString kOwnPrefix = QStringLiteral("application/x-fen-format-");

const std::array<std::pair<std::int16_t, const char*>, 7> kStandard{{
    {Text, "text/plain"},
    {Bitmap, "image/bmp"},
    {Metafile, "image/x-wmf"},
    {Dib, "image/x-dib"},
    {EnhancedMetafile, "image/x-emf"},
    {Files, "text/uri-list"},
    {Rtf, "text/rtf"},
}};

} // namespace

QString mimeTypeOf(std::int16_t format) {
    for (const auto& [number, mime] : kStandard) {
        if (number == format) {
            return QLatin1String(mime);
        }
    }
    return kOwnPrefix + QString::number(format);
}

} // namespace tarnwick::frame::ClipboardFormat
