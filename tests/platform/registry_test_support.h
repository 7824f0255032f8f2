#pragma once

#include "registry/registry_store.h"

#include <QByteArray>
#include <QFile>
#include <QString>

namespace tarnwick::registry::test {

inline const QString kAppKey = QStringLiteral("SOFTWARE\\Corvane Technology\\Tarnwick\\2.0");

inline QByteArray readFile(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

inline void writeFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    if (file.open(QIODevice::WriteOnly)) {
        file.write(bytes);
    }
}

// The string a value holds, without its terminating NUL; "<status N>" when it cannot be read.
inline QString stringValue(const RegistryStore& store, const KeyHandle& key, const QString& name) {
    std::uint32_t size = 0;
    if (const Status status = store.queryValue(key, name, nullptr, nullptr, &size);
        status != ERROR_SUCCESS) {
        return QStringLiteral("<status %1>").arg(status);
    }
    QByteArray data(static_cast<qsizetype>(size), '\0');
    store.queryValue(key, name, nullptr, reinterpret_cast<std::uint8_t*>(data.data()), &size);
    return QString::fromLatin1(data.chopped(data.endsWith('\0') ? 1 : 0));
}

inline Status setString(RegistryStore& store, const KeyHandle& key, const QString& name,
                        const QString& text) {
    return store.setValue(key, name, REG_SZ, singleByteStringData(text));
}

} // namespace tarnwick::registry::test
