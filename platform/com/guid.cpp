#include "guid.h"

#include <functional>

namespace tarnwick::com {

namespace {

constexpr qsizetype kTextLength = 38; // {8-4-4-4-12}
constexpr std::array<qsizetype, 4> kDashPositions{9, 14, 19, 24};

bool isDashPosition(qsizetype index) {
    for (const qsizetype dash : kDashPositions) {
        if (index == dash) {
            return true;
        }
    }
    return false;
}

int hexDigitValue(QChar c) {
    const char16_t u = c.unicode();
    if (u >= u'0' && u <= u'9') {
        return u - u'0';
    }
    if (u >= u'a' && u <= u'f') {
        return u - u'a' + 10;
    }
    if (u >= u'A' && u <= u'F') {
        return u - u'A' + 10;
    }
    return -1;
}

} // namespace

QString Guid::toString() const {
    // Text order: data1, data2, data3 as numbers (big-endian digits), then data4 in order.
    std::array<std::uint8_t, kByteSize> ordered{};
    for (std::size_t i = 0; i < 4; ++i) {
        ordered[i] = static_cast<std::uint8_t>(data1 >> (24 - 8 * i));
    }
    ordered[4] = static_cast<std::uint8_t>(data2 >> 8);
    ordered[5] = static_cast<std::uint8_t>(data2);
    ordered[6] = static_cast<std::uint8_t>(data3 >> 8);
    ordered[7] = static_cast<std::uint8_t>(data3);
    for (std::size_t i = 0; i < data4.size(); ++i) {
        ordered[8 + i] = data4[i];
    }
    QString text;
    text.reserve(kTextLength);
    text.append(QLatin1Char('{'));
    for (std::size_t i = 0; i < ordered.size(); ++i) {
        if (i == 4 || i == 6 || i == 8 || i == 10) {
            text.append(QLatin1Char('-'));
        }
        text.append(QStringLiteral("%1").arg(ordered[i], 2, 16, QLatin1Char('0')).toUpper());
    }
    text.append(QLatin1Char('}'));
    return text;
}

std::optional<Guid> Guid::fromString(QStringView text) {
    if (text.size() != kTextLength || text.front() != QLatin1Char('{') ||
        text.back() != QLatin1Char('}')) {
        return std::nullopt;
    }
    std::array<std::uint8_t, kByteSize> ordered{};
    std::size_t nibble = 0;
    for (qsizetype i = 1; i + 1 < text.size(); ++i) {
        if (isDashPosition(i)) {
            if (text[i] != QLatin1Char('-')) {
                return std::nullopt;
            }
            continue;
        }
        const int value = hexDigitValue(text[i]);
        if (value < 0) {
            return std::nullopt;
        }
        std::uint8_t& byte = ordered[nibble / 2];
        byte = static_cast<std::uint8_t>((byte << 4) | value);
        ++nibble;
    }
    Guid guid;
    guid.data1 = static_cast<std::uint32_t>(ordered[0]) << 24 |
                 static_cast<std::uint32_t>(ordered[1]) << 16 |
                 static_cast<std::uint32_t>(ordered[2]) << 8 | ordered[3];
    guid.data2 = static_cast<std::uint16_t>(ordered[4] << 8 | ordered[5]);
    guid.data3 = static_cast<std::uint16_t>(ordered[6] << 8 | ordered[7]);
    for (std::size_t i = 0; i < guid.data4.size(); ++i) {
        guid.data4[i] = ordered[8 + i];
    }
    return guid;
}

QByteArray Guid::toBytes() const {
    QByteArray bytes;
    bytes.reserve(kByteSize);
    for (int shift = 0; shift < 32; shift += 8) {
        bytes.append(static_cast<char>(data1 >> shift));
    }
    for (const std::uint16_t part : {data2, data3}) {
        bytes.append(static_cast<char>(part));
        bytes.append(static_cast<char>(part >> 8));
    }
    for (const std::uint8_t byte : data4) {
        bytes.append(static_cast<char>(byte));
    }
    return bytes;
}

std::optional<Guid> Guid::fromBytes(const QByteArray& bytes) {
    if (bytes.size() < static_cast<qsizetype>(kByteSize)) {
        return std::nullopt;
    }
    const auto byteAt = [&bytes](qsizetype i) { return static_cast<std::uint8_t>(bytes[i]); };
    Guid guid;
    guid.data1 = static_cast<std::uint32_t>(byteAt(3)) << 24 |
                 static_cast<std::uint32_t>(byteAt(2)) << 16 |
                 static_cast<std::uint32_t>(byteAt(1)) << 8 | byteAt(0);
    guid.data2 = static_cast<std::uint16_t>(byteAt(5) << 8 | byteAt(4));
    guid.data3 = static_cast<std::uint16_t>(byteAt(7) << 8 | byteAt(6));
    for (std::size_t i = 0; i < guid.data4.size(); ++i) {
        guid.data4[i] = byteAt(8 + static_cast<qsizetype>(i));
    }
    return guid;
}

std::size_t GuidHash::operator()(const Guid& guid) const noexcept {
    std::size_t hash = std::hash<std::uint32_t>{}(guid.data1);
    hash = hash * 31 + guid.data2;
    hash = hash * 31 + guid.data3;
    for (const std::uint8_t byte : guid.data4) {
        hash = hash * 31 + byte;
    }
    return hash;
}

} // namespace tarnwick::com
