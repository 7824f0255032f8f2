#include "hive_location.h"

#include "root_keys.h"

#include <QDir>

namespace tarnwick::registry {

QString scopedHiveDirFromEnvironment() {
    return qEnvironmentVariable("TARNWICK_REGISTRY_DIR");
}

QString userHiveDirFromEnvironment() {
    const QString explicitDir = scopedHiveDirFromEnvironment();
    if (!explicitDir.isEmpty()) {
        return explicitDir;
    }
    // A relative XDG_CONFIG_HOME is invalid and ignored, as the XDG rules ask.
    QString configHome = qEnvironmentVariable("XDG_CONFIG_HOME");
    if (configHome.isEmpty() || QDir::isRelativePath(configHome)) {
        configHome = QDir::homePath() + QStringLiteral("/.config");
    }
    return configHome + QStringLiteral("/tarnwick/registry");
}

QString hiveFilePath(const QString& dir, RootKey root) {
    return QDir(dir).filePath(rootKeyName(root) + QStringLiteral(".reg"));
}

} // namespace tarnwick::registry
