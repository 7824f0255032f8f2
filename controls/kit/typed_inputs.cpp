#include "fencontrols/masked_input.h"
#include "fencontrols/numeric_input.h"

#include <QtGlobal>

namespace fencontrols {

namespace {

// Property setters of the typed widgets never throw: a form loader or Designer calls them.
void setOrWarn(Control& control, const QString& property, const QVariant& value) {
    try {
        control.set(property, value);
    } catch (const Error& error) {
        qWarning("%s.%s: error %ld: %s", qUtf8Printable(control.progId()),
                 qUtf8Printable(property), error.number(), qUtf8Printable(error.description()));
    }
}

} // namespace

MaskedInput::MaskedInput(QWidget* parent) : Control(QStringLiteral("Holm.Mask6"), parent) {}

QString MaskedInput::format() const {
    return get(QStringLiteral("Format")).toString();
}
void MaskedInput::setFormat(const QString& format) {
    setOrWarn(*this, QStringLiteral("Format"), format);
}
QString MaskedInput::promptChar() const {
    return get(QStringLiteral("PromptChar")).toString();
}
void MaskedInput::setPromptChar(const QString& promptChar) {
    setOrWarn(*this, QStringLiteral("PromptChar"), promptChar);
}
bool MaskedInput::allowSpace() const {
    return get(QStringLiteral("AllowSpace")).toBool();
}
void MaskedInput::setAllowSpace(bool allow) {
    setOrWarn(*this, QStringLiteral("AllowSpace"), allow);
}
QString MaskedInput::text() const {
    return get(QStringLiteral("Text")).toString();
}
void MaskedInput::setText(const QString& text) {
    setOrWarn(*this, QStringLiteral("Text"), text);
}
QString MaskedInput::value() const {
    return get(QStringLiteral("Value")).toString();
}

NumericInput::NumericInput(QWidget* parent) : Control(QStringLiteral("Holm.NumLite6"), parent) {}

int NumericInput::integerPlaces() const {
    return get(QStringLiteral("IntegerPlaces")).toInt();
}
void NumericInput::setIntegerPlaces(int places) {
    setOrWarn(*this, QStringLiteral("IntegerPlaces"), places);
}
int NumericInput::decimalPlaces() const {
    return get(QStringLiteral("DecimalPlaces")).toInt();
}
void NumericInput::setDecimalPlaces(int places) {
    setOrWarn(*this, QStringLiteral("DecimalPlaces"), places);
}
double NumericInput::minValue() const {
    return get(QStringLiteral("MinValue")).toDouble();
}
void NumericInput::setMinValue(double value) {
    setOrWarn(*this, QStringLiteral("MinValue"), value);
}
double NumericInput::maxValue() const {
    return get(QStringLiteral("MaxValue")).toDouble();
}
void NumericInput::setMaxValue(double value) {
    setOrWarn(*this, QStringLiteral("MaxValue"), value);
}
double NumericInput::value() const {
    return get(QStringLiteral("Value")).toDouble();
}
void NumericInput::setValue(double value) {
    setOrWarn(*this, QStringLiteral("Value"), value);
}
bool NumericInput::spinButtons() const {
    return get(QStringLiteral("Spin.Visible")).toInt() != 0;
}
void NumericInput::setSpinButtons(bool shown) {
    setOrWarn(*this, QStringLiteral("Spin.Visible"), shown ? 1 : 0);
}

} // namespace fencontrols
