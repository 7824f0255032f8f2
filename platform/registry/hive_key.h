#pragma once

#include "registry_types.h"

#include <QString>
#include <QStringList>
#include <QStringView>
#include <utility>
#include <vector>

namespace tarnwick::registry {

struct HiveValue {
    QString name;
    RegistryValue value;

    friend bool operator==(const HiveValue&, const HiveValue&) = default;
};

// One key of a hive with its values and subkeys. Names are looked up without regard to case
// and keep the spelling they were created with. Subkeys stay sorted by name (ignoring case),
// values in the order they were created; that is the order in which they are enumerated.
class HiveKey {
public:
    HiveKey() = default;
    explicit HiveKey(QString name) : m_name(std::move(name)) {}

    const QString& name() const { return m_name; }

    const std::vector<HiveKey>& subkeys() const { return m_subkeys; }
    const HiveKey* subkey(QStringView name) const;
    HiveKey* subkey(QStringView name);
    HiveKey& subkeyOrCreate(const QString& name);
    bool removeSubkey(QStringView name);

    // The key at `path` below this one (this key itself for an empty path).
    const HiveKey* find(const QStringList& path) const;
    HiveKey* find(const QStringList& path);
    HiveKey& findOrCreate(const QStringList& path);

    const std::vector<HiveValue>& values() const { return m_values; }
    const RegistryValue* value(QStringView name) const;
    // Replaces an existing value in place (keeping its spelling) or appends a new one.
    void setValue(const QString& name, RegistryValue value);
    bool removeValue(QStringView name);

    // Comment and unreadable lines met in this key's section of a hive file, kept verbatim so
    // that a save loses nothing (see `RegSection::keptLines`).
    const QStringList& keptLines() const { return m_keptLines; }
    void keepLines(const QStringList& lines) { m_keptLines += lines; }
    // The kept lines of this key and all its subkeys.
    QStringList keptLinesOfTree() const;

    friend bool operator==(const HiveKey&, const HiveKey&) = default;

private:
    QString m_name;
    std::vector<HiveValue> m_values;
    std::vector<HiveKey> m_subkeys;
    QStringList m_keptLines;
};

// Everything one hive file holds: the tree below its root and the lines met before the first
// section that could not be read.
struct Hive {
    HiveKey root;
    QStringList leadingLines;

    friend bool operator==(const Hive&, const Hive&) = default;
};

} // namespace tarnwick::registry
