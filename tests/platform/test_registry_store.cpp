#include "registry/hive_location.h"
#include "registry_test_support.h"

#include <QDir>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace tarnwick::registry;
using namespace tarnwick::registry::test;

namespace {

class RegistryStoreTest : public ::testing::Test {
protected:
    QTemporaryDir m_dir;
    RegistryStore m_store{m_dir.filePath(QStringLiteral("user"))};

    KeyHandle create(const QString& path) {
        KeyHandle key;
        EXPECT_EQ(m_store.createKey(HKEY_LOCAL_MACHINE, path, KEY_ALL_ACCESS, key), ERROR_SUCCESS);
        return key;
    }
};

} // namespace

TEST_F(RegistryStoreTest, QueryAnswersSizesAndMoreDataLikeTheClassicCall) {
    const KeyHandle key = create(kAppKey);
    ASSERT_EQ(setString(m_store, key, QStringLiteral("HelpFile"), QStringLiteral("help.qch")),
              ERROR_SUCCESS);

    ValueType type = REG_NONE;
    std::uint32_t size = 0;
    EXPECT_EQ(m_store.queryValue(key, QStringLiteral("helpfile"), &type, nullptr, &size),
              ERROR_SUCCESS);
    EXPECT_EQ(type, REG_SZ);
    EXPECT_EQ(size, 9u); // eight characters and the NUL

    std::uint8_t buffer[16] = {};
    size = 8;
    EXPECT_EQ(m_store.queryValue(key, QStringLiteral("HelpFile"), &type, buffer, &size),
              ERROR_MORE_DATA);
    EXPECT_EQ(size, 9u);
    EXPECT_EQ(buffer[0], 0) << "nothing is copied into a buffer that is too small";
    size = sizeof buffer;
    EXPECT_EQ(m_store.queryValue(key, QStringLiteral("HelpFile"), nullptr, buffer, &size),
              ERROR_SUCCESS);
    EXPECT_EQ(size, 9u);
    EXPECT_EQ(QByteArray(reinterpret_cast<const char*>(buffer), 9), QByteArray("help.qch\0", 9));

    EXPECT_EQ(m_store.queryValue(key, QStringLiteral("HelpFile"), nullptr, buffer, nullptr),
              ERROR_INVALID_PARAMETER);
    EXPECT_EQ(m_store.queryValue(key, QStringLiteral("Missing"), &type, nullptr, &size),
              ERROR_FILE_NOT_FOUND);
    EXPECT_EQ(m_store.queryValue(KeyHandle(42), QStringLiteral("x"), &type, nullptr, &size),
              ERROR_INVALID_HANDLE);
}

TEST_F(RegistryStoreTest, EnumerationOrderAndEnd) {
    const KeyHandle key = create(QStringLiteral("SOFTWARE\\Order"));
    for (const char* name : {"beta", "Alpha", "gamma"}) {
        create(QStringLiteral("SOFTWARE\\Order\\") + QLatin1String(name));
        ASSERT_EQ(setString(m_store, key, QLatin1String(name), QStringLiteral("v")), ERROR_SUCCESS);
    }
    ASSERT_EQ(setString(m_store, key, QStringLiteral("BETA"), QStringLiteral("again")),
              ERROR_SUCCESS);

    QStringList subkeys;
    QStringList values;
    QString name;
    for (std::uint32_t i = 0; m_store.enumKey(key, i, name) == ERROR_SUCCESS; ++i) {
        subkeys.append(name);
    }
    for (std::uint32_t i = 0; m_store.enumValue(key, i, name) == ERROR_SUCCESS; ++i) {
        values.append(name);
    }
    // Subkeys sorted without regard to case; values in the order they were first written.
    EXPECT_EQ(subkeys, (QStringList{QStringLiteral("Alpha"), QStringLiteral("beta"),
                                    QStringLiteral("gamma")}));
    EXPECT_EQ(values, (QStringList{QStringLiteral("beta"), QStringLiteral("Alpha"),
                                   QStringLiteral("gamma")}));
    EXPECT_EQ(m_store.enumKey(key, 3, name), ERROR_NO_MORE_ITEMS);
    EXPECT_EQ(m_store.enumValue(key, 3, name), ERROR_NO_MORE_ITEMS);

    KeyInfo info;
    ASSERT_EQ(m_store.queryInfoKey(key, info), ERROR_SUCCESS);
    EXPECT_EQ(info.subkeyCount, 3u);
    EXPECT_EQ(info.valueCount, 3u);
    EXPECT_EQ(info.longestValueName, 5u);
    EXPECT_EQ(info.largestValueData, 6u);
}

