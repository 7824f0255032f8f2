#pragma once

#include "file_stamp.h"
#include "hive_key.h"
#include "reg_text_parser.h"
#include "registry_types.h"

#include <QList>
#include <QString>
#include <functional>
#include <optional>

namespace tarnwick::registry {

// One root's hive file, held in memory and read again whenever the file changed on disk, so
// that the writes of other processes are seen. Problems in the file are logged once per
// reading and kept in `diagnostics()`.
class HiveFile {
public:
    HiveFile(QString path, RootKey root);

    // The hive as the file holds it now; empty when there is no file.
    const Hive& hive();
    const QList<HiveDiagnostic>& diagnostics();

    // Whether a save can be expected to succeed: the file, if there is one, is writable and
    // so is its folder, or the nearest existing folder above it when it has to be created.
    bool isWritable() const;

    // Under the file's lock, applies `change` to the latest contents and saves the result
    // atomically. Answers the change's own failure, or ERROR_ACCESS_DENIED when the folder,
    // the lock or the save fails or the existing file could not be read; in every failure
    // the file and the copy in memory stay as they were.
    Status modify(const std::function<Status(Hive&)>& change);

private:
    void refresh();
    void adopt(const QByteArray& bytes, std::optional<FileStamp> stamp, bool logProblems);
    bool save(const QByteArray& bytes) const;

    QString m_path;
    RootKey m_root;
    Hive m_hive;
    QList<HiveDiagnostic> m_diagnostics;
    std::optional<FileStamp> m_stamp;
    bool m_unreadable = false;
};

} // namespace tarnwick::registry
