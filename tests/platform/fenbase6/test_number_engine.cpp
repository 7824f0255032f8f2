// The number engine's value, range, places and clear answers, and its text form.
#include "com/variant.h"
#include "engine_test_support.h"
#include "fenbase6/engine_messages.h"

#include <QLineEdit>
#include <QTest>
#include <algorithm>
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
    // Held as given, only shown with the places; exact, not -0.2559999...
    EXPECT_EQ(get(NumberMsg::GetDecimal), Variant(-0.256));
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
    const std::vector<std::uint16_t> expected{Notify::SpinUp,  Notify::Changed,  Notify::SpinUp,
                                              Notify::Changed, Notify::SpinDown, Notify::Changed};
    EXPECT_EQ(fixture.listener.codes(), expected);
}

TEST_F(NumberEngineTest, ExactDecimalsReachTheTextAndTheValue) {
    fixture.send(NumberMsg::SetDecimalPlaces, 2);
    EXPECT_EQ(put(NumberMsg::SetValue, Variant(0.1 + 0.2)), 0);
    EXPECT_EQ(edit()->text(), QStringLiteral("0.30"));
    EXPECT_EQ(get(NumberMsg::GetValue), Variant(0.3));
    EXPECT_EQ(put(NumberMsg::SetValue, Variant(QStringLiteral("1.005"))), 0);
    EXPECT_EQ(edit()->text(), QStringLiteral("1.01")); // a double 1.005 would give 1.00
    EXPECT_EQ(put(NumberMsg::SetValue, Variant(-999999999999999.0)), 0);
    EXPECT_EQ(edit()->text(), QStringLiteral("-999999999999999.00"));
    EXPECT_EQ(put(NumberMsg::SetValue, Variant(-1e16)), NumberMsg::kRefusedBase + 1);
    EXPECT_EQ(put(NumberMsg::SetValue, Variant(1e300)), NumberMsg::kRefusedBase + 1);
    EXPECT_EQ(put(NumberMsg::SetMaxValue, Variant(1e16)), 1);
    // Fewer places round only the display; an integer-place count the value no longer fits
    // nulls it.
    put(NumberMsg::SetValue, Variant(12.34));
    fixture.send(NumberMsg::SetDecimalPlaces, 1);
    EXPECT_EQ(edit()->text(), QStringLiteral("12.3"));
    EXPECT_EQ(get(NumberMsg::GetValue), Variant(12.34));
    fixture.send(NumberMsg::SetIntegerPlaces, 1);
    EXPECT_TRUE(get(NumberMsg::GetValue).isNull());
}

TEST_F(NumberEngineTest, TextReadsStopAtTheBufferGiven) {
    fixture.send(NumberMsg::SetDecimalPlaces, 14);
    fixture.send(NumberMsg::SetMinusSign, 0);
    put(NumberMsg::SetValue, Variant(-999999999999999.0));
    EXPECT_EQ(edit()->text().size(), 32); // (15 digits, point, 14 decimals)
    char buffer[30];
    EXPECT_EQ(fixture.send(Msg::GetText, sizeof buffer, reinterpret_cast<LongParam>(buffer)), 29);
    EXPECT_EQ(QByteArray(buffer), QByteArray("(999999999999999.000000000000"));
}

TEST_F(NumberEngineTest, TypingIsCheckedKeyByKeyAgainstThePlaces) {
    fixture.send(NumberMsg::SetIntegerPlaces, 3);
    fixture.send(NumberMsg::SetDecimalPlaces, 2);
    struct Case {
        const char* typed;
        const char* shown;
        int refusals;
    };
    for (const Case& c : {Case{"12.5", "12.5", 0}, Case{"1234", "123", 1}, Case{"1.234", "1.23", 1},
                          Case{"1.2.", "1.2", 1}, Case{"-7", "-7", 0}, Case{"(7)", "(7)", 0},
                          Case{"7-", "7-", 0}, Case{"--", "-", 1}, Case{"x-5", "-5", 1}}) {
        edit()->selectAll();
        fixture.listener.notifications.clear();
        QTest::keyClicks(edit(), QLatin1String(c.typed));
        EXPECT_EQ(edit()->text(), QLatin1String(c.shown)) << c.typed;
        const auto codes = fixture.listener.codes();
        EXPECT_EQ(std::count(codes.begin(), codes.end(), Notify::NumberInvalidInput), c.refusals)
            << c.typed;
    }
    QTest::keyClick(edit(), Qt::Key_Return);
    EXPECT_EQ(get(NumberMsg::GetValue), Variant(-5.0));
    EXPECT_EQ(edit()->text(), QStringLiteral("-5.00"));
}

