#pragma once

#include "backup_run.h"

#include <QByteArray>
#include <QDateTime>
#include <QStringList>

namespace tarnwick::backup {

// The summary as a table: name, result, changed fields, duration; failures give their reason
// in the fields column.
QStringList summaryTable(const std::vector<UnitResult>& results);

// The report as JSON: when the run started and ended, whether it was cancelled, and each
// unit's result.
QByteArray reportJson(const std::vector<UnitResult>& results, const QDateTime& startedUtc,
                      const QDateTime& endedUtc, bool cancelled);

// Writes `bytes` to `path` atomically. Throws AppError when it cannot.
void writeFileAtomically(const QString& path, const QByteArray& bytes);

} // namespace tarnwick::backup
