#include "test_c_registry_support.h"

#include <QByteArray>

using namespace tarnwick;
using namespace tarnwick::registry;
using namespace tarnwick::test;

namespace {

const QString kKey = QStringLiteral("SOFTWARE\\Corvane Technology\\Test");

class CRegistryTest : public ::testing::Test {
protected:
    QTemporaryDir m_dir;
    RegistryStore m_store{m_dir.filePath(QStringLiteral("hive"))};
    cRegistry m_registry{m_store};

    void address(const QString& name, ValueType type = REG_SZ) {
        m_registry.setClassKey(HKEY_LOCAL_MACHINE);
        m_registry.setSectionKey(kKey);
        m_registry.setValueKey(name);
        m_registry.setValueType(static_cast<std::int32_t>(type));
    }
    std::optional<RegistryValue> stored(const QString& name) const {
        return storedValue(m_store, HKEY_LOCAL_MACHINE, kKey, name);
    }
    QVariant read(const QString& name) {
        address(name);
        return m_registry.Value();
    }
};

} // namespace

TEST_F(CRegistryTest, MissingValuesAndKeysReadAsDefault) {
    EXPECT_FALSE(read(QStringLiteral("Nothing")).isValid()) << "Default starts empty";
    m_registry.setDefault(QStringLiteral("fallback"));
    EXPECT_EQ(m_registry.Value(), QVariant(QStringLiteral("fallback"))) << "missing key";
    putValue(m_store, HKEY_LOCAL_MACHINE, kKey, QStringLiteral("Other"), REG_SZ, "x");
    EXPECT_EQ(m_registry.Value(), QVariant(QStringLiteral("fallback"))) << "missing value";
}

TEST_F(CRegistryTest, StringReadsTakeSizeMinusOneCharacters) {
    putValue(m_store, HKEY_LOCAL_MACHINE, kKey, QStringLiteral("Size0"), REG_SZ, QByteArray());
    putValue(m_store, HKEY_LOCAL_MACHINE, kKey, QStringLiteral("Size1"), REG_SZ,
             QByteArray(1, '\0'));
    putValue(m_store, HKEY_LOCAL_MACHINE, kKey, QStringLiteral("NoNul"), REG_SZ, "abc");
    putValue(m_store, HKEY_LOCAL_MACHINE, kKey, QStringLiteral("Latin1"), REG_SZ,
             QByteArray("caf\xe9\0", 5));
    putValue(m_store, HKEY_LOCAL_MACHINE, kKey, QStringLiteral("Multi"), REG_MULTI_SZ,
             QByteArray("a\0bc\0\0", 6));

    EXPECT_EQ(read(QStringLiteral("Size0")), QVariant(QString()));
    EXPECT_EQ(read(QStringLiteral("Size1")), QVariant(QString()));
    EXPECT_EQ(read(QStringLiteral("NoNul")), QVariant(QStringLiteral("ab")));
    EXPECT_EQ(read(QStringLiteral("Latin1")), QVariant(QStringLiteral("caf\u00e9")));
    EXPECT_EQ(read(QStringLiteral("Multi")), QVariant(QString::fromLatin1("a\0bc\0", 5)))
        << "the inner separators of a multi-string stay";
    EXPECT_EQ(m_registry.ValueType(), static_cast<std::int32_t>(REG_MULTI_SZ));
}

TEST_F(CRegistryTest, NumbersAndBytesReadByType) {
    putValue(m_store, HKEY_LOCAL_MACHINE, kKey, QStringLiteral("Little"), REG_DWORD,
             QByteArray("\xfe\xff\xff\xff", 4));
    putValue(m_store, HKEY_LOCAL_MACHINE, kKey, QStringLiteral("Big"), REG_DWORD_BIG_ENDIAN,
             QByteArray("\x00\x00\x01\x02", 4));
    putValue(m_store, HKEY_LOCAL_MACHINE, kKey, QStringLiteral("Bytes"), REG_BINARY,
             QByteArray("\x00\x01\xff", 3));
    putValue(m_store, HKEY_LOCAL_MACHINE, kKey, QStringLiteral("Odd"), 0x42, "xyz");

    EXPECT_EQ(read(QStringLiteral("Little")), QVariant(-2));
    EXPECT_EQ(m_registry.ValueType(), static_cast<std::int32_t>(REG_DWORD));
    EXPECT_EQ(read(QStringLiteral("Big")), QVariant(258));
    EXPECT_EQ(read(QStringLiteral("Bytes")), QVariant(QByteArray("\x00\x01\xff", 3)));
    EXPECT_EQ(m_registry.ValueType(), static_cast<std::int32_t>(REG_BINARY));
    EXPECT_EQ(read(QStringLiteral("Odd")), QVariant(QByteArray("xyz")));
    EXPECT_EQ(m_registry.ValueType(), 0x42);
}

