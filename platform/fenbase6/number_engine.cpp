#include "number_engine.h"

#include "com/variant.h"
#include "engine_text_codec.h"
#include "number_variant.h"
#include "ole_color.h"
#include "text_transfer.h"

#include <QSignalBlocker>

namespace tarnwick::fenbase6 {

namespace {

const EngineProfile kNumberProfile{Notify::NumberInvalidInput, Notify::NumberKeyExit, 31};

constexpr int kMostIntegerPlaces = 15;
constexpr int kMostDecimalPlaces = 14;

std::int16_t signedWord(WordParam word) {
    return static_cast<std::int16_t>(lowWord(word));
}

bool validDecimalPoint(WordParam word) {
    if (word > 0xFFu) {
        return false;
    }
    const QChar point(static_cast<char16_t>(word));
    return word > 0x20u && word != 0x7Fu && !point.isDigit() &&
           !QStringLiteral("-+()").contains(point);
}

DecimalNumber largestWith(int integerPlaces, int decimalPlaces) {
    QString nines(integerPlaces, QLatin1Char('9'));
    if (decimalPlaces > 0) {
        nines += QLatin1Char('.') + QString(decimalPlaces, QLatin1Char('9'));
    }
    return DecimalNumber::fromPlainText(nines.isEmpty() ? QStringLiteral("0") : nines).value();
}

// A double cannot hold every decimal within the places: the nearest double to the largest
// magnitude `limit` may lie beyond it (15 nines and decimals read back as 10^15). Such a
// double, offered as a number rather than as text, stands for `limit` itself, so that what
// the engine answered is taken again. Else the value as it is when within `limit`; none beyond.
std::optional<DecimalNumber> withinLimit(const DecimalNumber& value, const com::Variant* offered,
                                         const DecimalNumber& limit) {
    if (value.magnitude() <= limit) {
        return value;
    }
    const bool fromDouble = offered != nullptr && offered->type() != com::VariantType::String;
    if (fromDouble && DecimalNumber::fromDouble(limit.toDouble()) == value.magnitude()) {
        return value.isNegative() ? limit.negated() : limit;
    }
    return std::nullopt;
}

} // namespace

NumberEngine::NumberEngine(QWidget* parent)
    : EngineWidget(kNumberProfile, parent), m_minimum(largestWith(kMostIntegerPlaces, 0).negated()),
      m_maximum(largestWith(kMostIntegerPlaces, 0)) {
    connect(&m_spinRepeat, &QTimer::timeout, this, [this] { step(m_spinningUp); });
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
    case NumberMsg::SetNegativeColor:
        m_negativeColour = static_cast<std::uint32_t>(param);
        applyColours();
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
    if (const auto answer = formatMessage(message, word)) {
        return answer;
    }
    return spinMessage(message, word);
}

std::optional<MessageResult> NumberEngine::valueMessage(MessageId message, WordParam word,
                                                        LongParam param) {
    switch (message) {
    case NumberMsg::GetValue:
        fillNumberVariant(reinterpret_cast<com::Variant*>(param), currentValue());
        return 0;
    case NumberMsg::SetValue:
        return setValueFromVariant(param);
    case NumberMsg::GetMinValue:
        fillNumberVariant(reinterpret_cast<com::Variant*>(param), m_minimum);
        return 0;
    case NumberMsg::GetMaxValue:
        fillNumberVariant(reinterpret_cast<com::Variant*>(param), m_maximum);
        return 0;
    case NumberMsg::SetMinValue:
    case NumberMsg::SetMaxValue:
        return setBound(message, param);
    case NumberMsg::GetInteger:
    case NumberMsg::GetDecimal: {
        std::optional<DecimalNumber> part = currentValue();
        if (part) {
            part = message == NumberMsg::GetInteger ? part->integerPart() : part->fractionPart();
        }
        fillNumberVariant(reinterpret_cast<com::Variant*>(param), part);
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
        return setContents(EngineText::decode(typed, static_cast<qsizetype>(word))) ? 0 : 1;
    }
    case NumberMsg::ThreeZero:
        threeZero();
        return 0;
    case Msg::SetSelText:
        return replaceSelection(textFromParam(param)) ? 0 : 1;
    default:
        return std::nullopt;
    }
}

bool NumberEngine::replaceSelection(const QString& replacement) {
    // The whole resulting text must pass as typing would let it stand and as a value put
    // would take it; else nothing changes.
    if (isReadOnly()) {
        return false;
    }
    const qsizetype start = hasSelectedText() ? selectionStart() : cursorPosition();
    const qsizetype length = hasSelectedText() ? selectedText().size() : 0;
    const QString candidate = QString(text()).replace(start, length, replacement);
    if (!isTypedNumberPrefix(candidate, m_format, integerLimit()) || !setContents(candidate)) {
        return false;
    }
    end(false);
    return true;
}

std::optional<MessageResult> NumberEngine::formatMessage(MessageId message, WordParam word) {
    switch (message) {
    case NumberMsg::SetDecimalPoint:
        if (!validDecimalPoint(word)) {
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
        if (m_value && m_value->integerDigits() > integerLimit()) {
            setValue(std::nullopt);
        }
        return 0;
    }
    case NumberMsg::SetDecimalPlaces: {
        const std::int16_t places = signedWord(word);
        if (places < 0 || places > kMostDecimalPlaces) {
            return 1;
        }
        m_format.decimalPlaces = places;
        // Only the display follows the places: the held value keeps its decimals, so no
        // change is reported.
        const QSignalBlocker quiet(this);
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
        m_spin.setEnabled(word != 0);
        break;
    case NumberMsg::SetSpinIncrement:
        m_spinIncrement = lowWord(word);
        break;
    case NumberMsg::SetSpinWrap:
        m_spinWrap = word != 0;
        break;
    case NumberMsg::SetSpinKeys:
        m_spinKeys = word != 0;
        break;
    case NumberMsg::SetSpinDelay:
        m_spinDelay = static_cast<int>(std::min<WordParam>(word, 0x7FFFFFFF));
        break;
    case NumberMsg::SetSpinLayout:
        m_spin.setLayout(static_cast<unsigned long>(word));
        applyMargins();
        break;
    case NumberMsg::SetSpinShow:
        m_spin.setShowOnFocus(word != 0);
        break;
    default:
        return std::nullopt;
    }
    update();
    return 0;
}

int NumberEngine::integerLimit() const {
    return m_integerPlaces == 0 ? kMostIntegerPlaces : m_integerPlaces;
}

DecimalNumber NumberEngine::upperLimit() const {
    return std::min(m_maximum, largestWith(integerLimit(), m_format.decimalPlaces));
}

DecimalNumber NumberEngine::lowerLimit() const {
    return std::max(m_minimum, largestWith(integerLimit(), m_format.decimalPlaces).negated());
}

bool NumberEngine::showsHeldValue() const {
    return text() == formatNumber(m_value, m_format);
}

std::optional<DecimalNumber> NumberEngine::currentValue() const {
    if (showsHeldValue()) {
        return m_value; // with any decimals beyond those shown
    }
    const ParsedNumber typed = parseNumber(text(), m_format);
    switch (typed.kind) {
    case ParsedNumber::Kind::Number:
        return typed.value.rounded(m_format.decimalPlaces);
    case ParsedNumber::Kind::Empty:
        return std::nullopt;
    case ParsedNumber::Kind::Invalid:
        break;
    }
    return m_value;
}

MessageResult NumberEngine::setValueFromVariant(LongParam param) {
    const OfferedNumber offered =
        offeredNumber(reinterpret_cast<const com::Variant*>(param), m_format);
    switch (offered.kind) {
    case OfferedNumber::Kind::Unusable:
        return NumberMsg::kRefusedBase;
    case OfferedNumber::Kind::TooLarge:
        return NumberMsg::kRefusedBase + 1;
    case OfferedNumber::Kind::Null:
        setValue(std::nullopt);
        return 0;
    case OfferedNumber::Kind::Number:
        break;
    }
    // Held as given, so that a value replayed after its places were lowered comes back the
    // same; both it and what it shows as must fit the places and the range.
    const DecimalNumber held =
        withinLimit(offered.value, reinterpret_cast<const com::Variant*>(param),
                    largestWith(integerLimit(), m_format.decimalPlaces))
            .value_or(offered.value);
    if (const MessageResult refusal = checkValue(held)) {
        return refusal;
    }
    if (const MessageResult refusal = checkValue(held.rounded(m_format.decimalPlaces))) {
        return refusal;
    }
    setValue(held);
    return 0;
}

MessageResult NumberEngine::setBound(MessageId message, LongParam param) {
    const OfferedNumber offered =
        offeredNumber(reinterpret_cast<const com::Variant*>(param), m_format);
    if (offered.kind != OfferedNumber::Kind::Number) {
        return 1;
    }
    const std::optional<DecimalNumber> bound =
        withinLimit(offered.value, reinterpret_cast<const com::Variant*>(param),
                    largestWith(kMostIntegerPlaces, kMostDecimalPlaces));
    if (!bound) {
        return 1;
    }
    (message == NumberMsg::SetMinValue ? m_minimum : m_maximum) = *bound;
    return 0;
}

MessageResult NumberEngine::checkValue(const std::optional<DecimalNumber>& value) const {
    if (!value) {
        return 0;
    }
    if (*value < m_minimum || *value > m_maximum || value->integerDigits() > integerLimit()) {
        return NumberMsg::kRefusedBase + 1;
    }
    return 0;
}

void NumberEngine::setValue(const std::optional<DecimalNumber>& value) {
    m_value = value;
    redisplay();
}

void NumberEngine::redisplay() {
    const QString shown = formatNumber(m_value, m_format);
    if (shown != text()) {
        setText(shown);
    }
    applyColours();
}

void NumberEngine::threeZero() {
    const std::optional<DecimalNumber> product =
        currentValue().value_or(DecimalNumber()).timesThousand();
    if (isReadOnly() || !product || checkValue(product->rounded(m_format.decimalPlaces)) != 0) {
        reportInvalidInput();
        return;
    }
    setValue(product->rounded(m_format.decimalPlaces));
}

bool NumberEngine::acceptsCharacter(QChar c) const {
    return isNumberCharacter(c, m_format.decimalPoint);
}

bool NumberEngine::setContents(const QString& typed) {
    const ParsedNumber parsed = parseNumber(typed, m_format);
    if (parsed.kind == ParsedNumber::Kind::Invalid) {
        return false;
    }
    std::optional<DecimalNumber> value;
    if (parsed.kind == ParsedNumber::Kind::Number) {
        value = parsed.value.rounded(m_format.decimalPlaces);
    }
    if (checkValue(value) != 0) {
        return false;
    }
    setValue(value);
    return true;
}

void NumberEngine::clearRequest() {
    setValue(m_clearToNull ? std::nullopt : std::optional(DecimalNumber()));
}

QColor NumberEngine::textColour() const {
    const bool negative =
        m_value && !m_value->rounded(m_format.decimalPlaces).isZero() && m_value->isNegative();
    return negative ? OleColor::toQColor(m_negativeColour) : EngineWidget::textColour();
}

void NumberEngine::commitTypedText() {
    if (showsHeldValue()) {
        return; // nothing typed: a value with more decimals than shown stays as it is
    }
    const ParsedNumber typed = parseNumber(text(), m_format);
    if (typed.kind == ParsedNumber::Kind::Invalid) {
        redisplay();
        return;
    }
    std::optional<DecimalNumber> value;
    if (typed.kind == ParsedNumber::Kind::Number) {
        value = typed.value.rounded(m_format.decimalPlaces);
    }
    if (value != m_value && checkValue(value) != 0) {
        // The owner decides through the flag whether the previous value comes back.
        bool restore = true;
        notify(Notify::OutOfRange, reinterpret_cast<LongParam>(&restore));
        if (restore || value->integerDigits() > integerLimit()) {
            redisplay();
            return;
        }
    }
    setValue(value);
}

} // namespace tarnwick::fenbase6
