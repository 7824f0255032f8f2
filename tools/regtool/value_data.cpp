#include "value_data.h"

#include "regtool_failure.h"

#include <QList>
#include <QStringList>
#include <QtEndian>
#include <algorithm>
#include <array>
#include <optional>
#include <utility>

namespace tarnwick::regtool {

using namespace registry;

namespace {

constexpr std::array<std::pair<QLatin1String, ValueType>, 6> kTypeNames{{
    {QLatin1String("REG_SZ"), REG_SZ},
    {QLatin1String("REG_EXPAND_SZ"), REG_EXPAND_SZ},
    {QLatin1String("REG_BINARY"), REG_BINARY},
    {QLatin1String("REG_DWORD"), REG_DWORD},
    {QLatin1String("REG_DWORD_BIG_ENDIAN"), REG_DWORD_BIG_ENDIAN},
    {QLatin1String("REG_MULTI_SZ"), REG_MULTI_SZ},
}};

[[noreturn]] void badData(const QString& message) {
    throw RegtoolFailure(message, kUsageError);
}

QByteArray singleByteText(const QString& text) {
    const bool representable =
        std::all_of(text.begin(), text.end(), [](QChar c) { return c.unicode() <= 0xFF; });
    if (!representable) {
        badData(QStringLiteral("\"%1\" holds characters outside ISO-8859-1").arg(text));
    }
    return text.toLatin1();
}

quint32 parseNumber(const QString& text) {
    const bool isHex = text.startsWith(QLatin1String("0x"), Qt::CaseInsensitive);
    bool ok = false;
    const quint32 number = (isHex ? text.mid(2) : text).toUInt(&ok, isHex ? 16 : 10);
    if (!ok) {
        badData(QStringLiteral("\"%1\" is no number from 0 to 4294967295").arg(text));
    }
    return number;
}

QByteArray parseHexBytes(const QString& text) {
    QString digits = text;
    digits.remove(QLatin1Char(',')).remove(QLatin1Char(' '));
    const bool valid =
        digits.size() % 2 == 0 && std::all_of(digits.begin(), digits.end(), [](QChar c) {
            return c.isDigit() ||
                   (c.toLower() >= QLatin1Char('a') && c.toLower() <= QLatin1Char('f'));
        });
    if (!valid) {
        badData(QStringLiteral("\"%1\" is no list of hexadecimal bytes").arg(text));
    }
    return QByteArray::fromHex(digits.toLatin1());
}

// Each string with its NUL, then the NUL that ends the list; an empty text is an empty list.
QByteArray multiStringData(const QString& text) {
    QByteArray data;
    if (!text.isEmpty()) {
        for (const QString& item : text.split(kMultiStringSeparator)) {
            if (item.isEmpty()) {
                badData(QStringLiteral("REG_MULTI_SZ strings cannot be empty"));
            }
            data += singleByteText(item) + '\0';
        }
    }
    return data + '\0';
}

QByteArray numberData(quint32 number, bool bigEndian) {
    QByteArray data(4, '\0');
    if (bigEndian) {
        qToBigEndian(number, data.data());
    } else {
        qToLittleEndian(number, data.data());
    }
    return data;
}

QString hexText(const QByteArray& data) {
    return QString::fromLatin1(data.toHex(','));
}

// The text form of string data when it is text and one terminating NUL.
std::optional<QString> textOf(const QByteArray& data) {
    if (data.isEmpty() || data.back() != '\0' || data.chopped(1).contains('\0')) {
        return std::nullopt;
    }
    return QString::fromLatin1(data.chopped(1));
}

std::optional<QString> multiStringsOf(const QByteArray& data) {
    if (data == QByteArray(1, '\0')) {
        return QString();
    }
    if (!data.endsWith(QByteArray(2, '\0'))) {
        return std::nullopt;
    }
    const QList<QByteArray> items = data.chopped(2).split('\0');
    QStringList texts;
    for (const QByteArray& item : items) {
        const QString text = QString::fromLatin1(item);
        if (text.isEmpty() || text.contains(kMultiStringSeparator)) {
            return std::nullopt;
        }
        texts += text;
    }
    return texts.join(kMultiStringSeparator);
}

std::optional<QString> dataText(const RegistryValue& value) {
    switch (value.type) {
    case REG_SZ:
    case REG_EXPAND_SZ:
        return textOf(value.data);
    case REG_MULTI_SZ:
        return multiStringsOf(value.data);
    case REG_DWORD:
    case REG_DWORD_BIG_ENDIAN:
        if (value.data.size() != 4) {
            return std::nullopt;
        }
        return QString::number(value.type == REG_DWORD
                                   ? qFromLittleEndian<quint32>(value.data.constData())
                                   : qFromBigEndian<quint32>(value.data.constData()));
    case REG_BINARY:
        return hexText(value.data);
    default:
        return std::nullopt;
    }
}

} // namespace

RegistryValue parseValueData(const QString& typeName, const QString& data) {
    const auto known = std::find_if(kTypeNames.begin(), kTypeNames.end(), [&](const auto& entry) {
        return typeName.compare(entry.first, Qt::CaseInsensitive) == 0;
    });
    if (known == kTypeNames.end()) {
        badData(QStringLiteral("unknown value type \"%1\"").arg(typeName));
    }
    const ValueType type = known->second;
    switch (type) {
    case REG_SZ:
    case REG_EXPAND_SZ:
        return {type, singleByteText(data) + '\0'};
    case REG_DWORD:
    case REG_DWORD_BIG_ENDIAN:
        return {type, numberData(parseNumber(data), type == REG_DWORD_BIG_ENDIAN)};
    case REG_BINARY:
        return {type, parseHexBytes(data)};
    default:
        return {type, multiStringData(data)};
    }
}

QString formatValueData(const RegistryValue& value) {
    const auto named = std::find_if(kTypeNames.begin(), kTypeNames.end(),
                                    [&](const auto& entry) { return entry.second == value.type; });
    if (const std::optional<QString> text = dataText(value); text && named != kTypeNames.end()) {
        return named->first + QLatin1Char('\t') + *text;
    }
    return QStringLiteral("hex(%1)\t").arg(value.type, 0, 16) + hexText(value.data);
}

} // namespace tarnwick::regtool
