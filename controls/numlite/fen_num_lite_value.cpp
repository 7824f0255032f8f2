// The number model: value, bounds, places, decimal point, minus sign, colour, clearing and
// data binding.
#include "com/com_error.h"
#include "engine_params.h"
#include "fen_num_lite.h"
#include "fenbase6/ole_color.h"
#include "frame/common_settings.h"
#include "numlite_ids.h"

#include <QLocale>
#include <array>
#include <cmath>

namespace tarnwick::numlite {

using namespace com;
using namespace fenbase6;

namespace {

[[noreturn]] void refuse() {
    throw ComError::standard(ErrorNumber::InvalidPropertyValue);
}

// The integer or decimal part of a stored number (0 for Null), as the engine answers it.
double storedPart(const Variant& value, MessageId part) {
    if (value.isNull()) {
        return 0.0;
    }
    const double number = value.toDouble();
    return part == NumberMsg::GetInteger ? std::trunc(number) : number - std::trunc(number);
}

} // namespace

std::optional<Variant> FenNumLite::getNumber(DispId id) {
    using namespace NumLiteDispIds;
    switch (id) {
    case Value: {
        const Variant& value = refreshedValue();
        // A property browser cannot show Null: at design time it reads as text.
        return value.isNull() && !userMode() ? Variant(QStringLiteral("(Null)")) : value;
    }
    case ValueIsNull:
        return Variant(refreshedValue().isNull());
    case Integer:
        return valuePart(NumberMsg::GetInteger);
    case Decimal:
        return valuePart(NumberMsg::GetDecimal);
    case MinValue:
        return m_number.minValue;
    case MaxValue:
        return m_number.maxValue;
    case IntegerPlaces:
        return Variant(m_number.integerPlaces);
    case DecimalPlaces:
        return Variant(m_number.decimalPlaces);
    case DecimalPoint:
        return Variant(QString(m_number.decimalPoint));
    case MinusSign:
        return Variant(static_cast<std::int32_t>(m_number.minusSign));
    case NegativeColor:
        return Variant(static_cast<std::int32_t>(m_number.negativeColor));
    case ClearAction:
        return Variant(static_cast<std::int32_t>(m_number.clearAction));
    case HighlightText:
        return Variant(m_number.highlightText);
    case CurrentPosition:
        requireRunTime();
        return Variant(static_cast<std::int32_t>(engine().send(NumberMsg::GetCurrentPosition)));
    case DataBind:
        return readDataBind();
    default:
        return std::nullopt;
    }
}

bool FenNumLite::putNumber(DispId id, const Variant& value) {
    using namespace NumLiteDispIds;
    switch (id) {
    case Value:
        putValue(value);
        return true;
    case MinValue:
    case MaxValue:
        putBound(id, value);
        return true;
    case IntegerPlaces:
        putIntegerPlaces(value);
        return true;
    case DecimalPlaces:
        putDecimalPlaces(value);
        return true;
    case DecimalPoint:
        putDecimalPoint(value);
        return true;
    case MinusSign: {
        m_number.minusSign = frame::checkedEnumValue(value, NumLiteEnums::minusSign());
        const MessageResult answer =
            engine().send(NumberMsg::SetMinusSign, shortWord(m_number.minusSign));
        // The engine's answer is the put's result: a failure code fails the put.
        if (answer < 0) {
            throw ComError(static_cast<HRESULT>(answer), QString(), description().source);
        }
        return true;
    }
    case NegativeColor:
        m_number.negativeColor = checkedNegativeColor(value);
        engine().send(NumberMsg::SetNegativeColor, 0,
                      static_cast<LongParam>(OleColor::toRgb(m_number.negativeColor)));
        return true;
    case ClearAction:
        m_number.clearAction = frame::checkedEnumValue(value, NumLiteEnums::clearAction());
        engine().send(NumberMsg::SetClearAction, shortWord(m_number.clearAction));
        return true;
    case HighlightText:
        m_number.highlightText = value.toBool();
        engine().send(NumberMsg::SetHighlightText, m_number.highlightText ? 1 : 0);
        return true;
    case DataBind:
        writeDataBind(value);
        return true;
    default:
        return false;
    }
}

const Variant& FenNumLite::refreshedValue() {
    engine().send(NumberMsg::GetValue, 0, variantParam(m_number.value));
    return m_number.value;
}

void FenNumLite::refreshBounds() {
    engine().send(NumberMsg::GetMinValue, 0, variantParam(m_number.minValue));
    engine().send(NumberMsg::GetMaxValue, 0, variantParam(m_number.maxValue));
}

Variant FenNumLite::valuePart(MessageId message) {
    if (!engine().hasWindow()) {
        return Variant(storedPart(m_number.value, message));
    }
    Variant part;
    engine().send(message, 0, variantParam(part));
    return Variant(part.isNull() || part.isEmpty() ? 0.0 : part.toDouble());
}

MessageResult FenNumLite::offerValue(const Variant& offered) {
    if (engine().hasWindow()) {
        return engine().send(NumberMsg::SetValue, 0, variantParam(offered));
    }
    MessageResult answer = 0;
    withEngine([&](const frame::EngineLink& link) {
        answer = link.send(NumberMsg::SetValue, 0, variantParam(offered));
        if (answer == 0) {
            link.send(NumberMsg::GetValue, 0, variantParam(m_number.value));
        }
    });
    return answer;
}

void FenNumLite::putValue(const Variant& value) {
    if (offerValue(value.dereferenced()) != 0) {
        refuse();
    }
    refreshedValue();
}

void FenNumLite::putBound(DispId id, const Variant& value) {
    const bool minimum = id == NumLiteDispIds::MinValue;
    Variant& stored = minimum ? m_number.minValue : m_number.maxValue;
    const Variant offered = value.dereferenced();
    bool taken = false;
    withEngine([&](const frame::EngineLink& link) {
        taken = link.send(minimum ? NumberMsg::SetMinValue : NumberMsg::SetMaxValue, 0,
                          variantParam(offered)) == 0;
        if (taken) {
            link.send(minimum ? NumberMsg::GetMinValue : NumberMsg::GetMaxValue, 0,
                      variantParam(stored));
        }
    });
    if (!taken) {
        refuse();
    }
}

void FenNumLite::putIntegerPlaces(const Variant& value) {
    const std::int16_t places = checkedPlaces(value, kMostIntegerPlaces);
    if (engine().send(NumberMsg::SetIntegerPlaces, shortWord(places)) != 0) {
        refuse();
    }
    if (places == m_number.integerPlaces) {
        return;
    }
    putValue(Variant::null());
    propertyChanged(NumLiteDispIds::Value);
    m_number.integerPlaces = places;
}

void FenNumLite::putDecimalPlaces(const Variant& value) {
    const std::int16_t places = checkedPlaces(value, kMostDecimalPlaces);
    if (engine().send(NumberMsg::SetDecimalPlaces, shortWord(places)) != 0) {
        refuse();
    }
    m_number.decimalPlaces = places;
}

void FenNumLite::putDecimalPoint(const Variant& value) {
    const QChar point = checkedDecimalPoint(value);
    if (point == m_number.decimalPoint) {
        return;
    }
    bool taken = false;
    withEngine([&](const frame::EngineLink& link) {
        taken = link.send(NumberMsg::SetDecimalPoint, point.unicode()) == 0;
    });
    if (!taken) {
        refuse();
    }
    m_number.decimalPoint = point;
}

void FenNumLite::fireDBError(std::int16_t code) {
    Variant errorCode(code);
    const std::array args{Variant::reference(errorCode)};
    fireEvent(NumLiteEventIds::DBError, args);
}

Variant FenNumLite::readDataBind() {
    requireRunTime();
    const Variant& value = refreshedValue();
    if (outsideRange(value, m_number.minValue, m_number.maxValue)) {
        fireDBError(1);
        refuse();
    }
    if (value.isNull()) {
        return Variant(QString());
    }
    try {
        // Plain digits with the control's own decimal point: the form a push takes back.
        QString text = QLocale::c().toString(value.toDouble(), 'f', QLocale::FloatingPointShortest);
        text.replace(QLatin1Char('.'), m_number.decimalPoint);
        return Variant(text);
    } catch (const ComError&) {
        refuse();
    }
}

void FenNumLite::writeDataBind(const Variant& value) {
    requireRunTime();
    const Variant offered(value.dereferenced().isNull() ? QString() : value.toString());
    const MessageResult answer = offerValue(offered);
    if (answer != 0) {
        fireDBError(static_cast<std::int16_t>(answer - NumberMsg::kRefusedBase));
        refuse();
    }
    engine().send(Msg::DataSaved, 2);
    refreshedValue();
}

} // namespace tarnwick::numlite