TEST_F(CRegistryTest, TextNamingAnEnvironmentVariableIsStoredForExpansion) {
    qputenv("CREGISTRY_TEST_DIR", "/srv/units");
    address(QStringLiteral("Expand"));
    m_registry.setValue(QStringLiteral("%CREGISTRY_TEST_DIR%/files"));
    EXPECT_EQ(stored(QStringLiteral("Expand")),
              (RegistryValue{REG_EXPAND_SZ, QByteArray("%CREGISTRY_TEST_DIR%/files\0", 27)}));
    EXPECT_EQ(m_registry.Value(), QVariant(QStringLiteral("/srv/units/files")));
    EXPECT_EQ(m_registry.ValueType(), static_cast<std::int32_t>(REG_EXPAND_SZ));

    // One "%", or two side by side, are plain text whatever ValueType says.
    const std::pair<QString, ValueType> cases[] = {
        {QStringLiteral("50%"), REG_SZ},
        {QStringLiteral("a%%b"), REG_SZ},
        {QStringLiteral("%a%"), REG_EXPAND_SZ},
    };
    for (const auto& [text, type] : cases) {
        address(QStringLiteral("Rule"), REG_EXPAND_SZ);
        m_registry.setValue(text);
        EXPECT_EQ(stored(QStringLiteral("Rule"))->type, type) << text.toStdString();
    }
    address(QStringLiteral("Empty"));
    m_registry.setValue(QVariant());
    EXPECT_EQ(stored(QStringLiteral("Empty")), (RegistryValue{REG_SZ, QByteArray(1, '\0')}));
    qunsetenv("CREGISTRY_TEST_DIR");
}

TEST_F(CRegistryTest, NumbersAndBytesAreWrittenByValueType) {
    address(QStringLiteral("Long"), REG_DWORD);
    m_registry.setValue(258);
    EXPECT_EQ(stored(QStringLiteral("Long")),
              (RegistryValue{REG_DWORD, QByteArray("\x02\x01\0\0", 4)}));
    address(QStringLiteral("Short"), REG_DWORD_BIG_ENDIAN);
    m_registry.setValue(QVariant::fromValue<short>(-1));
    EXPECT_EQ(stored(QStringLiteral("Short")),
              (RegistryValue{REG_DWORD, QByteArray("\xff\xff\xff\xff", 4)}))
        << "type 5 is written as a little-endian REG_DWORD";
    address(QStringLiteral("Bytes"), REG_BINARY);
    m_registry.setValue(QByteArray("\0\x7f", 2));
    EXPECT_EQ(stored(QStringLiteral("Bytes")),
              (RegistryValue{REG_BINARY, QByteArray("\0\x7f", 2)}));
    EXPECT_EQ(m_registry.lastValue(), QVariant(QByteArray("\0\x7f", 2)));
}

TEST_F(CRegistryTest, WritesTheTypeCannotHoldFail) {
    address(QStringLiteral("Bytes"), REG_BINARY);
    expectRegistryError([&] { m_registry.setValue(QStringLiteral("text")); }, 26001,
                        QStringLiteral("Application-defined or object-defined error"));

    const QString failure =
        QStringLiteral("Failed to set registry value Key: '-2147483646',Section: "
                       "'SOFTWARE\\Corvane Technology\\Test',Key: 'V' to value: '%1'");
    address(QStringLiteral("V"), REG_MULTI_SZ);
    expectRegistryError([&] { m_registry.setValue(QStringLiteral("a")); }, -2147194455,
                        failure.arg(QStringLiteral("a")));
    // A number type given text: a type mismatch, not a silent success.
    address(QStringLiteral("V"), REG_DWORD);
    expectRegistryError([&] { m_registry.setValue(QStringLiteral("7")); }, -2147194455,
                        failure.arg(QStringLiteral("7")));
    EXPECT_FALSE(stored(QStringLiteral("V")));
    EXPECT_FALSE(m_registry.lastValue().isValid()) << "only successful writes are remembered";
}

TEST_F(CRegistryTest, WritingUnderAnUnwritableHiveRaisesWithTheSignedRoot) {
    RegistryStore store(unwritableHiveDir(m_dir));
    cRegistry registry(store);
    registry.setClassKey(HKEY_LOCAL_MACHINE);
    registry.setSectionKey(kKey);
    registry.setValueKey(QStringLiteral("LastConnSN"));
    registry.setValueType(static_cast<std::int32_t>(REG_SZ));
    expectRegistryError([&] { registry.setValue(QStringLiteral("123456")); }, 26001,
                        QStringLiteral("Failed to set registry value Key: '-2147483646',Section: "
                                       "'SOFTWARE\\Corvane Technology\\Test',Key: 'LastConnSN' "
                                       "to value: '123456'"));
    expectRegistryError([&] { registry.CreateKey(); }, 26001,
                        QStringLiteral("Failed to create registry Key: "
                                       "'SOFTWARE\\Corvane Technology\\Test"));
}

