#pragma once

#include <QByteArray>
#include <QString>
#include <cstdint>

namespace tarnwick {

// Stored instead of the password when the user chose not to keep it.
inline const QString kPasswordNotSaved = QStringLiteral("----");

// One stored connection: the local device, the number to dial (empty for a direct line)
// and the unit signed on to.
struct ConnectionProfile {
    QString Port;
    QString Addr;
    QString SN;
    std::uint8_t SL = 0; // site letter index 0..3
    QString Password;    // 4 digits, or kPasswordNotSaved

    bool operator==(const ConnectionProfile&) const = default;
};

// The .tlc record: counted texts Port, Addr, SN, then the SL byte, then the Password text.
QByteArray serializeConnectionProfile(const ConnectionProfile& profile);
// One record from the first byte; a short input reads as zeros and empty texts, anything
// after the record is ignored.
ConnectionProfile parseConnectionProfile(const QByteArray& data);

// Replaces the file atomically. A file that holds a real password is readable by its owner
// only.
void WriteConnectionFile(const QString& path, const ConnectionProfile& profile);
// Throws AppError 53 when the path names no file (nothing is created) and 75 when the file
// cannot be read.
ConnectionProfile ReadConnectionFile(const QString& path);

} // namespace tarnwick
