#pragma once

#include <QByteArray>
#include <QString>
#include <algorithm>
#include <optional>

// How text crosses the boundary between a control and its engine: null-terminated bytes in the
// system's multi-byte code page, UTF-8 here, so that every character an engine holds (the
// double-byte ones of the pattern keywords included) goes there and comes back unchanged.
// Lengths across the boundary count these bytes.
namespace tarnwick::fenbase6::EngineText {

// The bytes of `text`; none when it cannot cross whole: a null would cut it short, and a
// lone surrogate has no encoded form.
inline std::optional<QByteArray> encode(const QString& text) {
    if (text.contains(QChar(u'\0')) || !text.isValidUtf16()) {
        return std::nullopt;
    }
    return text.toUtf8();
}

// The text of `size` bytes at `bytes` (up to the first null when `size` is negative).
inline QString decode(const char* bytes, qsizetype size = -1) {
    if (bytes == nullptr) {
        return {};
    }
    if (size < 0) {
        size = static_cast<qsizetype>(qstrlen(bytes));
    }
    return QString::fromUtf8(bytes, size);
}

// The longest head of `bytes` of at most `limit` bytes that ends on a character boundary.
inline qsizetype fittingLength(const QByteArray& bytes, qsizetype limit) {
    qsizetype length = std::min(bytes.size(), std::max<qsizetype>(limit, 0));
    // Back off the continuation bytes (10xxxxxx) of a character the limit cuts through.
    if (length < bytes.size()) {
        while (length > 0 && (static_cast<unsigned char>(bytes.at(length)) & 0xC0u) == 0x80u) {
            --length;
        }
    }
    return length;
}

} // namespace tarnwick::fenbase6::EngineText
