#include "default_hive_dir.h"

#include <QFileInfo>

namespace tarnwick {

namespace {

// Compared as canonical paths, so that a symbolic link into the build tree still counts.
bool isInside(const QString& path, const QString& folder) {
    const QString canonicalPath = QFileInfo(path).canonicalFilePath();
    const QString canonicalFolder = QFileInfo(folder).canonicalFilePath();
    return !canonicalPath.isEmpty() && !canonicalFolder.isEmpty() &&
           (canonicalPath == canonicalFolder ||
            canonicalPath.startsWith(canonicalFolder + QLatin1Char('/')));
}

} // namespace

QString defaultHiveDir(const QString& executableDir) {
    return isInside(executableDir, QStringLiteral(TARNWICK_BUILD_TREE))
               ? QStringLiteral(TARNWICK_BUILD_HIVE_DIR)
               : QStringLiteral(TARNWICK_INSTALL_HIVE_DIR);
}

} // namespace tarnwick
