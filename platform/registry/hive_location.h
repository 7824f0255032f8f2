#pragma once

#include "registry_types.h"

#include <QString>

namespace tarnwick::registry {

// The folder of the user's hives: $TARNWICK_REGISTRY_DIR, else
// $XDG_CONFIG_HOME/tarnwick/registry (XDG_CONFIG_HOME defaulting to ~/.config).
QString userHiveDirFromEnvironment();

// $TARNWICK_REGISTRY_DIR: the folder a run was scoped to, empty when it was not.
QString scopedHiveDirFromEnvironment();

// The file of one root's hive inside a hive folder: "<dir>/HKEY_LOCAL_MACHINE.reg".
QString hiveFilePath(const QString& dir, RootKey root);

} // namespace tarnwick::registry
