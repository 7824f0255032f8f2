#include "number_format.h"

#include <QRegularExpression>
#include <QStringList>

namespace tarnwick {

namespace {

constexpr QChar kPoint = QLatin1Char('.');
constexpr QChar kMinus = QLatin1Char('-');

// Digits, then optionally a point and more digits; an optional minus in front.
bool hasNumberShape(const QString& text, int decimals, bool signAllowed) {
    const QString sign = signAllowed ? QStringLiteral("-?") : QString();
    const QString fraction =
        decimals > 0 ? QStringLiteral("(\\.[0-9]{0,%1})?").arg(decimals) : QString();
    const QRegularExpression shape(
        QRegularExpression::anchoredPattern(sign + QStringLiteral("[0-9]*") + fraction));
    return shape.match(text).hasMatch();
}

struct PatternDigits {
    int minimumIntegerDigits = 0;
    int minimumFractionDigits = 0;
    int maximumFractionDigits = 0;
};

PatternDigits digitsOf(const QString& section) {
    PatternDigits digits;
    const qsizetype point = section.indexOf(kPoint);
    const QString integerPart = point < 0 ? section : section.left(point);
    const QString fractionPart = point < 0 ? QString() : section.mid(point + 1);
    digits.minimumIntegerDigits = static_cast<int>(integerPart.count(QLatin1Char('0')));
    digits.minimumFractionDigits = static_cast<int>(fractionPart.count(QLatin1Char('0')));
    digits.maximumFractionDigits =
        digits.minimumFractionDigits + static_cast<int>(fractionPart.count(QLatin1Char('#')));
    return digits;
}

QString formatMagnitude(double magnitude, const QString& section) {
    const PatternDigits digits = digitsOf(section);
    QString text = QString::number(magnitude, 'f', digits.maximumFractionDigits);
    if (digits.maximumFractionDigits > 0) {
        const qsizetype point = text.indexOf(kPoint);
        qsizetype end = text.size();
        while (end - point - 1 > digits.minimumFractionDigits &&
               text.at(end - 1) == QLatin1Char('0'))
            --end;
        if (end - point - 1 == 0)
            end = point;
        text.truncate(end);
    }
    const qsizetype point = text.indexOf(kPoint);
    const qsizetype integerDigits = point < 0 ? text.size() : point;
    if (integerDigits < digits.minimumIntegerDigits)
        text.prepend(QString(digits.minimumIntegerDigits - integerDigits, QLatin1Char('0')));
    if (text.startsWith(kPoint) || text.isEmpty())
        text.prepend(QLatin1Char('0'));
    return text;
}

} // namespace

NumberInput classifyNumberText(const QString& text, const NumberRange& range) {
    const bool signAllowed = range.minimum < 0.0;
    if (!hasNumberShape(text, range.decimals, signAllowed))
        return NumberInput::Invalid;
    const bool negative = text.startsWith(kMinus);
    const QString digits = negative ? text.mid(1) : text;
    if (digits.isEmpty() || digits == QString(kPoint))
        return NumberInput::Intermediate;
    const double value = text.toDouble();
    // Typing on only moves a value away from zero, so one already beyond a bound stays there.
    if (value > range.maximum || value < range.minimum)
        return NumberInput::Invalid;
    return NumberInput::Acceptable;
}

std::optional<double> numberFromText(const QString& text, const NumberRange& range) {
    if (classifyNumberText(text, range) != NumberInput::Acceptable)
        return std::nullopt;
    return text.toDouble();
}

QString formatNumber(std::optional<double> value, const QString& pattern) {
    const QStringList sections = pattern.split(QLatin1Char(';'));
    if (!value)
        return sections.size() > 2 ? sections.at(2) : QString();
    if (*value < 0.0) {
        if (sections.size() > 1 && !sections.at(1).isEmpty())
            return formatMagnitude(-*value, sections.at(1));
        return QString(kMinus) + formatMagnitude(-*value, sections.at(0));
    }
    return formatMagnitude(*value, sections.at(0));
}

} // namespace tarnwick
