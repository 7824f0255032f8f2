#include "backup_report.h"

#include "shell/app_error.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSaveFile>

#include <algorithm>

namespace tarnwick::backup {

namespace {

QString durationText(Scheduler::Duration duration) {
    const auto seconds = static_cast<long long>((duration.count() + 500) / 1000);
    return QStringLiteral("%1:%2").arg(seconds / 60).arg(seconds % 60, 2, 10, QLatin1Char('0'));
}

QString detail(const UnitResult& result) {
    switch (result.status) {
    case UnitStatus::Failed:
        return result.message;
    case UnitStatus::BackedUp:
        return result.first ? QStringLiteral("(first backup)")
                            : result.fields.join(QStringLiteral(", "));
    default:
        return {};
    }
}

} // namespace

QStringList summaryTable(const std::vector<UnitResult>& results) {
    const QStringList heads{QStringLiteral("UNIT"), QStringLiteral("RESULT"),
                            QStringLiteral("TIME"), QStringLiteral("CHANGED / REASON")};
    std::vector<QStringList> rows;
    for (const UnitResult& r : results) {
        QString status = statusText(r.status);
        if (r.attempts > 1 && r.status != UnitStatus::Cancelled) {
            status += QStringLiteral(" (%1 tries)").arg(r.attempts);
        }
        rows.push_back({r.name, status, durationText(r.duration), detail(r)});
    }
    QList<qsizetype> widths;
    for (qsizetype column = 0; column < 3; ++column) {
        qsizetype width = heads[column].size();
        for (const QStringList& row : rows) {
            width = std::max(width, row[column].size());
        }
        widths.push_back(width);
    }
    const auto line = [&widths](const QStringList& cells) {
        QString text;
        for (qsizetype column = 0; column < 3; ++column) {
            text += cells[column].leftJustified(widths[column]) + QStringLiteral("  ");
        }
        return (text + cells[3]).trimmed();
    };
    QStringList table{line(heads)};
    for (const QStringList& row : rows) {
        table << line(row);
    }
    return table;
}

QByteArray reportJson(const std::vector<UnitResult>& results, const QDateTime& startedUtc,
                      const QDateTime& endedUtc, bool cancelled) {
    QJsonArray units;
    for (const UnitResult& r : results) {
        QJsonObject unit{{QStringLiteral("name"), r.name},
                         {QStringLiteral("port"), r.port},
                         {QStringLiteral("result"), statusText(r.status)},
                         {QStringLiteral("attempts"), r.attempts},
                         {QStringLiteral("seconds"), static_cast<double>(r.duration.count()) / 1000},
                         {QStringLiteral("changed_fields"), QJsonArray::fromStringList(r.fields)}};
        if (r.status == UnitStatus::BackedUp) {
            unit.insert(QStringLiteral("first_backup"), r.first);
        }
        if (!r.file.isEmpty()) {
            unit.insert(QStringLiteral("file"), r.file);
        }
        if (r.status == UnitStatus::Failed) {
            unit.insert(QStringLiteral("error"), r.message);
        }
        units.append(unit);
    }
    const bool ok = std::all_of(results.begin(), results.end(), [](const UnitResult& r) {
        return r.status == UnitStatus::BackedUp || r.status == UnitStatus::Unchanged;
    });
    const QJsonObject root{
        {QStringLiteral("started"), startedUtc.toUTC().toString(Qt::ISODate)},
        {QStringLiteral("ended"), endedUtc.toUTC().toString(Qt::ISODate)},
        {QStringLiteral("cancelled"), cancelled},
        {QStringLiteral("ok"), ok},
        {QStringLiteral("units"), units}};
    return QJsonDocument(root).toJson(QJsonDocument::Indented);
}

void writeFileAtomically(const QString& path, const QByteArray& bytes) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit()) {
        throw AppError::standard(ErrorNumber::PathFileAccess, path);
    }
}

} // namespace tarnwick::backup
