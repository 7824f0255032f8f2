#include "unit_memory.h"

#include "config/settings_file.h"
#include "shell/app_error.h"
#include "shell/file_access.h"

#include <algorithm>

namespace tarnwick::sim {

ConfigImage defaultUnitMemory() {
    ConfigImage memory{};
    memory[kFirmwareByte] = kDefaultFirmware;
    return memory;
}

LoadedMemory loadSettingsMemory(const QString& path) {
    const std::optional<SettingsRecord> record = readSettingsFile(path);
    if (!record) {
        throw AppError::standard(ErrorNumber::FileNotFound,
                                 QStringLiteral("no valid settings file at %1").arg(path));
    }
    LoadedMemory loaded{record->image, std::nullopt};
    if (!record->sn.isEmpty()) {
        loaded.serialNumber = record->sn;
    }
    return loaded;
}

LoadedMemory loadRawMemory(const QString& path) {
    const std::optional<QByteArray> data = readFileIfExists(path);
    if (!data) {
        throw AppError::standard(ErrorNumber::FileNotFound, path);
    }
    if (static_cast<std::size_t>(data->size()) != kImageSize) {
        throw AppError::standard(ErrorNumber::InvalidArgument,
                                 QStringLiteral("%1 holds %2 bytes, not %3")
                                     .arg(path)
                                     .arg(data->size())
                                     .arg(kImageSize));
    }
    LoadedMemory loaded;
    std::transform(data->begin(), data->end(), loaded.memory.begin(),
                   [](char byte) { return static_cast<std::uint8_t>(byte); });
    return loaded;
}

} // namespace tarnwick::sim
