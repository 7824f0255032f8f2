#pragma once

#include <QString>
#include <compare>
#include <cstdint>
#include <optional>

// The number engine's exact value: a decimal fixed-point number with 14 decimal places held as
// a scaled 128-bit integer, so what the user types is what the engine keeps and shows (0.1 plus
// 0.2 is 0.3). The magnitude stays below 10^20, far beyond the 15 integer places a field holds,
// so sums and the three-zero product of any two field values cannot overflow.
namespace tarnwick::fenbase6 {

__extension__ typedef __int128 ScaledInteger;

class DecimalNumber {
public:
    static constexpr int kScale = 14;      // decimal places held
    static constexpr int kMostDigits = 20; // integer digits a value may reach inside

    DecimalNumber() = default;
    static DecimalNumber fromInteger(std::int64_t value);
    // The decimal that prints as the shortest text reading back as `value` (0.1 is 0.1, not
    // 0.1000000000000000055...), rounded to 14 places; none for infinities, NaN and magnitudes
    // above 10^19.
    static std::optional<DecimalNumber> fromDouble(double value);
    // Reads "-123.45" style text: an optional minus, digits, an optional "." and digits. Decimals
    // beyond 14 are rounded; none for anything else or a magnitude above 10^19.
    static std::optional<DecimalNumber> fromPlainText(const QString& text);

    // The nearest double.
    double toDouble() const;
    // "-123.45": the digits without a sign for zero, exactly `places` decimals (0..14), rounded.
    QString toPlainText(int places) const;

    // Rounded to `places` decimals (0..14), halves away from zero.
    DecimalNumber rounded(int places) const;
    // The integer part, towards zero, and what remains (with the value's sign).
    DecimalNumber integerPart() const;
    DecimalNumber fractionPart() const { return *this - integerPart(); }
    // The count of digits before the decimal point (0 for a magnitude below 1).
    int integerDigits() const;

    bool isNegative() const { return m_scaled < 0; }
    bool isZero() const { return m_scaled == 0; }
    DecimalNumber negated() const { return DecimalNumber(-m_scaled); }
    DecimalNumber magnitude() const { return isNegative() ? negated() : *this; }

    // None when the result would reach 10^20.
    std::optional<DecimalNumber> plus(const DecimalNumber& other) const;
    std::optional<DecimalNumber> timesThousand() const;

    friend DecimalNumber operator-(const DecimalNumber& left, const DecimalNumber& right) {
        return DecimalNumber(left.m_scaled - right.m_scaled);
    }
    friend bool operator==(const DecimalNumber&, const DecimalNumber&) = default;
    friend std::strong_ordering operator<=>(const DecimalNumber& left, const DecimalNumber& right) {
        return left.m_scaled <=> right.m_scaled;
    }

private:
    explicit DecimalNumber(ScaledInteger scaled) : m_scaled(scaled) {}
    static std::optional<DecimalNumber> checked(ScaledInteger scaled);

    ScaledInteger m_scaled = 0; // the value times 10^14
};

} // namespace tarnwick::fenbase6
