#include "hive_file.h"

#include "hive_builder.h"
#include "reg_text_writer.h"
#include "root_keys.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QSaveFile>
#include <QtDebug>

namespace tarnwick::registry {

namespace {

constexpr int kLockTimeoutMs = 10000;

} // namespace

HiveFile::HiveFile(QString path, RootKey root) : m_path(std::move(path)), m_root(root) {}

const Hive& HiveFile::hive() {
    refresh();
    return m_hive;
}

const QList<HiveDiagnostic>& HiveFile::diagnostics() {
    refresh();
    return m_diagnostics;
}

void HiveFile::refresh() {
    const auto stamp = fileStamp(m_path);
    if (stamp == m_stamp) {
        return;
    }
    m_unreadable = false;
    if (!stamp) {
        adopt({}, std::nullopt, false);
        return;
    }
    QFile file(m_path);
    if (!file.open(QIODevice::ReadOnly)) {
        adopt({}, stamp, false);
        m_unreadable = true;
        m_diagnostics = {{m_path, 0, QStringLiteral("cannot be read: ") + file.errorString()}};
        qWarning().noquote() << m_diagnostics.front().toString();
        return;
    }
    // The stamp of the open file, so that a save landing meanwhile is read on the next call.
    const auto openedStamp = fileStamp(file.handle());
    adopt(file.readAll(), openedStamp, true);
}

void HiveFile::adopt(const QByteArray& bytes, std::optional<FileStamp> stamp, bool logProblems) {
    const RegDocument document = parseRegText(bytes, m_path, m_root);
    m_hive = buildHive(document);
    m_diagnostics = document.diagnostics;
    m_stamp = stamp;
    if (logProblems) {
        for (const HiveDiagnostic& diagnostic : m_diagnostics) {
            qWarning().noquote() << diagnostic.toString();
        }
    }
}

bool HiveFile::isWritable() const {
    const QFileInfo file(m_path);
    if (file.exists()) {
        return file.isFile() && file.isWritable() && QFileInfo(file.absolutePath()).isWritable();
    }
    QFileInfo folder(file.absolutePath());
    while (!folder.exists() && !folder.isRoot()) {
        folder = QFileInfo(folder.absolutePath());
    }
    return folder.isDir() && folder.isWritable();
}

Status HiveFile::modify(const std::function<Status(Hive&)>& change) {
    if (!QDir().mkpath(QFileInfo(m_path).absolutePath())) {
        return ERROR_ACCESS_DENIED;
    }
    QLockFile lock(m_path + QStringLiteral(".lock"));
    if (!lock.tryLock(kLockTimeoutMs)) {
        return ERROR_ACCESS_DENIED;
    }
    refresh();
    if (m_unreadable) {
        return ERROR_ACCESS_DENIED;
    }
    Hive changed = m_hive;
    if (const Status status = change(changed); status != ERROR_SUCCESS) {
        return status;
    }
    const QByteArray bytes = writeRegText(changed.root, rootKeyName(m_root), changed.leadingLines);
    if (!save(bytes)) {
        return ERROR_ACCESS_DENIED;
    }
    // Read back from what was written, so that kept lines and line numbers match the file.
    adopt(bytes, fileStamp(m_path), false);
    return ERROR_SUCCESS;
}

bool HiveFile::save(const QByteArray& bytes) const {
    QSaveFile file(m_path);
    // commit() does not notice a failure of its own final flush, so flush first: a failed
    // save must never rename a truncated file over the hive.
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.flush() &&
           file.commit();
}

} // namespace tarnwick::registry
