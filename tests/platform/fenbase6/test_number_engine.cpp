// The number engine's value, range, places and clear answers, and its text form.
#include "com/variant.h"
#include "engine_test_support.h"
#include "fenbase6/engine_messages.h"
#include "fenbase6/number_text.h"

#include <QLineEdit>
#include <QTest>
#include <gtest/gtest.h>

namespace tarnwick::fenbase6::test {
namespace {

using com::Variant;

class NumberEngineTest : public testing::Test {
protected:
    EngineFixture fixture{kNumberEngineClass};
    QLineEdit* edit() { return static_cast<QLineEdit*>(fixture.engine->widget()); }

    MessageResult put(MessageId message, const Variant& value) {
        return fixture.send(message, 0, reinterpret_cast<LongParam>(&value));
    }
    Variant get(MessageId message) {
        Variant value;
        fixture.send(message, 0, reinterpret_cast<LongParam>(&value));
        return value;
    }
};

TEST_F(NumberEngineTest, NewEngineHoldsZeroWithinTheWidestRange) {
    EXPECT_EQ(get(NumberMsg::GetValue), Variant(0.0));
    EXPECT_EQ(get(NumberMsg::GetMinValue), Variant(-999999999999999.0));
    EXPECT_EQ(get(NumberMsg::GetMaxValue), Variant(999999999999999.0));
    EXPECT_EQ(put(NumberMsg::SetValue, Variant(999999999999999.0)), 0);
    EXPECT_EQ(put(NumberMsg::SetValue, Variant(1e16)), NumberMsg::kRefusedBase + 1);
    EXPECT_EQ(put(NumberMsg::SetValue, Variant(QStringLiteral("abc"))), NumberMsg::kRefusedBase);
    EXPECT_EQ(put(NumberMsg::SetValue, Variant(QStringLiteral("-12"))), 0);
    EXPECT_EQ(get(NumberMsg::GetValue), Variant(-12.0));
    EXPECT_EQ(put(NumberMsg::SetValue, Variant::null()), 0);
    EXPECT_TRUE(get(NumberMsg::GetValue).isNull());
    EXPECT_TRUE(get(NumberMsg::GetInteger).isNull());
}

TEST_F(NumberEngineTest, BoundsPlacesAndDecimalPointAreCheckedAndShown) {
    EXPECT_EQ(put(NumberMsg::SetMinValue, Variant(-5.0)), 0);
    EXPECT_EQ(put(NumberMsg::SetMaxValue, Variant::null()), 1);
    EXPECT_EQ(put(NumberMsg::SetValue, Variant(-6.0)), NumberMsg::kRefusedBase + 1);
    EXPECT_EQ(fixture.send(NumberMsg::SetDecimalPlaces, 2), 0);
    EXPECT_EQ(fixture.send(NumberMsg::SetDecimalPlaces, 15), 1);
    EXPECT_EQ(fixture.send(NumberMsg::SetIntegerPlaces, 0xFFFF), 1); // -1
    EXPECT_EQ(fixture.send(NumberMsg::SetIntegerPlaces, 2), 0);
    EXPECT_EQ(put(NumberMsg::SetValue, Variant(123.0)), NumberMsg::kRefusedBase + 1);
    EXPECT_EQ(fixture.send(NumberMsg::SetDecimalPoint, '5'), 1);
    EXPECT_EQ(fixture.send(NumberMsg::SetDecimalPoint, ','), 0);
    EXPECT_EQ(put(NumberMsg::SetValue, Variant(-4.256)), 0);
    EXPECT_EQ(edit()->text(), QStringLiteral("-4,26"));
    EXPECT_EQ(fixture.send(NumberMsg::SetMinusSign, 0), 0);
    EXPECT_EQ(edit()->text(), QStringLiteral("(4,26)"));
    EXPECT_EQ(get(NumberMsg::GetInteger), Variant(-4.0));
    EXPECT_NEAR(get(NumberMsg::GetDecimal).toDouble(), -0.26, 1e-9);
}

TEST_F(NumberEngineTest, ClearFollowsTheClearActionAndThreeZeroMultiplies) {
    put(NumberMsg::SetValue, Variant(7.0));
    fixture.send(NumberMsg::ThreeZero);
    EXPECT_EQ(get(NumberMsg::GetValue), Variant(7000.0));
    fixture.send(Msg::Clear);
    EXPECT_EQ(get(NumberMsg::GetValue), Variant(0.0));
    fixture.send(NumberMsg::SetClearAction, 1);
    fixture.send(Msg::Clear);
    EXPECT_TRUE(get(NumberMsg::GetValue).isNull());
    EXPECT_EQ(edit()->text(), QString());
}

TEST_F(NumberEngineTest, TextPutsAreParsedAndRefusedWhenNoNumber) {
    const QByteArray typed = "12.5";
    EXPECT_EQ(fixture.send(NumberMsg::SetText, static_cast<WordParam>(typed.size()),
                           reinterpret_cast<LongParam>(typed.constData())),
              0);
    EXPECT_EQ(get(NumberMsg::GetValue), Variant(13.0)); // no decimal places: rounded
    EXPECT_EQ(fixture.sendText(Msg::SetText, "1x"), 0);
    EXPECT_EQ(get(NumberMsg::GetValue), Variant(13.0));
}

TEST_F(NumberEngineTest, OutOfRangeEntryAsksTheOwnerWhetherToRestore) {
    put(NumberMsg::SetMaxValue, Variant(100.0));
    put(NumberMsg::SetValue, Variant(5.0));
    bool restore = true;
    fixture.listener.onCommand = [&](std::uint16_t code, LongParam param) {
        if (code == Notify::OutOfRange) {
            *reinterpret_cast<bool*>(param) = restore;
        }
    };
    edit()->selectAll();
    QTest::keyClicks(edit(), QStringLiteral("500"));
    QTest::keyClick(edit(), Qt::Key_Return);
    EXPECT_EQ(get(NumberMsg::GetValue), Variant(5.0));
    EXPECT_EQ(edit()->text(), QStringLiteral("5"));

    restore = false;
    edit()->selectAll();
    QTest::keyClicks(edit(), QStringLiteral("500"));
    QTest::keyClick(edit(), Qt::Key_Return);
    EXPECT_EQ(get(NumberMsg::GetValue), Variant(500.0));
}

TEST_F(NumberEngineTest, SpinKeysStepByTheIncrementAndWrapWhenAsked) {
    put(NumberMsg::SetMinValue, Variant(0.0));
    put(NumberMsg::SetMaxValue, Variant(10.0));
    put(NumberMsg::SetValue, Variant(9.0));
    QTest::keyClick(edit(), Qt::Key_Up);
    EXPECT_EQ(get(NumberMsg::GetValue), Variant(9.0)); // spin keys are off by default
    fixture.send(NumberMsg::SetSpinKeys, 1);
    fixture.send(NumberMsg::SetSpinIncrement, 2);
    fixture.listener.notifications.clear();
    QTest::keyClick(edit(), Qt::Key_Up);
    EXPECT_EQ(get(NumberMsg::GetValue), Variant(10.0));
    fixture.send(NumberMsg::SetSpinWrap, 1);
    QTest::keyClick(edit(), Qt::Key_Up);
    EXPECT_EQ(get(NumberMsg::GetValue), Variant(0.0));
    QTest::keyClick(edit(), Qt::Key_Down);
    EXPECT_EQ(get(NumberMsg::GetValue), Variant(10.0));
    const std::vector<std::uint16_t> expected{Notify::SpinUp,   Notify::Changed,
                                              Notify::SpinUp,   Notify::Changed,
                                              Notify::SpinDown, Notify::Changed};
    EXPECT_EQ(fixture.listener.codes(), expected);
}

TEST_F(NumberEngineTest, LettersAreInvalidInput) {
    edit()->selectAll();
    QTest::keyClicks(edit(), QStringLiteral("a"));
    EXPECT_EQ(fixture.listener.codes(), std::vector<std::uint16_t>{Notify::NumberInvalidInput});
}

TEST(NumberText, FormatsSignsPlacesAndNull) {
    NumberFormat format{2, QLatin1Char('.'), MinusSign::InBack};
    EXPECT_EQ(formatNumber(-3.14159, format), QStringLiteral("3.14-"));
    EXPECT_EQ(formatNumber(-0.001, format), QStringLiteral("0.00")); // no sign on a zero
    EXPECT_EQ(formatNumber(std::nullopt, format), QString());
    format.decimalPlaces = 0;
    EXPECT_EQ(formatNumber(999999999999999.0, format), QStringLiteral("999999999999999"));
}

TEST(NumberText, ParsesWhatAUserTypes) {
    const NumberFormat format{2, QLatin1Char(','), MinusSign::InFront};
    const auto value = [&](const char* text) {
        const ParsedNumber parsed = parseNumber(QLatin1String(text), format);
        return parsed.kind == ParsedNumber::Kind::Number ? std::optional(parsed.value)
                                                         : std::nullopt;
    };
    EXPECT_EQ(value("1,5"), 1.5);
    EXPECT_EQ(value("1.5"), 1.5);
    EXPECT_EQ(value(" (2,25) "), -2.25);
    EXPECT_EQ(value("3-"), -3.0);
    EXPECT_EQ(value("+4"), 4.0);
    EXPECT_EQ(value("1,2,3"), std::nullopt);
    EXPECT_EQ(value("-"), std::nullopt);
    EXPECT_EQ(value("1e3"), std::nullopt);
    EXPECT_EQ(parseNumber(QStringLiteral("  "), format).kind, ParsedNumber::Kind::Empty);
}

} // namespace
} // namespace tarnwick::fenbase6::test
