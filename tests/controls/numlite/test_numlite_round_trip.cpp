// What is put, typed, bound or saved comes back as it went in: the widest bounds through both
// saved forms, SelText under the number rules, places that only change the display, loads
// that fail without touching the control, and numbers as text in the control's decimal point.
#include "com/memory_stream.h"
#include "com/property_bag.h"
#include "com/property_bag_text.h"
#include "numlite_test_support.h"

#include <gtest/gtest.h>

using namespace tarnwick;
using namespace tarnwick::com;
using namespace tarnwick::numlite;
using namespace tarnwick::numlite::test;

namespace {

Variant text(const char* value) {
    return Variant(QString::fromUtf8(value));
}

Variant places(std::int16_t count) {
    return Variant(count);
}

QByteArray savedStream(FenNumLite& control) {
    auto stream = makeObject<MemoryStream>();
    control.Save(*stream, true);
    return stream->bytes();
}

QByteArray savedBagText(FenNumLite& control) {
    auto bag = makeObject<PropertyBag>();
    control.Save(*bag, true, true);
    return propertyBagToText(*bag);
}

class NumLiteRoundTrip : public ::testing::TestWithParam<bool> { // with or without a window
protected:
    void SetUp() override {
        if (GetParam()) {
            f.createWindow();
        }
    }
    NumLiteFixture f;
};

} // namespace

TEST_P(NumLiteRoundTrip, BoundsBeyondFifteenNinesComeBackFromBothForms) {
    f.put(u"DecimalPlaces", places(14));
    f.put(u"MaxValue", Variant(999999999999999.5));
    f.put(u"MinValue", text("-999999999999999.99999999999999"));
    const Variant minimum = f.get(u"MinValue");
    EXPECT_EQ(f.putError(u"MaxValue", text("1000000000000000")), 380);

    for (const bool stream : {true, false}) {
        NumLiteFixture loaded;
        if (GetParam()) {
            loaded.createWindow();
        }
        if (stream) {
            loaded.control->Load(*makeObject<MemoryStream>(savedStream(*f.control)));
        } else {
            loaded.control->Load(*propertyBagFromText(savedBagText(*f.control)));
        }
        EXPECT_EQ(loaded.get(u"MaxValue"), Variant(999999999999999.5)) << stream;
        EXPECT_EQ(loaded.get(u"MinValue"), minimum) << stream;
        EXPECT_EQ(savedStream(*loaded.control), savedStream(*f.control)) << stream;
    }
}

TEST_P(NumLiteRoundTrip, LoweringDecimalPlacesOnlyChangesTheDisplay) {
    f.put(u"DecimalPlaces", places(2));
    f.put(u"Value", Variant(1.25));
    f.events->calls.clear();
    f.put(u"DecimalPlaces", places(1));
    EXPECT_EQ(f.get(u"Value"), Variant(1.25));
    if (GetParam()) {
        EXPECT_EQ(f.get(u"Text"), text("1.3"));
    }
    EXPECT_TRUE(f.eventIds().empty());
    // Saved and replayed after the places, it is still the value it was.
    NumLiteFixture loaded;
    loaded.createWindow();
    loaded.control->Load(*makeObject<MemoryStream>(savedStream(*f.control)));
    EXPECT_EQ(loaded.get(u"Value"), Variant(1.25));
    f.put(u"DecimalPlaces", places(2));
    EXPECT_EQ(f.get(u"Value"), Variant(1.25));
}

TEST_P(NumLiteRoundTrip, FailedLoadLeavesTheControlAsItWas) {
    f.put(u"DecimalPlaces", places(2));
    f.put(u"MaxValue", Variant(500.0));
    f.put(u"Value", Variant(12.5));
    const QByteArray before = savedStream(*f.control);
    QByteArray damaged = before;
    damaged.chop(3);
    f.events->calls.clear();
    EXPECT_NE(
        com::test::errorNumberOf([&] { f.control->Load(*makeObject<MemoryStream>(damaged)); }), 0);
    EXPECT_EQ(savedStream(*f.control), before);
    EXPECT_TRUE(f.eventIds().empty()); // the engine never saw the damaged values

    // The engine refuses a digit as the decimal point: the load fails and changes nothing.
    const ComPtr<PropertyBag> bag = propertyBagFromText(savedBagText(*f.control));
    bag->Write(QStringLiteral("DecimalPoint"), text("5"));
    EXPECT_EQ(com::test::errorNumberOf([&] { f.control->Load(*bag); }), 380);
    EXPECT_EQ(f.get(u"DecimalPoint"), text("."));
    EXPECT_EQ(f.get(u"Value"), Variant(12.5));
    EXPECT_EQ(savedStream(*f.control), before);
}

