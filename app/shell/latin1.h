#pragma once

#include <QByteArray>
#include <QString>

#include <cstdint>
#include <span>

namespace tarnwick {

// Text in files and unit memory is one byte per character in ISO-8859-1: every byte value
// maps to one character and back. Characters outside it become '?'.
inline QByteArray toSingleByte(const QString& text) { return text.toLatin1(); }

inline QString fromSingleByte(std::span<const std::uint8_t> bytes) {
    return QString::fromLatin1(reinterpret_cast<const char*>(bytes.data()),
                               static_cast<qsizetype>(bytes.size()));
}

inline QString fromSingleByte(const QByteArray& bytes) { return QString::fromLatin1(bytes); }

// The single-byte code of one character ('?' for characters outside ISO-8859-1).
inline std::uint8_t singleByteCode(QChar c) {
    return c.unicode() <= 0xFF ? static_cast<std::uint8_t>(c.unicode()) : std::uint8_t{'?'};
}

} // namespace tarnwick
