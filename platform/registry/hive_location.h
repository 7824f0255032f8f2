#pragma once

#include "registry_types.h"

#include <QString>

namespace tarnwick::registry {

// The folder of the user's hives: $TARNWICK_REGISTRY_DIR, else
// $XDG_CONFIG_HOME/tarnwick/registry (XDG_CONFIG_HOME defaulting to ~/.config).
QString userHiveDirFromEnvironment();

// The file of one root's hive inside a hive folder: "<dir>/HKEY_LOCAL_MACHINE.reg".
QString hiveFilePath(const QString& dir, RootKey root);

} // namespace tarnwick::registry
