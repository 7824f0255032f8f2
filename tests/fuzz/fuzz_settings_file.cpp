#include "config/settings_file.h"

#include <cstdlib>
#include <cstring>

using namespace tarnwick;

// Any accepted record must save and load back to the same values.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArray input(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const std::optional<SettingsRecord> record = parseSettingsRecord(input);
    if (!record) {
        return 0;
    }
    record->savedAtDateTime();
    const std::optional<SettingsRecord> again =
        parseSettingsRecord(serializeSettingsRecord(*record));
    // savedAt is compared bitwise: a stored NaN must survive too.
    if (!again || again->image != record->image || again->port != record->port ||
        again->addr != record->addr || again->sn != record->sn || again->sl != record->sl ||
        again->destSL != record->destSL ||
        std::memcmp(&again->savedAt, &record->savedAt, sizeof(double)) != 0) {
        std::abort();
    }
    return 0;
}
