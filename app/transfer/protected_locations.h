#pragma once

#include <QByteArray>
#include <QString>
#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>

namespace tarnwick {

// Memory locations an upload keeps at the unit's own values: calibration and other bytes
// that belong to the unit rather than to the configuration being written.
struct ProtectedLocation {
    std::uint8_t block = 0;
    std::uint8_t byte = 0; // within the block, 0 to 7

    bool operator==(const ProtectedLocation&) const = default;
};

inline constexpr std::size_t kProtectedLocationCount = 119;
// All block addresses first, then the matching byte indices.
inline constexpr std::size_t kProtectedFileSize = 2 * kProtectedLocationCount;

// Blocks whose protected locations "restore calibration" lets the upload overwrite.
inline constexpr std::uint8_t kFirstCalibrationBlock = 6;
inline constexpr std::uint8_t kLastCalibrationBlock = 23;

using ProtectedLocations = std::array<ProtectedLocation, kProtectedLocationCount>;

// Decodes the file layout. Bytes missing at the end read as zero, bytes past the layout are
// ignored. A block of 252 or more or a byte index of 8 or more is a subscript-out-of-range
// AppError (9).
ProtectedLocations parseProtectedLocations(const QByteArray& bytes);

// Reads the protected-locations file at `path`. A missing file reads as all zeros and is not
// created. Throws AppError: 75 when something there cannot be read, 9 as the parser does.
ProtectedLocations readProtectedLocations(const QString& path);

// Why the file at `path` cannot guard an upload, naming the file; nothing when it is whole
// and valid. A missing or short file would read as zeros, protecting block 0 byte 0 only, so
// an upload must not start on one.
std::optional<QString> protectedLocationsFileProblem(const QString& path);

// The file layout of `locations`; throws AppError (9) for a location outside the memory.
QByteArray encodeProtectedLocations(const ProtectedLocations& locations);

} // namespace tarnwick
