#pragma once

#include "registry/registry_store.h"

#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

namespace tarnwick::com {

// The registry entries of a component library below HKEY_CLASSES_ROOT: string values to
// write (keys are created on the way) and the key trees the library owns, which
// unregistration deletes whole.
struct RegistryScript {
    struct Value {
        QString key;  // backslash-separated, below HKEY_CLASSES_ROOT
        QString name; // empty for the key's default value
        QString data;
    };

    std::vector<Value> values;
    QStringList keys;      // keys created without a value ("Control", "Programmable")
    QStringList ownedKeys; // trees deleted on unregistration

    void addValue(const QString& key, const QString& name, const QString& data) {
        values.push_back({key, name, data});
    }
    void addKey(const QString& key) { keys.append(key); }
    void own(const QString& key) { ownedKeys.append(key); }
};

// Writes every value and key of `script`; ComError(SELFREG_E_CLASS) naming the key when the
// store refuses (nothing is undone: registering again repairs it).
void writeRegistryScript(registry::RegistryStore& store, const RegistryScript& script);

// Deletes the owned key trees of `script`; keys already gone are no failure.
// ComError(SELFREG_E_CLASS) naming the key when the store refuses.
void removeRegistryScript(registry::RegistryStore& store, const RegistryScript& script);

// The string value `name` (empty: the default value) of HKEY_CLASSES_ROOT\<key>, environment
// strings expanded for the expandable type; none when the key or value is missing or holds
// no string.
std::optional<QString> readClassesRootString(const registry::RegistryStore& store,
                                             const QString& key, const QString& name = {});

} // namespace tarnwick::com
