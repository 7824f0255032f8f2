#pragma once

#include "registry/registry_types.h"

#include <QString>

namespace tarnwick::regtool {

// A key named on the command line: its root and the path below it.
struct KeyArgument {
    registry::RootKey root = 0;
    QString path;
    QString text; // as given, for messages
};

// "HKEY_LOCAL_MACHINE\SOFTWARE\..." or a short root name (HKLM, HKCR, HKCU, HKU), with
// backslashes between names. Throws a usage failure for an unknown root.
KeyArgument parseKeyArgument(const QString& text);

} // namespace tarnwick::regtool
