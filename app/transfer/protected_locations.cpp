#include "protected_locations.h"

#include "config/config_image.h"
#include "shell/app_error.h"
#include "shell/file_access.h"

namespace tarnwick {

namespace {

void checkInMemory(const ProtectedLocation& location, std::size_t entry) {
    if (location.block >= kBlockCount || location.byte >= kBlockSize) {
        throw AppError::standard(ErrorNumber::SubscriptOutOfRange,
                                 QStringLiteral("protected location %1 is block %2 byte %3")
                                     .arg(entry)
                                     .arg(location.block)
                                     .arg(location.byte));
    }
}

std::uint8_t byteAt(const QByteArray& bytes, std::size_t index) {
    const auto i = static_cast<qsizetype>(index);
    return i < bytes.size() ? static_cast<std::uint8_t>(bytes[i]) : std::uint8_t{0};
}

} // namespace

ProtectedLocations parseProtectedLocations(const QByteArray& bytes) {
    ProtectedLocations locations{};
    for (std::size_t k = 0; k < kProtectedLocationCount; ++k) {
        locations[k] = {byteAt(bytes, k), byteAt(bytes, kProtectedLocationCount + k)};
        checkInMemory(locations[k], k);
    }
    return locations;
}

ProtectedLocations readProtectedLocations(const QString& path) {
    return parseProtectedLocations(readFileIfExists(path).value_or(QByteArray()));
}

std::optional<QString> protectedLocationsFileProblem(const QString& path) {
    if (path.isEmpty())
        return QStringLiteral("no protected-locations file is set");
    try {
        const std::optional<QByteArray> bytes = readFileIfExists(path);
        if (!bytes)
            return QStringLiteral("%1: no such protected-locations file").arg(path);
        if (bytes->size() != static_cast<qsizetype>(kProtectedFileSize)) {
            return QStringLiteral("%1: a protected-locations file is %2 bytes, this one has %3")
                .arg(path)
                .arg(kProtectedFileSize)
                .arg(bytes->size());
        }
        parseProtectedLocations(*bytes);
    } catch (const AppError& e) {
        return QStringLiteral("%1: %2").arg(path, e.description());
    }
    return std::nullopt;
}

QByteArray encodeProtectedLocations(const ProtectedLocations& locations) {
    QByteArray bytes(static_cast<qsizetype>(kProtectedFileSize), '\0');
    for (std::size_t k = 0; k < kProtectedLocationCount; ++k) {
        checkInMemory(locations[k], k);
        bytes[static_cast<qsizetype>(k)] = static_cast<char>(locations[k].block);
        bytes[static_cast<qsizetype>(kProtectedLocationCount + k)] =
            static_cast<char>(locations[k].byte);
    }
    return bytes;
}

} // namespace tarnwick
