#pragma once

#include <QString>
#include <QStringList>

namespace tarnwick {

inline const QString kConnectionFileExtension = QStringLiteral(".tlc");
// The same without its dot, as a save dialog adds it to a name typed without one.
inline const QString kConnectionFileSuffix = QStringLiteral("tlc");
// The file dialogs' filter for connection files.
inline const QString kConnectionFileFilter = QStringLiteral("Tarnwick Connections (*.tlc)|*.tlc");

// The saved connections: the files matching `saveConnDir` + "*.tlc", each by its base name
// (no folder, no extension), sorted by name; hidden files are left out. `saveConnDir` is a
// plain prefix, normally a folder with its trailing separator (empty: the current folder).
// Should it end in the start of a file name, that start is not part of the names, so that
// savedConnectionPath always finds the file again; for the same reason the extension must be
// ".tlc" exactly.
QStringList savedConnectionNames(const QString& saveConnDir);

// The file of the saved connection `name`.
QString savedConnectionPath(const QString& saveConnDir, const QString& name);

} // namespace tarnwick