TEST_F(RegistryStoreTest, KeyRulesOfTheClassicCalls) {
    KeyHandle key;
    EXPECT_EQ(m_store.openKey(HKEY_LOCAL_MACHINE, kAppKey, KEY_READ, key), ERROR_FILE_NOT_FOUND);
    bool created = false;
    ASSERT_EQ(m_store.createKey(HKEY_LOCAL_MACHINE, kAppKey, KEY_READ, key, &created),
              ERROR_SUCCESS);
    EXPECT_TRUE(created);
    EXPECT_EQ(m_store.createKey(HKEY_LOCAL_MACHINE, kAppKey.toUpper(), KEY_READ, key, &created),
              ERROR_SUCCESS);
    EXPECT_FALSE(created);

    // A handle opened for reading cannot write; a bad name cannot be created.
    EXPECT_EQ(setString(m_store, key, QStringLiteral("x"), QStringLiteral("y")),
              ERROR_ACCESS_DENIED);
    KeyHandle other;
    EXPECT_EQ(
        m_store.createKey(HKEY_LOCAL_MACHINE, QStringLiteral("A\\\\B"), KEY_ALL_ACCESS, other),
        ERROR_INVALID_PARAMETER);
    EXPECT_EQ(m_store.openKey(HKEY_LOCAL_MACHINE, QStringLiteral("A\\\\B"), KEY_READ, other),
              ERROR_FILE_NOT_FOUND);

    // Only a key without subkeys can be deleted, never a root.
    EXPECT_EQ(m_store.deleteKey(HKEY_LOCAL_MACHINE, QStringLiteral("SOFTWARE\\Corvane Technology")),
              ERROR_ACCESS_DENIED);
    EXPECT_EQ(m_store.deleteKey(HKEY_LOCAL_MACHINE, {}), ERROR_ACCESS_DENIED);
    EXPECT_EQ(m_store.deleteKey(HKEY_LOCAL_MACHINE, kAppKey), ERROR_SUCCESS);
    EXPECT_EQ(m_store.deleteKey(HKEY_LOCAL_MACHINE, kAppKey), ERROR_FILE_NOT_FOUND);
    EXPECT_EQ(m_store.openKey(HKEY_LOCAL_MACHINE, QStringLiteral("software\\corvane technology"),
                              KEY_READ, other),
              ERROR_SUCCESS);

    // A handle whose key went away answers so, and is not brought back by a write.
    std::uint32_t size = 0;
    EXPECT_EQ(m_store.queryValue(key, {}, nullptr, nullptr, &size), ERROR_KEY_DELETED);
    const KeyHandle writable(HKEY_LOCAL_MACHINE, key.path(), KEY_ALL_ACCESS);
    EXPECT_EQ(setString(m_store, writable, {}, QStringLiteral("y")), ERROR_KEY_DELETED);
    EXPECT_EQ(m_store.openKey(HKEY_LOCAL_MACHINE, kAppKey, KEY_READ, other), ERROR_FILE_NOT_FOUND);
}

