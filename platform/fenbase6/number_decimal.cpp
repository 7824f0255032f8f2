#include "number_decimal.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>

namespace tarnwick::fenbase6 {

namespace {

constexpr ScaledInteger powerOfTen(int exponent) {
    ScaledInteger result = 1;
    for (int i = 0; i < exponent; ++i) {
        result *= 10;
    }
    return result;
}

constexpr ScaledInteger kOne = powerOfTen(DecimalNumber::kScale);
constexpr ScaledInteger kLimit = powerOfTen(DecimalNumber::kScale + DecimalNumber::kMostDigits);
constexpr ScaledInteger kReadLimit =
    powerOfTen(DecimalNumber::kScale + DecimalNumber::kMostDigits - 1);

bool isDigit(QChar c) {
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}

int digitValue(QChar c) {
    return c.unicode() - u'0';
}

// The decimal digits of a non-negative value, at least one.
QString digitsOf(ScaledInteger value) {
    QString digits;
    do {
        digits.prepend(QLatin1Char(static_cast<char>('0' + static_cast<int>(value % 10))));
        value /= 10;
    } while (value != 0);
    return digits;
}

} // namespace

std::optional<DecimalNumber> DecimalNumber::checked(ScaledInteger scaled) {
    if (scaled >= kLimit || scaled <= -kLimit) {
        return std::nullopt;
    }
    return DecimalNumber(scaled);
}

DecimalNumber DecimalNumber::fromInteger(std::int64_t value) {
    return DecimalNumber(static_cast<ScaledInteger>(value) * kOne);
}

std::optional<DecimalNumber> DecimalNumber::fromDouble(double value) {
    if (!std::isfinite(value) || std::fabs(value) >= 1e20) {
        return std::nullopt;
    }
    // Fixed notation of the smallest double is a little over 300 characters.
    std::array<char, 512> buffer{};
    const auto written = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value,
                                       std::chars_format::fixed);
    if (written.ec != std::errc()) {
        return std::nullopt;
    }
    return fromPlainText(
        QString::fromLatin1(buffer.data(), static_cast<qsizetype>(written.ptr - buffer.data())));
}

std::optional<DecimalNumber> DecimalNumber::fromPlainText(const QString& text) {
    qsizetype at = 0;
    const bool negative = text.startsWith(QLatin1Char('-'));
    if (negative) {
        ++at;
    }
    ScaledInteger whole = 0;
    int integerDigits = 0;
    for (; at < text.size() && isDigit(text.at(at)); ++at) {
        whole = whole * 10 + digitValue(text.at(at));
        if (whole != 0 && ++integerDigits > kMostDigits) {
            return std::nullopt;
        }
    }
    bool anyDigit = at > (negative ? 1 : 0);
    ScaledInteger fraction = 0;
    bool roundUp = false;
    if (at < text.size() && text.at(at) == QLatin1Char('.')) {
        ++at;
        int place = 0;
        for (; at < text.size() && isDigit(text.at(at)); ++at, ++place) {
            anyDigit = true;
            if (place < kScale) {
                fraction = fraction * 10 + digitValue(text.at(at));
            } else if (place == kScale) {
                roundUp = digitValue(text.at(at)) >= 5;
            }
        }
        fraction *= powerOfTen(std::max(0, kScale - place));
    }
    if (!anyDigit || at != text.size()) {
        return std::nullopt;
    }
    // Up to 10^19 inclusive, so that whatever is read rounds to a value that reads back.
    const ScaledInteger magnitude = whole * kOne + fraction + (roundUp ? 1 : 0);
    if (magnitude > kReadLimit) {
        return std::nullopt;
    }
    return DecimalNumber(negative ? -magnitude : magnitude);
}

double DecimalNumber::toDouble() const {
    const QByteArray text = toPlainText(kScale).toLatin1();
    double value = 0.0;
    std::from_chars(text.constData(), text.constData() + text.size(), value);
    return value;
}

QString DecimalNumber::toPlainText(int places) const {
    const ScaledInteger shown = rounded(places).magnitude().m_scaled;
    QString text = digitsOf(shown / kOne);
    if (places > 0) {
        const QString decimals = digitsOf(shown % kOne).rightJustified(kScale, QLatin1Char('0'));
        text += QLatin1Char('.') + decimals.left(places);
    }
    return shown != 0 && isNegative() ? QLatin1Char('-') + text : text;
}

DecimalNumber DecimalNumber::rounded(int places) const {
    const ScaledInteger unit = powerOfTen(kScale - std::clamp(places, 0, kScale));
    const ScaledInteger size = magnitude().m_scaled;
    const ScaledInteger kept = (size + unit / 2) / unit * unit;
    return DecimalNumber(isNegative() ? -kept : kept);
}

DecimalNumber DecimalNumber::integerPart() const {
    return DecimalNumber(m_scaled / kOne * kOne);
}

int DecimalNumber::integerDigits() const {
    const ScaledInteger whole = magnitude().m_scaled / kOne;
    return whole == 0 ? 0 : static_cast<int>(digitsOf(whole).size());
}

std::optional<DecimalNumber> DecimalNumber::plus(const DecimalNumber& other) const {
    return checked(m_scaled + other.m_scaled);
}

std::optional<DecimalNumber> DecimalNumber::timesThousand() const {
    return checked(m_scaled * 1000);
}

} // namespace tarnwick::fenbase6
