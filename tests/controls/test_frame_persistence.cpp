// Both persistence forms of a control built on the frame, byte for byte.
#include "com/font.h"
#include "com/memory_stream.h"
#include "com/property_bag.h"
#include "com/property_bag_text.h"
#include "frame/common_dispids.h"
#include "frame/std_picture.h"
#include "frame_test_support.h"

#include <QImage>
#include <gtest/gtest.h>

using namespace tarnwick;
using namespace tarnwick::com;
using namespace tarnwick::frame;
using namespace tarnwick::frame::test;
using com::test::errorNumberOf;

namespace {

QByteArray savedStream(FrameTestControl& control) {
    auto stream = makeObject<MemoryStream>();
    control.Save(*stream, true);
    return stream->bytes();
}

void loadStream(FrameTestControl& control, const QByteArray& bytes) {
    auto stream = makeObject<MemoryStream>(bytes);
    control.Load(*stream);
}

QByteArray savedBag(FrameTestControl& control) {
    auto bag = makeObject<PropertyBag>();
    control.Save(*bag, true, true);
    return propertyBagToText(*bag);
}

void loadBag(FrameTestControl& control, const QByteArray& text) {
    control.Load(*propertyBagFromText(text));
}

QByteArray littleEndian(std::int64_t value, int size) {
    QByteArray bytes;
    for (int i = 0; i < size; ++i) {
        bytes.append(static_cast<char>((value >> (8 * i)) & 0xFF));
    }
    return bytes;
}

// The values after the nested objects of a new test control, up to its Text.
QByteArray defaultValueBytes() {
    QByteArray bytes;
    const auto shortValue = [&](std::int16_t v) { bytes += littleEndian(v, 2); };
    const auto longValue = [&](std::int64_t v) { bytes += littleEndian(v, 4); };
    shortValue(0);         // AlignHorizontal
    shortValue(0);         // AlignVertical
    shortValue(1);         // Appearance
    longValue(0x80000005); // BackColor
    shortValue(1);         // BorderStyle
    shortValue(0);         // EditMode
    shortValue(-1);        // Enabled
    shortValue(0);         // ErrorBeep
    longValue(0x80000008); // ForeColor
    for (int margin = 0; margin < 4; ++margin) {
        shortValue(1);
    }
    shortValue(0);  // MousePointer
    shortValue(0);  // MoveOnLRKey
    shortValue(0);  // OLEDragMode
    shortValue(0);  // OLEDropMode
    shortValue(0);  // ReadOnly
    shortValue(-1); // ShowContextMenu
    return bytes;
}

} // namespace

TEST(FramePersistence, StreamStartsWithTheHeaderAndTheNestedObjects) {
    ControlFixture f;
    const QByteArray bytes = savedStream(*f.control);
    EXPECT_EQ(bytes.left(12),
              littleEndian(0x00060000, 4) + littleEndian(3175, 4) + littleEndian(635, 4));
    EXPECT_EQ(bytes.mid(12, 16), fenbase6::kCaptionClsid.toBytes());
    EXPECT_TRUE(bytes.contains(kStdFontClsid.toBytes()));
    EXPECT_TRUE(bytes.contains(fenbase6::kKeyClsid.toBytes()));
    // An absent MouseIcon is a null class identity right before the values; no Text is 0.
    const QByteArray tail = QByteArray(16, '\0') + defaultValueBytes() + littleEndian(0, 4);
    EXPECT_TRUE(bytes.endsWith(tail));
}

TEST(FramePersistence, StringsAreSavedAsByteCountTextAndNull) {
    ControlFixture f;
    f.put(u"Text", Variant(QString()));
    EXPECT_TRUE(savedStream(*f.control)
                    .endsWith(defaultValueBytes() + littleEndian(2, 4) + QByteArray(2, '\0')));
    f.put(u"Text", Variant(QStringLiteral("caf\u00e9")));
    EXPECT_TRUE(savedStream(*f.control)
                    .endsWith(defaultValueBytes() + littleEndian(10, 4) +
                              QByteArray("c\0a\0f\0\xE9\0\0\0", 10)));
}

