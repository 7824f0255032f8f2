#include "registry/registry_store.h"
#include "shell/ui/system_info.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace tarnwick;
using namespace tarnwick::registry;

namespace {

const QString kTools = QStringLiteral("SOFTWARE\\Test Tools");

// The answer and the text, starting from a text that shows whether it was touched.
std::pair<bool, QString> get(const RegistryStore& store, const QString& key, const char* name) {
    QString value = QStringLiteral("untouched");
    const bool found = GetKeyValue(store, HKEY_LOCAL_MACHINE, key, QLatin1String(name), value);
    return {found, value};
}

} // namespace

TEST(GetKeyValue, ReadsTextsAndNumbersAndLeavesOtherTypesAlone) {
    QTemporaryDir dir;
    RegistryStore store(dir.path());
    KeyHandle key;
    ASSERT_EQ(store.createKey(HKEY_LOCAL_MACHINE, kTools, KEY_ALL_ACCESS, key), ERROR_SUCCESS);
    const auto set = [&](const char* name, ValueType type, const QByteArray& data) {
        ASSERT_EQ(store.setValue(key, QLatin1String(name), type, data), ERROR_SUCCESS);
    };
    set("Path", REG_SZ, QByteArray("/opt/Z\xfcrich/run\0", 16));
    set("Bare", REG_SZ, QByteArray("no terminator"));
    set("Two", REG_SZ, QByteArray("ab\0\0", 4));
    set("Small", REG_DWORD, QByteArray("\x05\x01\x00\x00", 4));
    set("Full", REG_DWORD, QByteArray("\x78\x56\x34\x12", 4));
    set("Blob", REG_BINARY, QByteArray("\x01\x02", 2));
    set("Long", REG_SZ, QByteArray(1025, 'x'));

    // A text loses one terminating NUL.
    EXPECT_EQ(get(store, kTools, "Path"), std::pair(true, QStringLiteral("/opt/Z\u00fcrich/run")));
    EXPECT_EQ(get(store, kTools, "Bare"), std::pair(true, QStringLiteral("no terminator")));
    EXPECT_EQ(get(store, kTools, "Two"), std::pair(true, QString::fromLatin1("ab\0", 3)));
    // A number: hexadecimal, most significant byte first, two digits a byte. A zero top byte
    // goes the way of a terminator; the number stays the same.
    EXPECT_EQ(get(store, kTools, "Small"), std::pair(true, QStringLiteral("&h000105")));
    EXPECT_EQ(get(store, kTools, "Full"), std::pair(true, QStringLiteral("&h12345678")));
    EXPECT_EQ(get(store, kTools, "Blob"), std::pair(true, QStringLiteral("untouched")));
    // What cannot be read empties the text.
    EXPECT_EQ(get(store, kTools, "Long"), std::pair(false, QString()));
    EXPECT_EQ(get(store, kTools, "Missing"), std::pair(false, QString()));
    EXPECT_EQ(get(store, QStringLiteral("SOFTWARE\\Nowhere"), "Path"), std::pair(false, QString()));
}

TEST(GetKeyValue, AKeyTheUserMayNotChangeCountsAsNotFound) {
    QTemporaryDir dir;
    QFile plain(dir.filePath(QStringLiteral("plain")));
    ASSERT_TRUE(plain.open(QIODevice::WriteOnly));
    plain.close();
    const QString shipped = dir.filePath(QStringLiteral("shipped"));
    QDir().mkpath(shipped);
    QFile hive(hiveFilePath(shipped, HKEY_LOCAL_MACHINE));
    ASSERT_TRUE(hive.open(QIODevice::WriteOnly));
    hive.write("Windows Registry Editor Version 5.00\n\n"
               "[HKEY_LOCAL_MACHINE\\SOFTWARE\\Test Tools]\n\"Path\"=\"/opt/sysinfo/run\"\n");
    hive.close();
    // The user's hive lies below a plain file, so nothing can ever be written there.
    const RegistryStore store(dir.filePath(QStringLiteral("plain/registry")), shipped);
    KeyHandle key;
    ASSERT_EQ(store.openKey(HKEY_LOCAL_MACHINE, kTools, KEY_READ, key), ERROR_SUCCESS);
    EXPECT_EQ(get(store, kTools, "Path"), std::pair(false, QString()));
}
