#pragma once

#include <QString>

namespace tarnwick {

// The folder of the read-only default registry hive for a program whose executable lies in
// `executableDir`: the hive generated in the build tree when the program runs from there,
// else the installed one (<prefix>/share/tarnwick/registry).
QString defaultHiveDir(const QString& executableDir);

} // namespace tarnwick
