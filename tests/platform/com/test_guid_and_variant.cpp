#include "com/com_error.h"
#include "com/guid.h"
#include "com/std_font.h"
#include "com/variant.h"
#include "com_test_support.h"

#include <gtest/gtest.h>

using namespace tarnwick::com;
using namespace tarnwick::com::test;

namespace {

constexpr Guid kSample{
    0x0BE35203, 0x8F91, 0x11CE, {0x9D, 0xE3, 0x00, 0xAA, 0x00, 0x4B, 0xB8, 0x51}};

} // namespace

TEST(Guid, TextAndByteFormsRoundTrip) {
    EXPECT_EQ(kSample.toString(), QStringLiteral("{0BE35203-8F91-11CE-9DE3-00AA004BB851}"));
    EXPECT_EQ(Guid::fromString(QStringLiteral("{0be35203-8f91-11ce-9de3-00aa004bb851}")), kSample);
    EXPECT_EQ(kSample.toBytes().toHex(), QByteArray("0352e30b918fce119de300aa004bb851"))
        << "the first three parts are little-endian";
    EXPECT_EQ(Guid::fromBytes(kSample.toBytes()), kSample);
    EXPECT_FALSE(Guid::fromBytes(QByteArray(15, '\0')));
}

TEST(Guid, MalformedTextIsRefused) {
    for (const char* text :
         {"0BE35203-8F91-11CE-9DE3-00AA004BB851", "{0BE35203-8F91-11CE-9DE3-00AA004BB85}",
          "{0BE35203-8F91-11CE-9DE3-00AA004BB85G}", "{0BE35203-8F9111CE-9DE3-00AA004BB8512}",
          "{0BE35203+8F91-11CE-9DE3-00AA004BB851}", ""}) {
        EXPECT_FALSE(Guid::fromString(QString::fromLatin1(text))) << text;
    }
}

TEST(VariantConversion, TextToNumbersAsAPutReceivesThem) {
    EXPECT_EQ(Variant(QStringLiteral("12")).toInt16(), 12);
    EXPECT_EQ(Variant(QStringLiteral(" -7 ")).toInt32(), -7);
    EXPECT_EQ(Variant(QStringLiteral("1e3")).toInt16(), 1000);
    EXPECT_EQ(Variant(QStringLiteral("2.5")).toInt16(), 2) << "halves round to even";
    EXPECT_EQ(Variant(QStringLiteral("3.5")).toInt16(), 4);
    EXPECT_EQ(Variant(QStringLiteral("true")).toInt16(), -1);
    EXPECT_TRUE(Variant(QStringLiteral("False")).convertedTo(VariantType::Boolean) ==
                Variant(false));
    EXPECT_EQ(errorNumberOf([] { Variant(QStringLiteral("12abc")).toInt16(); }),
              ErrorNumber::TypeMismatch);
    EXPECT_EQ(errorNumberOf([] { Variant(QString()).toInt16(); }), ErrorNumber::TypeMismatch);
    EXPECT_EQ(errorNumberOf([] { Variant(QStringLiteral("40000")).toInt16(); }),
              ErrorNumber::Overflow);
}

TEST(VariantConversion, RangesOverflowAndUnconvertibleTypes) {
    EXPECT_EQ(Variant(2147483647.4).toInt32(), 2147483647);
    EXPECT_EQ(errorNumberOf([] { Variant(2147483648.0).toInt32(); }), ErrorNumber::Overflow);
    EXPECT_EQ(errorNumberOf([] { Variant(-32768.6).toInt16(); }), ErrorNumber::Overflow);
    EXPECT_EQ(errorNumberOf([] { Variant(std::numeric_limits<double>::quiet_NaN()).toInt32(); }),
              ErrorNumber::Overflow);
    EXPECT_EQ(errorNumberOf([] { Variant(std::int32_t{70000}).toInt16(); }), ErrorNumber::Overflow);
    EXPECT_EQ(errorNumberOf([] { Variant::null().toInt16(); }), ErrorNumber::InvalidUseOfNull);
    EXPECT_EQ(errorNumberOf([] { Variant::null().toString(); }), ErrorNumber::InvalidUseOfNull);
    EXPECT_EQ(errorNumberOf([] { Variant(QByteArray("ab")).toString(); }),
              ErrorNumber::TypeMismatch);
    EXPECT_EQ(errorNumberOf([] { Variant(std::int16_t{1}).toObject(); }),
              ErrorNumber::TypeMismatch);
    EXPECT_EQ(errorNumberOf([] { Variant(std::int32_t{5}).errorCode(); }),
              ErrorNumber::TypeMismatch);
    EXPECT_EQ(Variant().toInt16(), 0);
    EXPECT_EQ(Variant().toString(), QString());
}

TEST(VariantConversion, BooleansAndText) {
    EXPECT_EQ(Variant(true).toInt16(), -1) << "true is -1";
    EXPECT_EQ(Variant(true).type(), VariantType::Boolean);
    EXPECT_TRUE(Variant(0.1).toBool());
    EXPECT_EQ(Variant(true).toString(), QStringLiteral("True"));
    EXPECT_EQ(Variant(0.5).toString(), QStringLiteral("0.5"));
    EXPECT_EQ(Variant(1e20).toString(), QStringLiteral("1E+20"));
    EXPECT_EQ(Variant(1.0 / 3.0).toString(), QStringLiteral("0.333333333333333"));
    EXPECT_EQ(Variant(std::int16_t{-3}).toString(), QStringLiteral("-3"));
}

TEST(VariantConversion, ObjectsConvertThroughTheirDefaultMember) {
    FontDescription description;
    description.name = QStringLiteral("Serif");
    const auto font = makeObject<StdFont>(description);
    const Variant object(font->unknown());
    EXPECT_EQ(object.toString(), QStringLiteral("Serif")) << "Name is the font's default member";
    EXPECT_EQ(errorNumberOf([] { Variant(ComPtr<IUnknown>()).toString(); }),
              ErrorNumber::ObjectNotSet);
    EXPECT_FALSE(Variant(ComPtr<IUnknown>()).toObject());
}

TEST(VariantReference, AssignmentReachesTheTargetAndKeepsItsType) {
    Variant keyAscii(std::int16_t{65});
    Variant reference = Variant::reference(keyAscii);
    EXPECT_TRUE(reference.isReference());
    EXPECT_EQ(reference.type(), VariantType::Int16);
    EXPECT_EQ(reference.toInt16(), 65);

    reference.assignThroughReference(Variant(QStringLiteral("0")));
    EXPECT_TRUE(keyAscii == Variant(std::int16_t{0})) << "converted to the target's type";
    EXPECT_EQ(
        errorNumberOf([&] { reference.assignThroughReference(Variant(QStringLiteral("x"))); }),
        ErrorNumber::TypeMismatch);
    EXPECT_EQ(keyAscii.toInt16(), 0) << "a refused assignment leaves the target";

    const Variant again = Variant::reference(reference);
    again.assignThroughReference(Variant(7.0));
    EXPECT_EQ(keyAscii.toInt16(), 7) << "a reference to a reference reaches the first target";

    EXPECT_EQ(errorNumberOf([] { Variant(true).assignThroughReference(Variant(false)); }),
              ErrorNumber::InvalidArgument);
}

TEST(VariantType, PersistedTags) {
    EXPECT_EQ(variantTypeFromTag(5), VariantType::Double);
    EXPECT_EQ(variantTypeFromTag(1), VariantType::Null);
    EXPECT_FALSE(variantTypeFromTag(6)) << "no currency type here";
    EXPECT_FALSE(variantTypeFromTag(-1));
}
