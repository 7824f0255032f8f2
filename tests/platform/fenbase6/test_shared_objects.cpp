// The Caption, Key and Spin objects: members, defaults, refusals, change signalling and both
// persistence forms.
#include "com/memory_stream.h"
#include "com/object_stream.h"
#include "com/property_bag.h"
#include "com/property_bag_text.h"
#include "com/std_font.h"
#include "fenbase6/caption_object.h"
#include "fenbase6/key_object.h"
#include "fenbase6/ole_color.h"
#include "fenbase6/spin_object.h"
#include "platform/com/com_test_support.h"

#include <gtest/gtest.h>

namespace tarnwick::fenbase6::test {
namespace {

using com::DispId;
using com::InvokeKind;
using com::Variant;
using com::test::errorNumberOf;

Variant get(com::IDispatch& object, const char* name) {
    return object.Invoke(object.GetTypeInfo().idOfName(QString::fromLatin1(name)), InvokeKind::Get, {});
}

void put(com::IDispatch& object, const char* name, const Variant& value,
         InvokeKind how = InvokeKind::Put) {
    object.Invoke(object.GetTypeInfo().idOfName(QString::fromLatin1(name)), how,
                  std::span<const Variant>(&value, 1));
}

long putError(com::IDispatch& object, const char* name, const Variant& value) {
    return errorNumberOf([&] { put(object, name, value); });
}

QByteArray streamBytes(com::IPersistStreamInit& object) {
    const auto stream = com::makeObject<com::MemoryStream>();
    object.Save(*stream, true);
    return stream->bytes();
}

QByteArray bagText(com::IPersistPropertyBag& object) {
    const auto bag = com::makeObject<com::PropertyBag>();
    object.Save(*bag, true, true);
    return com::propertyBagToText(*bag);
}

// Saving, loading into a new object of the same class and saving again gives the same bytes,
// in both forms.
template <typename T> void expectRoundTrips(T& original) {
    const QByteArray bytes = streamBytes(original);
    const auto fromStream = com::makeObject<T>();
    const auto stream = com::makeObject<com::MemoryStream>(bytes);
    fromStream->Load(*stream);
    EXPECT_EQ(stream->Seek(0, com::SeekOrigin::Current), bytes.size());
    EXPECT_EQ(streamBytes(*fromStream), bytes);

    const QByteArray text = bagText(original);
    const auto fromBag = com::makeObject<T>();
    fromBag->Load(*com::propertyBagFromText(text));
    EXPECT_EQ(bagText(*fromBag), text);
    EXPECT_EQ(streamBytes(*fromBag), bytes);
}

TEST(CaptionObject, MembersDefaultsAndRefusals) {
    const auto caption = com::makeObject<CaptionObject>();
    const com::TypeInfo& info = caption->GetTypeInfo();
    const std::vector<std::pair<const char*, DispId>> ids{
        {"Text", 0},   {"AlignHorizontal", 1}, {"AlignVertical", 2}, {"BackColor", 3},
        {"Font", 4},   {"Font3D", 5},          {"ForeColor", 6},     {"Position", 7},
        {"Size", 8},   {"Spacing", 9},         {"WordWrap", 11}};
    ASSERT_EQ(info.members().size(), ids.size());
    for (const auto& [name, id] : ids) {
        EXPECT_EQ(info.idOfName(QString::fromLatin1(name)), id) << name;
    }
    EXPECT_EQ(get(*caption, "Text"), Variant(QString()));
    EXPECT_EQ(get(*caption, "AlignVertical"), Variant(CaptAlignV::Center));
    EXPECT_EQ(get(*caption, "BackColor"), Variant(static_cast<std::int32_t>(0x8000000F)));
    EXPECT_EQ(get(*caption, "Size"), Variant(std::int16_t{0}));
    EXPECT_EQ(get(*caption, "WordWrap"), Variant(false));

    EXPECT_EQ(putError(*caption, "AlignHorizontal", Variant(std::int16_t{4})), 380);
    EXPECT_EQ(putError(*caption, "Position", Variant(std::int16_t{-1})), 380);
    EXPECT_EQ(putError(*caption, "Size", Variant(std::int16_t{-1})), 380);
    EXPECT_EQ(putError(*caption, "BackColor", Variant(static_cast<std::int32_t>(0x80000019))),
              380);
    EXPECT_EQ(putError(*caption, "ForeColor", Variant(0x01000000)), 380);
    EXPECT_EQ(putError(*caption, "Font", Variant(com::ComPtr<com::IUnknown>())), 380);
    EXPECT_EQ(putError(*caption, "Spacing", Variant(QStringLiteral("wide"))), 13);
    EXPECT_EQ(get(*caption, "AlignHorizontal"), Variant(CaptAlignH::Left));
    EXPECT_EQ(putError(*caption, "Size", Variant(QStringLiteral("30"))), 0);
    EXPECT_EQ(caption->GetSize(), 30);
}

TEST(CaptionObject, EveryAcceptedPutAndFontChangeIsSignalled) {
    const auto caption = com::makeObject<CaptionObject>();
    const auto sink = com::makeObject<com::test::PropertySink>();
    com::IConnectionPoint* point = nullptr;
    ASSERT_EQ(caption->FindConnectionPoint(com::IPropertyNotifySink::kIid, &point), com::S_OK);
    const auto held = com::ComPtr<com::IConnectionPoint>::adopt(point);
    std::uint32_t cookie = 0;
    ASSERT_EQ(held->Advise(sink->unknown(), &cookie), com::S_OK);

    put(*caption, "Text", Variant(QStringLiteral("Name")));
    putError(*caption, "Size", Variant(std::int16_t{-4}));
    const auto font = get(*caption, "Font").toObject().query<com::IDispatch>();
    put(*font, "Size", Variant(14.0));
    const auto other = com::makeObject<com::StdFont>();
    put(*caption, "Font", Variant(other->unknown()), InvokeKind::PutRef);
    put(*font, "Bold", Variant(true)); // the old font no longer reaches the caption
    put(*other, "Italic", Variant(true));
    const std::vector<DispId> expected{CaptionDispIds::Text, CaptionDispIds::Font,
                                       CaptionDispIds::Font, CaptionDispIds::Font};
    EXPECT_EQ(sink->changed, expected);
    EXPECT_TRUE(caption->IsDirty());
    held->Unadvise(cookie);
}

TEST(CaptionObject, InitialValuesAreTakenWithoutSignalling) {
    const auto caption = com::makeObject<CaptionObject>();
    const auto ambient = com::makeObject<com::StdFont>(com::FontDescription{
        QStringLiteral("Serif"), 12.0, com::FontDescription::kBoldWeight, 0, false, false, false});
    caption->SetInitialValues(ambient->unknown(), 0x00112233u, 0x80000008u);
    EXPECT_FALSE(caption->IsDirty());
    EXPECT_EQ(get(*caption, "BackColor"), Variant(0x00112233));
    const auto font = get(*caption, "Font").toObject();
    EXPECT_FALSE(com::isSameObject(font.get(), ambient->unknown())); // a copy
    EXPECT_EQ(font.query<com::IFont>()->GetDescription().name, QStringLiteral("Serif"));
}

TEST(CaptionObject, PersistsByteForByteInBothFormsAndAsANestedObject) {
    const auto caption = com::makeObject<CaptionObject>();
    put(*caption, "Text", Variant(QStringLiteral("Stra\u00DFe")));
    put(*caption, "Position", Variant(CaptPos::Top));
    put(*caption, "Size", Variant(std::int16_t{18}));
    put(*caption, "WordWrap", Variant(true));
    put(*get(*caption, "Font").toObject().query<com::IDispatch>(), "Size", Variant(11.5));
    expectRoundTrips(*caption);

    const auto stream = com::makeObject<com::MemoryStream>();
    com::writeObjectToStream(*stream, caption->unknown());
    stream->Seek(0, com::SeekOrigin::Begin);
    const auto loaded = com::readObjectFromStream(*stream, [](const com::Guid& clsid) {
        return clsid == kCaptionClsid ? com::makeUnknown<CaptionObject>()
                                      : com::ComPtr<com::IUnknown>();
    });
    ASSERT_TRUE(loaded);
    EXPECT_EQ(get(*loaded.query<com::IDispatch>(), "Text"), Variant(QStringLiteral("Stra\u00DFe")));
    EXPECT_EQ(loaded.query<IFenCaption>()->GetPosition(), CaptPos::Top);
}

TEST(CaptionObject, DamagedDataIsRefused) {
    const auto caption = com::makeObject<CaptionObject>();
    put(*caption, "Size", Variant(std::int16_t{5}));
    QByteArray bytes = streamBytes(*caption);
    const auto wrongVersion = com::makeObject<com::MemoryStream>(QByteArray("\x02\x00", 2));
    EXPECT_NE(errorNumberOf([&] { caption->Load(*wrongVersion); }), 0);
    const auto truncated = com::makeObject<com::MemoryStream>(bytes.left(bytes.size() - 3));
    EXPECT_NE(errorNumberOf([&] { com::makeObject<CaptionObject>()->Load(*truncated); }), 0);
}

TEST(SpinObject, DefaultsHaveAFixedStreamForm) {
    const auto spin = com::makeObject<SpinObject>();
    const QByteArray expected("\x01\x00"           // format version
                              "\x00\x00"           // Visible fenNotShown
                              "\x64\x00\x00\x00"   // Delay 100
                              "\xFF\xFF"           // Enabled
                              "\x01\x00"           // Increment 1
                              "\x00\x00"           // Position fenSpinPosInside
                              "\x00\x00\x00\x00",  // Wrap, SpinKeys
                              18);
    EXPECT_EQ(streamBytes(*spin), expected);
    EXPECT_EQ(spin->GetTypeInfo().idOfName(u"Visible"), 0);
    EXPECT_EQ(spin->GetTypeInfo().idOfName(u"SpinKeys"), 7);
    EXPECT_EQ(putError(*spin, "Delay", Variant(40000)), 380);
    EXPECT_EQ(putError(*spin, "Visible", Variant(std::int16_t{3})), 380);
    EXPECT_EQ(putError(*spin, "Increment", Variant(std::int16_t{-1})), 380);
    put(*spin, "Visible", Variant(SpinVisible::ShowOnFocus));
    put(*spin, "Wrap", Variant(true));
    expectRoundTrips(*spin);
}

TEST(KeyObject, ListsHaveTheirIdsDefaultsAndSyntax) {
    const auto key = com::makeObject<KeyObject>();
    const com::TypeInfo& info = key->GetTypeInfo();
    const std::vector<std::pair<const char*, DispId>> ids{
        {"Clear", 0},     {"NextCtrl", 2},  {"PrevCtrl", 3},  {"NextField", 4},
        {"PrevField", 5}, {"Now", 6},       {"ThreeZero", 7}, {"DropDown", 8}};
    for (const auto& [name, id] : ids) {
        const com::MemberInfo* member = info.findMember(QString::fromLatin1(name));
        ASSERT_NE(member, nullptr) << name;
        EXPECT_EQ(member->id, id);
        EXPECT_EQ(member->hidden, id >= KeyDispIds::Now) << name;
    }
    EXPECT_EQ(get(*key, "NextCtrl"), Variant(QStringLiteral("{ENTER}")));
    EXPECT_EQ(putError(*key, "Clear", Variant(QStringLiteral("{NOKEY}"))), 380);
    EXPECT_EQ(putError(*key, "Clear", Variant(QStringLiteral("^^A"))), 380);
    EXPECT_EQ(putError(*key, "Clear", Variant(QStringLiteral("^{f3}, %x ,{#200}"))), 0);
    put(*key, "DropDown", Variant(QString()));
    expectRoundTrips(*key);
}

TEST(KeyObject, ActionLookupHonoursTheShiftStateAndTheEnableMask) {
    constexpr std::int32_t kEnter = 0x0D;
    constexpr std::int32_t kZero = 0x30;
    const auto key = com::makeObject<KeyObject>();
    IFenKeyActions& actions = *key;

    EXPECT_EQ(actions.ActionForKey(kEnter, 0), KeyAction::NextCtrl);
    EXPECT_EQ(actions.ActionForKey(kEnter, kShiftMask), KeyAction::PrevCtrl);
    EXPECT_EQ(actions.ActionForKey(kEnter, kCtrlMask), KeyAction::None);
    EXPECT_FALSE(actions.IsKeyBound(kEnter, 0, KeyAction::NextField)); // not enabled
    EXPECT_EQ(actions.ActionForKey(kZero, kCtrlMask), KeyAction::None);

    actions.SetEnabledActions(24); // the masked control: the field actions
    EXPECT_TRUE(actions.IsKeyBound(kEnter, 0, KeyAction::NextField));
    EXPECT_TRUE(actions.IsKeyBound(kEnter, 0, KeyAction::NextCtrl));
    EXPECT_EQ(actions.ActionForKey(kEnter, 0), KeyAction::NextCtrl);
    EXPECT_EQ(actions.ActionForKey(kZero, kCtrlMask), KeyAction::None);

    actions.SetEnabledActions(64); // the numeric control: three zeros
    EXPECT_EQ(actions.ActionForKey(kZero, kCtrlMask), KeyAction::ThreeZero);
    EXPECT_FALSE(actions.IsKeyBound(kEnter, 0, KeyAction::NextField));

    put(*key, "NextCtrl", Variant(QStringLiteral("{TAB}, ^{RIGHT}")));
    EXPECT_EQ(actions.ActionForKey(kEnter, 0), KeyAction::None);
    EXPECT_EQ(actions.ActionForKey(0x27, kCtrlMask), KeyAction::NextCtrl);
    EXPECT_FALSE(actions.IsKeyBound(0x09, 0, 8));
    EXPECT_FALSE(actions.IsKeyBound(0x09, 0, -1));
}

} // namespace
} // namespace tarnwick::fenbase6::test
