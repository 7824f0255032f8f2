#pragma once

#include "hive_key.h"

#include <QString>
#include <QStringList>
#include <QStringView>
#include <vector>

namespace tarnwick::registry {

// A key as seen through two hives: the user's hive above a read-only default one. A value or
// subkey the user's hive holds wins over the default's of the same name; either key may be
// missing.
class LayeredKey {
public:
    LayeredKey(const HiveKey* user, const HiveKey* fallback) : m_user(user), m_fallback(fallback) {}

    bool exists() const { return m_user != nullptr || m_fallback != nullptr; }
    bool inUserHive() const { return m_user != nullptr; }

    LayeredKey subkey(QStringView name) const;
    LayeredKey find(const QStringList& path) const;

    const RegistryValue* value(QStringView name) const;
    bool hasUserValue(QStringView name) const;

    // Subkey names sorted without regard to case, in the user's spelling where both have one.
    QStringList subkeyNames() const;
    // The default's values in their order, then those only the user's hive has.
    std::vector<HiveValue> values() const;

    // The whole merged tree below this key, as one key named `name`.
    HiveKey tree(const QString& name) const;

private:
    const HiveKey* m_user;
    const HiveKey* m_fallback;
};

} // namespace tarnwick::registry
