#include "registry_script.h"

#include "com_error.h"
#include "com_result.h"
#include "registry/environment_strings.h"

namespace tarnwick::com {

using namespace registry;

namespace {

[[noreturn]] void refused(const QString& key, Status status) {
    throw ComError(SELFREG_E_CLASS,
                   QStringLiteral("The registry refused HKEY_CLASSES_ROOT\\%1 (status %2)")
                       .arg(key)
                       .arg(status));
}

KeyHandle createClassesRootKey(RegistryStore& store, const QString& key) {
    KeyHandle handle;
    if (const Status status = store.createKey(HKEY_CLASSES_ROOT, key, KEY_ALL_ACCESS, handle);
        status != ERROR_SUCCESS) {
        refused(key, status);
    }
    return handle;
}

// Deletes `key` and everything below it, deepest keys first.
Status deleteTree(RegistryStore& store, const QString& key) {
    KeyHandle handle;
    Status status = store.openKey(HKEY_CLASSES_ROOT, key, KEY_ALL_ACCESS, handle);
    if (status != ERROR_SUCCESS) {
        return status;
    }
    QString child;
    // Always the first subkey: deleting it moves the next one to the front.
    while (store.enumKey(handle, 0, child) == ERROR_SUCCESS) {
        status = deleteTree(store, key + QLatin1Char('\\') + child);
        if (status != ERROR_SUCCESS) {
            return status;
        }
    }
    return store.deleteKey(HKEY_CLASSES_ROOT, key);
}

} // namespace

void writeRegistryScript(RegistryStore& store, const RegistryScript& script) {
    for (const QString& key : script.keys) {
        createClassesRootKey(store, key);
    }
    for (const RegistryScript::Value& value : script.values) {
        const KeyHandle handle = createClassesRootKey(store, value.key);
        if (const Status status =
                store.setValue(handle, value.name, REG_SZ, singleByteStringData(value.data));
            status != ERROR_SUCCESS) {
            refused(value.key, status);
        }
    }
}

void removeRegistryScript(RegistryStore& store, const RegistryScript& script) {
    for (const QString& key : script.ownedKeys) {
        if (const Status status = deleteTree(store, key);
            status != ERROR_SUCCESS && status != ERROR_FILE_NOT_FOUND) {
            refused(key, status);
        }
    }
}

std::optional<QString> readClassesRootString(const RegistryStore& store, const QString& key,
                                             const QString& name) {
    KeyHandle handle;
    if (store.openKey(HKEY_CLASSES_ROOT, key, KEY_READ, handle) != ERROR_SUCCESS) {
        return std::nullopt;
    }
    ValueType type = REG_NONE;
    std::uint32_t size = 0;
    if (store.queryValue(handle, name, &type, nullptr, &size) != ERROR_SUCCESS ||
        (type != REG_SZ && type != REG_EXPAND_SZ)) {
        return std::nullopt;
    }
    QByteArray data(static_cast<qsizetype>(size), '\0');
    if (store.queryValue(handle, name, &type, reinterpret_cast<std::uint8_t*>(data.data()),
                         &size) != ERROR_SUCCESS) {
        return std::nullopt;
    }
    data.truncate(static_cast<qsizetype>(size));
    const qsizetype end = data.indexOf('\0');
    const QString text = QString::fromLatin1(end >= 0 ? data.left(end) : data);
    return type == REG_EXPAND_SZ ? expandEnvironmentStrings(text) : text;
}

} // namespace tarnwick::com
