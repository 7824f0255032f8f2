#pragma once

#include "shell/app_error.h"
#include "shell/c_registry.h"
#include "support/qt_printers.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <optional>

// Failure messages show a variant's type and text.
inline void PrintTo(const QVariant& value, std::ostream* out) {
    *out << (value.isValid() ? value.typeName() : "invalid") << ' ';
    PrintTo(tarnwick::registryValueText(value), out);
}

namespace tarnwick::test {

inline const QString kTestAppKey = QStringLiteral("SOFTWARE\\Corvane Technology\\Tarnwick\\2.0");

// A hive folder that cannot be created even with every right: its parent is a regular file.
inline QString unwritableHiveDir(const QTemporaryDir& dir) {
    QFile blocker(dir.filePath(QStringLiteral("blocker")));
    EXPECT_TRUE(blocker.open(QIODevice::WriteOnly));
    return dir.filePath(QStringLiteral("blocker/hive"));
}

// The value as stored: type and bytes; nothing when it is missing.
inline std::optional<registry::RegistryValue> storedValue(const registry::RegistryStore& store,
                                                          registry::RootKey root,
                                                          const QString& path,
                                                          const QString& name) {
    registry::KeyHandle key;
    if (store.openKey(root, path, registry::KEY_READ, key) != registry::ERROR_SUCCESS) {
        return std::nullopt;
    }
    for (std::uint32_t i = 0;; ++i) {
        QString found;
        registry::RegistryValue value;
        if (store.enumValue(key, i, found, &value) != registry::ERROR_SUCCESS) {
            return std::nullopt;
        }
        if (found.compare(name, Qt::CaseInsensitive) == 0) {
            return value;
        }
    }
}

inline void putValue(registry::RegistryStore& store, registry::RootKey root, const QString& path,
                     const QString& name, registry::ValueType type, const QByteArray& data) {
    registry::KeyHandle key;
    ASSERT_EQ(store.createKey(root, path, registry::KEY_ALL_ACCESS, key), registry::ERROR_SUCCESS);
    ASSERT_EQ(store.setValue(key, name, type, data), registry::ERROR_SUCCESS);
}

// Runs `action`, which must raise the registry error `number` with exactly `description`.
template <typename Action>
void expectRegistryError(Action action, int number, const QString& description) {
    try {
        action();
        ADD_FAILURE() << "no error raised";
    } catch (const AppError& error) {
        EXPECT_EQ(error.number(), number);
        EXPECT_EQ(error.source(), QStringLiteral("tarnwick.cRegistry"));
        EXPECT_EQ(error.description(), description);
    }
}

} // namespace tarnwick::test
