#include "config/settings_file.h"
#include "shell/app_error.h"
#include "shell/ole_date.h"

#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <limits>
#include <random>

using namespace tarnwick;

namespace {
ConfigImage randomImage(unsigned seed) {
    std::mt19937 gen(seed);
    std::uniform_int_distribution<int> byte(0, 255);
    ConfigImage image{};
    for (auto& b : image) {
        b = static_cast<std::uint8_t>(byte(gen));
    }
    return image;
}

SettingsRecord sampleRecord() {
    CurrentConnection c;
    c.Port = QStringLiteral("COM1");
    c.SN = QStringLiteral("123456");
    c.SL = 1;
    c.DestSL = 2;
    c.Password = QStringLiteral("9876");
    return settingsRecordFor(c, randomImage(7), QDateTime(QDate(2024, 3, 5), QTime(14, 30)));
}

// Offset of the scrambled image in a record whose texts have these lengths.
qsizetype imageOffset(const SettingsRecord& r) {
    return 34 + r.port.size() + r.addr.size() + r.sn.size();
}
} // namespace

TEST(SettingsScramble, ZeroImageScramblesToSeedBytesWithCheckValueZero) {
    ConfigImage image{};
    scrambleImage(image);
    for (const std::uint8_t b : image) {
        ASSERT_EQ(b, 0x5D);
    }
    EXPECT_EQ(imageCheckValue(image), 0);
}

TEST(SettingsScramble, UnscrambleUndoesScrambleForAnyContent) {
    for (unsigned seed = 1; seed <= 20; ++seed) {
        const ConfigImage original = randomImage(seed);
        ConfigImage image = original;
        scrambleImage(image);
        EXPECT_NE(image, original);
        unscrambleImage(image);
        EXPECT_EQ(image, original) << "seed " << seed;
    }
}

TEST(SettingsRecordFormat, LayoutIsExactAndRoundTrips) {
    const SettingsRecord record = sampleRecord();
    const QByteArray bytes = serializeSettingsRecord(record);
    // Direct connection, 4-character port, 6-digit serial number.
    ASSERT_EQ(bytes.size(), 2061);
    EXPECT_EQ(bytes.left(12), QByteArrayLiteral("\x0a\x00TARNWICK20"));
    EXPECT_EQ(bytes.at(20), 2); // destination site
    EXPECT_EQ(bytes.mid(21, 16), QByteArrayLiteral("\x04\x00"
                                                   "COM1\x00\x00\x06\x00"
                                                   "123456"));
    EXPECT_EQ(bytes.at(37), 1); // site
    // The sign-on password is never stored: only the placeholder.
    EXPECT_EQ(bytes.mid(38, 6), QByteArrayLiteral("\x04\x00----"));
    EXPECT_FALSE(bytes.contains("9876"));

    const std::optional<SettingsRecord> back = parseSettingsRecord(bytes);
    ASSERT_TRUE(back);
    EXPECT_EQ(*back, record);
    EXPECT_EQ(back->savedAtDateTime(), QDateTime(QDate(2024, 3, 5), QTime(14, 30)));
}

TEST(SettingsRecordFormat, SignatureMustMatchExactly) {
    QByteArray bytes = serializeSettingsRecord(sampleRecord());
    bytes.replace(2, 10, "tarnwick20");
    EXPECT_FALSE(parseSettingsRecord(bytes));
    EXPECT_FALSE(parseSettingsRecord(QByteArray()));
    EXPECT_FALSE(parseSettingsRecord(QByteArray(2061, '\0')));
}

TEST(SettingsRecordFormat, EveryImageByteIsCheckedButTextsAreNot) {
    const SettingsRecord record = sampleRecord();
    const QByteArray bytes = serializeSettingsRecord(record);
    const qsizetype start = imageOffset(record);
    for (qsizetype i = start; i <= start + 2016; ++i) { // the check value byte too
        QByteArray changed = bytes;
        changed[i] = static_cast<char>(changed.at(i) ^ 0x01);
        ASSERT_FALSE(parseSettingsRecord(changed)) << "offset " << i;
    }
    QByteArray textChanged = bytes;
    textChanged[26] = '9'; // the last character of the port text
    const std::optional<SettingsRecord> accepted = parseSettingsRecord(textChanged);
    ASSERT_TRUE(accepted);
    EXPECT_EQ(accepted->port, QStringLiteral("COM9"));
}

TEST(SettingsRecordFormat, UnrepresentableSavedAtIsAcceptedWithoutADate) {
    SettingsRecord record = sampleRecord();
    for (const double odd : {std::numeric_limits<double>::quiet_NaN(), 1e300, -1e12}) {
        record.savedAt = odd;
        const std::optional<SettingsRecord> back =
            parseSettingsRecord(serializeSettingsRecord(record));
        ASSERT_TRUE(back);
        EXPECT_FALSE(back->savedAtDateTime());
    }
}

TEST(SettingsFile, SavingOverALongerFileReplacesItWhole) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("site.stv"));
    SettingsRecord longer = sampleRecord();
    longer.addr = QStringLiteral("0,015551234567");
    writeSettingsFile(path, longer);
    const SettingsRecord shorter = sampleRecord();
    writeSettingsFile(path, shorter);

    EXPECT_EQ(QFileInfo(path).size(), 2061);
    EXPECT_EQ(readSettingsFile(path), shorter);
}

TEST(SettingsFile, MissingPathIsNotValidAndCreatesNothing) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("none.stv"));
    EXPECT_FALSE(readSettingsFile(path));
    EXPECT_FALSE(QFile::exists(path));
    EXPECT_FALSE(readSettingsFile(QString()));
}

TEST(SettingsFile, ExistingButUnreadableFileIsAnAccessError) {
    QTemporaryDir dir;
    try {
        readSettingsFile(dir.path()); // a folder exists but cannot be read as a file
        FAIL() << "expected an error";
    } catch (const AppError& e) {
        EXPECT_EQ(e.number(), ErrorNumber::PathFileAccess);
    }
}

TEST(SettingsFile, EveryCutOffRecordIsRefused) {
    // Some cuts leave a check value that still matches the zeros read past the end; none of
    // them may pass for a settings file.
    for (unsigned seed = 0; seed < 8; ++seed) {
        SettingsRecord record = sampleRecord();
        record.image = randomImage(seed);
        const QByteArray bytes = serializeSettingsRecord(record);
        for (qsizetype length = 0; length < bytes.size(); ++length) {
            ASSERT_FALSE(parseSettingsRecord(bytes.left(length))) << "length " << length;
        }
        EXPECT_TRUE(parseSettingsRecord(bytes));
    }
}
