#include "connections/connection_file.h"
#include "support/error_number.h"
#include "shell/app_error.h"

#include <QFile>
#include <QTemporaryDir>
#include <functional>
#include <gtest/gtest.h>

using namespace tarnwick;
using tarnwick::testing::errorNumberOf;

namespace {
const ConnectionProfile kDirectProfile{QStringLiteral("COM1"), QString(), QStringLiteral("123456"),
                                       1, kPasswordNotSaved};

QByteArray fileBytes(const QString& path) {
    QFile f(path);
    EXPECT_TRUE(f.open(QIODevice::ReadOnly));
    return f.readAll();
}

} // namespace

TEST(ConnectionFile, DirectProfileWithoutPasswordIsTheKnownTwentyThreeBytes) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("site.tlc"));
    WriteConnectionFile(path, kDirectProfile);
    EXPECT_EQ(
        fileBytes(path).toHex(' '),
        QByteArrayLiteral("04 00 43 4f 4d 31 00 00 06 00 31 32 33 34 35 36 01 04 00 2d 2d 2d 2d"));
    const ConnectionProfile back = ReadConnectionFile(path);
    EXPECT_EQ(back, kDirectProfile);
    EXPECT_TRUE(back.Addr.isEmpty()); // a direct connection reads back as one
}

TEST(ConnectionFile, ModemProfileWithPasswordRoundTripsAndIsOwnerOnly) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("modem.tlc"));
    const ConnectionProfile modem{QStringLiteral("Standard 56000 bps Modem"),
                                  QStringLiteral("0,015551234"), QStringLiteral("654321"), 3,
                                  QStringLiteral("4321")};
    WriteConnectionFile(path, modem);
    EXPECT_EQ(ReadConnectionFile(path), modem);
    EXPECT_EQ(QFile(path).permissions() & ~(QFileDevice::ReadUser | QFileDevice::WriteUser),
              QFileDevice::ReadOwner | QFileDevice::WriteOwner);

    // Saved again without its password, the same file may be shared normally.
    const QString plain = dir.filePath(QStringLiteral("plain.tlc"));
    QFile reference(dir.filePath(QStringLiteral("reference")));
    ASSERT_TRUE(reference.open(QIODevice::WriteOnly));
    reference.close();
    WriteConnectionFile(plain, kDirectProfile);
    EXPECT_EQ(QFile(plain).permissions(), reference.permissions());
}

TEST(ConnectionFile, ReadsOneRecordFromAShortOrLongerInput) {
    // Cut inside the serial number: the rest reads as NUL characters, SL 0, empty password.
    const ConnectionProfile cut =
        parseConnectionProfile(QByteArray::fromHex("0400434f4d3100000600313233"));
    EXPECT_EQ(cut.Port, QStringLiteral("COM1"));
    EXPECT_EQ(cut.SN, QStringLiteral("123") + QString(3, QChar(0)));
    EXPECT_EQ(cut.SL, 0);
    EXPECT_TRUE(cut.Password.isEmpty());

    EXPECT_EQ(parseConnectionProfile(serializeConnectionProfile(kDirectProfile) + "trailing"),
              kDirectProfile);
}

TEST(ConnectionFile, MissingFileIsFileNotFoundAndCreatesNothing) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("none.tlc"));
    EXPECT_EQ(errorNumberOf([&] { ReadConnectionFile(path); }), ErrorNumber::FileNotFound);
    EXPECT_FALSE(QFile::exists(path));
    EXPECT_EQ(errorNumberOf([&] { ReadConnectionFile(dir.path()); }), ErrorNumber::PathFileAccess);
}
