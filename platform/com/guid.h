#pragma once

#include <QByteArray>
#include <QString>
#include <QStringView>
#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>

namespace tarnwick::com {

// A 128-bit class or interface identity. Its text form is
// "{XXXXXXXX-XXXX-XXXX-XXXX-XXXXXXXXXXXX}"; its 16-byte form (streams) holds `data1`, `data2`
// and `data3` little-endian and then the eight bytes of `data4` as they are.
struct Guid {
    std::uint32_t data1 = 0;
    std::uint16_t data2 = 0;
    std::uint16_t data3 = 0;
    std::array<std::uint8_t, 8> data4{};

    static constexpr std::size_t kByteSize = 16;

    constexpr bool isNull() const { return *this == Guid{}; }

    // The text form in upper case with braces.
    QString toString() const;
    // Reads the text form, braces required, hex digits in either case; none for anything else.
    static std::optional<Guid> fromString(QStringView text);

    QByteArray toBytes() const;
    // Reads the 16-byte form from the first 16 bytes of `bytes`; none when they are fewer.
    static std::optional<Guid> fromBytes(const QByteArray& bytes);

    friend constexpr bool operator==(const Guid&, const Guid&) = default;
};

// Lets guids key unordered containers.
struct GuidHash {
    std::size_t operator()(const Guid& guid) const noexcept;
};

} // namespace tarnwick::com
