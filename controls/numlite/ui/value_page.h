#pragma once

#include "com/com_object.h"
#include "frame/control_interfaces.h"
#include "numlite/value_field.h"

#include <QPointer>
#include <QWidget>
#include <memory>

namespace tarnwick::numlite {

// What the Value page's apply finds wrong with its three numbers, before anything is written.
enum class ValueRangeProblem { None, MinimumAboveMaximum, ValueOutsideRange };
ValueRangeProblem valueRangeProblem(const com::Variant& minimum, const com::Variant& maximum,
                                    const com::Variant& value);

// The window of the Value page: the fields "txtMinValue", "txtMaxValue" and "txtValue".
class ValuePageWindow : public QWidget {
public:
    ValuePageWindow(const fenbase6::FenBase6Api& api, QWidget* parent);

    ValueField& minimum() { return m_minimum; }
    ValueField& maximum() { return m_maximum; }
    ValueField& value() { return m_value; }
    // The refusal message box, then the field's text selected and the focus on it.
    void report(ValueField& field, const QString& message);

private:
    ValueField m_minimum;
    ValueField m_maximum;
    ValueField m_value;
};

// The Value page: the selected controls' MinValue, MaxValue and Value. Apply refuses a
// minimum above the maximum, then a value outside the range, and writes the maximum, the
// minimum and the value in that order; a value the control holds differently is shown.
class ValuePage : public com::ComObject<frame::IPropertyPage> {
public:
    ValuePage(const fenbase6::FenBase6Api& api, com::ComModule* module);
    ~ValuePage() override;

    QString GetTitle() const override { return QStringLiteral("Value"); }
    void SetObjects(const std::vector<com::ComPtr<com::IUnknown>>& objects) override;
    QWidget* Activate(QWidget* parent) override;
    void Deactivate() override;
    bool Apply() override;

private:
    void showValues();

    const fenbase6::FenBase6Api& m_api;
    std::vector<com::ComPtr<com::IDispatch>> m_controls;
    QPointer<ValuePageWindow> m_window;
};

} // namespace tarnwick::numlite
