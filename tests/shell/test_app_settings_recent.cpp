#include "connections/recent_connection.h"
#include "shell/app_settings.h"
#include "test_c_registry_support.h"

using namespace tarnwick;
using namespace tarnwick::registry;
using namespace tarnwick::test;

TEST(RecentConnectionTest, FourWritesInOrderThenTheCopyInMemory) {
    QTemporaryDir dir;
    RegistryStore store(dir.filePath(QStringLiteral("hive")));
    RecentConnection recent;
    SaveRecentConnection(QStringLiteral("123456"), QStringLiteral("Office modem"),
                         QStringLiteral("5551234"), 2, store, recent);

    const RecentConnection expected{QStringLiteral("123456"), 2, QStringLiteral("Office modem"),
                                    QStringLiteral("5551234")};
    EXPECT_EQ(recent, expected);

    // A fresh key lists its values in the order they were written.
    KeyHandle key;
    ASSERT_EQ(store.openKey(HKEY_LOCAL_MACHINE, kTestAppKey, KEY_READ, key), ERROR_SUCCESS);
    QStringList order;
    QString name;
    for (std::uint32_t i = 0; store.enumValue(key, i, name) == ERROR_SUCCESS; ++i) {
        order += name;
    }
    EXPECT_EQ(order, (QStringList{QStringLiteral("LastConnAddr"), QStringLiteral("LastConnSN"),
                                  QStringLiteral("LastConnSL"), QStringLiteral("LastConnPort")}));
    EXPECT_EQ(storedValue(store, HKEY_LOCAL_MACHINE, kTestAppKey, QStringLiteral("LastConnSL")),
              (RegistryValue{REG_DWORD, QByteArray("\x02\0\0\0", 4)}));

    // What the next start-up reads.
    RegistryStore restarted(dir.filePath(QStringLiteral("hive")));
    EXPECT_EQ(LoadAppSettings(restarted).RecentConnection, expected);
}

TEST(RecentConnectionTest, AFailedWriteRaisesAndKeepsTheCopyInMemory) {
    QTemporaryDir dir;
    RegistryStore store(unwritableHiveDir(dir));
    RecentConnection recent{QStringLiteral("654321"), 1, QStringLiteral("/dev/ttyS0"), {}};
    const RecentConnection before = recent;
    try {
        SaveRecentConnection(QStringLiteral("123456"), QStringLiteral("/dev/ttyS1"), {}, 0, store,
                             recent);
        ADD_FAILURE() << "no error raised";
    } catch (const AppError& error) {
        EXPECT_EQ(error.number(), 26001);
        EXPECT_TRUE(error.description().startsWith(
            QStringLiteral("Failed to set registry value Key: '-2147483646',Section: '")));
        EXPECT_TRUE(error.description().contains(QStringLiteral("',Key: 'LastConnAddr'")));
    }
    EXPECT_EQ(recent, before);
}
