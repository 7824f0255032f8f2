// The saved-connection list of the settings dialog.

#include "connections/saved_connections.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace tarnwick;

namespace {
void touch(const QString& path) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly)) << path.toStdString();
}
} // namespace

// Only files with exactly the extension, each by its base name; every name leads back to its
// file.
TEST(SavedConnections, ListsTlcFilesByBaseName) {
    QTemporaryDir dir;
    const QString prefix = dir.path() + QLatin1Char('/');
    for (const char* name : {"Site B.tlc", "alpha.tlc", "north.v2.tlc", "notes.txt", "UPPER.TLC",
                             ".hidden.tlc", "x.tlc.bak"}) {
        touch(prefix + QLatin1String(name));
    }
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("folder.tlc")));

    const QStringList names = savedConnectionNames(prefix);
    EXPECT_EQ(names, (QStringList{QStringLiteral("alpha"), QStringLiteral("north.v2"),
                                  QStringLiteral("Site B")}));
    for (const QString& name : names) {
        EXPECT_TRUE(QFile::exists(savedConnectionPath(prefix, name))) << name.toStdString();
    }
}

TEST(SavedConnections, AMissingFolderListsNothing) {
    QTemporaryDir dir;
    EXPECT_TRUE(savedConnectionNames(dir.path() + QStringLiteral("/missing/")).isEmpty());
}

// A setting without its trailing separator still names a prefix: the names are what follows
// it, so reading the file finds the one listed.
TEST(SavedConnections, APrefixEndingInAFileNameStart) {
    QTemporaryDir dir;
    touch(dir.filePath(QStringLiteral("connSouth.tlc")));
    touch(dir.filePath(QStringLiteral("other.tlc")));
    const QString prefix = dir.filePath(QStringLiteral("conn"));
    const QStringList names = savedConnectionNames(prefix);
    ASSERT_EQ(names, QStringList{QStringLiteral("South")});
    EXPECT_TRUE(QFile::exists(savedConnectionPath(prefix, names[0])));
}
