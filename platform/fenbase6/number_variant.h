#pragma once

#include "number_decimal.h"
#include "number_text.h"

#include <optional>

namespace tarnwick::com {
class Variant;
}

// Numbers crossing the number engine's boundary as variants.
namespace tarnwick::fenbase6 {

// What a variant offered as a value or bound holds. Null and empty text are Null; text is read
// exactly as typed into the field ("0.1", "-3", with the field's decimal point or "."), other
// text and every other type by the
// automation conversion to a double (so "1e3", integers and booleans count); what converts to
// nothing, or to an infinity or NaN, is unusable; a finite number too large to hold is
// TooLarge.
struct OfferedNumber {
    enum class Kind { Number, Null, Unusable, TooLarge };
    Kind kind = Kind::Unusable;
    DecimalNumber value;
};

// A null address is unusable. `format` gives the decimal point of text.
OfferedNumber offeredNumber(const com::Variant* offered, const NumberFormat& format);

// Writes `value` as a double, or Null, into the variant at `out` (nothing for a null address).
void fillNumberVariant(com::Variant* out, const std::optional<DecimalNumber>& value);

} // namespace tarnwick::fenbase6
