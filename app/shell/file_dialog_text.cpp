#include "file_dialog_text.h"

#include <QFileInfo>

namespace tarnwick {

namespace {
// The longest file name, in bytes, the common Linux file systems accept.
constexpr qsizetype kMaxFileNameBytes = 255;

// "*.a; *.b" as "(*.a *.b)", the form Qt reads patterns from; "(*)" when there are none.
QString patternsInParentheses(const QString& patterns) {
    QStringList list;
    for (const QString& pattern : patterns.split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
        if (!pattern.trimmed().isEmpty())
            list << pattern.trimmed();
    }
    if (list.isEmpty())
        list << QStringLiteral("*");
    return QLatin1Char('(') + list.join(QLatin1Char(' ')) + QLatin1Char(')');
}
} // namespace

QStringList toQtNameFilters(const QString& filter) {
    QStringList result;
    if (filter.trimmed().isEmpty())
        return result;
    const QStringList parts = filter.split(QLatin1Char('|'));
    for (qsizetype i = 0; i < parts.size(); i += 2) {
        const QString description = parts[i].trimmed();
        const QString patterns =
            patternsInParentheses(i + 1 < parts.size() ? parts[i + 1] : QString());
        result << (description.endsWith(patterns)
                       ? description
                       : (description + QLatin1Char(' ') + patterns).trimmed());
    }
    return result;
}

bool isValidProposedName(const QString& name) {
    return !name.contains(QLatin1Char('/')) && !name.contains(QChar(0)) &&
           name.toLocal8Bit().size() <= kMaxFileNameBytes;
}

QString withDefaultSuffix(const QString& path, const QString& suffix) {
    if (suffix.isEmpty() || path.isEmpty() || !QFileInfo(path).suffix().isEmpty())
        return path;
    return path + QLatin1Char('.') + suffix;
}

} // namespace tarnwick
