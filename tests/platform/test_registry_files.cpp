#include "registry/hive_location.h"
#include "registry_test_support.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <csignal>
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <unistd.h>

using namespace tarnwick::registry;
using namespace tarnwick::registry::test;

namespace {

class RegistryFilesTest : public ::testing::Test {
protected:
    QTemporaryDir m_dir;
    QString m_hivePath = hiveFilePath(m_dir.path(), HKEY_LOCAL_MACHINE);

    static KeyHandle appKey(RegistryStore& store) {
        KeyHandle key;
        EXPECT_EQ(store.createKey(HKEY_LOCAL_MACHINE, kAppKey, KEY_ALL_ACCESS, key), ERROR_SUCCESS);
        return key;
    }
};

// Makes every write of this process beyond `bytes` fail, as a full disk would, for its
// lifetime.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes) {
        getrlimit(RLIMIT_FSIZE, &m_saved);
        m_oldHandler = std::signal(SIGXFSZ, SIG_IGN);
        rlimit limited = m_saved;
        limited.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limited);
    }
    ~FileSizeLimit() {
        setrlimit(RLIMIT_FSIZE, &m_saved);
        std::signal(SIGXFSZ, m_oldHandler);
    }
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

private:
    rlimit m_saved{};
    void (*m_oldHandler)(int) = nullptr;
};

} // namespace

TEST_F(RegistryFilesTest, EveryValueTypeRoundTripsThroughTheHiveFile) {
    const std::vector<std::pair<ValueType, QByteArray>> values{
        {REG_SZ, singleByteStringData(QStringLiteral("quote \" back \\ caf\u00e9 \u00ff"))},
        {REG_SZ, QByteArray("embedded\0nul\0", 13)},
        {REG_EXPAND_SZ, QByteArray("%HOME%\\x\0", 9)},
        {REG_BINARY, QByteArray("\0\1\2\xff", 4)},
        {REG_DWORD, QByteArray("\x2a\0\0\0", 4)},
        {REG_DWORD_BIG_ENDIAN, QByteArray("\0\0\0\x2a", 4)},
        {REG_MULTI_SZ, QByteArray("a\0b\xe9\0\0", 6)},
        {REG_NONE, QByteArray()},
    };
    {
        RegistryStore writer(m_dir.path());
        const KeyHandle key = appKey(writer);
        for (std::size_t i = 0; i < values.size(); ++i) {
            ASSERT_EQ(writer.setValue(key, QString::number(i), values[i].first, values[i].second),
                      ERROR_SUCCESS);
        }
    }
    RegistryStore reader(m_dir.path());
    const KeyHandle key = appKey(reader);
    for (std::size_t i = 0; i < values.size(); ++i) {
        RegistryValue read;
        QString name;
        ASSERT_EQ(reader.enumValue(key, static_cast<std::uint32_t>(i), name, &read), ERROR_SUCCESS);
        EXPECT_EQ(name, QString::number(i));
        EXPECT_EQ(read, (RegistryValue{values[i].first, values[i].second})) << i;
    }
    EXPECT_TRUE(reader.diagnostics().isEmpty());
}

TEST_F(RegistryFilesTest, IndependentStoresSeeAndKeepEachOthersWrites) {
    RegistryStore first(m_dir.path());
    RegistryStore second(m_dir.path());
    const KeyHandle key = appKey(first);
    ASSERT_EQ(setString(first, key, QStringLiteral("A"), QStringLiteral("1")), ERROR_SUCCESS);
    EXPECT_EQ(stringValue(second, key, QStringLiteral("A")), QStringLiteral("1"));
    ASSERT_EQ(setString(second, key, QStringLiteral("B"), QStringLiteral("2")), ERROR_SUCCESS);
    ASSERT_EQ(setString(first, key, QStringLiteral("C"), QStringLiteral("3")), ERROR_SUCCESS);
    for (RegistryStore* store : {&first, &second}) {
        EXPECT_EQ(stringValue(*store, key, QStringLiteral("A")), QStringLiteral("1"));
        EXPECT_EQ(stringValue(*store, key, QStringLiteral("B")), QStringLiteral("2"));
        EXPECT_EQ(stringValue(*store, key, QStringLiteral("C")), QStringLiteral("3"));
    }
    // Another program's edit in place is seen as well.
    writeFile(m_hivePath, readFile(m_hivePath).replace("\"3\"", "\"4\""));
    EXPECT_EQ(stringValue(first, key, QStringLiteral("C")), QStringLiteral("4"));
}

