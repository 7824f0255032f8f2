#include "shell/app_error.h"
#include "shell/record_io.h"

#include <gtest/gtest.h>

using namespace tarnwick;

TEST(RecordIo, WritesLittleEndianFieldsAndCountedText) {
    RecordWriter w;
    w.u16(0x1234);
    w.i16(-2);
    w.text(QStringLiteral("Caf\u00e9"));
    w.f64(1.5);
    const QByteArray expected = QByteArray::fromHex("3412feff0400436166e9000000000000f83f");
    EXPECT_EQ(w.data().toHex(), expected.toHex());

    RecordReader r(w.data());
    EXPECT_EQ(r.u16(), 0x1234);
    EXPECT_EQ(r.i16(), -2);
    EXPECT_EQ(r.text(), QStringLiteral("Caf\u00e9"));
    EXPECT_EQ(r.f64(), 1.5);
    EXPECT_FALSE(r.pastEnd());
}

TEST(RecordIo, ReadingPastTheEndGivesZerosAndEmptyTexts) {
    RecordReader r(QByteArray::fromHex("0500414243"));
    // The count promises five characters but only three are there: the rest read as NUL.
    EXPECT_EQ(r.text(), QStringLiteral("ABC") + QChar(0) + QChar(0));
    EXPECT_TRUE(r.pastEnd());
    EXPECT_EQ(r.text(), QString());
    EXPECT_EQ(r.u8(), 0);
    EXPECT_EQ(r.f64(), 0.0);
}

TEST(RecordIo, CharactersOutsideLatin1BecomeQuestionMarks) {
    RecordWriter w;
    w.text(QStringLiteral("a\u20acb"));
    EXPECT_EQ(w.data(), QByteArray::fromHex("0300613f62"));
}

TEST(RecordIo, OverlongTextIsRefused) {
    RecordWriter w;
    EXPECT_THROW(w.text(QString(70000, QLatin1Char('x'))), AppError);
}
