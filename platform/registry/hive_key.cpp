#include "hive_key.h"

#include <algorithm>

namespace tarnwick::registry {

namespace {

bool sameName(QStringView a, QStringView b) {
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

template <typename Key> Key* findIn(Key* key, const QStringList& path) {
    for (const QString& name : path) {
        key = key->subkey(name);
        if (key == nullptr) {
            return nullptr;
        }
    }
    return key;
}

} // namespace

const HiveKey* HiveKey::subkey(QStringView name) const {
    const auto it = std::find_if(m_subkeys.begin(), m_subkeys.end(),
                                 [&](const HiveKey& key) { return sameName(key.name(), name); });
    return it == m_subkeys.end() ? nullptr : &*it;
}

HiveKey* HiveKey::subkey(QStringView name) {
    return const_cast<HiveKey*>(std::as_const(*this).subkey(name));
}

HiveKey& HiveKey::subkeyOrCreate(const QString& name) {
    const auto position = std::lower_bound(
        m_subkeys.begin(), m_subkeys.end(), name, [](const HiveKey& key, const QString& n) {
            return key.name().compare(n, Qt::CaseInsensitive) < 0;
        });
    if (position != m_subkeys.end() && sameName(position->name(), name)) {
        return *position;
    }
    return *m_subkeys.insert(position, HiveKey(name));
}

bool HiveKey::removeSubkey(QStringView name) {
    return std::erase_if(m_subkeys,
                         [&](const HiveKey& key) { return sameName(key.name(), name); }) > 0;
}

const HiveKey* HiveKey::find(const QStringList& path) const {
    return findIn(this, path);
}

HiveKey* HiveKey::find(const QStringList& path) {
    return findIn(this, path);
}

HiveKey& HiveKey::findOrCreate(const QStringList& path) {
    HiveKey* key = this;
    for (const QString& name : path) {
        key = &key->subkeyOrCreate(name);
    }
    return *key;
}

const RegistryValue* HiveKey::value(QStringView name) const {
    const auto it = std::find_if(m_values.begin(), m_values.end(),
                                 [&](const HiveValue& v) { return sameName(v.name, name); });
    return it == m_values.end() ? nullptr : &it->value;
}

void HiveKey::setValue(const QString& name, RegistryValue value) {
    const auto it = std::find_if(m_values.begin(), m_values.end(),
                                 [&](const HiveValue& v) { return sameName(v.name, name); });
    if (it != m_values.end()) {
        it->value = std::move(value);
    } else {
        m_values.push_back({name, std::move(value)});
    }
}

bool HiveKey::removeValue(QStringView name) {
    return std::erase_if(m_values, [&](const HiveValue& v) { return sameName(v.name, name); }) > 0;
}

QStringList HiveKey::keptLinesOfTree() const {
    QStringList lines = m_keptLines;
    for (const HiveKey& key : m_subkeys) {
        lines += key.keptLinesOfTree();
    }
    return lines;
}

} // namespace tarnwick::registry