TEST_F(RegistryFilesTest, ConcurrentProcessesAllKeepTheirValues) {
    constexpr int kCount = 25;
    std::vector<std::unique_ptr<QProcess>> writers;
    for (const char* prefix : {"first", "second", "third"}) {
        writers.push_back(std::make_unique<QProcess>());
        writers.back()->start(QStringLiteral(REGISTRY_WRITER_HELPER),
                              {m_dir.path(), QLatin1String(prefix), QString::number(kCount)});
    }
    for (const auto& writer : writers) {
        ASSERT_TRUE(writer->waitForFinished(60000));
        EXPECT_EQ(writer->exitStatus(), QProcess::NormalExit);
        EXPECT_EQ(writer->exitCode(), 0);
    }
    RegistryStore store(m_dir.path());
    KeyHandle key;
    ASSERT_EQ(store.openKey(HKEY_LOCAL_MACHINE, QStringLiteral("SOFTWARE\\Race"), KEY_READ, key),
              ERROR_SUCCESS);
    KeyInfo info;
    ASSERT_EQ(store.queryInfoKey(key, info), ERROR_SUCCESS);
    EXPECT_EQ(info.valueCount, 3u * kCount);
    EXPECT_FALSE(QFile::exists(m_hivePath + QStringLiteral(".lock")));
}

TEST_F(RegistryFilesTest, AFailedSaveLeavesFileAndMemoryAsTheyWere) {
    RegistryStore store(m_dir.path());
    const KeyHandle key = appKey(store);
    ASSERT_EQ(setString(store, key, QStringLiteral("Kept"), QStringLiteral("old")), ERROR_SUCCESS);
    ASSERT_EQ(store.setValue(key, QStringLiteral("Bulk"), REG_BINARY, QByteArray(4096, 'x')),
              ERROR_SUCCESS);
    const QByteArray before = readFile(m_hivePath);
    {
        // Room for the lock file but not for the hive: the save stops before its rename.
        FileSizeLimit limit(1024);
        EXPECT_EQ(setString(store, key, QStringLiteral("Kept"), QStringLiteral("new")),
                  ERROR_ACCESS_DENIED);
    }
    EXPECT_EQ(readFile(m_hivePath), before);
    EXPECT_EQ(stringValue(store, key, QStringLiteral("Kept")), QStringLiteral("old"));
    EXPECT_EQ(QDir(m_dir.path()).entryList(QDir::Files),
              QStringList{QFileInfo(m_hivePath).fileName()});
}

TEST_F(RegistryFilesTest, AnUnwritableHiveDeniesWrites) {
    // A folder below a plain file can never be created, whoever runs the test.
    writeFile(m_dir.filePath(QStringLiteral("plain")), "x");
    writeFile(m_hivePath, "Windows Registry Editor Version 5.00\n\n"
                          "[HKEY_LOCAL_MACHINE\\SOFTWARE\\Shipped]\n");
    RegistryStore store(m_dir.filePath(QStringLiteral("plain/registry")), m_dir.path());
    KeyHandle key;
    EXPECT_EQ(store.createKey(HKEY_LOCAL_MACHINE, kAppKey, KEY_ALL_ACCESS, key),
              ERROR_ACCESS_DENIED);
    // A key the default hive holds opens for reading, but not with the right to change it.
    const QString shipped = QStringLiteral("SOFTWARE\\Shipped");
    EXPECT_EQ(store.openKey(HKEY_LOCAL_MACHINE, shipped, KEY_READ, key), ERROR_SUCCESS);
    EXPECT_EQ(store.createKey(HKEY_LOCAL_MACHINE, shipped, 0x2003F, key), ERROR_ACCESS_DENIED);
    EXPECT_EQ(store.openKey(HKEY_LOCAL_MACHINE, {}, KEY_ALL_ACCESS, key), ERROR_ACCESS_DENIED);
    EXPECT_EQ(store.openKey(HKEY_LOCAL_MACHINE, {}, KEY_READ, key), ERROR_SUCCESS);
    EXPECT_EQ(setString(store, HKEY_LOCAL_MACHINE, QStringLiteral("v"), QStringLiteral("x")),
              ERROR_ACCESS_DENIED);
    std::uint32_t size = 0;
    EXPECT_EQ(store.queryValue(HKEY_LOCAL_MACHINE, QStringLiteral("v"), nullptr, nullptr, &size),
              ERROR_FILE_NOT_FOUND);
}

