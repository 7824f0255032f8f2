#include "backup_store.h"

#include "config/config_diff.h"
#include "config/settings_file.h"
#include "shell/app_error.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>

namespace tarnwick::backup {

namespace {

const QString kStamp = QStringLiteral("yyyyMMdd'T'HHmmss'Z'");

} // namespace

QString backupFileName(const QString& name, const QDateTime& utc) {
    return QStringLiteral("%1-%2.stv").arg(name, utc.toUTC().toString(kStamp));
}

BackupStore::BackupStore(QString folder, Vocabulary vocabulary)
    : m_folder(std::move(folder)), m_vocabulary(std::move(vocabulary)) {}

QString BackupStore::latest(const QString& name) const {
    const QDir dir(QDir(m_folder).filePath(name));
    // The stamp sorts as text.
    const QRegularExpression pattern(QStringLiteral("^%1-\\d{8}T\\d{6}Z\\.stv$")
                                         .arg(QRegularExpression::escape(name)));
    QString newest;
    for (const QString& file : dir.entryList({name + QStringLiteral("-*.stv")}, QDir::Files)) {
        if (pattern.match(file).hasMatch() && file > newest) {
            newest = file;
        }
    }
    return newest.isEmpty() ? QString() : dir.filePath(newest);
}

QStringList BackupStore::changedFields(const ConfigImage& before, const ConfigImage& after,
                                       std::uint8_t destSL) const {
    QStringList fields;
    try {
        const ConfigDifferences differences =
            diffImages({before, destSL}, {after, destSL}, m_vocabulary);
        for (const FieldDifference& field : differences.fields) {
            fields << field.path;
        }
        for (const ByteDifference& byte : differences.bytes) {
            fields << byte.path();
        }
    } catch (const AppError&) {
        // An image that cannot be decoded still differs; name it as a whole.
        fields << QStringLiteral("(image)");
    }
    return fields;
}

StoredBackup BackupStore::store(const QString& name, const CurrentConnection& connection,
                                const ConfigImage& image, const QDateTime& nowUtc) const {
    StoredBackup result;
    const QString last = latest(name);
    std::optional<SettingsRecord> previous;
    if (!last.isEmpty()) {
        previous = readSettingsFile(last);
    }
    result.first = !previous.has_value();
    if (previous) {
        if (previous->image == image) {
            result.path = last;
            return result;
        }
        result.fields = changedFields(previous->image, image, connection.DestSL);
    }
    const QDir dir(QDir(m_folder).filePath(name));
    if (!QDir().mkpath(dir.path())) {
        throw AppError::standard(ErrorNumber::PathFileAccess, dir.path());
    }
    // A second change within one second takes the next free second, so that the names
    // keep sorting in the order written.
    QDateTime stamp = nowUtc;
    QString path = dir.filePath(backupFileName(name, stamp));
    while (QFileInfo::exists(path)) {
        stamp = stamp.addSecs(1);
        path = dir.filePath(backupFileName(name, stamp));
    }
    writeSettingsFile(path, settingsRecordFor(connection, image, nowUtc.toLocalTime()));
    result.changed = true;
    result.path = path;
    return result;
}

} // namespace tarnwick::backup
