#include "reg_text_writer.h"

#include "reg_text_parser.h"
#include "reg_value_syntax.h"

namespace tarnwick::registry {

namespace {

void appendKeptLines(QString& text, const QStringList& keptLines) {
    for (const QString& lines : keptLines) {
        text += lines + QLatin1Char('\n');
        // A continuation that was cut short in the file must not reach the next kept lines.
        if (QStringView(lines).trimmed().endsWith(QLatin1Char('\\'))) {
            text += QLatin1Char('\n');
        }
    }
}

void appendKey(QString& text, const HiveKey& key, const QString& keyPath) {
    const bool bareRoot = !keyPath.contains(QLatin1Char('\\'));
    if (!bareRoot || !key.values().empty() || !key.keptLines().isEmpty()) {
        text += QLatin1Char('[') + keyPath + QStringLiteral("]\n");
        for (const HiveValue& value : key.values()) {
            text += formatValueLine(value) + QLatin1Char('\n');
        }
        appendKeptLines(text, key.keptLines());
        text += QLatin1Char('\n');
    }
    for (const HiveKey& subkey : key.subkeys()) {
        appendKey(text, subkey, keyPath + QLatin1Char('\\') + subkey.name());
    }
}

} // namespace

QByteArray writeRegText(const HiveKey& key, const QString& keyPath,
                        const QStringList& leadingLines) {
    QString text = kRegFileHeader + QStringLiteral("\n\n");
    if (!leadingLines.isEmpty()) {
        appendKeptLines(text, leadingLines);
        text += QLatin1Char('\n');
    }
    appendKey(text, key, keyPath);
    return text.toUtf8();
}

} // namespace tarnwick::registry