TEST_F(RegistryFilesTest, AReadOnlyFolderDeniesWrites) {
    if (geteuid() == 0) {
        GTEST_SKIP() << "permission bits do not stop the superuser";
    }
    RegistryStore store(m_dir.path());
    const KeyHandle key = appKey(store);
    ASSERT_EQ(setString(store, key, QStringLiteral("Kept"), QStringLiteral("old")), ERROR_SUCCESS);
    QFile::setPermissions(m_dir.path(), QFile::ReadOwner | QFile::ExeOwner);
    KeyHandle reopened;
    EXPECT_EQ(store.openKey(HKEY_LOCAL_MACHINE, kAppKey, KEY_ALL_ACCESS, reopened),
              ERROR_ACCESS_DENIED);
    EXPECT_EQ(setString(store, key, QStringLiteral("Kept"), QStringLiteral("new")),
              ERROR_ACCESS_DENIED);
    EXPECT_EQ(stringValue(store, key, QStringLiteral("Kept")), QStringLiteral("old"));
    QFile::setPermissions(m_dir.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

TEST_F(RegistryFilesTest, SyntaxErrorsAreReportedAndSurviveASave) {
    writeFile(m_hivePath, "Windows Registry Editor Version 5.00\n\n"
                          "[HKEY_LOCAL_MACHINE\\SOFTWARE\\Corvane Technology\\Tarnwick\\2.0]\n"
                          "\"VocabDat\"=\"/opt/vocab.dat\"\n"
                          "\"Broken\"=dword:nonsense\n"
                          "[HKEY_LOCAL_MACHINE\\SOFTWARE\\Other\n"
                          "\"Orphan\"=\"x\"\n");
    RegistryStore store(m_dir.path());
    const KeyHandle key = appKey(store);
    EXPECT_EQ(stringValue(store, key, QStringLiteral("VocabDat")),
              QStringLiteral("/opt/vocab.dat"));
    const QList<HiveDiagnostic> problems = store.diagnostics();
    ASSERT_EQ(problems.size(), 2);
    EXPECT_EQ(problems[0].file, m_hivePath);
    EXPECT_EQ(problems[0].line, 5);
    EXPECT_EQ(problems[1].line, 6);

    ASSERT_EQ(setString(store, key, QStringLiteral("LastConnSN"), QStringLiteral("1")),
              ERROR_SUCCESS);
    const QByteArray saved = readFile(m_hivePath);
    EXPECT_TRUE(saved.contains("\"LastConnSN\"=\"1\"\n"));
    EXPECT_TRUE(saved.contains("\"Broken\"=dword:nonsense\n"));
    EXPECT_TRUE(saved.contains("[HKEY_LOCAL_MACHINE\\SOFTWARE\\Other\n\"Orphan\"=\"x\"\n"));
    EXPECT_EQ(RegistryStore(m_dir.path()).diagnostics().size(), 2);
}

TEST_F(RegistryFilesTest, AHiveThatCannotBeReadIsNeverOverwritten) {
    QDir().mkpath(m_hivePath); // a folder where the file should be
    RegistryStore store(m_dir.path());
    EXPECT_EQ(setString(store, HKEY_LOCAL_MACHINE, QStringLiteral("v"), QStringLiteral("x")),
              ERROR_ACCESS_DENIED);
    ASSERT_EQ(store.diagnostics().size(), 1);
    EXPECT_TRUE(QFileInfo(m_hivePath).isDir());
}
