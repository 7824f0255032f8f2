#include "value_field.h"

#include "com/com_error.h"
#include "engine_params.h"
#include "number_settings.h"

namespace tarnwick::numlite {

using namespace com;
using namespace fenbase6;

ValueField::ValueField(const FenBase6Api& api, QWidget* parent, ClearsTo clearsTo) {
    FenEngine* engine = api.createEngine(kNumberEngineClass, parent);
    if (engine == nullptr) {
        throw ComError::standard(ErrorNumber::CannotCreateObject);
    }
    m_widget = engine->widget();
    m_engine.attach(engine);
    m_engine.send(NumberMsg::SetIntegerPlaces, static_cast<WordParam>(kMostIntegerPlaces));
    m_engine.send(NumberMsg::SetSpinLayout, 0);
    m_engine.send(NumberMsg::SetClearAction, clearsTo == ClearsTo::Null ? fenNull : fenZero);
    // As wide as the control's own bounds may be.
    const Variant low(-kLargestSaved);
    const Variant high(kLargestSaved);
    m_engine.send(NumberMsg::SetMinValue, 0, variantParam(low));
    m_engine.send(NumberMsg::SetMaxValue, 0, variantParam(high));
    m_engine.send(Msg::SetUserMode, 1);
}

Variant ValueField::value() const {
    Variant value;
    m_engine.send(NumberMsg::GetValue, 0, variantParam(value));
    return value.isNull() || value.isEmpty() ? Variant::null() : Variant(value.toDouble());
}

void ValueField::setValue(const Variant& value) {
    const Variant shown = value.isNull() || value.type() == VariantType::String
                              ? Variant::null()
                              : Variant(value.toDouble());
    m_engine.send(NumberMsg::SetValue, 0, variantParam(shown));
}

void ValueField::setDecimalPlaces(std::int16_t places) {
    m_engine.send(NumberMsg::SetDecimalPlaces, shortWord(places));
}

void ValueField::selectAll() {
    m_engine.send(Msg::SetSelStart, 0);
    m_engine.send(Msg::SetSelLength, static_cast<WordParam>(m_engine.send(Msg::GetTextLength)));
}

} // namespace tarnwick::numlite