TEST_F(RegistryStoreTest, DefaultHiveAnswersBeneathTheUsersAndIsNeverWritten) {
    const QString defaults = m_dir.filePath(QStringLiteral("defaults"));
    QDir().mkpath(defaults);
    const QString defaultFile = hiveFilePath(defaults, HKEY_LOCAL_MACHINE);
    const QByteArray shipped =
        "Windows Registry Editor Version 5.00\n\n"
        "[HKEY_LOCAL_MACHINE\\SOFTWARE\\Corvane Technology\\Tarnwick\\2.0]\n"
        "\"VocabDat\"=\"/opt/vocab.dat\"\n"
        "\"HelpFile\"=\"/opt/help.qch\"\n"
        "[HKEY_LOCAL_MACHINE\\SOFTWARE\\Corvane Technology\\Tarnwick\\2.0\\Sub]\n";
    writeFile(defaultFile, shipped);
    m_store.setDefaultHiveDir(defaults);

    KeyHandle key;
    ASSERT_EQ(m_store.openKey(HKEY_LOCAL_MACHINE, kAppKey, KEY_ALL_ACCESS, key), ERROR_SUCCESS);
    EXPECT_EQ(stringValue(m_store, key, QStringLiteral("VocabDat")),
              QStringLiteral("/opt/vocab.dat"));

    ASSERT_EQ(setString(m_store, key, QStringLiteral("HelpFile"), QStringLiteral("/home/h.qch")),
              ERROR_SUCCESS);
    ASSERT_EQ(setString(m_store, key, QStringLiteral("LastConnSN"), QStringLiteral("123456")),
              ERROR_SUCCESS);
    EXPECT_EQ(stringValue(m_store, key, QStringLiteral("HelpFile")), QStringLiteral("/home/h.qch"));
    EXPECT_EQ(readFile(defaultFile), shipped);

    QStringList values;
    QString name;
    for (std::uint32_t i = 0; m_store.enumValue(key, i, name) == ERROR_SUCCESS; ++i) {
        values.append(name);
    }
    EXPECT_EQ(values, (QStringList{QStringLiteral("VocabDat"), QStringLiteral("HelpFile"),
                                   QStringLiteral("LastConnSN")}));
    ASSERT_EQ(m_store.enumKey(key, 0, name), ERROR_SUCCESS);
    EXPECT_EQ(name, QStringLiteral("Sub"));

    // What only the default holds cannot be deleted; deleting the user's copy shows it again.
    EXPECT_EQ(m_store.deleteValue(key, QStringLiteral("VocabDat")), ERROR_ACCESS_DENIED);
    EXPECT_EQ(m_store.deleteKey(key, QStringLiteral("Sub")), ERROR_ACCESS_DENIED);
    EXPECT_EQ(m_store.deleteValue(key, QStringLiteral("HelpFile")), ERROR_SUCCESS);
    EXPECT_EQ(stringValue(m_store, key, QStringLiteral("HelpFile")),
              QStringLiteral("/opt/help.qch"));
    EXPECT_EQ(m_store.deleteValue(key, QStringLiteral("Nothing")), ERROR_FILE_NOT_FOUND);
}

TEST_F(RegistryStoreTest, ExportAndImportCarryAKeyTree) {
    const KeyHandle key = create(kAppKey);
    ASSERT_EQ(setString(m_store, key, QStringLiteral("SaveFileDir"), QStringLiteral("/data")),
              ERROR_SUCCESS);
    ASSERT_EQ(
        m_store.setValue(key, QStringLiteral("LastConnSL"), REG_DWORD, QByteArray("\3\0\0\0", 4)),
        ERROR_SUCCESS);
    create(kAppKey + QStringLiteral("\\Child"));
    QByteArray exported;
    ASSERT_EQ(m_store.exportKey(key, exported), ERROR_SUCCESS);
    EXPECT_EQ(exported,
              QByteArray("Windows Registry Editor Version 5.00\n\n"
                         "[HKEY_LOCAL_MACHINE\\SOFTWARE\\Corvane Technology\\Tarnwick\\2.0]\n"
                         "\"SaveFileDir\"=\"/data\"\n"
                         "\"LastConnSL\"=dword:00000003\n\n"
                         "[HKEY_LOCAL_MACHINE\\SOFTWARE\\Corvane Technology\\Tarnwick\\2.0\\"
                         "Child]\n\n"));

    QTemporaryDir otherDir;
    RegistryStore other(otherDir.path());
    ASSERT_EQ(other.importRegText(exported, QStringLiteral("in.reg")), ERROR_SUCCESS);
    QByteArray reexported;
    ASSERT_EQ(other.exportKey(key, reexported), ERROR_SUCCESS);
    EXPECT_EQ(reexported, exported);

    // One unreadable line and nothing is imported.
    QList<HiveDiagnostic> problems;
    EXPECT_EQ(other.importRegText(exported + "[HKEY_USERS\\X]\n\"v\"=hex:zz\n",
                                  QStringLiteral("in.reg"), &problems),
              ERROR_INVALID_DATA);
    ASSERT_EQ(problems.size(), 1);
    EXPECT_EQ(problems.front().toString(), QStringLiteral("in.reg:10: unreadable value data"));
    KeyHandle missing;
    EXPECT_EQ(other.openKey(HKEY_USERS, QStringLiteral("X"), KEY_READ, missing),
              ERROR_FILE_NOT_FOUND);
}
