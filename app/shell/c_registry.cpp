#include "c_registry.h"

#include "registry/environment_strings.h"
#include "shell/app_error.h"
#include "shell/latin1.h"

#include <QtEndian>
#include <algorithm>
#include <limits>

namespace tarnwick {

using namespace registry;

namespace {

// A text holding "%" and a further "%" at least two characters later names an environment
// variable, so it is stored for expansion.
bool namesEnvironmentVariable(const QString& text) {
    const qsizetype first = text.indexOf(QLatin1Char('%'));
    return first >= 0 && text.indexOf(QLatin1Char('%'), first + 2) >= 0;
}

// The classic string read: size - 1 characters, a size of 0 counting as 1, so the final
// terminator is dropped and the separators inside a multi-string stay.
QString stringData(const QByteArray& data) {
    return fromSingleByte(data.left(std::max<qsizetype>(data.size(), 1) - 1));
}

// The first four bytes, short data filled with zeros.
QByteArray fourBytes(const QByteArray& data) {
    return data.leftJustified(4, '\0', true);
}

QVariant convertData(registry::ValueType type, const QByteArray& data) {
    switch (type) {
    case REG_SZ:
    case REG_MULTI_SZ:
        return stringData(data);
    case REG_EXPAND_SZ:
        return expandEnvironmentStrings(stringData(data));
    case REG_DWORD:
        return qFromLittleEndian<std::int32_t>(fourBytes(data).constData());
    case REG_DWORD_BIG_ENDIAN:
        return qFromBigEndian<std::int32_t>(fourBytes(data).constData());
    default:
        return data;
    }
}

bool holdsShortOrLong(const QVariant& value) {
    const int id = value.typeId();
    return id == QMetaType::Short || id == QMetaType::Int;
}

QByteArray dwordData(std::int32_t number) {
    QByteArray data(4, '\0');
    qToLittleEndian(number, data.data());
    return data;
}

// Grows the 1-based `names` to hold the next name at index `count` + 1.
void appendAtNextIndex(QStringList& names, std::int32_t& count, const QString& name) {
    if (count < 0) {
        throw AppError(ErrorNumber::SubscriptOutOfRange, kRegistrySource,
                       AppError::standardDescription(ErrorNumber::SubscriptOutOfRange));
    }
    if (count == std::numeric_limits<std::int32_t>::max()) {
        throw AppError(ErrorNumber::Overflow, kRegistrySource,
                       AppError::standardDescription(ErrorNumber::Overflow));
    }
    ++count;
    while (names.size() <= count) {
        names.append(QString());
    }
    names[count] = name;
}

} // namespace

QString registryValueText(const QVariant& value) {
    if (!value.isValid()) {
        return {};
    }
    if (value.typeId() == QMetaType::QByteArray) {
        return fromSingleByte(value.toByteArray());
    }
    return value.toString();
}

QString cRegistry::rootAndSection() const {
    return QLatin1Char('\'') + QString::number(m_classKey) + QStringLiteral("',Section: '") +
           m_sectionKey;
}

QString cRegistry::setValueFailure(const QVariant& value) const {
    return QStringLiteral("Failed to set registry value Key: ") + rootAndSection() +
           QStringLiteral("',Key: '") + m_valueKey + QStringLiteral("' to value: '") +
           registryValueText(value) + QLatin1Char('\'');
}

bool cRegistry::KeyExists() const {
    KeyHandle key;
    return m_store.openKey(m_classKey, m_sectionKey, KEY_QUERY_VALUE, key) == ERROR_SUCCESS;
}

bool cRegistry::CreateKey() {
    KeyHandle key;
    if (m_store.createKey(m_classKey, m_sectionKey, KEY_ALL_ACCESS, key) != ERROR_SUCCESS) {
        throw AppError(RegistryErrorNumber::Failure, kRegistrySource,
                       QStringLiteral("Failed to create registry Key: '") + m_sectionKey);
    }
    return true;
}

bool cRegistry::DeleteKey() {
    if (m_store.deleteKey(m_classKey, m_sectionKey) != ERROR_SUCCESS) {
        throw AppError(RegistryErrorNumber::Failure, kRegistrySource,
                       QStringLiteral("Failed to delete registry Key: ") + rootAndSection());
    }
    return true;
}

bool cRegistry::DeleteValue() {
    KeyHandle key;
    if (m_store.openKey(m_classKey, m_sectionKey, KEY_ALL_ACCESS, key) != ERROR_SUCCESS) {
        throw AppError(RegistryErrorNumber::Failure, kRegistrySource,
                       QStringLiteral("Failed to open key ") + rootAndSection() +
                           QStringLiteral("' for delete access"));
    }
    if (m_store.deleteValue(key, m_valueKey) != ERROR_SUCCESS) {
        throw AppError(RegistryErrorNumber::Failure, kRegistrySource,
                       QStringLiteral("Failed to delete registry Key: ") + rootAndSection() +
                           QStringLiteral("',Key: '") + m_valueKey);
    }
    return true;
}

QVariant cRegistry::Value() {
    // A key that cannot be opened leaves an empty handle, so the query below fails too.
    KeyHandle key;
    m_store.openKey(m_classKey, m_sectionKey, KEY_QUERY_VALUE, key);
    registry::ValueType type = REG_NONE;
    std::uint32_t size = 0;
    if (m_store.queryValue(key, m_valueKey, &type, nullptr, &size) != ERROR_SUCCESS) {
        return m_default;
    }
    m_valueType = static_cast<std::int32_t>(type);
    QByteArray data(static_cast<qsizetype>(size), '\0');
    // Another process may change the value between the two queries; what it then holds
    // cannot be read consistently, so it reads as missing.
    if (m_store.queryValue(key, m_valueKey, nullptr, reinterpret_cast<std::uint8_t*>(data.data()),
                           &size) != ERROR_SUCCESS) {
        return m_default;
    }
    data.truncate(static_cast<qsizetype>(size));
    return convertData(type, data);
}

void cRegistry::setValue(const QVariant& value) {
    KeyHandle key;
    if (m_store.createKey(m_classKey, m_sectionKey, KEY_ALL_ACCESS, key) != ERROR_SUCCESS) {
        throw AppError(RegistryErrorNumber::Failure, kRegistrySource, setValueFailure(value));
    }
    if (writeByType(key, value) != ERROR_SUCCESS) {
        throw AppError(RegistryErrorNumber::WriteFailed, kRegistrySource, setValueFailure(value));
    }
    m_lastValue = value;
}

Status cRegistry::writeByType(const KeyHandle& key, const QVariant& value) {
    switch (m_valueType) {
    case static_cast<std::int32_t>(REG_SZ):
    case static_cast<std::int32_t>(REG_EXPAND_SZ): {
        const QString text = registryValueText(value);
        return m_store.setValue(key, m_valueKey,
                                namesEnvironmentVariable(text) ? REG_EXPAND_SZ : REG_SZ,
                                singleByteStringData(text));
    }
    case static_cast<std::int32_t>(REG_BINARY):
        if (value.typeId() != QMetaType::QByteArray) {
            throw AppError(RegistryErrorNumber::Failure, kRegistrySource,
                           AppError::standardDescription(RegistryErrorNumber::Failure));
        }
        return m_store.setValue(key, m_valueKey, REG_BINARY, value.toByteArray());
    case static_cast<std::int32_t>(REG_DWORD):
    case static_cast<std::int32_t>(REG_DWORD_BIG_ENDIAN):
        // Any other kind of value is a type mismatch: writing nothing and answering success
        // would hide that the value was never stored.
        if (!holdsShortOrLong(value)) {
            return ErrorNumber::TypeMismatch;
        }
        return m_store.setValue(key, m_valueKey, REG_DWORD, dwordData(value.toInt()));
    default:
        return ErrorNumber::TypeMismatch;
    }
}

bool cRegistry::EnumerateValues(QStringList& names, std::int32_t& count) const {
    names.clear();
    KeyHandle key;
    if (m_store.openKey(m_classKey, m_sectionKey, KEY_QUERY_VALUE, key) != ERROR_SUCCESS) {
        return true;
    }
    QString name;
    for (std::uint32_t index = 0; m_store.enumValue(key, index, name) == ERROR_SUCCESS; ++index) {
        appendAtNextIndex(names, count, name);
    }
    return true;
}

bool cRegistry::EnumerateSections(QStringList& names, std::int32_t& count) const {
    names.clear();
    try {
        KeyHandle key;
        if (m_store.openKey(m_classKey, m_sectionKey, KEY_ENUMERATE_SUB_KEYS, key) !=
            ERROR_SUCCESS) {
            return true;
        }
        QString name;
        for (std::uint32_t index = 0; m_store.enumKey(key, index, name) == ERROR_SUCCESS; ++index) {
            appendAtNextIndex(names, count, name);
        }
    } catch (const AppError& error) {
        throw AppError(RegistryErrorNumber::EnumerateSectionsFailed, kRegistrySource,
                       error.description());
    }
    return true;
}

} // namespace tarnwick
