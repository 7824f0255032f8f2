// The number engine's exact decimal value and its text form: parsing, rounding, formatting.
#include "fenbase6/number_decimal.h"
#include "fenbase6/number_text.h"

#include <gtest/gtest.h>
#include <limits>

namespace tarnwick::fenbase6::test {
namespace {

DecimalNumber decimal(const char* text) {
    return DecimalNumber::fromPlainText(QLatin1String(text)).value();
}

TEST(DecimalNumber, SumsAndConversionsAreExact) {
    EXPECT_EQ(decimal("0.1").plus(decimal("0.2")), decimal("0.3"));
    EXPECT_EQ(DecimalNumber::fromDouble(0.1 + 0.2)->rounded(14), decimal("0.3"));
    EXPECT_EQ(DecimalNumber::fromDouble(0.1), decimal("0.1"));
    EXPECT_EQ(DecimalNumber::fromDouble(-999999999999999.0), decimal("-999999999999999"));
    EXPECT_EQ(decimal("0.3").toDouble(), 0.3);
    EXPECT_EQ(decimal("123456789012345.5").toPlainText(1), QStringLiteral("123456789012345.5"));
    EXPECT_EQ(decimal("0.00000000000001").toPlainText(14), QStringLiteral("0.00000000000001"));
    EXPECT_EQ(decimal("0.000000000000015"), decimal("0.00000000000002")); // 15th place rounds
    EXPECT_EQ(decimal("-7.25").integerPart(), decimal("-7"));
    EXPECT_EQ(decimal("-7.25").fractionPart(), decimal("-0.25"));
    EXPECT_EQ(decimal("0.5").integerDigits(), 0);
    EXPECT_EQ(decimal("-100").integerDigits(), 3);
}

TEST(DecimalNumber, RefusesWhatItCannotHold) {
    for (const char* text : {"", "-", ".", "1.2.3", "1e3", "+1", " 1", "12a", "--1"}) {
        EXPECT_FALSE(DecimalNumber::fromPlainText(QLatin1String(text))) << text;
    }
    EXPECT_FALSE(
        DecimalNumber::fromPlainText(QStringLiteral("10000000000000000000.00000000000001")));
    // The largest value read still shows as text that reads back after rounding.
    const DecimalNumber top = decimal("9999999999999999999.5").rounded(0);
    EXPECT_EQ(DecimalNumber::fromPlainText(top.toPlainText(0)), top);
    EXPECT_TRUE(DecimalNumber::fromPlainText(QStringLiteral("00000000000000000000000001")));
    EXPECT_FALSE(DecimalNumber::fromDouble(1e20));
    EXPECT_FALSE(DecimalNumber::fromDouble(std::numeric_limits<double>::quiet_NaN()));
    EXPECT_EQ(DecimalNumber::fromDouble(5e-324), DecimalNumber());
    const DecimalNumber largestRead = decimal("10000000000000000000");
    EXPECT_FALSE(largestRead.timesThousand()); // 10^22 cannot be held
    EXPECT_TRUE(largestRead.plus(largestRead));
    EXPECT_EQ(decimal("999999999999999").timesThousand(), decimal("999999999999999000"));
}

TEST(DecimalNumber, RoundsHalvesAwayFromZero) {
    struct Case {
        const char* value;
        int places;
        const char* shown;
    };
    for (const Case& c :
         {Case{"2.5", 0, "3"}, Case{"-2.5", 0, "-3"}, Case{"2.449", 1, "2.4"},
          Case{"1.005", 2, "1.01"}, Case{"-0.004", 2, "0.00"},
          Case{"999999999999999.5", 0, "1000000000000000"}, Case{"12", 3, "12.000"}}) {
        EXPECT_EQ(decimal(c.value).toPlainText(c.places), QLatin1String(c.shown)) << c.value;
    }
}

TEST(NumberText, FormatsEachMinusSignMode) {
    struct Case {
        MinusSign sign;
        const char* value;
        const char* shown;
    };
    for (const Case& c :
         {Case{MinusSign::Parentheses, "-3.14159", "(3,14)"},
          Case{MinusSign::InFront, "-3.14159", "-3,14"},
          Case{MinusSign::InBack, "-3.14159", "3,14-"}, Case{MinusSign::Parentheses, "3", "3,00"},
          Case{MinusSign::InBack, "-0.001", "0,00"}}) {
        const NumberFormat format{2, QLatin1Char(','), c.sign};
        EXPECT_EQ(formatNumber(decimal(c.value), format), QLatin1String(c.shown)) << c.shown;
    }
    const NumberFormat whole{0, QLatin1Char('.'), MinusSign::InFront};
    EXPECT_EQ(formatNumber(std::nullopt, whole), QString());
    EXPECT_EQ(formatNumber(decimal("-999999999999999"), whole), QStringLiteral("-999999999999999"));
}

TEST(NumberText, ParsesWhatAUserTypes) {
    const NumberFormat format{2, QLatin1Char(','), MinusSign::InFront};
    const auto value = [&](const char* text) -> std::optional<DecimalNumber> {
        const ParsedNumber parsed = parseNumber(QLatin1String(text), format);
        if (parsed.kind != ParsedNumber::Kind::Number) {
            return std::nullopt;
        }
        return parsed.value;
    };
    EXPECT_EQ(value("1,5"), decimal("1.5"));
    EXPECT_EQ(value("1.5"), decimal("1.5"));
    EXPECT_EQ(value(" (2,25) "), decimal("-2.25"));
    EXPECT_EQ(value("3-"), decimal("-3"));
    EXPECT_EQ(value("+4"), decimal("4"));
    EXPECT_EQ(value(",5"), decimal("0.5"));
    for (const char* bad : {"1,2,3", "-", "()", "(3", "1e3", "-3-", "(-3)", "1 2"}) {
        EXPECT_EQ(value(bad), std::nullopt) << bad;
    }
    EXPECT_EQ(parseNumber(QStringLiteral("  "), format).kind, ParsedNumber::Kind::Empty);
}

TEST(NumberText, TypingPrefixesRespectThePlaces) {
    const NumberFormat format{2, QLatin1Char('.'), MinusSign::InFront};
    for (const char* ok : {"", "-", "(", "(12", "(12)", "12-", "007", "123", "1.", "1.25", ".5"}) {
        EXPECT_TRUE(isTypedNumberPrefix(QLatin1String(ok), format, 3)) << ok;
    }
    for (const char* bad : {"1234", "1.255", "1..2", "1-2", "--1", "a", "12)"}) {
        EXPECT_FALSE(isTypedNumberPrefix(QLatin1String(bad), format, 3)) << bad;
    }
    const NumberFormat whole{0, QLatin1Char('.'), MinusSign::InFront};
    EXPECT_FALSE(isTypedNumberPrefix(QStringLiteral("1."), whole, 15));
}

} // namespace
} // namespace tarnwick::fenbase6::test
