#pragma once

#include "number_decimal.h"

#include <QChar>
#include <QString>
#include <optional>

// The text form of the number engine's value. Pure logic, no widgets.
namespace tarnwick::fenbase6 {

// fenMinusSignConst.
enum class MinusSign { Parentheses = 0, InFront = 1, InBack = 2 };

struct NumberFormat {
    int decimalPlaces = 0;
    QChar decimalPoint = QLatin1Char('.');
    MinusSign minusSign = MinusSign::InFront;
};

// What a typed text means: a number, nothing (an empty field: Null), or no number at all.
struct ParsedNumber {
    enum class Kind { Number, Empty, Invalid };
    Kind kind = Kind::Invalid;
    DecimalNumber value;
};

// The value shown with exactly `decimalPlaces` decimals (rounded, halves away from zero), the
// decimal point and the minus sign as `format` says; Null (none) is the empty text. A value
// that shows as zero shows no sign.
QString formatNumber(const std::optional<DecimalNumber>& value, const NumberFormat& format);

// Reads a typed number exactly: digits with at most one decimal point (`format.decimalPoint`,
// or a "." typed out of habit), negative when a minus sign stands in front or behind it or when
// parentheses enclose it; blanks around it are ignored. Decimals beyond 14 are rounded.
ParsedNumber parseNumber(const QString& text, const NumberFormat& format);

// Whether `text` is what typing may leave in a field on the way to a number: empty, a lone
// sign, an unfinished decimal part; in every case at most `integerPlaces` integer digits and
// `format.decimalPlaces` decimals, and a decimal point only where decimals are allowed.
bool isTypedNumberPrefix(const QString& text, const NumberFormat& format, int integerPlaces);

// The characters a number field takes as typed: digits, the decimal point, minus, plus and
// parentheses.
bool isNumberCharacter(QChar c, QChar decimalPoint);

} // namespace tarnwick::fenbase6
