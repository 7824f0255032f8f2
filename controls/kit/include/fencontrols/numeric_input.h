#pragma once

#include "fencontrols/control.h"

namespace fencontrols {

// The numeric input control (Holm.NumLite6) with its main properties as Qt properties, for
// forms made in Qt Designer. The places come first: they bound the range and the value. A
// value the control refuses is reported through qWarning and leaves the old one; set()
// throws it instead.
class FENCONTROLS_EXPORT NumericInput : public Control {
    Q_OBJECT
    Q_PROPERTY(int IntegerPlaces READ integerPlaces WRITE setIntegerPlaces)
    Q_PROPERTY(int DecimalPlaces READ decimalPlaces WRITE setDecimalPlaces)
    Q_PROPERTY(double MinValue READ minValue WRITE setMinValue)
    Q_PROPERTY(double MaxValue READ maxValue WRITE setMaxValue)
    Q_PROPERTY(double Value READ value WRITE setValue)
    Q_PROPERTY(bool SpinButtons READ spinButtons WRITE setSpinButtons)

public:
    explicit NumericInput(QWidget* parent = nullptr);

    int integerPlaces() const;
    void setIntegerPlaces(int places);
    int decimalPlaces() const;
    void setDecimalPlaces(int places);
    double minValue() const;
    void setMinValue(double value);
    double maxValue() const;
    void setMaxValue(double value);
    double value() const;
    void setValue(double value);
    bool spinButtons() const;
    void setSpinButtons(bool shown);
};

} // namespace fencontrols
