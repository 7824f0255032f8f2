#pragma once

#include "registry_types.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

namespace tarnwick::registry {

inline const QLatin1String kRegFileHeader("Windows Registry Editor Version 5.00");

// A problem met while reading a .reg file, for the tools and the log.
struct HiveDiagnostic {
    QString file;
    int line = 0;
    QString message;

    QString toString() const; // "file:line: message"

    friend bool operator==(const HiveDiagnostic&, const HiveDiagnostic&) = default;
};

// `"name"=data` sets a value; `"name"=-` (no value) deletes it.
struct RegEntry {
    QString name;
    std::optional<RegistryValue> value;
};

// One `[root\path]` section, or a `[-root\path]` one that deletes the key and its subkeys.
struct RegSection {
    RootKey root = HKEY_LOCAL_MACHINE;
    QStringList path;
    bool removeKey = false;
    std::vector<RegEntry> entries;
    // Comment and unreadable lines that followed the section's own lines, verbatim; an entry
    // holds several lines (joined by "\n") when trailing backslashes continued them.
    QStringList keptLines;
};

struct RegDocument {
    // Comment and unreadable lines before the first section, as in `RegSection::keptLines`.
    QStringList leadingLines;
    std::vector<RegSection> sections;
    QList<HiveDiagnostic> diagnostics;
};

// Reads .reg text: the header line, `[key]` sections, `"name"="text"`, `@=` for the default
// value, `dword:`, `hex:` and `hex(type):` data, `\` continuing a line. Text is UTF-8 (or
// UTF-16 with a byte order mark; bytes that are no UTF-8 are read as ISO-8859-1). String data
// becomes single-byte text with its terminating NUL; `hex(type):` lists the stored bytes as
// they are, string types included (no UTF-16 conversion), so every value round-trips exactly.
// A line that cannot be read is reported with its file and line and kept verbatim; after an
// unreadable section line, the lines up to the next section are kept without being read.
// With `onlyRoot`, sections of other roots count as unreadable.
RegDocument parseRegText(const QByteArray& bytes, const QString& fileName,
                         std::optional<RootKey> onlyRoot = std::nullopt);

} // namespace tarnwick::registry
