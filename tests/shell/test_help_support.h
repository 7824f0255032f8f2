#pragma once

// The help collection built from data/help, copied for one test: the help window writes its
// search index beside the collection, and tests run side by side.

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace tarnwick::test {

class HelpCollectionCopy {
public:
    HelpCollectionCopy() {
        const QFileInfo built(QStringLiteral(TARNWICK_HELP_COLLECTION));
        for (const QString& name : {QStringLiteral("tarnwick.qhc"), QStringLiteral("tarnwick.qch")})
            EXPECT_TRUE(QFile::copy(built.dir().filePath(name), m_dir.filePath(name)))
                << name.toStdString();
    }

    QString file() const { return m_dir.filePath(QStringLiteral("tarnwick.qhc")); }
    QString folder() const { return m_dir.path(); }

private:
    QTemporaryDir m_dir;
};

} // namespace tarnwick::test
