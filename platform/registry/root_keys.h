#pragma once

#include "registry_types.h"

#include <QString>
#include <QStringView>
#include <array>
#include <optional>

namespace tarnwick::registry {

constexpr std::array<RootKey, 4> kPredefinedRoots{HKEY_CLASSES_ROOT, HKEY_CURRENT_USER,
                                                  HKEY_LOCAL_MACHINE, HKEY_USERS};

// "HKEY_LOCAL_MACHINE" and so on; empty for a handle that is no predefined root.
QString rootKeyName(RootKey root);

// The root named `name`, compared without regard to case.
std::optional<RootKey> rootKeyFromName(QStringView name);

} // namespace tarnwick::registry
