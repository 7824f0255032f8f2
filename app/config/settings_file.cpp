#include "settings_file.h"

#include "connections/connection_file.h"
#include "shell/file_access.h"
#include "shell/ole_date.h"
#include "shell/record_io.h"

#include <cstring>

namespace tarnwick {
namespace {
constexpr std::uint8_t kScrambleSeed = 0x5D;

QByteArray imageBytes(const ConfigImage& image) {
    return QByteArray(reinterpret_cast<const char*>(image.data()),
                      static_cast<qsizetype>(image.size()));
}

ConfigImage imageFrom(const QByteArray& bytes) {
    ConfigImage image{};
    std::memcpy(image.data(), bytes.constData(), image.size());
    return image;
}
} // namespace

std::optional<QDateTime> SettingsRecord::savedAtDateTime() const {
    return fromOleDate(savedAt);
}

SettingsRecord settingsRecordFor(const CurrentConnection& connection, const ConfigImage& image,
                                 const QDateTime& savedAt) {
    SettingsRecord record;
    record.savedAt = toOleDate(savedAt);
    record.destSL = connection.DestSL;
    record.port = connection.Port;
    record.addr = connection.Addr;
    record.sn = connection.SN;
    record.sl = connection.SL;
    record.image = image;
    return record;
}

void scrambleImage(ConfigImage& image) {
    image[0] ^= kScrambleSeed;
    for (std::size_t i = 1; i < image.size(); ++i) {
        image[i] ^= image[i - 1];
    }
}

void unscrambleImage(ConfigImage& image) {
    for (std::size_t i = image.size() - 1; i >= 1; --i) {
        image[i] ^= image[i - 1];
    }
    image[0] ^= kScrambleSeed;
}

std::uint8_t imageCheckValue(const ConfigImage& stored) {
    std::uint8_t check = 0;
    for (const std::uint8_t b : stored) {
        check ^= b;
    }
    return check;
}

QByteArray serializeSettingsRecord(const SettingsRecord& record) {
    ConfigImage stored = record.image;
    scrambleImage(stored);

    RecordWriter w;
    w.text(kSettingsSignature);
    w.f64(record.savedAt);
    w.u8(record.destSL);
    w.text(record.port);
    w.text(record.addr);
    w.text(record.sn);
    w.u8(record.sl);
    w.text(kPasswordNotSaved);
    w.bytes(imageBytes(stored));
    w.u8(imageCheckValue(stored));
    return w.data();
}

std::optional<SettingsRecord> parseSettingsRecord(const QByteArray& data) {
    RecordReader r(data);
    const QString signature = r.text();
    SettingsRecord record;
    record.savedAt = r.f64();
    record.destSL = r.u8();
    record.port = r.text();
    record.addr = r.text();
    record.sn = r.text();
    record.sl = r.u8();
    r.text(); // password placeholder, never used
    ConfigImage stored = imageFrom(r.bytes(static_cast<qsizetype>(kImageSize)));
    const std::uint8_t check = r.u8();

    // A cut-off file reads as zeros past its end, and its check value still matches one time in
    // 256; the image it would give is mostly lost, so a record that runs past the end is refused.
    if (r.pastEnd() || signature != kSettingsSignature || check != imageCheckValue(stored)) {
        return std::nullopt;
    }
    unscrambleImage(stored);
    record.image = stored;
    return record;
}

void writeSettingsFile(const QString& path, const SettingsRecord& record) {
    writeFileAtomically(path, serializeSettingsRecord(record));
}

std::optional<SettingsRecord> readSettingsFile(const QString& path) {
    const std::optional<QByteArray> data = readFileIfExists(path);
    return data ? parseSettingsRecord(*data) : std::nullopt;
}

} // namespace tarnwick