TEST_F(NumberEngineTest, SpinStopsAtTheBoundsOrWrapsFromThem) {
    fixture.send(NumberMsg::SetSpinKeys, 1);
    fixture.send(NumberMsg::SetSpinIncrement, 5);
    fixture.send(NumberMsg::SetIntegerPlaces, 2); // the places bound the spin: -99..99
    struct Case {
        double from;
        Qt::Key key;
        bool wrap;
        double to;
    };
    for (const Case& c : {Case{97, Qt::Key_Up, false, 99}, Case{99, Qt::Key_Up, false, 99},
                          Case{97, Qt::Key_Up, true, 99}, Case{99, Qt::Key_Up, true, -99},
                          Case{-96, Qt::Key_Down, false, -99}, Case{-99, Qt::Key_Down, true, 99},
                          Case{3, Qt::Key_Down, true, -2}}) {
        fixture.send(NumberMsg::SetSpinWrap, c.wrap ? 1 : 0);
        put(NumberMsg::SetValue, Variant(c.from));
        QTest::keyClick(edit(), c.key);
        EXPECT_EQ(get(NumberMsg::GetValue), Variant(c.to)) << c.from << " wrap " << c.wrap;
    }
    put(NumberMsg::SetValue, Variant::null());
    QTest::keyClick(edit(), Qt::Key_Up);
    EXPECT_EQ(get(NumberMsg::GetValue), Variant(5.0)); // Null spins from 0
    fixture.send(NumberMsg::SetSpinEnabled, 0);
    fixture.listener.notifications.clear();
    QTest::keyClick(edit(), Qt::Key_Up);
    EXPECT_EQ(get(NumberMsg::GetValue), Variant(5.0));
    EXPECT_TRUE(fixture.listener.notifications.empty());
}

TEST_F(NumberEngineTest, SpinButtonsStepAndRepeatWhereTheyAreShown) {
    const QPoint upButton(195, 3);
    QTest::mouseClick(edit(), Qt::LeftButton, {}, upButton);
    EXPECT_EQ(get(NumberMsg::GetValue), Variant(0.0)); // no buttons yet
    for (const WordParam layout : {WordParam{1}, WordParam{7}}) {
        fixture.send(NumberMsg::SetSpinLayout, layout);
        put(NumberMsg::SetValue, Variant(0.0));
        QTest::mouseClick(edit(), Qt::LeftButton, {}, upButton);
        EXPECT_EQ(get(NumberMsg::GetValue), Variant(1.0)) << layout;
        QTest::mouseClick(edit(), Qt::LeftButton, {}, QPoint(195, 20));
        EXPECT_EQ(get(NumberMsg::GetValue), Variant(0.0)) << layout;
    }
    // Held, the button repeats after the delay until released.
    fixture.send(NumberMsg::SetSpinDelay, 10);
    QTest::mousePress(edit(), Qt::LeftButton, {}, upButton);
    QTest::qWait(80);
    QTest::mouseRelease(edit(), Qt::LeftButton, {}, upButton);
    const double held = get(NumberMsg::GetValue).toDouble();
    EXPECT_GE(held, 3.0);
    QTest::qWait(30);
    EXPECT_EQ(get(NumberMsg::GetValue).toDouble(), held);
    // Shown on focus only: without the focus the strip shows the field's background.
    fixture.send(NumberMsg::SetSpinShow, 1);
    const auto stripColour = [&] { return edit()->grab().toImage().pixelColor(upButton); };
    EXPECT_NE(stripColour(), edit()->palette().color(QPalette::Base));
    fixture.next->setFocus();
    EXPECT_EQ(stripColour(), edit()->palette().color(QPalette::Base));
}

TEST_F(NumberEngineTest, ThreeZerosMultipliesByAThousandWithinTheLimits) {
    fixture.send(NumberMsg::SetDecimalPlaces, 3);
    put(NumberMsg::SetValue, Variant(0.001));
    fixture.send(NumberMsg::ThreeZero);
    EXPECT_EQ(edit()->text(), QStringLiteral("1.000"));
    put(NumberMsg::SetValue, Variant::null());
    fixture.send(NumberMsg::ThreeZero);
    EXPECT_EQ(get(NumberMsg::GetValue), Variant(0.0));
    put(NumberMsg::SetValue, Variant(1000000000000.0));
    fixture.listener.notifications.clear();
    fixture.send(NumberMsg::ThreeZero); // 10^15 has 16 integer digits
    EXPECT_EQ(get(NumberMsg::GetValue), Variant(1000000000000.0));
    EXPECT_EQ(fixture.listener.codes(), std::vector<std::uint16_t>{Notify::NumberInvalidInput});
}

TEST_F(NumberEngineTest, LettersAreInvalidInput) {
    edit()->selectAll();
    QTest::keyClicks(edit(), QStringLiteral("a"));
    EXPECT_EQ(fixture.listener.codes(), std::vector<std::uint16_t>{Notify::NumberInvalidInput});
}

} // namespace
} // namespace tarnwick::fenbase6::test
