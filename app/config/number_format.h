#pragma once

#include <QString>
#include <optional>

namespace tarnwick {

// What a numeric cell editor accepts: at most `decimals` digits after the point and a value
// within minimum..maximum.
struct NumberRange {
    int decimals = 0;
    double minimum = 0.0;
    double maximum = 0.0;

    bool operator==(const NumberRange&) const = default;
};

// How far a typed text is from a value the editor can take. Intermediate texts may still
// become acceptable by typing on ("", "-", "12."); invalid ones never can, so the keystroke
// that made them is refused.
enum class NumberInput { Invalid, Intermediate, Acceptable };

NumberInput classifyNumberText(const QString& text, const NumberRange& range);

// The value of an acceptable text; nothing for any other.
std::optional<double> numberFromText(const QString& text, const NumberRange& range);

// Formats with a number pattern of sections "positive;negative;null": '0' a digit always
// shown, '#' a digit shown only when it counts, '.' the point (left out when no digit follows
// it). An empty negative section formats negatives with the positive one and a minus sign;
// the null section is what an editor without a value shows.
QString formatNumber(std::optional<double> value, const QString& pattern);

} // namespace tarnwick