TEST_P(NumLiteRoundTrip, TextInTheControlsDecimalPointIsANumberEverywhere) {
    f.put(u"DecimalPoint", text(","));
    f.put(u"DecimalPlaces", places(2));
    f.put(u"Value", text("4,25"));
    EXPECT_EQ(f.get(u"Value"), Variant(4.25));
    f.put(u"MaxValue", text("10,5"));
    EXPECT_EQ(f.get(u"MaxValue"), Variant(10.5));
    f.put(u"DataBind", text("3,5"));
    EXPECT_EQ(f.get(u"Value"), Variant(3.5));
    EXPECT_EQ(f.get(u"DataBind"), text("3,5"));
    EXPECT_TRUE(f.eventIds().empty() || f.events->calls.front().id != NumLiteEventIds::DBError);
}

TEST_P(NumLiteRoundTrip, AValueOutsideTheRangeIsRefusedWhenPulled) {
    f.put(u"Value", Variant(50.0));
    f.put(u"MaxValue", Variant(10.0)); // a bound does not move the value
    f.events->calls.clear();
    EXPECT_EQ(f.getError(u"DataBind"), 380);
    ASSERT_EQ(f.events->calls.size(), 1u);
    EXPECT_EQ(f.events->calls[0].id, NumLiteEventIds::DBError);
    EXPECT_EQ(f.events->calls[0].args[0], Variant(std::int16_t{1}));
}

TEST_P(NumLiteRoundTrip, NegativeColorAndMouseIconPutRules) {
    f.put(u"NegativeColor", Variant(static_cast<std::int32_t>(0x12345678)));
    EXPECT_EQ(f.get(u"NegativeColor"), Variant(static_cast<std::int32_t>(0x12345678)));
    EXPECT_EQ(f.putError(u"NegativeColor", Variant(static_cast<std::int32_t>(0x80000019u))), 380);
    EXPECT_EQ(f.putError(u"MouseIcon", Variant(std::int32_t{5})), 380);
    EXPECT_EQ(f.putError(u"MouseIcon", text("icon")), 380);
    // Saved and loaded as it was put.
    NumLiteFixture loaded;
    loaded.control->Load(*makeObject<MemoryStream>(savedStream(*f.control)));
    EXPECT_EQ(loaded.get(u"NegativeColor"), Variant(static_cast<std::int32_t>(0x12345678)));
}

INSTANTIATE_TEST_SUITE_P(WindowOrNot, NumLiteRoundTrip, ::testing::Bool());

TEST(NumLiteSelText, ThePutResultMustBeANumberTheControlTakes) {
    NumLiteFixture f;
    f.createWindow();
    f.put(u"MaxValue", Variant(10.0));
    f.put(u"IntegerPlaces", places(4));
    f.put(u"Value", Variant(7.0));
    const auto replaceAll = [&](const char* replacement) {
        f.put(u"SelStart", Variant(std::int32_t{0}));
        f.put(u"SelLength", Variant(std::int32_t{100}));
        return f.putError(u"SelText", text(replacement));
    };
    for (const char* refused : {"--", "500", "12345", "-", "1x"}) {
        EXPECT_EQ(replaceAll(refused), 380) << refused;
        EXPECT_EQ(f.get(u"Text"), text("7")) << refused;
        EXPECT_EQ(f.get(u"Value"), Variant(7.0)) << refused;
    }
    EXPECT_EQ(replaceAll("9"), 0);
    EXPECT_EQ(f.get(u"Value"), Variant(9.0));
    // Appending at the caret: "9" then "5" would be 95, above the maximum.
    f.put(u"SelStart", Variant(std::int32_t{1}));
    EXPECT_EQ(f.putError(u"SelText", text("5")), 380);
    f.put(u"ReadOnly", Variant(true));
    EXPECT_EQ(replaceAll("3"), 380);
    EXPECT_EQ(f.get(u"Value"), Variant(9.0));
}
