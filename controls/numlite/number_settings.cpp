#include "number_settings.h"

#include "com/com_error.h"
#include "fenbase6/ole_color.h"

#include <QLocale>
#include <cmath>

namespace tarnwick::numlite {

using namespace com;

namespace {

[[noreturn]] void refuse() {
    throw ComError::standard(ErrorNumber::InvalidPropertyValue);
}

bool isSingleByte(QChar c) {
    return c.unicode() <= 0xFFu;
}

bool isWithinWidest(double number) {
    return std::isfinite(number) && std::fabs(number) <= kLargestSaved;
}

} // namespace

NumberSettings NumberSettings::defaults() {
    NumberSettings settings;
    settings.decimalPoint = localeDecimalPoint();
    return settings;
}

void NumberSettings::validate() const {
    const bool valid =
        integerPlaces >= 0 && integerPlaces <= kMostIntegerPlaces && decimalPlaces >= 0 &&
        decimalPlaces <= kMostDecimalPlaces && isSingleByte(decimalPoint) &&
        !decimalPoint.isNull() && NumLiteEnums::minusSign().contains(minusSign) &&
        NumLiteEnums::clearAction().contains(clearAction) &&
        !fenbase6::OleColor::isUnknownSystemColor(negativeColor) && !minValue.isNull() &&
        !maxValue.isNull();
    if (!valid) {
        refuse();
    }
}

QChar localeDecimalPoint() {
    const QString separator = QLocale::system().decimalPoint();
    return separator.size() == 1 && isSingleByte(separator.front()) ? separator.front()
                                                                     : QLatin1Char('.');
}

QChar checkedDecimalPoint(const Variant& value) {
    const QString text = value.toString();
    // Single-byte text has no lead bytes: one Latin-1 character is all there is to check.
    if (text.size() != 1 || !isSingleByte(text.front()) || text.front().isNull()) {
        refuse();
    }
    return text.front();
}

std::uint32_t checkedNegativeColor(const Variant& value) {
    const auto colour = static_cast<std::uint32_t>(value.toInt32());
    // Only a system colour without meaning is refused; a plain colour's top byte is ignored.
    if (fenbase6::OleColor::isUnknownSystemColor(colour)) {
        refuse();
    }
    return colour;
}

std::int16_t checkedPlaces(const Variant& value, std::int16_t most) {
    const std::int16_t places = value.toInt16();
    if (places < 0 || places > most) {
        refuse();
    }
    return places;
}

bool outsideRange(const Variant& value, const Variant& minimum, const Variant& maximum) {
    if (value.isNull()) {
        return false;
    }
    const double number = value.toDouble();
    return number < minimum.toDouble() || number > maximum.toDouble();
}

double savedPayload(const Variant& value) {
    return value.isNull() ? 0.0 : value.toDouble();
}

std::int32_t savedTag(const Variant& value) {
    return static_cast<std::int32_t>(value.type());
}

Variant rebuiltNumber(std::int32_t tag, double payload) {
    const std::optional<VariantType> type = variantTypeFromTag(tag);
    if (type == VariantType::Null) {
        return Variant::null();
    }
    const bool numeric =
        type == VariantType::Double || type == VariantType::Int16 || type == VariantType::Int32;
    if (!numeric || !isWithinWidest(payload)) {
        refuse();
    }
    try {
        return Variant(payload).convertedTo(*type);
    } catch (const ComError&) {
        refuse();
    }
}

} // namespace tarnwick::numlite