TEST(FramePersistence, StreamRoundTripsByteForByte) {
    ControlFixture f;
    f.put(u"AlignHorizontal", Variant(std::int32_t{2}));
    f.put(u"MarginRight", Variant(std::int16_t{9}));
    f.put(u"BackColor", Variant(std::int32_t{0x123456}));
    f.put(u"EditMode", Variant(std::int32_t{fenOverwriteFixed}));
    f.put(u"Text", Variant(QStringLiteral("\u00c5se")));
    putPropertyRef(*f.control, u"MouseIcon",
                   Variant(makeUnknown<StdPicture>(QImage(4, 4, QImage::Format_ARGB32))));
    putProperty(*f.get(u"Caption").toObject().query<IDispatch>(), u"Text",
                Variant(QStringLiteral("Label")));
    const QByteArray saved = savedStream(*f.control);

    ControlFixture other;
    loadStream(*other.control, saved);
    EXPECT_EQ(savedStream(*other.control), saved);
    EXPECT_EQ(other.get(u"MarginRight"), Variant(std::int16_t{9}));
    EXPECT_EQ(other.get(u"Text"), Variant(QStringLiteral("\u00c5se")));
    EXPECT_TRUE(other.get(u"MouseIcon").toObject().query<IPicture>());
    EXPECT_FALSE(other.control->IsDirty());
}

TEST(FramePersistence, PropertyBagRoundTripsWithNamesAndNestedObjects) {
    ControlFixture f;
    f.put(u"MarginTop", Variant(std::int16_t{3}));
    f.put(u"ForeColor", Variant(std::int32_t{255}));
    const QByteArray saved = savedBag(*f.control);
    EXPECT_TRUE(saved.contains(R"("name": "MarginTop")"));
    EXPECT_TRUE(saved.contains(R"("object": null)")); // MouseIcon
    EXPECT_TRUE(saved.contains(R"("type": "Null")")); // no Text

    ControlFixture other;
    loadBag(*other.control, saved);
    EXPECT_EQ(savedBag(*other.control), saved);
    EXPECT_EQ(other.get(u"ForeColor"), Variant(std::int32_t{255}));
}

TEST(FramePersistence, AnAbsentMouseIconLoadsAsNone) {
    ControlFixture f;
    const QByteArray saved = savedStream(*f.control);
    ControlFixture other;
    putPropertyRef(*other.control, u"MouseIcon",
                   Variant(makeUnknown<StdPicture>(QImage(4, 4, QImage::Format_ARGB32))));
    loadStream(*other.control, saved);
    EXPECT_EQ(other.get(u"MouseIcon").toObject(), nullptr);
}

TEST(FramePersistence, LoadedCaptionAndFontAreConnectedAgain) {
    ControlFixture f;
    const QByteArray saved = savedStream(*f.control);
    ControlFixture other;
    loadStream(*other.control, saved);
    ASSERT_FALSE(other.control->IsDirty());

    auto sink = makeObject<com::test::PropertySink>();
    IConnectionPoint* point = nullptr;
    other.control->FindConnectionPoint(IPropertyNotifySink::kIid, &point);
    std::uint32_t cookie = 0;
    ComPtr<IConnectionPoint>::adopt(point)->Advise(sink->unknown(), &cookie);

    putProperty(*other.get(u"Caption").toObject().query<IDispatch>(), u"Text",
                Variant(QStringLiteral("Changed")));
    putProperty(*other.get(u"Font").toObject().query<IDispatch>(), u"Bold", Variant(true));
    EXPECT_EQ(sink->changed, (std::vector<DispId>{CommonDispIds::Caption, CommonDispIds::Font}));
    EXPECT_TRUE(other.control->IsDirty());
}

TEST(FramePersistence, DamagedDataIsRefusedAndLeavesTheControlAsItWas) {
    ControlFixture f;
    f.put(u"MarginLeft", Variant(std::int16_t{7}));
    const QByteArray saved = savedStream(*f.control);

    ControlFixture truncated;
    truncated.put(u"MarginLeft", Variant(std::int16_t{5}));
    EXPECT_EQ(errorNumberOf([&] { loadStream(*truncated.control, saved.left(saved.size() - 3)); }),
              STG_E_READFAULT);
    EXPECT_EQ(truncated.get(u"MarginLeft"), Variant(std::int16_t{5}));

    // A font where the caption belongs.
    QByteArray swapped = saved;
    swapped.replace(12, 16, kStdFontClsid.toBytes());
    ControlFixture wrongClass;
    EXPECT_EQ(errorNumberOf([&] { loadStream(*wrongClass.control, swapped); }),
              REGDB_E_CLASSNOTREG);

    // An alignment outside its enumeration.
    QByteArray outOfRange = saved;
    const qsizetype alignment = saved.size() - 4 - defaultValueBytes().size();
    outOfRange[alignment] = 7;
    ControlFixture refused;
    refused.put(u"AlignHorizontal", Variant(std::int32_t{2}));
    EXPECT_EQ(errorNumberOf([&] { loadStream(*refused.control, outOfRange); }), 380);
    EXPECT_EQ(refused.get(u"AlignHorizontal"), Variant(std::int32_t{2}));
    EXPECT_TRUE(refused.control->IsDirty()); // as it was before the load
}
