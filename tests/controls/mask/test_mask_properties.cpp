// The masked control's own members: defaults, the pattern put rules, contents, selection,
// data binding, and what reaches the engine when.
#include "fenbase6/engine_messages.h"
#include "mask_enums.h"
#include "mask_test_support.h"
#include "sample_formats.h"

#include <gtest/gtest.h>

using namespace tarnwick;
using namespace tarnwick::com;
using namespace tarnwick::fenbase6;
using namespace tarnwick::mask;
using namespace tarnwick::mask::test;

namespace {

const QString kPhone = QStringLiteral("(999)999-9999");

bool sentFormat(const RecordingEngine& engine) {
    const auto ids = engine.messages();
    return std::find(ids.begin(), ids.end(), MaskMsg::SetFormat) != ids.end();
}

} // namespace

TEST(MaskProperties, NewControlHasTheDocumentedDefaults) {
    MaskFixture f;
    EXPECT_EQ(f.text(u"Format"), QStringLiteral("&&&&&&&&&&"));
    EXPECT_EQ(f.text(u"PromptChar"), QStringLiteral("_"));
    EXPECT_EQ(f.text(u"LookupTable"), QString());
    EXPECT_EQ(f.get(u"LookupMode").toInt32(), fenLookupNone);
    EXPECT_EQ(f.get(u"AllowSpace").toInt32(), -1);
    EXPECT_EQ(f.get(u"AutoConvert").toInt32(), -1);
    EXPECT_EQ(f.get(u"CursorPosition").toInt16(), -1);
    EXPECT_EQ(f.get(u"TabAction").toInt32(), fenTabControl);
    EXPECT_EQ(f.get(u"AlignHorizontal").toInt32(), 0);
    EXPECT_EQ(f.get(u"Version").toString(), QStringLiteral("6.0.2.1"));
    f.createWindow();
    EXPECT_EQ(f.text(u"Value"), QStringLiteral("m1")); // the host's name for the control
}

TEST(MaskProperties, EverySampleFormatIsAcceptedByTheEngine) {
    MaskFixture f;
    f.createWindow();
    const QStringList samples = sampleFormats();
    ASSERT_EQ(samples.size(), 16);
    for (const QString& sample : samples) {
        EXPECT_EQ(f.putError(u"Format", Variant(sample)), 0) << sample.toStdString();
        EXPECT_EQ(f.text(u"Format"), sample);
    }
    EXPECT_EQ(f.putError(u"Format", Variant(QStringLiteral("(999)999-99999;{9};{}"))), 0);
}

TEST(MaskProperties, FormatLongerThan256FailsBeforeTheEngineSeesIt) {
    MaskFixture f(RecordingApi::table());
    f.createWindow();
    RecordingEngine& engine = *RecordingApi::lastEngine();

    engine.sent.clear();
    EXPECT_EQ(f.putError(u"Format", Variant(QString(257, u'9'))), 380);
    EXPECT_FALSE(sentFormat(engine));
    EXPECT_EQ(f.text(u"Format"), QStringLiteral("&&&&&&&&&&"));

    EXPECT_EQ(f.putError(u"Format", Variant(QString(256, u'9'))), 0);
    ASSERT_TRUE(sentFormat(engine));
    EXPECT_EQ(f.text(u"Format").size(), 256);
}

TEST(MaskProperties, RejectedFormatKeepsTheOldOne) {
    MaskFixture f;
    f.createWindow();
    f.put(u"Format", Variant(kPhone));
    for (const QString& bad :
         {QStringLiteral("()-"), QStringLiteral("99^"), QStringLiteral("99;x")}) {
        EXPECT_EQ(f.putError(u"Format", Variant(bad)), 380) << bad.toStdString();
        EXPECT_EQ(f.text(u"Format"), kPhone);
    }
}

