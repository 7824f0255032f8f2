#pragma once

#include "hive_location.h"
#include "reg_text_parser.h"
#include "registry_types.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>
#include <cstdint>
#include <memory>
#include <vector>

namespace tarnwick::registry {

class LayeredKey;
struct Hive;

// An open key: its root, its path below the root and the rights it was opened with. It holds
// no resources; closing a key is letting go of its handle. A predefined root converts to a
// handle with every right, so roots are passed where the classic functions take them.
class KeyHandle {
public:
    KeyHandle() = default;
    // Implicit on purpose: a root stands wherever a handle is taken.
    KeyHandle(RootKey root) : m_root(root), m_access(KEY_ALL_ACCESS) {}
    KeyHandle(RootKey root, QStringList path, Access access)
        : m_root(root), m_path(std::move(path)), m_access(access) {}

    RootKey root() const { return m_root; }
    const QStringList& path() const { return m_path; }
    Access access() const { return m_access; }

private:
    RootKey m_root = 0;
    QStringList m_path;
    Access m_access = 0;
};

struct KeyInfo {
    std::uint32_t subkeyCount = 0;
    std::uint32_t longestSubkeyName = 0;
    std::uint32_t valueCount = 0;
    std::uint32_t longestValueName = 0;
    std::uint32_t largestValueData = 0;
};

// The registry: the classic key and value operations with their result codes, kept in one
// hive file per root in the user's hive folder, beneath which the read-only hives of a
// default folder (shipped with the program) are read. Reads see the user's entry where there
// is one and the default's otherwise; every write goes to the user's hive, under its lock,
// re-reading it first so that other processes' writes survive. Every call first reads again
// a hive file that changed on disk, so even the const calls refresh what is held in memory.
// An entry that only the default hive holds cannot be deleted (ERROR_ACCESS_DENIED);
// deleting the user's entry lets the default's show again.
class RegistryStore {
public:
    explicit RegistryStore(const QString& userHiveDir = userHiveDirFromEnvironment(),
                           const QString& defaultHiveDir = {});
    ~RegistryStore();
    RegistryStore(const RegistryStore&) = delete;
    RegistryStore& operator=(const RegistryStore&) = delete;

    void setDefaultHiveDir(const QString& dir);

    // Opens `subKey` (backslash-separated, empty for `parent` itself). Asking for write rights
    // fails with ERROR_ACCESS_DENIED when the user's hive cannot be written.
    Status openKey(const KeyHandle& parent, const QString& subKey, Access access,
                   KeyHandle& result) const;
    // Opens `subKey`, creating it and any missing keys on its way in the user's hive.
    Status createKey(const KeyHandle& parent, const QString& subKey, Access access,
                     KeyHandle& result, bool* created = nullptr);
    // Deletes `subKey`, which must have no subkeys (ERROR_ACCESS_DENIED otherwise).
    Status deleteKey(const KeyHandle& parent, const QString& subKey);

    // The value `name` ("" for the default value). `type` and `data` may be null. Without
    // `data`, `*size` receives the data's size; with it, `*size` is the buffer's size on entry
    // and the data's size on return, and a buffer too small answers ERROR_MORE_DATA with
    // nothing copied.
    Status queryValue(const KeyHandle& key, const QString& name, ValueType* type,
                      std::uint8_t* data, std::uint32_t* size) const;
    Status setValue(const KeyHandle& key, const QString& name, ValueType type,
                    const QByteArray& data);
    Status deleteValue(const KeyHandle& key, const QString& name);

    // Subkeys and values by index from 0 until ERROR_NO_MORE_ITEMS.
    Status enumKey(const KeyHandle& key, std::uint32_t index, QString& name) const;
    Status enumValue(const KeyHandle& key, std::uint32_t index, QString& name,
                     RegistryValue* value = nullptr) const;
    Status queryInfoKey(const KeyHandle& key, KeyInfo& info) const;

    // .reg text of the key and everything below it, as the layers show it.
    Status exportKey(const KeyHandle& key, QByteArray& regText) const;
    // Applies .reg text to the user's hives, each root's part in one atomic save. Text with
    // any unreadable line changes nothing and answers ERROR_INVALID_DATA with the problems in
    // `diagnostics`. A `[-key]` section deletes the user's copy of the key only.
    Status importRegText(const QByteArray& regText, const QString& sourceName,
                         QList<HiveDiagnostic>* diagnostics = nullptr);

    // Problems in the hive files as last read (they are also logged when read).
    QList<HiveDiagnostic> diagnostics() const;

private:
    struct RootHives;

    RootHives* hivesOf(RootKey root) const;
    LayeredKey layeredRoot(RootHives& hives, const Hive& userHive) const;
    LayeredKey lookup(const KeyHandle& key) const;
    // The hives and full path of `subKey` below `parent`.
    Status resolve(const KeyHandle& parent, const QString& subKey, RootHives*& hives,
                   QStringList& path) const;

    std::vector<std::unique_ptr<RootHives>> m_hives;
};

} // namespace tarnwick::registry