TEST_F(CRegistryTest, KeysAreCreatedTestedAndDeleted) {
    m_registry.setClassKey(HKEY_LOCAL_MACHINE);
    m_registry.setSectionKey(kKey);
    EXPECT_FALSE(m_registry.KeyExists());
    EXPECT_TRUE(m_registry.CreateKey());
    EXPECT_TRUE(m_registry.KeyExists());
    EXPECT_TRUE(m_registry.DeleteKey());
    EXPECT_FALSE(m_registry.KeyExists());
    expectRegistryError([&] { m_registry.DeleteKey(); }, 26001,
                        QStringLiteral("Failed to delete registry Key: '-2147483646',Section: "
                                       "'SOFTWARE\\Corvane Technology\\Test"));
}

TEST_F(CRegistryTest, ValuesAreDeleted) {
    expectRegistryError(
        [&] {
            address(QStringLiteral("V"));
            m_registry.DeleteValue();
        },
        26001,
        QStringLiteral("Failed to open key '-2147483646',Section: "
                       "'SOFTWARE\\Corvane Technology\\Test' for delete access"));
    putValue(m_store, HKEY_LOCAL_MACHINE, kKey, QStringLiteral("V"), REG_SZ, "x");
    EXPECT_TRUE(m_registry.DeleteValue());
    EXPECT_FALSE(stored(QStringLiteral("V")));
    expectRegistryError([&] { m_registry.DeleteValue(); }, 26001,
                        QStringLiteral("Failed to delete registry Key: '-2147483646',Section: "
                                       "'SOFTWARE\\Corvane Technology\\Test',Key: 'V"));
}

TEST_F(CRegistryTest, EnumerationsFillOneBasedListsFromTheCallersCount) {
    putValue(m_store, HKEY_LOCAL_MACHINE, kKey, QStringLiteral("First"), REG_SZ, "x");
    putValue(m_store, HKEY_LOCAL_MACHINE, kKey, QStringLiteral("Second"), REG_DWORD, "1234");
    putValue(m_store, HKEY_LOCAL_MACHINE, kKey + QStringLiteral("\\Sub"), {}, REG_SZ, "y");
    m_registry.setClassKey(HKEY_LOCAL_MACHINE);
    m_registry.setSectionKey(kKey);

    QStringList names{QStringLiteral("stale")};
    std::int32_t count = 0;
    EXPECT_TRUE(m_registry.EnumerateValues(names, count));
    EXPECT_EQ(names, (QStringList{{}, QStringLiteral("First"), QStringLiteral("Second")}));
    EXPECT_EQ(count, 2);

    count = 1;
    EXPECT_TRUE(m_registry.EnumerateSections(names, count));
    EXPECT_EQ(names, (QStringList{{}, {}, QStringLiteral("Sub")}));
    EXPECT_EQ(count, 2);

    m_registry.setSectionKey(QStringLiteral("SOFTWARE\\Missing"));
    count = 5;
    EXPECT_TRUE(m_registry.EnumerateValues(names, count));
    EXPECT_TRUE(names.isEmpty());
    EXPECT_EQ(count, 5);
    EXPECT_TRUE(m_registry.EnumerateSections(names, count));
    EXPECT_TRUE(names.isEmpty());
}

TEST_F(CRegistryTest, ANegativeCountCannotIndexTheList) {
    putValue(m_store, HKEY_LOCAL_MACHINE, kKey + QStringLiteral("\\Sub"), QStringLiteral("V"),
             REG_SZ, "y");
    m_registry.setClassKey(HKEY_LOCAL_MACHINE);
    m_registry.setSectionKey(kKey + QStringLiteral("\\Sub"));
    QStringList names;
    std::int32_t count = -1;
    expectRegistryError([&] { m_registry.EnumerateValues(names, count); }, 9,
                        QStringLiteral("Subscript out of range"));
    m_registry.setSectionKey(kKey);
    expectRegistryError([&] { m_registry.EnumerateSections(names, count); }, -2147194454,
                        QStringLiteral("Subscript out of range"));
}

TEST_F(CRegistryTest, AValueWrittenIsReadByTheNextProgramRun) {
    address(QStringLiteral("LastConnPort"));
    m_registry.setValue(QStringLiteral("/dev/ttyUSB0"));

    RegistryStore restarted(m_dir.filePath(QStringLiteral("hive")));
    cRegistry registry(restarted);
    registry.setClassKey(HKEY_LOCAL_MACHINE);
    registry.setSectionKey(kKey);
    registry.setValueKey(QStringLiteral("LastConnPort"));
    EXPECT_EQ(registry.Value(), QVariant(QStringLiteral("/dev/ttyUSB0")));
}
