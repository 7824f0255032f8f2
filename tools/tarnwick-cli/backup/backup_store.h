#pragma once

#include "config/config_image.h"
#include "config/vocabulary.h"
#include "connections/current_connection.h"

#include <QDateTime>
#include <QString>
#include <QStringList>

namespace tarnwick::backup {

// What storing one downloaded configuration did.
struct StoredBackup {
    bool changed = false;  // a new file was written
    QString path;          // the new file, or the last backup when unchanged
    QStringList fields;    // the changed fields by path; empty for a first backup
    bool first = false;    // the unit had no backup before
};

// The backups of each unit in `DIR/NAME/NAME-YYYYMMDDTHHMMSSZ.stv`, one file per
// configuration that differed from the one before it.
class BackupStore {
public:
    BackupStore(QString folder, Vocabulary vocabulary);

    // The newest backup of `name`, or empty when it has none.
    QString latest(const QString& name) const;

    // Compares `image` with the newest backup of `name` and writes a new dated file
    // (atomically) only when they differ. Throws AppError when the file cannot be written.
    StoredBackup store(const QString& name, const CurrentConnection& connection,
                       const ConfigImage& image, const QDateTime& nowUtc) const;

    const QString& folder() const { return m_folder; }

private:
    QStringList changedFields(const ConfigImage& before, const ConfigImage& after,
                              std::uint8_t destSL) const;

    QString m_folder;
    Vocabulary m_vocabulary;
};

// "NAME-20260302T090000Z.stv"
QString backupFileName(const QString& name, const QDateTime& utc);

} // namespace tarnwick::backup
