#include "registry/hive_builder.h"
#include "registry/reg_text_parser.h"
#include "registry/reg_text_writer.h"

#include <QStringDecoder>
#include <gtest/gtest.h>

using namespace tarnwick::registry;

namespace {

Hive readHive(const QByteArray& text) {
    return buildHive(parseRegText(text, QStringLiteral("t.reg"), HKEY_LOCAL_MACHINE));
}

QByteArray writeHive(const Hive& hive) {
    return writeRegText(hive.root, QStringLiteral("HKEY_LOCAL_MACHINE"), hive.leadingLines);
}

RegistryValue value(ValueType type, const char* data, qsizetype size) {
    return {type, QByteArray(data, size)};
}

const QByteArray kHeader = QByteArrayLiteral("Windows Registry Editor Version 5.00\n\n");

} // namespace

TEST(HiveText, EveryValueTypeRoundTripsExactly) {
    Hive hive;
    HiveKey& key =
        hive.root.findOrCreate({QStringLiteral("SOFTWARE"), QStringLiteral("Odd \"Name]")});
    key.setValue({}, {REG_SZ, singleByteStringData(QStringLiteral("default"))});
    key.setValue(QStringLiteral("quote\"back\\slash"),
                 {REG_SZ, singleByteStringData(QStringLiteral("C:\\dir\\\"x\" caf\u00e9 \u00ff"))});
    key.setValue(QStringLiteral("embedded"), value(REG_SZ, "a\0b\0", 4));
    key.setValue(QStringLiteral("unterminated"), value(REG_SZ, "abc", 3));
    key.setValue(QStringLiteral("newline"), value(REG_SZ, "a\nb\0", 4));
    key.setValue(QStringLiteral("empty"), value(REG_SZ, "", 0));
    key.setValue(QStringLiteral("expand"), value(REG_EXPAND_SZ, "%HOME%\\x\0", 9));
    key.setValue(QStringLiteral("multi"), value(REG_MULTI_SZ, "one\0two\0\0", 9));
    key.setValue(QStringLiteral("dword"), value(REG_DWORD, "\x2a\0\0\x80", 4));
    key.setValue(QStringLiteral("short dword"), value(REG_DWORD, "\x01", 1));
    key.setValue(QStringLiteral("big"), value(REG_DWORD_BIG_ENDIAN, "\0\0\0\x2a", 4));
    key.setValue(QStringLiteral("binary"), {REG_BINARY, QByteArray(100, '\xfe')});
    key.setValue(QStringLiteral("none"), {REG_NONE, {}});
    key.setValue(QStringLiteral("odd type"), value(0x12345678, "\xff", 1));
    hive.root.findOrCreate({QStringLiteral("Empty Key")});

    const QByteArray text = writeHive(hive);
    const RegDocument reread = parseRegText(text, QStringLiteral("t.reg"), HKEY_LOCAL_MACHINE);
    EXPECT_TRUE(reread.diagnostics.isEmpty())
        << reread.diagnostics.front().toString().toStdString();
    EXPECT_EQ(buildHive(reread), hive);

    // The readable forms where a value allows them.
    EXPECT_TRUE(text.startsWith(kHeader));
    EXPECT_TRUE(text.contains("[HKEY_LOCAL_MACHINE\\SOFTWARE\\Odd \"Name]]\n@=\"default\"\n"));
    EXPECT_TRUE(text.contains(QStringLiteral("\"quote\\\"back\\\\slash\"=\"C:\\\\dir\\\\\\\"x\\\" "
                                             "caf\u00e9 \u00ff\"\n")
                                  .toUtf8()));
    EXPECT_TRUE(text.contains("\"dword\"=dword:8000002a\n"));
    EXPECT_TRUE(text.contains("\"expand\"=hex(2):25,48,4f,4d,45,25,5c,78,00\n"));
    EXPECT_TRUE(text.contains("\"embedded\"=hex(1):61,00,62,00\n"));
    EXPECT_TRUE(text.contains("\"odd type\"=hex(12345678):ff\n"));
    EXPECT_TRUE(text.contains("[HKEY_LOCAL_MACHINE\\Empty Key]\n"));
    // Long byte lists continue on further lines no wider than 80 characters.
    for (const QByteArray& line : text.split('\n')) {
        EXPECT_LE(line.size(), 80) << line.toStdString();
    }
}

TEST(HiveText, ReadsHandWrittenForms) {
    const QByteArray text = "REGEDIT4\r\n"
                            "; a comment\r\n"
                            "[hkey_local_machine\\Soft]\r\n"
                            "  \"Bin\" = hex:01,02,\\\r\n"
                            "     0A,ff\r\n"
                            "\"Word\"=dword:2A\r\n"
                            "\"Gone\"=\"x\"\r\n"
                            "\"Gone\"=-\r\n"
                            "[HKEY_LOCAL_MACHINE\\Soft\\Doomed]\n"
                            "[-HKEY_LOCAL_MACHINE\\soft\\doomed]\n";
    const RegDocument document = parseRegText(text, QStringLiteral("t.reg"), HKEY_LOCAL_MACHINE);
    EXPECT_TRUE(document.diagnostics.isEmpty());
    const Hive hive = buildHive(document);
    const HiveKey* soft = hive.root.find({QStringLiteral("SOFT")});
    ASSERT_NE(soft, nullptr);
    EXPECT_EQ(soft->name(), QStringLiteral("Soft"));
    EXPECT_EQ(*soft->value(QStringLiteral("bin")), value(REG_BINARY, "\x01\x02\x0a\xff", 4));
    EXPECT_EQ(*soft->value(QStringLiteral("Word")), value(REG_DWORD, "\x2a\0\0\0", 4));
    EXPECT_EQ(soft->value(QStringLiteral("Gone")), nullptr);
    EXPECT_TRUE(soft->subkeys().empty());
    EXPECT_TRUE(soft->keptLines().isEmpty());
    EXPECT_EQ(hive.leadingLines, QStringList{QStringLiteral("; a comment")});
}

