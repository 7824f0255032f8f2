#pragma once

#include "engine_widget.h"
#include "number_decimal.h"
#include "number_spin_buttons.h"
#include "number_text.h"

#include <QColor>
#include <QTimer>

namespace tarnwick::fenbase6 {

// The window class `OrrelNumberLgt`: one exact decimal number (or Null) within a range, typed
// as text and taken when the field loses the focus, Enter is pressed or its text is set;
// shown with the decimal places, decimal point and minus sign it is given, negative numbers in
// the negative colour.
//
// Choices of this engine:
// - Integer places 0 means the most a field holds, 15; decimal places 0 means whole numbers.
//   Counts of 0..15 and 0..14 are accepted. A typed value is taken rounded to the decimal
//   places, halves away from zero; a value set by message is held as given. The places
//   change only how a value shows.
// - Typing is checked key by key: a character that is no number character, or that would give
//   more integer or decimal digits than the places allow, is refused with 0x1801.
// - A typed value outside [minimum, maximum] is reported with 0x3035 when it is taken; with
//   the restore flag left true the previous value comes back, set false the typed one stays.
// - The three-zero operation multiplies the value by 1000 (Null counts as 0); a product that
//   the places or the range cannot hold is refused with 0x1801 and nothing changes.
// - The clear request sets 0 or Null as the clear action says.
// - Spinning steps the value by the increment and stops at a bound (the range or the largest
//   value the places allow); with wrap set, a step from a bound goes on to the other one. A
//   Null value spins from 0. The spin keys are Up and Down; a held button repeats `Delay`
//   milliseconds apart. The buttons take no input while spinning is disabled, and draw so.
// - The 0x300F flag (0 for a new control) is accepted and changes nothing.
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
    QMargins reservedInside() const override;
    QMargins reservedOutside() const override;

    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    std::optional<MessageResult> valueMessage(MessageId message, WordParam word, LongParam param);
    std::optional<MessageResult> formatMessage(MessageId message, WordParam word);
    std::optional<MessageResult> spinMessage(MessageId message, WordParam word);

    int integerLimit() const;
    // The largest magnitude the places allow, within the range.
    DecimalNumber upperLimit() const;
    DecimalNumber lowerLimit() const;
    // Whether the text is the display of the held value (nothing typed since).
    bool showsHeldValue() const;
    // The value the field's text stands for now (the held one while the text is no number).
    std::optional<DecimalNumber> currentValue() const;
    MessageResult setValueFromVariant(LongParam param);
    MessageResult setBound(MessageId message, LongParam param);
    // 0 when `value` may be held, else NumberMsg::kRefusedBase + 1 (out of range).
    MessageResult checkValue(const std::optional<DecimalNumber>& value) const;
    void setValue(const std::optional<DecimalNumber>& value);
    void threeZero();
    // The selection (or the caret) replaced as a SelText put asks; false when refused.
    bool replaceSelection(const QString& replacement);
    void commitTypedText();
    bool refusesTyping(const QString& typed) const;
    void step(bool up);
    bool canSpin() const;
    void startSpinning(bool up);
    void stopSpinning();
    QRect spinStrip() const;
    void redisplay();

    std::optional<DecimalNumber> m_value = DecimalNumber();
    DecimalNumber m_minimum;
    DecimalNumber m_maximum;
    int m_integerPlaces = 0;
    NumberFormat m_format;
    bool m_clearToNull = false;
    std::uint32_t m_negativeColour = 0x0000FFu;
    bool m_highlightOnFocus = false;

    NumberSpinButtons m_spin;
    int m_spinIncrement = 1;
    bool m_spinWrap = false;
    bool m_spinKeys = false;
    int m_spinDelay = 100;
    QTimer m_spinRepeat;
    bool m_spinningUp = false;
    NumberSpinButtons::Part m_pressedPart = NumberSpinButtons::Part::None;
};

} // namespace tarnwick::fenbase6
