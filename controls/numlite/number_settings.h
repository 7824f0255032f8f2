#pragma once

#include "com/variant.h"
#include "numlite_enums.h"

#include <QChar>
#include <cstdint>

// The number model of the numeric control: its stored values with a new control's defaults,
// and the put rules the control applies itself (the engine has the last word when the
// control has a window).
namespace tarnwick::numlite {

// The widest value the control offers: 15 nines either way.
constexpr double kLargestValue = 999999999999999.0;
// The largest magnitude saved data may hold: the engine takes bounds up to 15 nines with 14
// decimal nines, which a double reads back as 10^15.
constexpr double kLargestSaved = 1e15;
// The place counts the number engine takes (and the General page offers).
constexpr std::int16_t kMostIntegerPlaces = 15;
constexpr std::int16_t kMostDecimalPlaces = 14;

struct NumberSettings {
    com::Variant value{0.0};
    com::Variant minValue{-kLargestValue};
    com::Variant maxValue{kLargestValue};
    std::int16_t integerPlaces = 0;
    std::int16_t decimalPlaces = 0;
    QChar decimalPoint = QLatin1Char('.');
    std::int16_t minusSign = fenMinusInFront;
    std::uint32_t negativeColor = 0x0000FFu; // pure red
    std::int16_t clearAction = fenZero;
    bool highlightText = false;

    // A new control's values; the decimal point is the user's locale separator.
    static NumberSettings defaults();
    // Error 380 unless every value obeys its put rule (for values read from saved data).
    void validate() const;
};

// The user's locale decimal separator when it is one single-byte character, else ".".
QChar localeDecimalPoint();

// The put rules; each refuses with error 380 "Invalid property value.".
QChar checkedDecimalPoint(const com::Variant& value);
std::uint32_t checkedNegativeColor(const com::Variant& value);
std::int16_t checkedPlaces(const com::Variant& value, std::int16_t most);

// Whether a number (not Null) lies outside [minimum, maximum], by floating-point payloads.
bool outsideRange(const com::Variant& value, const com::Variant& minimum,
                  const com::Variant& maximum);

// The saved form of a number variant: its 64-bit payload (0 for Null) and its type tag; and
// the variant rebuilt from them (380 for a tag that is no number type or a payload that is
// no finite number within the largest saved magnitude).
double savedPayload(const com::Variant& value);
std::int32_t savedTag(const com::Variant& value);
com::Variant rebuiltNumber(std::int32_t tag, double payload);

} // namespace tarnwick::numlite
