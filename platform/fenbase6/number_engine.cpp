#include "number_engine.h"

#include "com/com_error.h"
#include "com/variant.h"
#include "ole_color.h"
#include "text_transfer.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <cmath>

namespace tarnwick::fenbase6 {

namespace {

const EngineProfile kNumberProfile{Notify::NumberInvalidInput, Notify::NumberKeyExit, 31};

constexpr int kMostIntegerPlaces = 15;
constexpr int kMostDecimalPlaces = 14;
constexpr double kThousand = 1000.0;

std::int16_t signedWord(WordParam word) {
    return static_cast<std::int16_t>(lowWord(word));
}

bool validDecimalPoint(char16_t c) {
    const QChar point(c);
    return c > 0x20 && c <= 0xFF && c != 0x7F && !point.isDigit() &&
           !QStringLiteral("-+()").contains(point);
}

double rounded(double value, int places) {
    const double scale = std::pow(10.0, places);
    return std::round(value * scale) / scale;
}

void fillVariant(LongParam param, std::optional<double> value) {
    if (auto* out = reinterpret_cast<com::Variant*>(param)) {
        *out = value ? com::Variant(*value) : com::Variant::null();
    }
}

// The number a variant holds: none for Null, an error for what is no usable number.
std::optional<std::optional<double>> numberOf(LongParam param) {
    const auto* in = reinterpret_cast<const com::Variant*>(param);
    if (in == nullptr) {
        return std::nullopt;
    }
    if (in->isNull()) {
        return std::optional<double>();
    }
    try {
        const double value = in->toDouble();
        return std::isfinite(value) ? std::optional<std::optional<double>>(value) : std::nullopt;
    } catch (const com::ComError&) {
        return std::nullopt;
    }
}

} // namespace

NumberEngine::NumberEngine(QWidget* parent) : EngineWidget(kNumberProfile, parent) {
    redisplay();
}

std::optional<MessageResult> NumberEngine::classMessage(MessageId message, WordParam word,
                                                        LongParam param) {
    switch (message) {
    case NumberMsg::GetInsertMode:
        return insertMode() ? 1 : 0;
    case NumberMsg::SetInsertMode:
        setInsertMode(word != 0);
        return 0;
    case NumberMsg::SetInsertToggle:
        setInsertToggle(word != 0);
        return 0;
    case NumberMsg::SetForeColor:
        setForeColour(static_cast<std::uint32_t>(param));
        return 0;
    case NumberMsg::SetErrorBeep:
        setErrorBeep((word & 0xFFu) != 0);
        return 0;
    case NumberMsg::SetMoveOnLRKey:
        setMoveOnLRKey(static_cast<int>(word));
        return 0;
    case NumberMsg::SetHighlightText:
        m_highlightOnFocus = word != 0;
        return 0;
    case NumberMsg::MoveToControl:
        focusNextPrevChild(word == 0);
        return 0;
    case NumberMsg::SetNewFlag:
    case Msg::DataSaved:
        return 0;
    default:
        break;
    }
    if (const auto answer = valueMessage(message, word, param)) {
        return answer;
    }
    if (message == NumberMsg::SetNegativeColor) {
        m_negativeColour = static_cast<std::uint32_t>(param);
        applyColours();
        return 0;
    }
    if (const auto answer = formatMessage(message, word)) {
        return answer;
    }
    return spinMessage(message, word);
}

std::optional<MessageResult> NumberEngine::valueMessage(MessageId message, WordParam word,
                                                        LongParam param) {
    switch (message) {
    case NumberMsg::GetValue:
        fillVariant(param, currentValue());
        return 0;
    case NumberMsg::SetValue:
        return setValueFromVariant(param);
    case NumberMsg::GetMinValue:
        fillVariant(param, m_minimum);
        return 0;
    case NumberMsg::GetMaxValue:
        fillVariant(param, m_maximum);
        return 0;
    case NumberMsg::SetMinValue:
    case NumberMsg::SetMaxValue: {
        const auto bound = numberOf(param);
        if (!bound || !*bound) {
            return 1;
        }
        (message == NumberMsg::SetMinValue ? m_minimum : m_maximum) = **bound;
        return 0;
    }
    case NumberMsg::GetInteger:
    case NumberMsg::GetDecimal: {
        const std::optional<double> value = currentValue();
        if (!value) {
            fillVariant(param, std::nullopt);
        } else {
            const double integer = std::trunc(*value);
            fillVariant(param, message == NumberMsg::GetInteger ? integer : *value - integer);
        }
        return 0;
    }
    case NumberMsg::GetCurrentPosition: {
        const auto point = text().indexOf(m_format.decimalPoint);
        return point >= 0 && cursorPosition() > point ? 1 : 0;
    }
    case NumberMsg::SetText: {
        const auto* typed = reinterpret_cast<const char*>(param);
        if (typed == nullptr) {
            return 1;
        }
        return setContents(QString::fromLatin1(typed, static_cast<qsizetype>(word))) ? 0 : 1;
    }
    case NumberMsg::ThreeZero: {
        const double value = currentValue().value_or(0.0) * kThousand;
        if (isReadOnly() || checkValue(value) != 0) {
            reportInvalidInput();
        } else {
            setValue(value);
        }
        return 0;
    }
    default:
        return std::nullopt;
    }
}

std::optional<MessageResult> NumberEngine::formatMessage(MessageId message, WordParam word) {
    switch (message) {
    case NumberMsg::SetDecimalPoint:
        if (!validDecimalPoint(static_cast<char16_t>(word & 0xFFu)) || word > 0xFFu) {
            return 1;
        }
        m_format.decimalPoint = QChar(static_cast<char16_t>(word));
        redisplay();
        return 0;
    case NumberMsg::SetIntegerPlaces: {
        const std::int16_t places = signedWord(word);
        if (places < 0 || places > kMostIntegerPlaces) {
            return 1;
        }
        m_integerPlaces = places;
        return 0;
    }
    case NumberMsg::SetDecimalPlaces: {
        const std::int16_t places = signedWord(word);
        if (places < 0 || places > kMostDecimalPlaces) {
            return 1;
        }
        m_format.decimalPlaces = places;
        redisplay();
        return 0;
    }
    case NumberMsg::SetMinusSign:
        if (word > 2) {
            return 1;
        }
        m_format.minusSign = static_cast<MinusSign>(word);
        redisplay();
        return 0;
    case NumberMsg::SetClearAction:
        m_clearToNull = word == 1;
        return 0;
    default:
        return std::nullopt;
    }
}

std::optional<MessageResult> NumberEngine::spinMessage(MessageId message, WordParam word) {
    switch (message) {
    case NumberMsg::SetSpinEnabled:
        m_spinEnabled = word != 0;
        return 0;
    case NumberMsg::SetSpinIncrement:
        m_spinIncrement = static_cast<int>(word);
        return 0;
    case NumberMsg::SetSpinWrap:
        m_spinWrap = word != 0;
        return 0;
    case NumberMsg::SetSpinKeys:
        m_spinKeys = word != 0;
        return 0;
    // The button settings take effect with the drawn spin buttons.
    case NumberMsg::SetSpinDelay:
    case NumberMsg::SetSpinLayout:
    case NumberMsg::SetSpinShow:
        return 0;
    default:
        return std::nullopt;
    }
}

std::optional<double> NumberEngine::currentValue() const {
    const ParsedNumber typed = parseNumber(text(), m_format);
    switch (typed.kind) {
    case ParsedNumber::Kind::Number:
        return rounded(typed.value, m_format.decimalPlaces);
    case ParsedNumber::Kind::Empty:
        return std::nullopt;
    case ParsedNumber::Kind::Invalid:
        break;
    }
    return m_value;
}

MessageResult NumberEngine::setValueFromVariant(LongParam param) {
    const auto value = numberOf(param);
    if (!value) {
        return NumberMsg::kRefusedBase;
    }
    const std::optional<double> held =
        *value ? std::optional<double>(rounded(**value, m_format.decimalPlaces)) : std::nullopt;
    if (const MessageResult refusal = checkValue(held)) {
        return refusal;
    }
    setValue(held);
    return 0;
}

MessageResult NumberEngine::checkValue(std::optional<double> value) const {
    if (!value) {
        return 0;
    }
    const bool tooManyDigits =
        m_integerPlaces > 0 && std::fabs(std::trunc(*value)) >= std::pow(10.0, m_integerPlaces);
    if (*value < m_minimum || *value > m_maximum || tooManyDigits) {
        return NumberMsg::kRefusedBase + 1;
    }
    return 0;
}

void NumberEngine::setValue(std::optional<double> value) {
    m_value = value;
    redisplay();
}

void NumberEngine::redisplay() {
    setText(formatNumber(m_value, m_format));
    applyColours();
}

bool NumberEngine::acceptsCharacter(QChar c) const {
    return isNumberCharacter(c, m_format.decimalPoint);
}

bool NumberEngine::setContents(const QString& typed) {
    const ParsedNumber parsed = parseNumber(typed, m_format);
    if (parsed.kind == ParsedNumber::Kind::Invalid) {
        return false;
    }
    const std::optional<double> value =
        parsed.kind == ParsedNumber::Kind::Empty
            ? std::nullopt
            : std::optional<double>(rounded(parsed.value, m_format.decimalPlaces));
    if (checkValue(value) != 0) {
        return false;
    }
    setValue(value);
    return true;
}

void NumberEngine::clearRequest() {
    setValue(m_clearToNull ? std::nullopt : std::optional<double>(0.0));
}

QColor NumberEngine::textColour() const {
    return m_value && *m_value < 0.0 ? OleColor::toQColor(m_negativeColour)
                                     : EngineWidget::textColour();
}

void NumberEngine::commitTypedText() {
    const ParsedNumber typed = parseNumber(text(), m_format);
    if (typed.kind == ParsedNumber::Kind::Invalid) {
        redisplay();
        return;
    }
    const std::optional<double> value =
        typed.kind == ParsedNumber::Kind::Empty
            ? std::nullopt
            : std::optional<double>(rounded(typed.value, m_format.decimalPlaces));
    if (checkValue(value) != 0) {
        // The owner decides through the flag whether the previous value comes back.
        bool restore = true;
        notify(Notify::OutOfRange, reinterpret_cast<LongParam>(&restore));
        if (restore) {
            redisplay();
            return;
        }
    }
    setValue(value);
}

void NumberEngine::step(bool up) {
    notify(up ? Notify::SpinUp : Notify::SpinDown);
    const double increment = up ? m_spinIncrement : -m_spinIncrement;
    double next = currentValue().value_or(0.0) + increment;
    if (next > m_maximum) {
        next = m_spinWrap ? m_minimum : m_maximum;
    } else if (next < m_minimum) {
        next = m_spinWrap ? m_maximum : m_minimum;
    }
    setValue(next);
}

void NumberEngine::keyPressEvent(QKeyEvent* event) {
    const bool plain = (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
    const bool spinKey = event->key() == Qt::Key_Up || event->key() == Qt::Key_Down;
    if (plain && spinKey && m_spinKeys && m_spinEnabled && !isReadOnly() && userMode()) {
        step(event->key() == Qt::Key_Up);
        event->accept();
        return;
    }
    if (plain && (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter)) {
        commitTypedText();
    }
    EngineWidget::keyPressEvent(event);
}

void NumberEngine::focusInEvent(QFocusEvent* event) {
    EngineWidget::focusInEvent(event);
    if (m_highlightOnFocus) {
        selectAll();
    }
}

void NumberEngine::focusOutEvent(QFocusEvent* event) {
    commitTypedText();
    EngineWidget::focusOutEvent(event);
}

} // namespace tarnwick::fenbase6
