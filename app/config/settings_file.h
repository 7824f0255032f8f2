#pragma once

#include "config/config_image.h"
#include "connections/current_connection.h"

#include <QByteArray>
#include <QDateTime>
#include <QString>
#include <cstdint>
#include <optional>

namespace tarnwick {

inline const QString kSettingsSignature = QStringLiteral("TARNWICK20");

// One settings file (.stv): an image with the connection values of the unit it belongs to.
// The password is never kept; the file holds a placeholder in its place.
struct SettingsRecord {
    double savedAt = 0.0; // OLE date as stored; a foreign file may hold any double here
    std::uint8_t destSL = 0;
    QString port;
    QString addr;
    QString sn;
    std::uint8_t sl = 0;
    ConfigImage image{}; // plain, as the unit holds it

    // Nothing when the stored value is not a representable date.
    std::optional<QDateTime> savedAtDateTime() const;

    bool operator==(const SettingsRecord&) const = default;
};

// The record to save for `image` of the unit reached through `connection`, stamped
// `savedAt` (local time).
SettingsRecord settingsRecordFor(const CurrentConnection& connection, const ConfigImage& image,
                                 const QDateTime& savedAt);

// The image is stored chained with xor so that it does not read as plain text.
void scrambleImage(ConfigImage& image);
void unscrambleImage(ConfigImage& image);
// Xor of all bytes of the image as stored (scrambled).
std::uint8_t imageCheckValue(const ConfigImage& stored);

// The exact bytes of the file: signature, saved-at, texts, placeholder, scrambled image and
// its check value.
QByteArray serializeSettingsRecord(const SettingsRecord& record);
// One record from the first byte; a short input reads as zeros and empty texts. Nothing
// unless the signature matches exactly and the check value agrees with the stored image.
std::optional<SettingsRecord> parseSettingsRecord(const QByteArray& data);

// Replaces the file atomically, so a longer old file leaves no tail behind.
void writeSettingsFile(const QString& path, const SettingsRecord& record);
// Nothing when the file is not a valid settings file, including when the path names no
// file (nothing is created). Throws AppError 75 when an existing file cannot be read.
std::optional<SettingsRecord> readSettingsFile(const QString& path);

} // namespace tarnwick
