#include "shell/app_settings.h"
#include "shell/default_hive_dir.h"
#include "test_c_registry_support.h"

#include <QDir>
#include <QFileInfo>

using namespace tarnwick;
using namespace tarnwick::registry;
using namespace tarnwick::test;

namespace {

const QString kBuildTree = QStringLiteral(TARNWICK_BINARY_DIR);

class AppSettingsTest : public ::testing::Test {
protected:
    QTemporaryDir m_dir;
    RegistryStore m_store{m_dir.filePath(QStringLiteral("hive"))};

    void putSiteLetter(const QByteArray& dword) {
        putValue(m_store, HKEY_LOCAL_MACHINE, kTestAppKey, QStringLiteral("LastConnSL"), REG_DWORD,
                 dword);
    }
};

} // namespace

TEST(DefaultHiveTest, AFreshInstallReadsTheInstallTimeValues) {
    QTemporaryDir dir;
    const QByteArray home = qgetenv("HOME");
    const QString fakeHome = dir.filePath(QStringLiteral("home"));
    qputenv("HOME", QFile::encodeName(fakeHome));
    RegistryStore store(dir.filePath(QStringLiteral("hive")), defaultHiveDir(kBuildTree));

    const AppSettings settings = LoadAppSettings(store);
    qputenv("HOME", home);

    EXPECT_EQ(settings.SaveFileDir, fakeHome + QStringLiteral("/Tarnwick/Settings/"));
    EXPECT_EQ(settings.SaveConnDir, fakeHome + QStringLiteral("/Tarnwick/Connections/"));
    EXPECT_TRUE(QFileInfo(settings.SaveFileDir).isDir()) << "created when missing";
    EXPECT_TRUE(QFileInfo(settings.SaveConnDir).isDir());
    EXPECT_EQ(
        QFileInfo(settings.VocabDat).canonicalFilePath(),
        QFileInfo(QStringLiteral(TARNWICK_SOURCE_DIR "/data/vocabulary.dat")).canonicalFilePath());
    EXPECT_TRUE(QFileInfo(settings.Protected).isFile());
    EXPECT_EQ(settings.HelpFile, kBuildTree + QStringLiteral("/help/tarnwick.qhc"));
    EXPECT_EQ(settings.RecentConnection, RecentConnection{});
    EXPECT_TRUE(QDir(dir.filePath(QStringLiteral("hive"))).isEmpty()) << "reading writes nothing";
}

// A run scoped to its own registry folder reads the same values but makes only the folders
// its own hive names, none of the default hive's in the user's home.
TEST(DefaultHiveTest, AScopedRunMakesNoFolderInTheHome) {
    QTemporaryDir dir;
    const QByteArray home = qgetenv("HOME");
    const QByteArray scope = qgetenv("TARNWICK_REGISTRY_DIR");
    const QString fakeHome = dir.filePath(QStringLiteral("home"));
    const QString hive = dir.filePath(QStringLiteral("scope/registry"));
    qputenv("HOME", QFile::encodeName(fakeHome));
    qputenv("TARNWICK_REGISTRY_DIR", QFile::encodeName(hive));
    RegistryStore store(hive, defaultHiveDir(kBuildTree));
    const QString beside = dir.filePath(QStringLiteral("scope/Connections/"));
    putValue(store, HKEY_LOCAL_MACHINE, kTestAppKey, QStringLiteral("SaveConnDir"), REG_SZ,
             QFile::encodeName(beside) + '\0');

    const AppSettings settings = LoadAppSettings(store);
    qputenv("HOME", home);
    qputenv("TARNWICK_REGISTRY_DIR", scope);

    EXPECT_EQ(settings.SaveFileDir, fakeHome + QStringLiteral("/Tarnwick/Settings/"));
    EXPECT_FALSE(QFileInfo::exists(fakeHome));
    EXPECT_TRUE(QFileInfo(beside).isDir());
}

TEST(DefaultHiveTest, TheBuildTreeUsesItsOwnHiveAndAnInstallTheInstalledOne) {
    EXPECT_EQ(defaultHiveDir(kBuildTree + QStringLiteral("/tools/regtool")),
              kBuildTree + QStringLiteral("/data/registry"));
    EXPECT_TRUE(defaultHiveDir(QStringLiteral("/usr/bin"))
                    .endsWith(QStringLiteral("/share/tarnwick/registry")));
    EXPECT_NE(defaultHiveDir(kBuildTree + QStringLiteral("-elsewhere")),
              kBuildTree + QStringLiteral("/data/registry"))
        << "a sibling folder with the same prefix is not the build tree";
}

TEST_F(AppSettingsTest, NineValuesWithTheirTypes) {
    const auto put = [&](const char* name, const char* text) {
        putValue(m_store, HKEY_LOCAL_MACHINE, kTestAppKey, QLatin1String(name), REG_SZ,
                 QByteArray(text) + '\0');
    };
    put("SaveFileDir", "/data/settings/");
    put("SaveConnDir", "/data/connections/");
    put("LastConnSN", "123456");
    put("LastConnPort", "/dev/ttyS1");
    put("LastConnAddr", "5551234");
    put("VocabDat", "/opt/vocabulary.dat");
    put("HelpFile", "/opt/tarnwick.qhc");
    put("Protected", "/opt/protected.dat");
    putSiteLetter(QByteArray("\x03\0\0\0", 4));

    const AppSettings settings = LoadAppSettings(m_store);
    EXPECT_EQ(settings.SaveConnDir, QStringLiteral("/data/connections/"));
    EXPECT_EQ(settings.RecentConnection,
              (RecentConnection{QStringLiteral("123456"), 3, QStringLiteral("/dev/ttyS1"),
                                QStringLiteral("5551234")}));
    EXPECT_EQ(settings.VocabDat, QStringLiteral("/opt/vocabulary.dat"));
    EXPECT_EQ(settings.HelpFile, QStringLiteral("/opt/tarnwick.qhc"));
    EXPECT_EQ(settings.Protected, QStringLiteral("/opt/protected.dat"));
}

TEST_F(AppSettingsTest, MissingValuesReadAsEmpty) {
    EXPECT_EQ(LoadAppSettings(m_store), AppSettings{});
}

TEST_F(AppSettingsTest, ASiteLetterAbove255Overflows) {
    putSiteLetter(QByteArray("\xff\0\0\0", 4));
    EXPECT_EQ(LoadAppSettings(m_store).RecentConnection.SL, 255);
    for (const QByteArray& dword :
         {QByteArray("\0\x01\0\0", 4), QByteArray("\xff\xff\xff\xff", 4)}) {
        putSiteLetter(dword);
        try {
            LoadAppSettings(m_store);
            ADD_FAILURE() << "no overflow";
        } catch (const AppError& error) {
            EXPECT_EQ(error.number(), ErrorNumber::Overflow);
        }
    }
}
