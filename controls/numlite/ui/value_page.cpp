#include "value_page.h"

#include "com/com_error.h"
#include "frame/message_box.h"
#include "numlite/number_settings.h"
#include "numlite/numlite_ids.h"

#include <QFormLayout>

namespace tarnwick::numlite {

using namespace com;

namespace {

const QString kCaption = QStringLiteral("Property Error");

double boundOf(const Variant& bound) {
    return bound.isNull() ? 0.0 : bound.toDouble();
}

Variant property(IDispatch& control, DispId id) {
    return control.Invoke(id, InvokeKind::Get, {});
}

void put(IDispatch& control, DispId id, const Variant& value) {
    control.Invoke(id, InvokeKind::Put, std::span<const Variant>(&value, 1));
}

// What the page holds against what the control answers: type and number.
bool sameNumber(const Variant& held, const Variant& answered) {
    if (held.isNull() || answered.isNull() || answered.type() == VariantType::String) {
        return held.isNull() && answered.isNull();
    }
    return held.type() == answered.type() && held.toDouble() == answered.toDouble();
}

} // namespace

ValueRangeProblem valueRangeProblem(const Variant& minimum, const Variant& maximum,
                                    const Variant& value) {
    const Variant low(boundOf(minimum));
    const Variant high(boundOf(maximum));
    if (low.toDouble() > high.toDouble()) {
        return ValueRangeProblem::MinimumAboveMaximum;
    }
    return outsideRange(value, low, high) ? ValueRangeProblem::ValueOutsideRange
                                          : ValueRangeProblem::None;
}

ValuePageWindow::ValuePageWindow(const fenbase6::FenBase6Api& api, QWidget* parent)
    : QWidget(parent), m_minimum(api, this, ValueField::ClearsTo::Zero),
      m_maximum(api, this, ValueField::ClearsTo::Zero),
      m_value(api, this, ValueField::ClearsTo::Null) {
    setObjectName(QStringLiteral("Value"));
    auto* layout = new QFormLayout(this);
    const auto row = [layout](ValueField& field, const QString& property) {
        field.widget()->setObjectName(QStringLiteral("txt") + property);
        field.widget()->setMinimumWidth(160);
        layout->addRow(property, field.widget());
    };
    row(m_minimum, QStringLiteral("MinValue"));
    row(m_maximum, QStringLiteral("MaxValue"));
    row(m_value, QStringLiteral("Value"));
}

void ValuePageWindow::report(ValueField& field, const QString& message) {
    frame::showMessageBox(this, message, kCaption, frame::MessageIcon::Error);
    field.selectAll();
    field.widget()->setFocus();
}

ValuePage::ValuePage(const fenbase6::FenBase6Api& api, ComModule* module)
    : ComObject(module), m_api(api) {}

ValuePage::~ValuePage() {
    Deactivate();
}

void ValuePage::SetObjects(const std::vector<ComPtr<IUnknown>>& objects) {
    m_controls.clear();
    for (const ComPtr<IUnknown>& object : objects) {
        if (auto control = object.query<IDispatch>()) {
            m_controls.push_back(std::move(control));
        }
    }
    showValues();
}

QWidget* ValuePage::Activate(QWidget* parent) {
    Deactivate();
    m_window = new ValuePageWindow(m_api, parent);
    showValues();
    return m_window;
}

void ValuePage::Deactivate() {
    delete m_window.data();
}

void ValuePage::showValues() {
    if (!m_window || m_controls.empty()) {
        return;
    }
    IDispatch& first = *m_controls.front();
    const auto places = property(first, NumLiteDispIds::DecimalPlaces).toInt16();
    for (ValueField* field : {&m_window->minimum(), &m_window->maximum(), &m_window->value()}) {
        field->setDecimalPlaces(places);
    }
    m_window->minimum().setValue(property(first, NumLiteDispIds::MinValue));
    m_window->maximum().setValue(property(first, NumLiteDispIds::MaxValue));
    m_window->value().setValue(property(first, NumLiteDispIds::Value));
}

bool ValuePage::Apply() {
    if (!m_window) {
        return true;
    }
    const Variant minimum = m_window->minimum().value();
    const Variant maximum = m_window->maximum().value();
    const Variant value = m_window->value().value();
    switch (valueRangeProblem(minimum, maximum, value)) {
    case ValueRangeProblem::MinimumAboveMaximum:
        m_window->report(m_window->minimum(), QStringLiteral("Invalid property value"));
        return false;
    case ValueRangeProblem::ValueOutsideRange:
        m_window->report(m_window->value(),
                         QStringLiteral("The specified value needs to be within the proper "
                                        "range."));
        return false;
    case ValueRangeProblem::None:
        break;
    }
    try {
        for (const ComPtr<IDispatch>& control : m_controls) {
            put(*control, NumLiteDispIds::MaxValue, Variant(boundOf(maximum)));
            put(*control, NumLiteDispIds::MinValue, Variant(boundOf(minimum)));
            put(*control, NumLiteDispIds::Value, value);
        }
    } catch (const ComError&) {
        m_window->report(m_window->value(), QStringLiteral("Invalid property value"));
        return false;
    }
    if (!m_controls.empty()) {
        const Variant answered = property(*m_controls.front(), NumLiteDispIds::Value);
        if (!sameNumber(value, answered)) {
            m_window->value().setValue(answered);
        }
    }
    return true;
}

} // namespace tarnwick::numlite
