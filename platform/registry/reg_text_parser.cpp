#include "reg_text_parser.h"

#include "key_names.h"
#include "reg_value_syntax.h"
#include "root_keys.h"

#include <QStringDecoder>
#include <variant>

namespace tarnwick::registry {

namespace {

const QLatin1String kOldHeader("REGEDIT4");

QString decodeRegText(const QByteArray& bytes) {
    const auto encoding = QStringConverter::encodingForData(bytes);
    if (encoding && *encoding != QStringConverter::Utf8) {
        QStringDecoder decoder(*encoding);
        return decoder.decode(bytes);
    }
    // A byte order mark is dropped; text that is no UTF-8 was written by a single-byte editor.
    QStringDecoder utf8(QStringConverter::Utf8);
    const QString text = utf8.decode(bytes);
    return utf8.hasError() ? QString::fromLatin1(bytes) : text;
}

QStringList splitLines(const QString& text) {
    QStringList lines = text.split(QLatin1Char('\n'));
    // Carriage returns ending a line are line ending, however many there are.
    for (QString& line : lines) {
        while (line.endsWith(QLatin1Char('\r'))) {
            line.chop(1);
        }
    }
    return lines;
}

class Parser {
public:
    Parser(const QString& fileName, std::optional<RootKey> onlyRoot)
        : m_fileName(fileName), m_onlyRoot(onlyRoot) {}

    RegDocument parse(const QStringList& lines) {
        qsizetype next = skipHeader(lines);
        while (next < lines.size()) {
            const qsizetype first = next;
            QString logical = lines[next++].trimmed();
            if (logical.isEmpty()) {
                continue;
            }
            if (logical.startsWith(QLatin1Char(';'))) {
                keep(lines.mid(first, 1));
                continue;
            }
            if (logical.startsWith(QLatin1Char('['))) {
                readSection(logical, lines.mid(first, 1), static_cast<int>(first + 1));
                continue;
            }
            // A trailing backslash continues the line, but never into a blank line or a
            // section, so a stray one cannot swallow the next key.
            while (logical.endsWith(QLatin1Char('\\')) && next < lines.size()) {
                const QString following = lines[next].trimmed();
                if (following.isEmpty() || following.startsWith(QLatin1Char('['))) {
                    break;
                }
                logical.chop(1);
                logical += following;
                ++next;
            }
            readValue(logical, lines.mid(first, next - first), static_cast<int>(first + 1));
        }
        return std::move(m_document);
    }

private:
    qsizetype skipHeader(const QStringList& lines) {
        for (qsizetype i = 0; i < lines.size(); ++i) {
            const QString line = lines[i].trimmed();
            if (line.isEmpty()) {
                continue;
            }
            if (line == kRegFileHeader || line == kOldHeader) {
                return i + 1;
            }
            report(static_cast<int>(i + 1),
                   QStringLiteral("missing header line \"%1\"").arg(kRegFileHeader));
            return i;
        }
        return lines.size();
    }

    void readSection(const QString& line, const QStringList& original, int lineNumber) {
        auto section = sectionOfLine(line);
        if (const QString* problem = std::get_if<QString>(&section)) {
            report(lineNumber, QStringLiteral("unreadable key line: ") + *problem);
            keep(original);
            m_skippingSection = true;
            return;
        }
        m_document.sections.push_back(std::get<RegSection>(std::move(section)));
        m_skippingSection = false;
    }

    // The section a `[key]` line starts, or why it starts none.
    std::variant<RegSection, QString> sectionOfLine(const QString& line) const {
        if (!line.endsWith(QLatin1Char(']'))) {
            return QStringLiteral("no closing bracket");
        }
        RegSection section;
        QStringView inner = QStringView(line).mid(1, line.size() - 2);
        if (inner.startsWith(QLatin1Char('-'))) {
            section.removeKey = true;
            inner = inner.mid(1);
        }
        const qsizetype separator = inner.indexOf(QLatin1Char('\\'));
        const auto root = rootKeyFromName(separator < 0 ? inner : inner.left(separator));
        if (!root) {
            return QStringLiteral("unknown root key");
        }
        if (m_onlyRoot && *root != *m_onlyRoot) {
            return QStringLiteral("key of another root than this hive's");
        }
        const auto path = splitKeyPath(separator < 0 ? QStringView() : inner.mid(separator + 1));
        if (!path || (separator >= 0 && path->isEmpty())) {
            return QStringLiteral("invalid key name");
        }
        if (section.removeKey && path->isEmpty()) {
            return QStringLiteral("a root key cannot be deleted");
        }
        section.root = *root;
        section.path = *path;
        return section;
    }

    void readValue(const QString& line, const QStringList& original, int lineNumber) {
        if (m_skippingSection) {
            keep(original);
            return;
        }
        if (m_document.sections.empty()) {
            report(lineNumber, QStringLiteral("value line outside any key"));
            keep(original);
            return;
        }
        RegSection& section = m_document.sections.back();
        if (section.removeKey) {
            report(lineNumber, QStringLiteral("value line under a deleted key"));
            keep(original);
            return;
        }
        auto entry = parseValueLine(line);
        if (const QString* problem = std::get_if<QString>(&entry)) {
            report(lineNumber, *problem);
            keep(original);
            return;
        }
        section.entries.push_back(std::get<RegEntry>(std::move(entry)));
    }

    void keep(const QStringList& original) {
        const QString lines = original.join(QLatin1Char('\n'));
        if (m_document.sections.empty()) {
            m_document.leadingLines += lines;
        } else {
            m_document.sections.back().keptLines += lines;
        }
    }

    void report(int line, const QString& message) {
        m_document.diagnostics.append({m_fileName, line, message});
    }

    QString m_fileName;
    std::optional<RootKey> m_onlyRoot;
    RegDocument m_document;
    bool m_skippingSection = false;
};

} // namespace

QString HiveDiagnostic::toString() const {
    return QStringLiteral("%1:%2: %3").arg(file).arg(line).arg(message);
}

RegDocument parseRegText(const QByteArray& bytes, const QString& fileName,
                         std::optional<RootKey> onlyRoot) {
    return Parser(fileName, onlyRoot).parse(splitLines(decodeRegText(bytes)));
}

} // namespace tarnwick::registry
