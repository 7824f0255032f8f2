#include "number_text.h"

namespace tarnwick::fenbase6 {

namespace {

bool isPlainDigit(QChar c) {
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}

// The text inside its sign marks, and whether they make it negative. A lone opening
// parenthesis or minus (typing in progress) counts as a sign mark.
struct SignedBody {
    QString body;
    bool negative = false;
};

SignedBody splitSign(const QString& text) {
    const auto open = QLatin1Char('(');
    const auto close = QLatin1Char(')');
    const auto minus = QLatin1Char('-');
    if (text.startsWith(open)) {
        return {text.endsWith(close) ? text.mid(1).chopped(1) : text.mid(1), true};
    }
    if (text.startsWith(minus)) {
        return {text.mid(1), true};
    }
    if (text.endsWith(minus)) {
        return {text.chopped(1), true};
    }
    if (text.startsWith(QLatin1Char('+'))) {
        return {text.mid(1), false};
    }
    return {text, false};
}

} // namespace

QString formatNumber(const std::optional<DecimalNumber>& value, const NumberFormat& format) {
    if (!value) {
        return {};
    }
    QString text = value->toPlainText(format.decimalPlaces);
    if (format.decimalPlaces > 0) {
        text.replace(text.size() - format.decimalPlaces - 1, 1, format.decimalPoint);
    }
    if (!text.startsWith(QLatin1Char('-'))) {
        return text;
    }
    const QString digits = text.mid(1);
    switch (format.minusSign) {
    case MinusSign::Parentheses:
        return QLatin1Char('(') + digits + QLatin1Char(')');
    case MinusSign::InBack:
        return digits + QLatin1Char('-');
    case MinusSign::InFront:
        break;
    }
    return text;
}

ParsedNumber parseNumber(const QString& text, const NumberFormat& format) {
    const QString trimmed = text.trimmed();
    if (trimmed.isEmpty()) {
        return {ParsedNumber::Kind::Empty, {}};
    }
    const bool unclosed =
        trimmed.startsWith(QLatin1Char('(')) && !trimmed.endsWith(QLatin1Char(')'));
    const SignedBody split = splitSign(trimmed);
    if (unclosed || split.body.isEmpty()) {
        return {};
    }
    QString plain = split.negative ? QStringLiteral("-") : QString();
    bool pointSeen = false;
    for (const QChar c : split.body) {
        if (isPlainDigit(c)) {
            plain.append(c);
        } else if ((c == format.decimalPoint || c == QLatin1Char('.')) && !pointSeen) {
            pointSeen = true;
            plain.append(QLatin1Char('.'));
        } else {
            return {};
        }
    }
    const std::optional<DecimalNumber> value = DecimalNumber::fromPlainText(plain);
    if (!value) {
        return {};
    }
    return {ParsedNumber::Kind::Number, *value};
}

bool isTypedNumberPrefix(const QString& text, const NumberFormat& format, int integerPlaces) {
    const SignedBody split = splitSign(text);
    int integerDigits = 0;
    int decimals = 0;
    bool pointSeen = false;
    for (const QChar c : split.body) {
        if (c == format.decimalPoint && !pointSeen && format.decimalPlaces > 0) {
            pointSeen = true;
        } else if (!isPlainDigit(c)) {
            return false;
        } else if (pointSeen) {
            ++decimals;
        } else if (integerDigits > 0 || c != QLatin1Char('0')) {
            ++integerDigits; // leading zeros take no place
        }
    }
    return integerDigits <= integerPlaces && decimals <= format.decimalPlaces;
}

bool isNumberCharacter(QChar c, QChar decimalPoint) {
    return isPlainDigit(c) || c == decimalPoint || c == QLatin1Char('-') || c == QLatin1Char('+') ||
           c == QLatin1Char('(') || c == QLatin1Char(')');
}

} // namespace tarnwick::fenbase6
