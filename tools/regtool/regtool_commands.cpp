#include "regtool_commands.h"

#include "key_argument.h"
#include "registry/reg_value_syntax.h"
#include "registry/registry_store.h"
#include "regtool_failure.h"
#include "shell/app_error.h"
#include "shell/file_access.h"
#include "value_data.h"

namespace tarnwick::regtool {

using namespace registry;

namespace {

void expectArguments(const QStringList& args, qsizetype least, qsizetype most) {
    if (args.size() < least || args.size() > most) {
        throw RegtoolFailure(QStringLiteral("wrong number of arguments"), kUsageError);
    }
}

QString statusText(Status status) {
    switch (status) {
    case ERROR_FILE_NOT_FOUND:
        return QStringLiteral("not found");
    case ERROR_ACCESS_DENIED:
        return QStringLiteral("access denied");
    case ERROR_INVALID_PARAMETER:
        return QStringLiteral("invalid name");
    case ERROR_KEY_DELETED:
        return QStringLiteral("the key does not exist");
    default:
        return QStringLiteral("error %1").arg(status);
    }
}

void check(Status status, const QString& what) {
    if (status != ERROR_SUCCESS) {
        throw RegtoolFailure(what + QStringLiteral(": ") + statusText(status));
    }
}

KeyHandle openKey(const RegistryStore& store, const KeyArgument& key, Access access) {
    KeyHandle handle;
    check(store.openKey(key.root, key.path, access, handle), key.text);
    return handle;
}

// The value `name` of `key` as stored, type and data.
RegistryValue readValue(const RegistryStore& store, const KeyHandle& key, const QString& name,
                        const QString& what) {
    RegistryValue value;
    std::uint32_t size = 0;
    check(store.queryValue(key, name, &value.type, nullptr, &size), what);
    value.data.resize(static_cast<qsizetype>(size));
    check(store.queryValue(key, name, nullptr, reinterpret_cast<std::uint8_t*>(value.data.data()),
                           &size),
          what);
    value.data.truncate(static_cast<qsizetype>(size));
    return value;
}

QString valueDescription(const KeyArgument& key, const QString& name) {
    return key.text + QStringLiteral(" value \"") + name + QLatin1Char('"');
}

} // namespace

void Commands::query(const QStringList& args) const {
    expectArguments(args, 1, 2);
    const KeyArgument key = parseKeyArgument(args[0]);
    const KeyHandle handle = openKey(store, key, KEY_QUERY_VALUE);
    if (args.size() == 2) {
        out << formatValueData(readValue(store, handle, args[1], valueDescription(key, args[1])))
            << '\n';
        return;
    }
    QString name;
    RegistryValue value;
    for (std::uint32_t index = 0; store.enumValue(handle, index, name, &value) == ERROR_SUCCESS;
         ++index) {
        out << formatValueLine({name, value}) << '\n';
    }
}

void Commands::set(const QStringList& args) const {
    expectArguments(args, 4, 4);
    const KeyArgument key = parseKeyArgument(args[0]);
    const RegistryValue value = parseValueData(args[2], args[3]);
    KeyHandle handle;
    check(store.createKey(key.root, key.path, KEY_ALL_ACCESS, handle), key.text);
    check(store.setValue(handle, args[1], value.type, value.data), valueDescription(key, args[1]));
}

void Commands::remove(const QStringList& args) const {
    expectArguments(args, 1, 2);
    const KeyArgument key = parseKeyArgument(args[0]);
    if (args.size() == 1) {
        if (const Status status = store.deleteKey(key.root, key.path);
            status == ERROR_ACCESS_DENIED) {
            throw RegtoolFailure(key.text + QStringLiteral(": access denied (a key with subkeys, "
                                                           "one only the default hive holds or "
                                                           "an unwritable hive)"));
        } else {
            check(status, key.text);
        }
        return;
    }
    const KeyHandle handle = openKey(store, key, KEY_ALL_ACCESS);
    check(store.deleteValue(handle, args[1]), valueDescription(key, args[1]));
}

void Commands::list(const QStringList& args) const {
    expectArguments(args, 1, 1);
    const KeyArgument key = parseKeyArgument(args[0]);
    const KeyHandle handle = openKey(store, key, KEY_ENUMERATE_SUB_KEYS);
    QString name;
    for (std::uint32_t index = 0; store.enumKey(handle, index, name) == ERROR_SUCCESS; ++index) {
        out << name << '\n';
    }
}

void Commands::importFile(const QStringList& args) const {
    expectArguments(args, 1, 1);
    const std::optional<QByteArray> text = readFileIfExists(args[0]);
    if (!text) {
        throw RegtoolFailure(args[0] + QStringLiteral(": no such file"));
    }
    QList<HiveDiagnostic> problems;
    const Status status = store.importRegText(*text, args[0], &problems);
    if (!problems.isEmpty()) {
        QStringList lines;
        for (const HiveDiagnostic& problem : problems) {
            lines += problem.toString();
        }
        throw RegtoolFailure(lines.join(QLatin1Char('\n')) +
                             QStringLiteral("\nnothing was imported"));
    }
    check(status, args[0]);
}

void Commands::exportKey(const QStringList& args) const {
    expectArguments(args, 2, 2);
    const KeyArgument key = parseKeyArgument(args[0]);
    const KeyHandle handle = openKey(store, key, KEY_READ);
    QByteArray text;
    check(store.exportKey(handle, text), key.text);
    writeFileAtomically(args[1], text);
}

} // namespace tarnwick::regtool
