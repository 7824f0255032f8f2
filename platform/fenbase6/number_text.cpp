#include "number_text.h"

#include <algorithm>
#include <cmath>

namespace tarnwick::fenbase6 {

QString formatNumber(std::optional<double> value, const NumberFormat& format) {
    if (!value) {
        return {};
    }
    QString digits = QString::number(std::fabs(*value), 'f', format.decimalPlaces);
    if (format.decimalPlaces > 0) {
        digits.replace(digits.size() - format.decimalPlaces - 1, 1, format.decimalPoint);
    }
    // A value that rounds to zero shows no sign.
    const bool negative = *value < 0.0 && std::any_of(digits.begin(), digits.end(), [](QChar c) {
                              return c >= QLatin1Char('1') && c <= QLatin1Char('9');
                          });
    if (!negative) {
        return digits;
    }
    switch (format.minusSign) {
    case MinusSign::Parentheses:
        return QLatin1Char('(') + digits + QLatin1Char(')');
    case MinusSign::InBack:
        return digits + QLatin1Char('-');
    case MinusSign::InFront:
        break;
    }
    return QLatin1Char('-') + digits;
}

ParsedNumber parseNumber(const QString& text, const NumberFormat& format) {
    QString body = text.trimmed();
    if (body.isEmpty()) {
        return {ParsedNumber::Kind::Empty, 0.0};
    }
    bool negative = false;
    if (body.startsWith(QLatin1Char('(')) && body.endsWith(QLatin1Char(')'))) {
        negative = true;
        body = body.mid(1, body.size() - 2);
    } else if (body.startsWith(QLatin1Char('-')) || body.endsWith(QLatin1Char('-'))) {
        negative = true;
        body = body.startsWith(QLatin1Char('-')) ? body.mid(1) : body.chopped(1);
    } else if (body.startsWith(QLatin1Char('+'))) {
        body = body.mid(1);
    }
    QString plain;
    bool pointSeen = false;
    for (const QChar c : body) {
        if (c.isDigit() && c.unicode() < 0x80) {
            plain.append(c);
        } else if ((c == format.decimalPoint || c == QLatin1Char('.')) && !pointSeen) {
            pointSeen = true;
            plain.append(QLatin1Char('.'));
        } else {
            return {};
        }
    }
    if (plain.isEmpty() || plain == QLatin1String(".")) {
        return {};
    }
    const double magnitude = plain.toDouble();
    return {ParsedNumber::Kind::Number, negative ? -magnitude : magnitude};
}

bool isNumberCharacter(QChar c, QChar decimalPoint) {
    return (c.isDigit() && c.unicode() < 0x80) || c == decimalPoint || c == QLatin1Char('-') ||
           c == QLatin1Char('+') || c == QLatin1Char('(') || c == QLatin1Char(')');
}

} // namespace tarnwick::fenbase6
