#include "difference_report.h"

#include <QJsonObject>

namespace tarnwick::cli {

QStringList differenceLines(const ConfigDifferences& differences) {
    QStringList lines;
    for (const FieldDifference& d : differences.fields) {
        lines << d.line();
    }
    for (const ByteDifference& d : differences.bytes) {
        lines << d.line();
    }
    return lines;
}

QJsonArray fieldDifferencesJson(const std::vector<FieldDifference>& fields) {
    QJsonArray out;
    for (const FieldDifference& d : fields) {
        out.append(QJsonObject{
            {QStringLiteral("path"), d.path},
            {QStringLiteral("tab"), d.tab},
            {QStringLiteral("caption"), d.caption},
            {QStringLiteral("a"), d.aPresent ? QJsonValue(d.aText) : QJsonValue()},
            {QStringLiteral("b"), d.bPresent ? QJsonValue(d.bText) : QJsonValue()},
        });
    }
    return out;
}

QJsonArray byteDifferencesJson(const std::vector<ByteDifference>& bytes) {
    QJsonArray out;
    for (const ByteDifference& d : bytes) {
        out.append(QJsonObject{
            {QStringLiteral("path"), d.path()},
            {QStringLiteral("block"), static_cast<int>(d.block())},
            {QStringLiteral("byte"), static_cast<int>(d.byte())},
            {QStringLiteral("offset"), static_cast<int>(d.offset)},
            {QStringLiteral("a"), d.secret() ? QJsonValue() : QJsonValue(d.a)},
            {QStringLiteral("b"), d.secret() ? QJsonValue() : QJsonValue(d.b)},
            {QStringLiteral("password"), d.secret()},
        });
    }
    return out;
}

} // namespace tarnwick::cli
