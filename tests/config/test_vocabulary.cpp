#include "config/vocabulary.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace tarnwick;

namespace {
VocabularyFileEntries sampleEntries() {
    VocabularyFileEntries entries;
    for (std::size_t i = 0; i < entries.size(); ++i) {
        entries[i] = {QStringLiteral("word%1").arg(i), static_cast<std::int16_t>(i + 100)};
    }
    entries[0] = {QStringLiteral("alarm"), 40};
    entries[1] = {QStringLiteral("alarm"), 41};     // duplicate text, later entry
    entries[2] = {QStringLiteral("space"), 32};     // same code as the blank row
    entries[3] = {QStringLiteral("pump"), 0x1A5};   // ninth bit set
    entries[4] = {QStringLiteral("caf\u00e9"), -3}; // single-byte text, negative code
    return entries;
}
} // namespace

TEST(VocabularyFile, WritesCodesThenTextsAndReadsThemBack) {
    const VocabularyFileEntries entries = sampleEntries();
    const QByteArray bytes = serializeVocabulary(entries);
    EXPECT_EQ(bytes.left(4), QByteArray::fromHex("28002900"));
    EXPECT_EQ(bytes.mid(6, 2), QByteArray::fromHex("a501"));
    EXPECT_EQ(bytes.mid(510, 7), QByteArrayLiteral("\x05\x00"
                                                   "alarm"));

    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("vocab.dat"));
    writeVocabularyFile(path, entries);
    EXPECT_EQ(readVocabularyFile(path), entries);
}

TEST(VocabularyFile, ShortFileReadsZeroCodesAndEmptyTexts) {
    const VocabularyFileEntries entries = parseVocabulary(QByteArray::fromHex("0700"));
    EXPECT_EQ(entries[0], (VocabularyEntry{QString(), 7}));
    for (std::size_t i = 1; i < entries.size(); ++i) {
        ASSERT_EQ(entries[i], VocabularyEntry{}) << i;
    }
}

TEST(VocabularyFile, MissingFileReadsEmptyAndIsNotCreated) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("none.dat"));
    EXPECT_EQ(readVocabularyFile(path), VocabularyFileEntries{});
    EXPECT_FALSE(QFile::exists(path));
}

TEST(VocabularyTable, RowZeroIsTheBlankWordAndFileEntriesFollow) {
    const Vocabulary vocabulary(sampleEntries());
    EXPECT_EQ(vocabulary.rows()[0], (VocabularyEntry{QString(), 32}));
    EXPECT_EQ(vocabulary.rows()[1].text, QStringLiteral("alarm"));
    EXPECT_EQ(vocabulary.rows()[255].text, QStringLiteral("word254"));
}

TEST(VocabularyTable, LookupsTakeTheFirstMatchingRow) {
    const Vocabulary vocabulary(sampleEntries());
    EXPECT_EQ(vocabulary.textToCode(QStringLiteral("alarm"), 32), 40);
    // Code 32 always shows the blank row, never the entry that also carries it.
    EXPECT_EQ(vocabulary.codeToText(32), QString());
    EXPECT_EQ(vocabulary.codeToText(0x1A5), QStringLiteral("pump"));
    EXPECT_EQ(vocabulary.codeToText(-3), QStringLiteral("caf\u00e9"));
    EXPECT_EQ(vocabulary.codeToText(41), QStringLiteral("alarm"));
}

TEST(VocabularyTable, UnknownOrEmptyInputGivesBlankOrDefault) {
    const Vocabulary vocabulary(sampleEntries());
    EXPECT_EQ(vocabulary.codeToText(511), QString());
    EXPECT_EQ(vocabulary.textToCode(QString(), 32), 32);
    EXPECT_EQ(vocabulary.textToCode(QStringLiteral("no such word"), 32), 32);
    EXPECT_EQ(vocabulary.textToCode(QStringLiteral("ALARM"), 7), 7); // case matters
}
