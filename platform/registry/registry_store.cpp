#include "registry_store.h"

#include "hive_builder.h"
#include "hive_file.h"
#include "key_names.h"
#include "layered_key.h"
#include "reg_text_writer.h"
#include "root_keys.h"

#include <algorithm>
#include <cstring>
#include <limits>
#include <optional>

namespace tarnwick::registry {

struct RegistryStore::RootHives {
    RootKey root;
    HiveFile user;
    std::optional<HiveFile> fallback;
};

namespace {

Status keyToDelete(const LayeredKey& key) {
    if (!key.exists()) {
        return ERROR_FILE_NOT_FOUND;
    }
    if (!key.subkeyNames().isEmpty() || !key.inUserHive()) {
        return ERROR_ACCESS_DENIED;
    }
    return ERROR_SUCCESS;
}

Status valueToDelete(const LayeredKey& key, const QString& name) {
    if (!key.exists()) {
        return ERROR_KEY_DELETED;
    }
    if (key.hasUserValue(name)) {
        return ERROR_SUCCESS;
    }
    return key.value(name) != nullptr ? ERROR_ACCESS_DENIED : ERROR_FILE_NOT_FOUND;
}

std::uint32_t sizeOf(qsizetype size) {
    return static_cast<std::uint32_t>(size);
}

} // namespace

RegistryStore::RegistryStore(const QString& userHiveDir, const QString& defaultHiveDir) {
    for (const RootKey root : kPredefinedRoots) {
        m_hives.push_back(std::make_unique<RootHives>(
            RootHives{root, HiveFile(hiveFilePath(userHiveDir, root), root), std::nullopt}));
    }
    setDefaultHiveDir(defaultHiveDir);
}

RegistryStore::~RegistryStore() = default;

void RegistryStore::setDefaultHiveDir(const QString& dir) {
    for (const auto& hives : m_hives) {
        hives->fallback.reset();
        if (!dir.isEmpty()) {
            hives->fallback.emplace(hiveFilePath(dir, hives->root), hives->root);
        }
    }
}

RegistryStore::RootHives* RegistryStore::hivesOf(RootKey root) const {
    const auto it = std::find_if(m_hives.begin(), m_hives.end(),
                                 [&](const auto& hives) { return hives->root == root; });
    return it == m_hives.end() ? nullptr : it->get();
}

LayeredKey RegistryStore::layeredRoot(RootHives& hives, const Hive& userHive) const {
    return {&userHive.root, hives.fallback ? &hives.fallback->hive().root : nullptr};
}

LayeredKey RegistryStore::lookup(const KeyHandle& key) const {
    RootHives& hives = *hivesOf(key.root());
    return layeredRoot(hives, hives.user.hive()).find(key.path());
}

Status RegistryStore::resolve(const KeyHandle& parent, const QString& subKey, RootHives*& hives,
                              QStringList& path) const {
    hives = hivesOf(parent.root());
    if (hives == nullptr) {
        return ERROR_INVALID_HANDLE;
    }
    const auto names = splitKeyPath(subKey);
    if (!names) {
        return ERROR_INVALID_PARAMETER;
    }
    path = parent.path() + *names;
    return ERROR_SUCCESS;
}

Status RegistryStore::openKey(const KeyHandle& parent, const QString& subKey, Access access,
                              KeyHandle& result) const {
    RootHives* hives = nullptr;
    QStringList path;
    if (const Status status = resolve(parent, subKey, hives, path); status != ERROR_SUCCESS) {
        // A name that cannot be valid names no existing key.
        return status == ERROR_INVALID_PARAMETER ? ERROR_FILE_NOT_FOUND : status;
    }
    if (!layeredRoot(*hives, hives->user.hive()).find(path).exists()) {
        return ERROR_FILE_NOT_FOUND;
    }
    if ((access & kWriteRights) != 0 && !hives->user.isWritable()) {
        return ERROR_ACCESS_DENIED;
    }
    result = KeyHandle(parent.root(), path, access);
    return ERROR_SUCCESS;
}

Status RegistryStore::createKey(const KeyHandle& parent, const QString& subKey, Access access,
                                KeyHandle& result, bool* created) {
    RootHives* hives = nullptr;
    QStringList path;
    if (const Status status = resolve(parent, subKey, hives, path); status != ERROR_SUCCESS) {
        return status;
    }
    const bool exists = layeredRoot(*hives, hives->user.hive()).find(path).exists();
    if (exists) {
        if ((access & kWriteRights) != 0 && !hives->user.isWritable()) {
            return ERROR_ACCESS_DENIED;
        }
    } else {
        if ((parent.access() & KEY_CREATE_SUB_KEY) == 0) {
            return ERROR_ACCESS_DENIED;
        }
        const Status status = hives->user.modify([&](Hive& hive) {
            if (!layeredRoot(*hives, hive).find(parent.path()).exists()) {
                return ERROR_KEY_DELETED;
            }
            hive.root.findOrCreate(path);
            return ERROR_SUCCESS;
        });
        if (status != ERROR_SUCCESS) {
            return status;
        }
    }
    if (created != nullptr) {
        *created = !exists;
    }
    result = KeyHandle(parent.root(), path, access);
    return ERROR_SUCCESS;
}

Status RegistryStore::deleteKey(const KeyHandle& parent, const QString& subKey) {
    RootHives* hives = nullptr;
    QStringList path;
    if (const Status status = resolve(parent, subKey, hives, path); status != ERROR_SUCCESS) {
        return status == ERROR_INVALID_PARAMETER ? ERROR_FILE_NOT_FOUND : status;
    }
    if (path.isEmpty()) {
        return ERROR_ACCESS_DENIED; // a root cannot be deleted
    }
    // Checked before taking the lock, so that an unwritable hive still answers "not found",
    // and again under it against the latest contents.
    if (const Status status = keyToDelete(layeredRoot(*hives, hives->user.hive()).find(path));
        status != ERROR_SUCCESS) {
        return status;
    }
    return hives->user.modify([&](Hive& hive) {
        if (const Status status = keyToDelete(layeredRoot(*hives, hive).find(path));
            status != ERROR_SUCCESS) {
            return status;
        }
        hive.root.find(path.mid(0, path.size() - 1))->removeSubkey(path.back());
        return ERROR_SUCCESS;
    });
}

Status RegistryStore::queryValue(const KeyHandle& key, const QString& name, ValueType* type,
                                 std::uint8_t* data, std::uint32_t* size) const {
    if (hivesOf(key.root()) == nullptr) {
        return ERROR_INVALID_HANDLE;
    }
    if (data != nullptr && size == nullptr) {
        return ERROR_INVALID_PARAMETER;
    }
    const LayeredKey layered = lookup(key);
    if (!layered.exists()) {
        return ERROR_KEY_DELETED;
    }
    const RegistryValue* value = layered.value(name);
    if (value == nullptr) {
        return ERROR_FILE_NOT_FOUND;
    }
    if (type != nullptr) {
        *type = value->type;
    }
    const std::uint32_t needed = sizeOf(value->data.size());
    if (data != nullptr) {
        if (*size < needed) {
            *size = needed;
            return ERROR_MORE_DATA;
        }
        std::memcpy(data, value->data.constData(), needed);
    }
    if (size != nullptr) {
        *size = needed;
    }
    return ERROR_SUCCESS;
}

Status RegistryStore::setValue(const KeyHandle& key, const QString& name, ValueType type,
                               const QByteArray& data) {
    RootHives* hives = hivesOf(key.root());
    if (hives == nullptr) {
        return ERROR_INVALID_HANDLE;
    }
    if ((key.access() & KEY_SET_VALUE) == 0) {
        return ERROR_ACCESS_DENIED;
    }
    if (!isValidValueName(name) || data.size() > std::numeric_limits<std::uint32_t>::max()) {
        return ERROR_INVALID_PARAMETER;
    }
    return hives->user.modify([&](Hive& hive) {
        if (!layeredRoot(*hives, hive).find(key.path()).exists()) {
            return ERROR_KEY_DELETED;
        }
        hive.root.findOrCreate(key.path()).setValue(name, {type, data});
        return ERROR_SUCCESS;
    });
}

Status RegistryStore::deleteValue(const KeyHandle& key, const QString& name) {
    RootHives* hives = hivesOf(key.root());
    if (hives == nullptr) {
        return ERROR_INVALID_HANDLE;
    }
    if ((key.access() & KEY_SET_VALUE) == 0) {
        return ERROR_ACCESS_DENIED;
    }
    if (const Status status = valueToDelete(lookup(key), name); status != ERROR_SUCCESS) {
        return status;
    }
    return hives->user.modify([&](Hive& hive) {
        if (const Status status = valueToDelete(layeredRoot(*hives, hive).find(key.path()), name);
            status != ERROR_SUCCESS) {
            return status;
        }
        hive.root.find(key.path())->removeValue(name);
        return ERROR_SUCCESS;
    });
}

Status RegistryStore::enumKey(const KeyHandle& key, std::uint32_t index, QString& name) const {
    if (hivesOf(key.root()) == nullptr) {
        return ERROR_INVALID_HANDLE;
    }
    const LayeredKey layered = lookup(key);
    if (!layered.exists()) {
        return ERROR_KEY_DELETED;
    }
    const QStringList names = layered.subkeyNames();
    if (index >= sizeOf(names.size())) {
        return ERROR_NO_MORE_ITEMS;
    }
    name = names[index];
    return ERROR_SUCCESS;
}

Status RegistryStore::enumValue(const KeyHandle& key, std::uint32_t index, QString& name,
                                RegistryValue* value) const {
    if (hivesOf(key.root()) == nullptr) {
        return ERROR_INVALID_HANDLE;
    }
    const LayeredKey layered = lookup(key);
    if (!layered.exists()) {
        return ERROR_KEY_DELETED;
    }
    const std::vector<HiveValue> values = layered.values();
    if (index >= values.size()) {
        return ERROR_NO_MORE_ITEMS;
    }
    name = values[index].name;
    if (value != nullptr) {
        *value = values[index].value;
    }
    return ERROR_SUCCESS;
}

Status RegistryStore::queryInfoKey(const KeyHandle& key, KeyInfo& info) const {
    if (hivesOf(key.root()) == nullptr) {
        return ERROR_INVALID_HANDLE;
    }
    const LayeredKey layered = lookup(key);
    if (!layered.exists()) {
        return ERROR_KEY_DELETED;
    }
    info = {};
    const QStringList names = layered.subkeyNames();
    info.subkeyCount = sizeOf(names.size());
    for (const QString& name : names) {
        info.longestSubkeyName = std::max(info.longestSubkeyName, sizeOf(name.size()));
    }
    const std::vector<HiveValue> values = layered.values();
    info.valueCount = sizeOf(static_cast<qsizetype>(values.size()));
    for (const HiveValue& value : values) {
        info.longestValueName = std::max(info.longestValueName, sizeOf(value.name.size()));
        info.largestValueData = std::max(info.largestValueData, sizeOf(value.value.data.size()));
    }
    return ERROR_SUCCESS;
}

Status RegistryStore::exportKey(const KeyHandle& key, QByteArray& regText) const {
    if (hivesOf(key.root()) == nullptr) {
        return ERROR_INVALID_HANDLE;
    }
    const LayeredKey layered = lookup(key);
    if (!layered.exists()) {
        return ERROR_KEY_DELETED;
    }
    const QString rootName = rootKeyName(key.root());
    const QString keyPath = (QStringList{rootName} + key.path()).join(QLatin1Char('\\'));
    regText =
        writeRegText(layered.tree(key.path().isEmpty() ? rootName : key.path().back()), keyPath);
    return ERROR_SUCCESS;
}

Status RegistryStore::importRegText(const QByteArray& regText, const QString& sourceName,
                                    QList<HiveDiagnostic>* diagnostics) {
    const RegDocument document = parseRegText(regText, sourceName);
    if (diagnostics != nullptr) {
        *diagnostics = document.diagnostics;
    }
    if (!document.diagnostics.isEmpty()) {
        return ERROR_INVALID_DATA;
    }
    for (const auto& hives : m_hives) {
        const bool touched =
            std::any_of(document.sections.begin(), document.sections.end(),
                        [&](const RegSection& s) { return s.root == hives->root; });
        if (!touched) {
            continue;
        }
        const Status status = hives->user.modify([&](Hive& hive) {
            for (const RegSection& section : document.sections) {
                if (section.root == hives->root) {
                    applySection(hive.root, section);
                }
            }
            return ERROR_SUCCESS;
        });
        if (status != ERROR_SUCCESS) {
            return status;
        }
    }
    return ERROR_SUCCESS;
}

QList<HiveDiagnostic> RegistryStore::diagnostics() const {
    QList<HiveDiagnostic> all;
    for (const auto& hives : m_hives) {
        all += hives->user.diagnostics();
        if (hives->fallback) {
            all += hives->fallback->diagnostics();
        }
    }
    return all;
}

} // namespace tarnwick::registry
