#pragma once

#include "engine_widget.h"
#include "number_text.h"

#include <QColor>

namespace tarnwick::fenbase6 {

// The window class `OrrelNumberLgt`: one number (or Null) within a range, typed as text and
// taken when the field loses the focus or its text is set; shown with the decimal places,
// decimal point and minus sign it is given, negative numbers in the negative colour. The spin
// keys step it by the increment. Spin buttons are not drawn yet.
class NumberEngine : public EngineWidget {
    Q_OBJECT

public:
    explicit NumberEngine(QWidget* parent);

protected:
    std::optional<MessageResult> classMessage(MessageId message, WordParam word,
                                              LongParam param) override;
    bool acceptsCharacter(QChar c) const override;
    bool setContents(const QString& text) override;
    void clearRequest() override;
    QColor textColour() const override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    std::optional<MessageResult> valueMessage(MessageId message, WordParam word,
                                              LongParam param);
    std::optional<MessageResult> formatMessage(MessageId message, WordParam word);
    std::optional<MessageResult> spinMessage(MessageId message, WordParam word);

    // The value the field's text stands for now (the stored one while the text is no number).
    std::optional<double> currentValue() const;
    MessageResult setValueFromVariant(LongParam param);
    // 0 when `value` may be held, else NumberMsg::kRefusedBase + 1 (out of range).
    MessageResult checkValue(std::optional<double> value) const;
    void setValue(std::optional<double> value);
    void commitTypedText();
    void step(bool up);
    void redisplay();

    std::optional<double> m_value = 0.0;
    double m_minimum = -999999999999999.0;
    double m_maximum = 999999999999999.0;
    int m_integerPlaces = 0;
    NumberFormat m_format;
    bool m_clearToNull = false;
    std::uint32_t m_negativeColour = 0x0000FFu;
    bool m_highlightOnFocus = false;
    bool m_spinEnabled = true;
    int m_spinIncrement = 1;
    bool m_spinWrap = false;
    bool m_spinKeys = false;
};

} // namespace tarnwick::fenbase6
