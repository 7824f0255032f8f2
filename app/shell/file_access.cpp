#include "file_access.h"

#include "app_error.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace tarnwick {

void writeFileAtomically(const QString& path, const QByteArray& data,
                         std::optional<QFileDevice::Permissions> permissions) {
    QSaveFile file(path);
    const auto fail = [&] {
        return AppError(ErrorNumber::PathFileAccess, kProgramSource,
                        AppError::standardDescription(ErrorNumber::PathFileAccess) +
                            QStringLiteral(": ") + path + QStringLiteral(" (") +
                            file.errorString() + QStringLiteral(")"));
    };
    if (!file.open(QIODevice::WriteOnly)) {
        throw fail();
    }
    // Restrict the temporary file before any byte of a secret reaches it.
    if (permissions && !file.setPermissions(*permissions)) {
        file.cancelWriting();
        throw fail();
    }
    // Qt 6.4's commit() renames even when its own final flush failed (a full disk), so the
    // flush is checked first: a truncated file must never replace the old one.
    if (file.write(data) != data.size() || !file.flush() || !file.commit()) {
        throw fail();
    }
}

std::optional<QByteArray> readFileIfExists(const QString& path) {
    const QFileInfo info(path);
    if (path.isEmpty() || !info.exists()) {
        return std::nullopt;
    }
    QFile file(path);
    if (!info.isFile() || !file.open(QIODevice::ReadOnly)) {
        throw AppError::standard(ErrorNumber::PathFileAccess, path);
    }
    return file.readAll();
}

} // namespace tarnwick
