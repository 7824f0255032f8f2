#pragma once

#include <QByteArray>
#include <QString>
#include <cstdint>

// Names of roots, result codes, value types and access rights keep their classic spelling so
// that code written against the classic registry functions reads the same against this store.
namespace tarnwick::registry {

// Predefined root keys, as 32-bit signed handles.
using RootKey = std::int32_t;
constexpr RootKey HKEY_CLASSES_ROOT = static_cast<RootKey>(0x80000000u);
constexpr RootKey HKEY_CURRENT_USER = static_cast<RootKey>(0x80000001u);
constexpr RootKey HKEY_LOCAL_MACHINE = static_cast<RootKey>(0x80000002u);
constexpr RootKey HKEY_USERS = static_cast<RootKey>(0x80000003u);

// Result codes of every operation.
using Status = std::int32_t;
constexpr Status ERROR_SUCCESS = 0;
constexpr Status ERROR_FILE_NOT_FOUND = 2;
constexpr Status ERROR_ACCESS_DENIED = 5;
constexpr Status ERROR_INVALID_HANDLE = 6;
constexpr Status ERROR_INVALID_DATA = 13;
constexpr Status ERROR_INVALID_PARAMETER = 87;
constexpr Status ERROR_MORE_DATA = 234;
constexpr Status ERROR_NO_MORE_ITEMS = 259;
constexpr Status ERROR_KEY_DELETED = 1018;

// Value types. Any other number is stored and round-tripped as plain bytes.
using ValueType = std::uint32_t;
constexpr ValueType REG_NONE = 0;
constexpr ValueType REG_SZ = 1;
constexpr ValueType REG_EXPAND_SZ = 2;
constexpr ValueType REG_BINARY = 3;
constexpr ValueType REG_DWORD = 4;
constexpr ValueType REG_DWORD_BIG_ENDIAN = 5;
constexpr ValueType REG_MULTI_SZ = 7;

// Access rights asked for when a key is opened. Only the write rights are enforced: a handle
// without them cannot change the key, and asking for them fails when the hive is unwritable.
using Access = std::uint32_t;
constexpr Access KEY_QUERY_VALUE = 0x0001;
constexpr Access KEY_SET_VALUE = 0x0002;
constexpr Access KEY_CREATE_SUB_KEY = 0x0004;
constexpr Access KEY_ENUMERATE_SUB_KEYS = 0x0008;
constexpr Access KEY_READ = 0x20019;
constexpr Access KEY_WRITE = 0x20006;
constexpr Access KEY_ALL_ACCESS = 0xF003F;
constexpr Access kWriteRights = KEY_SET_VALUE | KEY_CREATE_SUB_KEY;

// One stored value. String types hold single-byte (ISO-8859-1) text with its terminating NUL,
// exactly as written; the data is never reinterpreted, so embedded NULs survive.
struct RegistryValue {
    ValueType type = REG_NONE;
    QByteArray data;

    friend bool operator==(const RegistryValue&, const RegistryValue&) = default;
};

// String data as stored for `text`: one byte per character ('?' outside ISO-8859-1) and the
// terminating NUL.
inline QByteArray singleByteStringData(const QString& text) {
    QByteArray data = text.toLatin1();
    data.append('\0');
    return data;
}

} // namespace tarnwick::registry
