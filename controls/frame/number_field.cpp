#include "number_field.h"

#include "com/com_error.h"

#include <QString>
#include <algorithm>
#include <cstdlib>

namespace tarnwick::frame {

using namespace com;
using namespace fenbase6;

namespace {

WordParam digitsFor(std::int32_t minimum, std::int32_t maximum) {
    const std::int64_t largest = std::max(std::llabs(minimum), std::llabs(maximum));
    return static_cast<WordParam>(QString::number(largest).size());
}

LongParam address(const Variant& value) {
    return reinterpret_cast<LongParam>(&value);
}

} // namespace

NumberField::NumberField(const FenBase6Api& api, QWidget* parent, std::int32_t minimum,
                         std::int32_t maximum) {
    FenEngine* engine = api.createEngine(kNumberEngineClass, parent);
    if (engine == nullptr) {
        throw ComError::standard(ErrorNumber::CannotCreateObject);
    }
    m_widget = engine->widget();
    m_engine.attach(engine);
    m_engine.send(NumberMsg::SetIntegerPlaces, digitsFor(minimum, maximum));
    m_engine.send(NumberMsg::SetDecimalPlaces, 0);
    m_engine.send(NumberMsg::SetSpinLayout, 0);
    const Variant low(static_cast<double>(minimum));
    const Variant high(static_cast<double>(maximum));
    m_engine.send(NumberMsg::SetMinValue, 0, address(low));
    m_engine.send(NumberMsg::SetMaxValue, 0, address(high));
    m_engine.send(Msg::SetUserMode, 1);
}

Variant NumberField::value() const {
    Variant value;
    m_engine.send(NumberMsg::GetValue, 0, address(value));
    return value.isNull() || value.isEmpty() ? Variant::null() : Variant(value.toInt32());
}

void NumberField::setValue(const Variant& value) {
    const Variant number(value.isNull() ? 0.0 : value.toDouble());
    m_engine.send(NumberMsg::SetValue, 0, address(number));
}

void NumberField::selectAll() {
    m_engine.send(Msg::SetSelStart, 0);
    m_engine.send(Msg::SetSelLength, static_cast<WordParam>(m_engine.send(Msg::GetTextLength)));
}

} // namespace tarnwick::frame