TEST(HiveText, DecodesByteOrderMarksAndSingleByteFiles) {
    const QString source = QStringLiteral("Windows Registry Editor Version 5.00\n"
                                          "[HKEY_LOCAL_MACHINE\\K\u00e9y]\n\"v\"=\"\u00e9\"\n");
    QStringEncoder utf16(QStringConverter::Utf16LE, QStringConverter::Flag::WriteBom);
    for (const QByteArray& bytes : {QByteArray(utf16.encode(source)), source.toLatin1(),
                                    QByteArray("\xef\xbb\xbf") + source.toUtf8()}) {
        const Hive hive = readHive(bytes);
        const HiveKey* key = hive.root.find({QStringLiteral("K\u00e9y")});
        ASSERT_NE(key, nullptr);
        EXPECT_EQ(key->value(QStringLiteral("v"))->data, QByteArray("\xe9\0", 2));
    }
}

TEST(HiveText, UnreadableLinesAreReportedAndKeptWhileTheRestIsRead) {
    const QByteArray text = kHeader + "[HKEY_LOCAL_MACHINE\\A]\n"   // 3
                                      "\"good\"=dword:00000001\n"   // 4
                                      "\"bad\"=dword:xyz\n"         // 5
                                      "\"euro\"=\"\xe2\x82\xac\"\n" // 6: outside ISO-8859-1
                                      "[HKEY_NOWHERE\\B]\n"         // 7
                                      "\"orphan\"=dword:00000002\n" // 8: kept with its section line
                                      "[HKEY_CURRENT_USER\\C]\n"    // 9: another root's key
                                      "[HKEY_LOCAL_MACHINE\\D]\n"   // 10
                                      "\"cut\"=hex:01,\\\n"         // 11: continuation cut short
                                      "\n"
                                      "02\n"; // 13
    const RegDocument document = parseRegText(text, QStringLiteral("HKLM.reg"), HKEY_LOCAL_MACHINE);
    QStringList reported;
    for (const HiveDiagnostic& d : document.diagnostics) {
        reported.append(d.toString());
    }
    EXPECT_EQ(reported, (QStringList{
                            QStringLiteral("HKLM.reg:5: unreadable value data"),
                            QStringLiteral("HKLM.reg:6: text outside ISO-8859-1"),
                            QStringLiteral("HKLM.reg:7: unreadable key line: unknown root key"),
                            QStringLiteral("HKLM.reg:9: unreadable key line: key of another "
                                           "root than this hive's"),
                            QStringLiteral("HKLM.reg:11: unreadable value data"),
                            QStringLiteral("HKLM.reg:13: unreadable line"),
                        }));

    const Hive hive = buildHive(document);
    EXPECT_NE(hive.root.find({QStringLiteral("A")})->value(QStringLiteral("good")), nullptr);
    EXPECT_NE(hive.root.find({QStringLiteral("D")}), nullptr);
    EXPECT_EQ(hive.root.find({QStringLiteral("B")}), nullptr);

    // A save keeps every unreadable line verbatim, and reading it back gives the same hive;
    // the cut continuation must not join the later line into a value.
    const QByteArray saved = writeHive(hive);
    for (const char* line : {"\"bad\"=dword:xyz\n", "\"euro\"=\"\xe2\x82\xac\"\n",
                             "[HKEY_NOWHERE\\B]\n\"orphan\"=dword:00000002\n",
                             "[HKEY_CURRENT_USER\\C]\n", "\"cut\"=hex:01,\\\n", "02\n"}) {
        EXPECT_TRUE(saved.contains(line)) << line;
    }
    EXPECT_EQ(readHive(saved), hive);
    EXPECT_EQ(writeHive(readHive(saved)), saved);
}

TEST(HiveText, LinesOfADeletedKeyAndBeforeAnyKeyAreKept) {
    const QByteArray text = "\"early\"=dword:1\n"
                            "[HKEY_LOCAL_MACHINE\\K]\n"
                            "; note on K\n"
                            "[-HKEY_LOCAL_MACHINE\\K]\n"
                            "\"late\"=dword:2\n";
    const RegDocument document = parseRegText(text, QStringLiteral("t.reg"), HKEY_LOCAL_MACHINE);
    ASSERT_EQ(document.diagnostics.size(), 3);
    EXPECT_EQ(document.diagnostics[0].message, QStringLiteral("missing header line \"Windows "
                                                              "Registry Editor Version 5.00\""));
    EXPECT_EQ(document.diagnostics[2].message, QStringLiteral("value line under a deleted key"));
    const Hive hive = buildHive(document);
    EXPECT_EQ(hive.root.find({QStringLiteral("K")}), nullptr);
    EXPECT_EQ(hive.leadingLines,
              (QStringList{QStringLiteral("\"early\"=dword:1"), QStringLiteral("; note on K"),
                           QStringLiteral("\"late\"=dword:2")}));
    EXPECT_EQ(readHive(writeHive(hive)), hive);
}
