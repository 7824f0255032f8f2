#include "shell/app_error.h"
#include "shell/file_access.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <csignal>
#include <sys/resource.h>

using namespace tarnwick;

TEST(FileAccess, AtomicWriteReplacesLongerFileWhole) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("a.bin"));
    writeFileAtomically(path, QByteArray(100, 'x'));
    writeFileAtomically(path, QByteArrayLiteral("new"));
    EXPECT_EQ(*readFileIfExists(path), QByteArrayLiteral("new"));
    // Only the one file is left in the folder: no temporary files linger.
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files).size(), 1);
}

TEST(FileAccess, PermissionsAreApplied) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("secret"));
    writeFileAtomically(path, QByteArrayLiteral("1234"),
                        QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    // Nothing for the group or others: only the owner may read it.
    EXPECT_EQ(QFile(path).permissions(),
              QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadUser |
                  QFileDevice::WriteUser);
}

TEST(FileAccess, UnwritableFolderFailsWithAccessErrorAndLeavesNothing) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("missing/sub/a.bin"));
    try {
        writeFileAtomically(path, QByteArrayLiteral("x"));
        FAIL() << "expected an error";
    } catch (const AppError& e) {
        EXPECT_EQ(e.number(), ErrorNumber::PathFileAccess);
    }
    EXPECT_FALSE(QFile::exists(path));
}

TEST(FileAccess, ReadingAMissingFileCreatesNothing) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("none.stv"));
    EXPECT_FALSE(readFileIfExists(path));
    EXPECT_FALSE(QFile::exists(path));
}

TEST(FileAccess, SomethingThatIsNoReadableFileIsAnAccessError) {
    QTemporaryDir dir;
    try {
        readFileIfExists(dir.path());
        FAIL() << "a folder must not read as a file";
    } catch (const AppError& e) {
        EXPECT_EQ(e.number(), ErrorNumber::PathFileAccess);
    }
}

TEST(FileAccess, AWriteCutShortByAFullDiskLeavesTheOldFile) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("keep.stv"));
    writeFileAtomically(path, QByteArrayLiteral("old contents"));

    // A file-size limit makes the write fail part-way, as a full disk would (also as root).
    rlimit saved{};
    getrlimit(RLIMIT_FSIZE, &saved);
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit limited = saved;
    limited.rlim_cur = 1024;
    setrlimit(RLIMIT_FSIZE, &limited);
    bool failed = false;
    try {
        writeFileAtomically(path, QByteArray(4000, 'n'));
    } catch (const AppError& e) {
        failed = e.number() == ErrorNumber::PathFileAccess;
    }
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, oldHandler);

    EXPECT_TRUE(failed);
    EXPECT_EQ(*readFileIfExists(path), QByteArrayLiteral("old contents"));
}
