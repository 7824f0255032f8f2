// Both saved forms: the exact list of names and types, the three number variants as payload
// and type tag, and byte-for-byte round trips.
#include "com/memory_stream.h"
#include "com/property_bag.h"
#include "com/property_bag_text.h"
#include "numlite_test_support.h"

#include <QtEndian>
#include <gtest/gtest.h>

using namespace tarnwick;
using namespace tarnwick::com;
using namespace tarnwick::numlite;
using namespace tarnwick::numlite::test;

namespace {

QByteArray savedStream(FenNumLite& control) {
    auto stream = makeObject<MemoryStream>();
    control.Save(*stream, true);
    return stream->bytes();
}

ComPtr<PropertyBag> savedBag(FenNumLite& control) {
    auto bag = makeObject<PropertyBag>();
    control.Save(*bag, true, true);
    return bag;
}

// A control with every number setting away from its default, the value Null.
void changeEverything(NumLiteFixture& f) {
    f.put(u"IntegerPlaces", Variant(std::int16_t{7}));
    f.put(u"DecimalPlaces", Variant(std::int16_t{3}));
    f.put(u"DecimalPoint", Variant(QStringLiteral(",")));
    f.put(u"MinValue", Variant(-50.5));
    f.put(u"MaxValue", Variant(1234.125));
    f.put(u"MinusSign", Variant(std::int32_t{2}));
    f.put(u"NegativeColor", Variant(std::int32_t{0x00123456}));
    f.put(u"ClearAction", Variant(std::int32_t{1}));
    f.put(u"HighlightText", Variant(true));
    f.put(u"Value", Variant::null());
    const auto spin = f.spin();
    const Variant visible(std::int16_t{2});
    spin->Invoke(fenbase6::SpinDispIds::Visible, InvokeKind::Put,
                 std::span<const Variant>(&visible, 1));
}

class NumLitePersistence : public ::testing::TestWithParam<bool> {}; // with or without a window

} // namespace

TEST_P(NumLitePersistence, BagHoldsTheExactListWithTheVariantsAsPayloadAndTag) {
    NumLiteFixture f;
    if (GetParam()) {
        f.createWindow();
    }
    f.put(u"DecimalPlaces", Variant(std::int16_t{1}));
    f.put(u"Value", Variant(12.5));
    const ComPtr<PropertyBag> bag = savedBag(*f.control);
    QStringList names;
    for (const PropertyBag::Entry& entry : bag->entries()) {
        names << entry.name;
    }
    EXPECT_EQ(names.join(QLatin1Char(' ')),
              QStringLiteral(
                  "_Version _ExtentX _ExtentY Caption Font Keys MouseIcon Spin AlignHorizontal "
                  "AlignVertical Appearance BackColor BorderStyle ClearAction DecimalPlaces "
                  "DecimalPoint EditMode Enabled ErrorBeep ForeColor HighlightText IntegerPlaces "
                  "MarginBottom MarginLeft MarginRight MarginTop MaxValue MinusSign MinValue "
                  "MousePointer MoveOnLRKey NegativeColor OLEDragMode OLEDropMode ReadOnly "
                  "ShowContextMenu ValueVT Value MaxValueVT MinValueVT"));
    const auto value = [&](const char* name) { return *bag->Read(QLatin1String(name)); };
    EXPECT_EQ(value("Value"), Variant(12.5));
    EXPECT_EQ(value("ValueVT"), Variant(std::int32_t{5}));
    EXPECT_EQ(value("MinValue"), Variant(-999999999999999.0));
    EXPECT_EQ(value("NegativeColor"), Variant(std::int32_t{255}));
    EXPECT_EQ(value("AlignHorizontal"), Variant(std::int16_t{1}));
}

TEST_P(NumLitePersistence, BothFormsRoundTripByteForByte) {
    NumLiteFixture f;
    if (GetParam()) {
        f.createWindow();
    }
    changeEverything(f);
    const QByteArray stream = savedStream(*f.control);
    const QByteArray bag = propertyBagToText(*savedBag(*f.control));

    NumLiteFixture fromStream;
    auto in = makeObject<MemoryStream>(stream);
    fromStream.control->Load(*in);
    EXPECT_EQ(savedStream(*fromStream.control), stream);
    EXPECT_TRUE(fromStream.get(u"ValueIsNull").toBool());
    EXPECT_EQ(fromStream.get(u"MaxValue"), Variant(1234.125));
    EXPECT_EQ(fromStream.spin()->Invoke(0, InvokeKind::Get, {}), Variant(std::int16_t{2}));

    NumLiteFixture fromBag;
    fromBag.control->Load(*propertyBagFromText(bag));
    EXPECT_EQ(propertyBagToText(*savedBag(*fromBag.control)), bag);
    EXPECT_EQ(fromBag.get(u"DecimalPoint"), Variant(QStringLiteral(",")));

    // The stream ends with the value's tag and payload and the bounds' tags.
    const QByteArray tail = stream.right(4 + 8 + 4 + 4);
    EXPECT_EQ(qFromLittleEndian<std::int32_t>(tail.constData()), 1); // Null
    EXPECT_EQ(qFromLittleEndian<std::int32_t>(tail.constData() + 12), 5);
    EXPECT_EQ(qFromLittleEndian<std::int32_t>(tail.constData() + 16), 5);
}

INSTANTIATE_TEST_SUITE_P(WindowOrNot, NumLitePersistence, ::testing::Bool());

TEST(NumLitePersistenceDamage, UnusableSavedNumbersLeaveANewControl) {
    NumLiteFixture f;
    f.put(u"IntegerPlaces", Variant(std::int16_t{7}));
    const ComPtr<PropertyBag> bag = savedBag(*f.control);
    for (const auto& [name, bad] : {std::pair{"ValueVT", Variant(std::int32_t{8})},
                                    std::pair{"MinValueVT", Variant(std::int32_t{1})},
                                    std::pair{"MaxValue", Variant(1e300)},
                                    std::pair{"IntegerPlaces", Variant(std::int16_t{40})},
                                    std::pair{"DecimalPoint", Variant(QString())}}) {
        const ComPtr<PropertyBag> damaged = propertyBagFromText(propertyBagToText(*bag));
        damaged->Write(QLatin1String(name), bad);
        NumLiteFixture other;
        EXPECT_EQ(com::test::errorNumberOf([&] { other.control->Load(*damaged); }), 380) << name;
        EXPECT_EQ(other.get(u"IntegerPlaces"), Variant(std::int16_t{0})) << name;
    }
}