TEST(MaskProperties, PromptCharRules) {
    MaskFixture f(RecordingApi::table());
    f.createWindow();
    RecordingEngine& engine = *RecordingApi::lastEngine();
    engine.sent.clear();
    f.put(u"PromptChar", Variant(QString()));
    EXPECT_EQ(f.text(u"PromptChar"), QStringLiteral(" "));
    ASSERT_FALSE(engine.sent.empty());
    EXPECT_EQ(engine.sent.front(), (frame::test::SentMessage{MaskMsg::SetPromptChar, ' ', 0}));

    f.put(u"PromptChar", Variant(QStringLiteral("\u00E9")));
    EXPECT_EQ(engine.sent.back().word, 0xE9u);
    for (const QString& bad :
         {QStringLiteral("ab"), QStringLiteral("\u3042"), QString(QChar(u'\0'))}) {
        EXPECT_EQ(f.putError(u"PromptChar", Variant(bad)), 380);
        EXPECT_EQ(f.text(u"PromptChar"), QStringLiteral("\u00E9"));
    }
}

TEST(MaskProperties, EnumerationsAreRangeCheckedAndOnlySomeReachTheEngineAtOnce) {
    MaskFixture f(RecordingApi::table());
    f.createWindow();
    RecordingEngine& engine = *RecordingApi::lastEngine();
    const struct {
        const char16_t* name;
        std::int32_t highest;
        MessageId sentAtOnce; // 0: only at the next window creation
    } cases[] = {{u"LookupMode", 2, MaskMsg::SetLookupMode},
                 {u"ShowLiterals", 2, 0},
                 {u"ClipMode", 1, 0},
                 {u"HighlightText", 2, MaskMsg::SetHighlightText},
                 {u"TabAction", 1, MaskMsg::SetTabAction},
                 {u"IMEMode", 8, 0},
                 {u"DataProperty", 1, 0}};
    for (const auto& c : cases) {
        const QStringView name(c.name);
        EXPECT_EQ(f.putError(name, Variant(c.highest + 1)), 380) << name.toString().toStdString();
        EXPECT_EQ(f.putError(name, Variant(-1)), 380);
        engine.sent.clear();
        f.put(name, Variant(c.highest));
        EXPECT_EQ(f.get(name).toInt32(), c.highest);
        const std::vector<MessageId> expected =
            c.sentAtOnce != 0 ? std::vector<MessageId>{c.sentAtOnce} : std::vector<MessageId>{};
        EXPECT_EQ(engine.messages(), expected) << name.toString().toStdString();
    }
}

TEST(MaskProperties, IMEStatusReachesTheEngineOnlyWhenItDiffers) {
    MaskFixture f(RecordingApi::table());
    f.createWindow();
    RecordingEngine& engine = *RecordingApi::lastEngine();
    engine.answers[MaskMsg::GetImeStatus] = 1;
    engine.sent.clear();
    f.put(u"IMEStatus", Variant(1));
    EXPECT_EQ(engine.messages(), std::vector<MessageId>{MaskMsg::GetImeStatus});
    f.put(u"IMEStatus", Variant(0));
    EXPECT_EQ(engine.messages().back(), MaskMsg::SetImeStatus);
}

TEST(MaskProperties, TextCarriesTheLiteralsAndValueDoesNot) {
    MaskFixture f;
    f.createWindow();
    f.put(u"Format", Variant(kPhone));
    f.put(u"Value", Variant(QStringLiteral("5551234567")));
    EXPECT_EQ(f.text(u"Text"), QStringLiteral("(555)123-4567"));
    EXPECT_EQ(f.text(u"Value"), QStringLiteral("5551234567"));
    EXPECT_EQ(f.get(u"ValueIsFull").toInt32(), -1);
    EXPECT_EQ(f.putError(u"Value", Variant(QStringLiteral("55512345ab"))), 380);
    EXPECT_EQ(f.text(u"Value"), QStringLiteral("5551234567"));
    EXPECT_EQ(f.putError(u"Text", Variant(QStringLiteral("(555)123-4\u20AC67"))), 380);
}

