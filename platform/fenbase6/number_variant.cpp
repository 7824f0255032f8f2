#include "number_variant.h"

#include "com/com_error.h"
#include "com/variant.h"

#include <cmath>

namespace tarnwick::fenbase6 {

OfferedNumber offeredNumber(const com::Variant* offered, const NumberFormat& format) {
    if (offered == nullptr) {
        return {};
    }
    if (offered->isNull()) {
        return {OfferedNumber::Kind::Null, {}};
    }
    if (offered->type() == com::VariantType::String) {
        const ParsedNumber parsed = parseNumber(offered->toString(), format);
        if (parsed.kind == ParsedNumber::Kind::Empty) {
            return {OfferedNumber::Kind::Null, {}};
        }
        if (parsed.kind == ParsedNumber::Kind::Number) {
            return {OfferedNumber::Kind::Number, parsed.value};
        }
    }
    try {
        const double number = offered->toDouble();
        if (!std::isfinite(number)) {
            return {};
        }
        const std::optional<DecimalNumber> exact = DecimalNumber::fromDouble(number);
        return exact ? OfferedNumber{OfferedNumber::Kind::Number, *exact}
                     : OfferedNumber{OfferedNumber::Kind::TooLarge, {}};
    } catch (const com::ComError&) {
        return {};
    }
}

void fillNumberVariant(com::Variant* out, const std::optional<DecimalNumber>& value) {
    if (out != nullptr) {
        *out = value ? com::Variant(value->toDouble()) : com::Variant::null();
    }
}

} // namespace tarnwick::fenbase6
