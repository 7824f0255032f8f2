#pragma once

#include <QByteArray>
#include <QFileDevice>
#include <QString>

#include <optional>

namespace tarnwick {

// Replaces the file at `path` with `data` in one step: a temporary file in the same folder
// is written, synced and renamed over the old one, so an interrupted save leaves the old
// file as it was. Throws AppError (75, path/file access) when the file cannot be written.
void writeFileAtomically(const QString& path, const QByteArray& data,
                         std::optional<QFileDevice::Permissions> permissions = std::nullopt);

// Reads a whole file. Nothing when nothing exists at `path`; never creates a file. Throws
// AppError (75, path/file access) when something exists there but cannot be read as a file.
std::optional<QByteArray> readFileIfExists(const QString& path);

} // namespace tarnwick