TEST(MaskProperties, TextReadsAskForTheLengthFirst) {
    MaskFixture f(RecordingApi::table());
    f.createWindow();
    RecordingEngine& engine = *RecordingApi::lastEngine();
    engine.answers[MaskMsg::GetTextLength] = 0;
    engine.sent.clear();
    EXPECT_EQ(f.text(u"Text"), QString());
    EXPECT_EQ(engine.messages(), std::vector<MessageId>{MaskMsg::GetTextLength});

    engine.answers[MaskMsg::GetValueLength] = 4;
    engine.sent.clear();
    f.get(u"Value");
    EXPECT_EQ(engine.messages(),
              (std::vector<MessageId>{MaskMsg::GetValueLength, MaskMsg::GetValue}));
}

TEST(MaskProperties, WithoutWindowPutsAreStoredAndEngineReadsAreEmpty) {
    MaskFixture f;
    f.put(u"Format", Variant(kPhone));
    f.put(u"CursorPosition", Variant(std::int16_t{2}));
    f.put(u"Value", Variant(QStringLiteral("555")));
    EXPECT_EQ(f.text(u"Text"), QString());
    EXPECT_EQ(f.get(u"CurrentField").toInt16(), 0);
    f.createWindow();
    EXPECT_EQ(f.text(u"Value"), QStringLiteral("555"));
    EXPECT_EQ(f.get(u"CursorPosition").toInt16(), 2);
}

TEST(MaskProperties, CursorPositionMustBeAFieldTheEngineAccepts) {
    MaskFixture f;
    f.createWindow();
    f.put(u"Format", Variant(kPhone)); // three fields
    EXPECT_EQ(f.putError(u"CursorPosition", Variant(std::int16_t{3})), 380);
    EXPECT_EQ(f.get(u"CursorPosition").toInt16(), -1);
    EXPECT_EQ(f.putError(u"CursorPosition", Variant(std::int16_t{2})), 0);
    EXPECT_EQ(f.get(u"CursorPosition").toInt16(), 2);
}

TEST(MaskProperties, ClearControlOnAReadOnlyControlChangesNothing) {
    MaskFixture f;
    f.createWindow();
    f.put(u"Format", Variant(kPhone));
    f.put(u"Value", Variant(QStringLiteral("5551234567")));
    f.put(u"ReadOnly", Variant(true));
    callMethod(*f.control, u"ClearControl");
    EXPECT_EQ(f.text(u"Value"), QStringLiteral("5551234567"));
    f.put(u"ReadOnly", Variant(false));
    callMethod(*f.control, u"ClearControl");
    EXPECT_EQ(f.text(u"Value"), QString());
}

TEST(MaskProperties, SelectionIsRunTimeOnlyAndSelTextReadsAtMost255Characters) {
    MaskFixture design(realApi(), false);
    design.createWindow();
    EXPECT_EQ(design.getError(u"SelStart"), 394);
    EXPECT_EQ(design.getError(u"SelLength"), 394);
    EXPECT_EQ(design.getError(u"SelText"), 394);
    EXPECT_EQ(design.getError(u"DataBind"), 394);

    MaskFixture f;
    f.createWindow();
    f.put(u"Format", Variant(QString(256, u'&')));
    f.put(u"Value", Variant(QString(256, u'x')));
    f.put(u"SelStart", Variant(0));
    f.put(u"SelLength", Variant(256));
    EXPECT_EQ(f.get(u"SelLength").toInt32(), 256);
    EXPECT_EQ(f.text(u"SelText"), QString(255, u'x'));
    EXPECT_EQ(f.putError(u"SelStart", Variant(65536)), 380);
    EXPECT_EQ(f.putError(u"SelLength", Variant(-1)), 380);

    f.put(u"SelStart", Variant(1));
    f.put(u"SelLength", Variant(2));
    f.put(u"SelText", Variant(QStringLiteral("ab")));
    EXPECT_EQ(f.text(u"Value").left(4), QStringLiteral("xabx"));
}

