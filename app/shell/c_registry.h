#pragma once

#include "registry/registry_store.h"

#include <QString>
#include <QStringList>
#include <QVariant>
#include <QVariantList>
#include <cstdint>

namespace tarnwick {

// The error numbers cRegistry raises, as signed 32-bit automation numbers.
namespace RegistryErrorNumber {
constexpr int Failure = 26001;
constexpr int WriteFailed = static_cast<int>(0x800469A9u);
constexpr int EnumerateSectionsFailed = static_cast<int>(0x800469AAu);
constexpr int InvalidAssociationList = static_cast<int>(0x800469ACu);
constexpr int ClassNotDefined = static_cast<int>(0x800469ADu);
} // namespace RegistryErrorNumber

inline const QString kRegistrySource = QStringLiteral("tarnwick.cRegistry");

// A value's text as error descriptions and settings show it: an empty variant is empty text,
// a byte array its bytes as single-byte characters, anything else the variant's own text.
QString registryValueText(const QVariant& value);

// The program's one way into the registry: a value is addressed by ClassKey (a predefined
// root), SectionKey (the key path below it) and ValueKey (the value's name, empty for the
// key's default value). Failures are thrown as AppError with source "tarnwick.cRegistry".
//
// Name lists are 1-based, as their callers count: a list answered by EnumerateValues or
// EnumerateSections leaves index 0 unused (an empty text) and holds the n-th name at index
// `count`, so a list with names always has `count` + 1 entries.
class cRegistry {
public:
    explicit cRegistry(registry::RegistryStore& store) : m_store(store) {}

    // False when SectionKey cannot be opened for reading.
    bool KeyExists() const;
    // Creates or opens SectionKey; answers true or raises 26001.
    bool CreateKey();
    // Deletes SectionKey, which must have no subkeys; answers true or raises 26001.
    bool DeleteKey();
    // Deletes ValueKey of SectionKey; answers true or raises 26001.
    bool DeleteValue();

    // The value, converted by its type (text, expanded text, 32-bit number or bytes), or
    // Default when it cannot be read. Sets ValueType to the type found.
    QVariant Value();
    // Writes `value` by ValueType: 1 and 2 as text (REG_EXPAND_SZ when it holds "%...%"),
    // 3 bytes, 4 and 5 a 16- or 32-bit integer as REG_DWORD. Raises 26001 or 0x800469A9.
    void setValue(const QVariant& value);

    // Appends the value names (or subkey names) of SectionKey to the emptied `names`, each at
    // index `count` + 1 after incrementing `count` from the caller's value. A key that cannot
    // be opened leaves `names` empty. Always answers true.
    bool EnumerateValues(QStringList& names, std::int32_t& count) const;
    bool EnumerateSections(QStringList& names, std::int32_t& count) const;

    // Registers the file type ".extension" as `className` with shell verbs running `exePath`,
    // in HKEY_CLASSES_ROOT and HKEY_LOCAL_MACHINE\SOFTWARE\Classes. An empty verb text takes
    // the standard one; `iconIndex` -1 registers no icon.
    void CreateEXEAssociation(const QString& exePath, const QString& className,
                              const QString& classDescription, const QString& extension,
                              const QString& openText, bool supportPrint, const QString& printText,
                              bool supportNew, const QString& newText, bool supportInstall,
                              const QString& installText, std::int32_t iconIndex);
    // Adds the verbs of `items` (triples: name, menu text, command line) to a registered class.
    void CreateAdditionalEXEAssociations(const QString& className, const QVariantList& items);

    std::int32_t ValueType() const { return m_valueType; }
    void setValueType(std::int32_t type) { m_valueType = type; }
    std::int32_t ClassKey() const { return m_classKey; }
    void setClassKey(std::int32_t root) { m_classKey = root; }
    const QString& SectionKey() const { return m_sectionKey; }
    void setSectionKey(const QString& path) { m_sectionKey = path; }
    const QString& ValueKey() const { return m_valueKey; }
    void setValueKey(const QString& name) { m_valueKey = name; }
    const QVariant& Default() const { return m_default; }
    void setDefault(const QVariant& value) { m_default = value; }

    // The last value written successfully through setValue.
    const QVariant& lastValue() const { return m_lastValue; }

private:
    // Writes `value` as the default value of SectionKey under HKEY_CLASSES_ROOT and then under
    // HKEY_LOCAL_MACHINE\SOFTWARE\Classes; ClassKey is left at HKEY_LOCAL_MACHINE.
    void SetClassValue(const QString& value);
    // "'<root>',Section: '<SectionKey>", the common part of the error descriptions.
    QString rootAndSection() const;
    // The description of a failed write of `value`.
    QString setValueFailure(const QVariant& value) const;
    // The status of writing `value` by ValueType to an open key.
    registry::Status writeByType(const registry::KeyHandle& key, const QVariant& value);

    registry::RegistryStore& m_store;
    // No root and no type until the caller sets them: every use sets both first.
    std::int32_t m_classKey = 0;
    QString m_sectionKey;
    QString m_valueKey;
    std::int32_t m_valueType = 0;
    QVariant m_default;
    QVariant m_lastValue;
};

} // namespace tarnwick
