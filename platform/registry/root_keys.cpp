#include "root_keys.h"

namespace tarnwick::registry {

QString rootKeyName(RootKey root) {
    switch (root) {
    case HKEY_CLASSES_ROOT:
        return QStringLiteral("HKEY_CLASSES_ROOT");
    case HKEY_CURRENT_USER:
        return QStringLiteral("HKEY_CURRENT_USER");
    case HKEY_LOCAL_MACHINE:
        return QStringLiteral("HKEY_LOCAL_MACHINE");
    case HKEY_USERS:
        return QStringLiteral("HKEY_USERS");
    default:
        return {};
    }
}

std::optional<RootKey> rootKeyFromName(QStringView name) {
    for (const RootKey root : kPredefinedRoots) {
        if (name.compare(rootKeyName(root), Qt::CaseInsensitive) == 0) {
            return root;
        }
    }
    return std::nullopt;
}

} // namespace tarnwick::registry