TEST(MaskProperties, EditModeStatusFollowsTheEngine) {
    MaskFixture f(RecordingApi::table());
    f.createWindow();
    RecordingEngine& engine = *RecordingApi::lastEngine();
    engine.answers[MaskMsg::GetInsertMode] = 1;
    EXPECT_EQ(f.get(u"EditModeStatus").toInt32(), frame::fenStatusInsert);
    engine.answers[MaskMsg::GetInsertMode] = 0;
    EXPECT_EQ(f.get(u"EditModeStatus").toInt32(), frame::fenStatusOverwrite);
}

TEST(MaskDataBinding, BoundValueFollowsDataProperty) {
    MaskFixture f;
    f.createWindow();
    f.put(u"Format", Variant(kPhone));
    f.put(u"DataBind", Variant(QStringLiteral("5551234567")));
    EXPECT_EQ(f.text(u"DataBind"), QStringLiteral("5551234567"));
    f.put(u"DataProperty", Variant(fenTextProperty));
    EXPECT_EQ(f.text(u"DataBind"), QStringLiteral("(555)123-4567"));
    f.put(u"DataBind", Variant(QStringLiteral("(555)765-4321")));
    EXPECT_EQ(f.text(u"Value"), QStringLiteral("5557654321"));
}

TEST(MaskDataBinding, RefusedValueFiresDBErrorAndAWrittenOneTellsTheEngine) {
    MaskFixture f(RecordingApi::table());
    f.createWindow();
    RecordingEngine& engine = *RecordingApi::lastEngine();
    engine.answers[MaskMsg::SetValue] = 1;
    engine.sent.clear();
    EXPECT_EQ(f.putError(u"DataBind", Variant(QStringLiteral("x"))), 380);
    ASSERT_EQ(f.eventIds(), std::vector<DispId>{MaskEventIds::DBError});
    EXPECT_EQ(f.events->calls.front().args.front().toInt16(), 0);
    EXPECT_EQ(engine.messages(), std::vector<MessageId>{MaskMsg::SetValue});

    engine.answers[MaskMsg::SetValue] = 0;
    engine.sent.clear();
    f.put(u"DataBind", Variant(QStringLiteral("x")));
    EXPECT_EQ(engine.sent.back(), (frame::test::SentMessage{Msg::DataSaved, 2, 0}));
    EXPECT_EQ(f.putError(u"DataBind", Variant::null()), 380); // no value is refused too
    EXPECT_EQ(f.eventIds().size(), 2u);
}

TEST(MaskEvents, EngineNotificationsBecomeEventsAndChangeSignalsValueAndDataBind) {
    MaskFixture f(RecordingApi::table());
    f.createWindow();
    RecordingEngine& engine = *RecordingApi::lastEngine();
    auto changes = makeObject<com::test::PropertySink>();
    IConnectionPoint* found = nullptr;
    f.control->FindConnectionPoint(IPropertyNotifySink::kIid, &found);
    std::uint32_t cookie = 0;
    ComPtr<IConnectionPoint>::adopt(found)->Advise(changes->unknown(), &cookie);

    const auto notify = [&](std::uint16_t code, LongParam param = 0) {
        engine.listener->engineCommand(makePair(0, code), param);
    };
    notify(Notify::Changed);
    notify(Notify::InsertModeSwitched);
    notify(Notify::MaskInvalidInput);
    notify(Notify::MaskKeyExit, KeyExit::NextCtrlKey);
    notify(Notify::MouseEntered);
    notify(Notify::MouseLeft);
    EXPECT_EQ(
        f.eventIds(),
        (std::vector<DispId>{MaskEventIds::Change, MaskEventIds::EditModeChange,
                             MaskEventIds::InvalidInput, frame::CommonEventIds::KeyExit,
                             frame::CommonEventIds::MouseEnter, frame::CommonEventIds::MouseExit}));
    EXPECT_EQ(f.events->calls[3].args.front().toInt32(), KeyExit::NextCtrlKey);
    EXPECT_EQ(changes->changed, (std::vector<DispId>{MaskDispIds::Value, MaskDispIds::DataBind}));
    EXPECT_TRUE(f.control->IsDirty());
}
