#include "saved_connections.h"

#include <QDir>
#include <QFileInfo>

namespace tarnwick {

QStringList savedConnectionNames(const QString& saveConnDir) {
    // The prefix is a folder followed by the start of the file names.
    const qsizetype cut = saveConnDir.lastIndexOf(QLatin1Char('/')) + 1;
    const QString folder = saveConnDir.left(cut);
    const QString namePrefix = saveConnDir.mid(cut);

    QDir dir(folder.isEmpty() ? QStringLiteral(".") : folder);
    dir.setNameFilters({QStringLiteral("*") + kConnectionFileExtension});
    dir.setFilter(QDir::Files | QDir::CaseSensitive);
    dir.setSorting(QDir::Name | QDir::IgnoreCase);

    QStringList names;
    for (const QFileInfo& file : dir.entryInfoList()) {
        const QString baseName = file.completeBaseName();
        if (baseName.size() > namePrefix.size() && baseName.startsWith(namePrefix)) {
            names << baseName.mid(namePrefix.size());
        }
    }
    return names;
}

QString savedConnectionPath(const QString& saveConnDir, const QString& name) {
    return saveConnDir + name + kConnectionFileExtension;
}

} // namespace tarnwick
