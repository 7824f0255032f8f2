#include "layered_key.h"

namespace tarnwick::registry {

LayeredKey LayeredKey::subkey(QStringView name) const {
    return {m_user ? m_user->subkey(name) : nullptr,
            m_fallback ? m_fallback->subkey(name) : nullptr};
}

LayeredKey LayeredKey::find(const QStringList& path) const {
    return {m_user ? m_user->find(path) : nullptr, m_fallback ? m_fallback->find(path) : nullptr};
}

const RegistryValue* LayeredKey::value(QStringView name) const {
    if (const RegistryValue* own = m_user ? m_user->value(name) : nullptr) {
        return own;
    }
    return m_fallback ? m_fallback->value(name) : nullptr;
}

bool LayeredKey::hasUserValue(QStringView name) const {
    return m_user != nullptr && m_user->value(name) != nullptr;
}

QStringList LayeredKey::subkeyNames() const {
    // Collecting through a key keeps the names sorted and merges different spellings.
    HiveKey names;
    for (const HiveKey* key : {m_user, m_fallback}) {
        if (key != nullptr) {
            for (const HiveKey& subkey : key->subkeys()) {
                names.subkeyOrCreate(subkey.name());
            }
        }
    }
    QStringList result;
    for (const HiveKey& subkey : names.subkeys()) {
        result.append(subkey.name());
    }
    return result;
}

std::vector<HiveValue> LayeredKey::values() const {
    HiveKey merged;
    for (const HiveKey* key : {m_fallback, m_user}) {
        if (key != nullptr) {
            for (const HiveValue& value : key->values()) {
                merged.setValue(value.name, value.value);
            }
        }
    }
    return merged.values();
}

HiveKey LayeredKey::tree(const QString& name) const {
    HiveKey merged(name);
    for (const HiveValue& value : values()) {
        merged.setValue(value.name, value.value);
    }
    for (const QString& subkeyName : subkeyNames()) {
        merged.subkeyOrCreate(subkeyName) = subkey(subkeyName).tree(subkeyName);
    }
    return merged;
}

} // namespace tarnwick::registry
