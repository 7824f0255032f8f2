#include "reg_value_syntax.h"

#include "key_names.h"

#include <algorithm>

namespace tarnwick::registry {

namespace {

constexpr qsizetype kLineWidth = 80;

// `"text"` with the .reg escapes.
QString quoteRegText(QStringView text) {
    QString quoted = text.toString();
    quoted.replace(QLatin1Char('\\'), QLatin1String("\\\\"));
    quoted.replace(QLatin1Char('"'), QLatin1String("\\\""));
    return QLatin1Char('"') + quoted + QLatin1Char('"');
}

bool isPlainText(const QByteArray& data) {
    return !data.isEmpty() && data.back() == '\0' &&
           std::all_of(data.begin(), data.end() - 1,
                       [](char c) { return static_cast<unsigned char>(c) >= 0x20; });
}

QString hexByte(char byte) {
    return QStringLiteral("%1").arg(static_cast<unsigned char>(byte), 2, 16, QLatin1Char('0'));
}

// Bytes as "01,02,..." continued with ",\" before the line would pass the usual width.
QString hexList(const QByteArray& data, qsizetype column) {
    QString list;
    for (qsizetype i = 0; i < data.size(); ++i) {
        if (i > 0) {
            list += QLatin1Char(',');
            ++column;
            if (column + 4 > kLineWidth) {
                list += QStringLiteral("\\\n  ");
                column = 2;
            }
        }
        list += hexByte(data[i]);
        column += 2;
    }
    return list;
}

QString formatData(const RegistryValue& value, qsizetype column) {
    if (value.type == REG_SZ && isPlainText(value.data)) {
        return quoteRegText(QString::fromLatin1(value.data.chopped(1)));
    }
    if (value.type == REG_DWORD && value.data.size() == 4) {
        quint32 number = 0;
        for (qsizetype i = 3; i >= 0; --i) {
            number = (number << 8) | static_cast<unsigned char>(value.data[i]);
        }
        return QStringLiteral("dword:%1").arg(number, 8, 16, QLatin1Char('0'));
    }
    const QString prefix = value.type == REG_BINARY
                               ? QStringLiteral("hex:")
                               : QStringLiteral("hex(%1):").arg(value.type, 0, 16);
    return prefix + hexList(value.data, column + prefix.size());
}

// Reads `"..."` starting at `pos`, leaving `pos` behind the closing quote.
std::optional<QString> readQuoted(QStringView line, qsizetype& pos) {
    if (pos >= line.size() || line[pos] != QLatin1Char('"')) {
        return std::nullopt;
    }
    QString text;
    for (++pos; pos < line.size(); ++pos) {
        const QChar c = line[pos];
        if (c == QLatin1Char('"')) {
            ++pos;
            return text;
        }
        if (c == QLatin1Char('\\')) {
            if (++pos == line.size() ||
                (line[pos] != QLatin1Char('\\') && line[pos] != QLatin1Char('"'))) {
                return std::nullopt;
            }
        }
        text += line[pos];
    }
    return std::nullopt;
}

std::optional<quint32> readHexNumber(QStringView digits) {
    if (digits.isEmpty() || digits.size() > 8) {
        return std::nullopt;
    }
    quint32 number = 0;
    for (const QChar c : digits) {
        const qsizetype digit =
            QStringLiteral("0123456789abcdef").indexOf(c, 0, Qt::CaseInsensitive);
        if (digit < 0) {
            return std::nullopt;
        }
        number = (number << 4) | static_cast<quint32>(digit);
    }
    return number;
}

std::optional<QByteArray> readHexList(QStringView list) {
    QByteArray bytes;
    if (list.trimmed().isEmpty()) {
        return bytes;
    }
    for (const QStringView item : list.split(QLatin1Char(','))) {
        const auto byte = readHexNumber(item.trimmed());
        if (!byte || item.trimmed().size() > 2) {
            return std::nullopt;
        }
        bytes.append(static_cast<char>(*byte));
    }
    return bytes;
}

std::variant<RegistryValue, QString> readData(QStringView data) {
    const QString unreadable = QStringLiteral("unreadable value data");
    if (data.startsWith(QLatin1Char('"'))) {
        qsizetype pos = 0;
        const auto text = readQuoted(data, pos);
        if (!text || !data.mid(pos).trimmed().isEmpty()) {
            return unreadable;
        }
        if (std::any_of(text->begin(), text->end(), [](QChar c) { return c.unicode() > 0xFF; })) {
            return QStringLiteral("text outside ISO-8859-1");
        }
        return RegistryValue{REG_SZ, singleByteStringData(*text)};
    }
    if (data.startsWith(QLatin1String("dword:"), Qt::CaseInsensitive)) {
        const auto number = readHexNumber(data.mid(6).trimmed());
        if (!number) {
            return unreadable;
        }
        QByteArray bytes(4, '\0');
        for (qsizetype i = 0; i < 4; ++i) {
            bytes[i] = static_cast<char>((*number >> (8 * i)) & 0xFF);
        }
        return RegistryValue{REG_DWORD, bytes};
    }
    if (data.startsWith(QLatin1String("hex:"), Qt::CaseInsensitive)) {
        const auto bytes = readHexList(data.mid(4));
        return bytes ? std::variant<RegistryValue, QString>(RegistryValue{REG_BINARY, *bytes})
                     : unreadable;
    }
    if (data.startsWith(QLatin1String("hex("), Qt::CaseInsensitive)) {
        const qsizetype close = data.indexOf(QLatin1String("):"));
        const auto type = close < 0 ? std::nullopt : readHexNumber(data.mid(4, close - 4));
        const auto bytes = type ? readHexList(data.mid(close + 2)) : std::nullopt;
        return bytes ? std::variant<RegistryValue, QString>(RegistryValue{*type, *bytes})
                     : unreadable;
    }
    return unreadable;
}

} // namespace

QString formatValueLine(const HiveValue& value) {
    const QString name =
        (value.name.isEmpty() ? QStringLiteral("@") : quoteRegText(value.name)) + QLatin1Char('=');
    return name + formatData(value.value, name.size());
}

std::variant<RegEntry, QString> parseValueLine(QStringView line) {
    RegEntry entry;
    qsizetype pos = 0;
    if (line.startsWith(QLatin1Char('@'))) {
        pos = 1;
    } else if (const auto name = readQuoted(line, pos)) {
        entry.name = *name;
        if (!isValidValueName(entry.name)) {
            return QStringLiteral("invalid value name");
        }
    } else {
        return QStringLiteral("unreadable line");
    }
    const QStringView rest = line.mid(pos).trimmed();
    if (!rest.startsWith(QLatin1Char('='))) {
        return QStringLiteral("unreadable line");
    }
    const QStringView data = rest.mid(1).trimmed();
    if (data == QLatin1String("-")) {
        return entry;
    }
    auto value = readData(data);
    if (const QString* problem = std::get_if<QString>(&value)) {
        return *problem;
    }
    entry.value = std::get<RegistryValue>(std::move(value));
    return entry;
}

} // namespace tarnwick::registry
