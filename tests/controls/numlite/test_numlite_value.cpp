// The number model against the real number engine: value, bounds, places, decimal point,
// colour, design-time rules, text reads and data binding.
#include "numlite_test_support.h"

#include <gtest/gtest.h>

using namespace tarnwick;
using namespace tarnwick::com;
using namespace tarnwick::numlite;
using namespace tarnwick::numlite::test;

namespace {

const Variant kNull = Variant::null();

Variant text(const char* value) {
    return Variant(QString::fromLatin1(value));
}

class NumLiteValue : public ::testing::TestWithParam<bool> {}; // with or without a window

} // namespace

TEST_P(NumLiteValue, NewControlHoldsZeroAndTakesTheWidestValues) {
    NumLiteFixture f;
    if (GetParam()) {
        f.createWindow();
    }
    EXPECT_EQ(f.get(u"Value"), Variant(0.0));
    EXPECT_EQ(f.get(u"MinValue"), Variant(-999999999999999.0));
    EXPECT_EQ(f.get(u"MaxValue"), Variant(999999999999999.0));
    EXPECT_EQ(f.get(u"ValueIsNull"), Variant(false));
    f.put(u"Value", Variant(999999999999999.0));
    EXPECT_EQ(f.get(u"Value"), Variant(999999999999999.0));
    f.put(u"Value", Variant(-999999999999999.0));
    EXPECT_EQ(f.get(u"Integer"), Variant(-999999999999999.0));
    EXPECT_EQ(f.putError(u"Value", Variant(1e16)), 380);
    EXPECT_EQ(f.putError(u"Value", text("twelve")), 380);
    EXPECT_EQ(f.get(u"Value"), Variant(-999999999999999.0));
}

TEST_P(NumLiteValue, IntegerPlacesNullTheValueAndDecimalPlacesDoNot) {
    NumLiteFixture f;
    if (GetParam()) {
        f.createWindow();
    }
    f.put(u"DecimalPlaces", Variant(std::int16_t{2}));
    f.put(u"Value", Variant(12.25));
    f.put(u"DecimalPlaces", Variant(std::int16_t{3}));
    EXPECT_EQ(f.get(u"Value"), Variant(12.25));
    f.put(u"IntegerPlaces", Variant(std::int16_t{0})); // the same count
    EXPECT_EQ(f.get(u"Value"), Variant(12.25));
    f.put(u"IntegerPlaces", Variant(std::int16_t{5}));
    EXPECT_EQ(f.get(u"ValueIsNull"), Variant(true));
    EXPECT_EQ(f.get(u"Integer"), Variant(0.0));
    EXPECT_EQ(f.get(u"Decimal"), Variant(0.0));
    EXPECT_EQ(f.putError(u"IntegerPlaces", Variant(std::int16_t{16})), 380);
    EXPECT_EQ(f.putError(u"DecimalPlaces", Variant(std::int16_t{-1})), 380);
    EXPECT_EQ(f.get(u"IntegerPlaces"), Variant(std::int16_t{5}));
}

TEST_P(NumLiteValue, NullReadsAsTextAtDesignTimeOnly) {
    NumLiteFixture f;
    if (GetParam()) {
        f.createWindow();
    }
    f.put(u"Value", kNull);
    EXPECT_TRUE(f.get(u"Value").isNull());
    f.setUserMode(false);
    EXPECT_EQ(f.get(u"Value"), text("(Null)"));
    for (const char16_t* runTimeOnly : {u"SelStart", u"SelLength", u"SelText",
                                        u"CurrentPosition", u"DataBind"}) {
        EXPECT_EQ(f.getError(runTimeOnly), 394) << QStringView(runTimeOnly).toString().toStdString();
    }
    EXPECT_EQ(f.putError(u"SelStart", Variant(std::int32_t{0})), 394);
    EXPECT_EQ(f.putError(u"SelText", text("1")), 394);
}

TEST_P(NumLiteValue, BoundValuesOutOfRangeOrUnusableRaiseDBError) {
    NumLiteFixture f;
    if (GetParam()) {
        f.createWindow();
    }
    EXPECT_EQ(f.putError(u"DataBind", text("1e16")), 380);
    EXPECT_EQ(f.putError(u"DataBind", text("abc")), 380);
    ASSERT_EQ(f.events->calls.size(), 2u);
    EXPECT_EQ(f.events->calls[0].id, NumLiteEventIds::DBError);
    EXPECT_EQ(f.events->calls[0].args[0], Variant(std::int16_t{1}));
    EXPECT_EQ(f.events->calls[1].args[0], Variant(std::int16_t{0}));
    f.put(u"DecimalPlaces", Variant(std::int16_t{1}));
    f.put(u"DataBind", text("42.5"));
    EXPECT_EQ(f.get(u"DataBind"), text("42.5"));
    f.put(u"DataBind", text(""));
    EXPECT_EQ(f.get(u"DataBind"), text(""));
}

TEST_P(NumLiteValue, DecimalPointAndNegativeColorRules) {
    NumLiteFixture f;
    if (GetParam()) {
        f.createWindow();
    }
    for (const Variant& refused : {text(""), text(",,"), Variant(QStringLiteral("\u20AC"))}) {
        EXPECT_EQ(f.putError(u"DecimalPoint", refused), 380);
    }
    f.put(u"DecimalPoint", text(","));
    EXPECT_EQ(f.get(u"DecimalPoint"), text(","));
    EXPECT_EQ(f.putError(u"NegativeColor", Variant(static_cast<std::int32_t>(0x80000019u))), 380);
    f.put(u"NegativeColor", Variant(static_cast<std::int32_t>(0x80000018u)));
    EXPECT_EQ(f.putError(u"MinusSign", Variant(std::int32_t{3})), 380);
    EXPECT_EQ(f.putError(u"ClearAction", Variant(std::int32_t{2})), 380);
}

INSTANTIATE_TEST_SUITE_P(WindowOrNot, NumLiteValue, ::testing::Bool());

TEST(NumLiteText, TextAndSelTextAreCutAt29And31Characters) {
    NumLiteFixture f;
    f.createWindow();
    f.put(u"DecimalPlaces", Variant(std::int16_t{14}));
    f.put(u"MinValue", text("-999999999999999.99999999999999"));
    f.put(u"Value", text("-999999999999999.99999999999999"));
    const QString shown = f.get(u"Text").toString();
    EXPECT_EQ(shown.size(), 29);
    f.put(u"SelStart", Variant(std::int32_t{0}));
    f.put(u"SelLength", Variant(std::int32_t{100}));
    const QString selected = f.get(u"SelText").toString();
    EXPECT_EQ(selected.size(), 31);
    EXPECT_TRUE(selected.startsWith(shown));
}

TEST(NumLiteText, TypedTextReachesTheValue) {
    NumLiteFixture f;
    f.createWindow();
    f.put(u"DecimalPlaces", Variant(std::int16_t{2}));
    f.put(u"Text", text("-12.5"));
    EXPECT_EQ(f.get(u"Value"), Variant(-12.5));
    EXPECT_EQ(f.get(u"Integer"), Variant(-12.0));
    EXPECT_EQ(f.get(u"Decimal"), Variant(-0.5));
    EXPECT_EQ(f.putError(u"Text", text("12x")), 380);
    EXPECT_EQ(f.get(u"Value"), Variant(-12.5));
}
