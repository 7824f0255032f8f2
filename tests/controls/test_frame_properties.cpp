// The common properties: defaults, put rules, conversions, property-change signalling and the
// engine messages of their rules.
#include "com/font.h"
#include "frame/common_dispids.h"
#include "frame/std_picture.h"
#include "frame_test_support.h"

#include <QCoreApplication>
#include <QImage>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPainter>
#include <QThread>
#include <gtest/gtest.h>

using namespace tarnwick;
using namespace tarnwick::com;
using namespace tarnwick::frame;
using namespace tarnwick::frame::test;
using namespace tarnwick::fenbase6;
using com::test::errorNumberOf;

namespace {

std::vector<DispId> changesOf(ControlFixture& f, const std::function<void()>& action) {
    auto sink = makeObject<com::test::PropertySink>();
    IConnectionPoint* point = nullptr;
    f.control->FindConnectionPoint(IPropertyNotifySink::kIid, &point);
    const auto connected = ComPtr<IConnectionPoint>::adopt(point);
    std::uint32_t cookie = 0;
    connected->Advise(sink->unknown(), &cookie);
    action();
    connected->Unadvise(cookie);
    return sink->changed;
}

} // namespace

TEST(FrameProperties, NewControlHasTheCommonDefaults) {
    ControlFixture f;
    EXPECT_EQ(f.get(u"AlignHorizontal"), Variant(std::int32_t{fenAlignHLeft}));
    EXPECT_EQ(f.get(u"AlignVertical"), Variant(std::int32_t{fenAlignVTop}));
    EXPECT_EQ(f.get(u"Appearance"), Variant(std::int32_t{fen3D}));
    EXPECT_EQ(f.get(u"BorderStyle"), Variant(std::int32_t{fenFixedSingle}));
    EXPECT_EQ(f.get(u"BackColor"), Variant(static_cast<std::int32_t>(0x80000005u)));
    EXPECT_EQ(f.get(u"ForeColor"), Variant(static_cast<std::int32_t>(0x80000008u)));
    EXPECT_EQ(f.get(u"Enabled"), Variant(true));
    EXPECT_EQ(f.get(u"ReadOnly"), Variant(false));
    EXPECT_EQ(f.get(u"ErrorBeep"), Variant(false));
    EXPECT_EQ(f.get(u"ShowContextMenu"), Variant(true));
    for (const char16_t* margin : {u"MarginBottom", u"MarginLeft", u"MarginRight", u"MarginTop"}) {
        EXPECT_EQ(f.get(margin), Variant(std::int16_t{1}))
            << QStringView(margin).toString().toStdString();
    }
    EXPECT_EQ(f.get(u"MousePointer"), Variant(std::int32_t{fenDefault}));
    EXPECT_EQ(f.get(u"MouseIcon").toObject(), nullptr);
    EXPECT_EQ(f.get(u"MoveOnLRKey"), Variant(std::int32_t{fenMoveOnLRKeyNone}));
    EXPECT_EQ(f.get(u"OLEDragMode"), Variant(std::int32_t{fenOLEDragManual}));
    EXPECT_EQ(f.get(u"OLEDropMode"), Variant(std::int32_t{fenOLEDropNone}));
    EXPECT_EQ(f.get(u"EditMode"), Variant(std::int32_t{fenInsert}));
    EXPECT_EQ(f.get(u"EditModeStatus"), Variant(std::int32_t{fenStatusInsert}));
    EXPECT_EQ(f.get(u"Version"), Variant(QStringLiteral("6.0.1.2")));
    EXPECT_EQ(f.get(u"hWnd"), Variant(std::int32_t{0}));
    EXPECT_TRUE(f.get(u"Caption").toObject().query<IFenCaptionDisp>());
    EXPECT_TRUE(f.get(u"Key").toObject().query<IFenKey>());
    EXPECT_TRUE(f.get(u"Font").toObject().query<IFont>());
}

TEST(FrameProperties, RefusedValuesAreError380AndChangeNothing) {
    ControlFixture f;
    const std::vector<DispId> changes = changesOf(f, [&] {
        EXPECT_EQ(f.putError(u"AlignHorizontal", Variant(std::int32_t{3})), 380);
        EXPECT_EQ(f.putError(u"AlignVertical", Variant(std::int32_t{-1})), 380);
        EXPECT_EQ(f.putError(u"Appearance", Variant(std::int32_t{2})), 380);
        EXPECT_EQ(f.putError(u"BorderStyle", Variant(std::int32_t{2})), 380);
        EXPECT_EQ(f.putError(u"MousePointer", Variant(std::int32_t{16})), 380);
        EXPECT_EQ(f.putError(u"MousePointer", Variant(std::int32_t{98})), 380);
        EXPECT_EQ(f.putError(u"MoveOnLRKey", Variant(std::int32_t{4})), 380);
        EXPECT_EQ(f.putError(u"OLEDragMode", Variant(std::int32_t{2})), 380);
        EXPECT_EQ(f.putError(u"OLEDropMode", Variant(std::int32_t{3})), 380);
        EXPECT_EQ(f.putError(u"EditMode", Variant(std::int32_t{4})), 380);
        EXPECT_EQ(f.putError(u"MarginLeft", Variant(std::int16_t{-1})), 380);
        EXPECT_EQ(f.putError(u"MouseIcon", Variant(f.get(u"Font").toObject())), 380);
        const auto putRefError = [&](QStringView name, const Variant& value) {
            return errorNumberOf([&] { putPropertyRef(*f.control, name, value); });
        };
        EXPECT_EQ(putRefError(u"Caption", Variant(f.get(u"Font").toObject())), 380);
        EXPECT_EQ(putRefError(u"Key", Variant(f.get(u"Caption").toObject())), 380);
        EXPECT_EQ(putRefError(u"Font", Variant(f.get(u"Key").toObject())), 380);
    });
    EXPECT_TRUE(changes.empty());
    EXPECT_EQ(f.get(u"AlignHorizontal"), Variant(std::int32_t{0}));
    EXPECT_EQ(f.get(u"MarginLeft"), Variant(std::int16_t{1}));
    EXPECT_FALSE(f.control->IsDirty());

    try {
        f.put(u"EditMode", Variant(std::int32_t{9}));
        FAIL() << "refused put passed";
    } catch (const ComError& error) {
        EXPECT_EQ(error.description(), QStringLiteral("Invalid property value."));
        EXPECT_EQ(error.source(), QStringLiteral("Holm.FrameTest6"));
    }
}

TEST(FrameProperties, VersionIsReadOnlyAndRunTimeOnlyMembersFailAtDesignTime) {
    ControlFixture run;
    EXPECT_EQ(run.putError(u"Version", Variant(QStringLiteral("1.0.0.0"))), 383);
    EXPECT_EQ(run.putError(u"EditModeStatus", Variant(std::int32_t{0})), 383);
    EXPECT_EQ(errorNumberOf([&] { run.get(u"SelStart"); }), 0);

    ControlFixture design(realApi(), false);
    EXPECT_EQ(errorNumberOf([&] { design.get(u"SelStart"); }), 394);
}

TEST(FrameProperties, AcceptedPutsSignalTheirChangeAndMarkTheControlDirty) {
    ControlFixture f;
    const QImage icon(8, 8, QImage::Format_ARGB32);
    const std::vector<DispId> changes = changesOf(f, [&] {
        f.put(u"AlignHorizontal", Variant(std::int32_t{2}));
        f.put(u"BackColor", Variant(std::int32_t{0x00FF00}));
        f.put(u"Enabled", Variant(false));
        f.put(u"MarginTop", Variant(std::int16_t{4}));
        putPropertyRef(*f.control, u"MouseIcon", Variant(makeUnknown<StdPicture>(icon)));
        putPropertyRef(*f.control, u"MouseIcon", Variant(ComPtr<IUnknown>()));
    });
    EXPECT_EQ(changes,
              (std::vector<DispId>{CommonDispIds::AlignHorizontal, CommonDispIds::BackColor,
                                   CommonDispIds::Enabled, CommonDispIds::MarginTop,
                                   CommonDispIds::MouseIcon, CommonDispIds::MouseIcon}));
    EXPECT_TRUE(f.control->IsDirty());
}

TEST(FrameProperties, PutValuesAreConvertedByTheAutomationRules) {
    ControlFixture f;
    f.put(u"AlignHorizontal", Variant(QStringLiteral(" 2 ")));
    EXPECT_EQ(f.get(u"AlignHorizontal"), Variant(std::int32_t{2}));
    f.put(u"AlignVertical", Variant(1.5)); // halves round to even
    EXPECT_EQ(f.get(u"AlignVertical"), Variant(std::int32_t{2}));
    f.put(u"MarginRight", Variant(QStringLiteral("12")));
    EXPECT_EQ(f.get(u"MarginRight"), Variant(std::int16_t{12}));
    f.put(u"ReadOnly", Variant(QStringLiteral("True")));
    EXPECT_EQ(f.get(u"ReadOnly"), Variant(true));
    f.put(u"Enabled", Variant(std::int32_t{0}));
    EXPECT_EQ(f.get(u"Enabled"), Variant(false));

    EXPECT_EQ(f.putError(u"AlignHorizontal", Variant(true)), 380); // true is -1
    EXPECT_EQ(f.putError(u"AlignHorizontal", Variant(QStringLiteral("left"))), 13);
    EXPECT_EQ(f.putError(u"MarginLeft", Variant(std::int32_t{40000})), 6);
    EXPECT_EQ(f.putError(u"MarginLeft", Variant::null()), 94);
}

TEST(FrameProperties, EditModeTellsTheEngineThreeThingsInOrder) {
    ControlFixture f(RecordingApi::table());
    f.createWindow();
    RecordingEngine& engine = *RecordingApi::lastEngine();
    const struct {
        std::int32_t mode;
        WordParam insert;
        WordParam toggling;
    } cases[] = {
        {fenInsert, 1, 1}, {fenOverwrite, 0, 1}, {fenInsertFixed, 1, 0}, {fenOverwriteFixed, 0, 0}};
    for (const auto& c : cases) {
        engine.sent.clear();
        f.put(u"EditMode", Variant(c.mode));
        EXPECT_EQ(engine.sent,
                  (std::vector<SentMessage>{{MaskMsg::SetInsertToggle, 1, 0},
                                            {MaskMsg::SetInsertMode, c.insert, 0},
                                            {MaskMsg::SetInsertToggle, c.toggling, 0}}))
            << "mode " << c.mode;
    }
}

TEST(FrameProperties, MarginLeftLeavesMarginRightAsTheEngineHasIt) {
    ControlFixture f(RecordingApi::table());
    f.createWindow();
    RecordingEngine& engine = *RecordingApi::lastEngine();
    engine.answers[Msg::GetMarginsLeftRight] = static_cast<MessageResult>(makePair(1, 7));
    engine.answers[Msg::GetMarginsTopBottom] = static_cast<MessageResult>(makePair(3, 9));
    engine.sent.clear();

    f.put(u"MarginLeft", Variant(std::int16_t{5}));
    f.put(u"MarginBottom", Variant(std::int16_t{6}));
    f.put(u"MarginBottom", Variant(std::int16_t{6})); // unchanged: nothing to tell

    EXPECT_EQ(engine.sent,
              (std::vector<SentMessage>{{Msg::GetMarginsLeftRight, 0, 0},
                                        {Msg::SetMarginsLeftRight, makePair(5, 7), 0},
                                        {Msg::GetMarginsTopBottom, 0, 0},
                                        {Msg::SetMarginsTopBottom, makePair(3, 6), 0}}));
}

TEST(FrameProperties, TheEngineGetsTheDefaultPointerAtDesignTime) {
    ControlFixture f(RecordingApi::table(), false);
    f.createWindow();
    RecordingEngine& engine = *RecordingApi::lastEngine();
    putPropertyRef(*f.control, u"MouseIcon",
                   Variant(makeUnknown<StdPicture>(QImage(16, 16, QImage::Format_ARGB32))));
    engine.sent.clear();
    f.put(u"MousePointer", Variant(std::int32_t{fenCustom}));
    EXPECT_EQ(engine.sent, (std::vector<SentMessage>{{Msg::SetMousePointer, 0, 0}}));

    engine.sent.clear();
    f.site->ambient.insert(AmbientDispIds::UserMode, Variant(true));
    f.control->OnAmbientPropertyChange(AmbientDispIds::UserMode);
    ASSERT_EQ(engine.sent.size(), 3u);
    EXPECT_EQ(engine.sent[0], (SentMessage{Msg::SetUserMode, 1, 0}));
    EXPECT_EQ(engine.sent[1], (SentMessage{Msg::SetMousePointer, fenCustom, 0}));
    EXPECT_EQ(engine.sent[2].message, Msg::SetMouseIcon);
    EXPECT_NE(engine.sent[2].word, 0u);
}

TEST(FrameProperties, WindowCreationReplaysTheCommonSettingsInOrder) {
    ControlFixture f(RecordingApi::table());
    f.put(u"ReadOnly", Variant(true));
    f.put(u"MarginLeft", Variant(std::int16_t{4}));
    f.createWindow();
    const RecordingEngine& engine = *RecordingApi::lastEngine();
    const std::vector<MessageId> expected{
        Msg::SetAppearance,       Msg::SetBorderStyle,      Msg::SetAlignHorizontal,
        Msg::SetAlignVertical,    MaskMsg::SetForeColor,    Msg::SetBackColor,
        Msg::SetMarginsLeftRight, Msg::SetMarginsTopBottom, Msg::SetFont,
        Msg::SetUserMode,         MaskMsg::SetInsertToggle, MaskMsg::SetInsertMode,
        MaskMsg::SetInsertToggle, Msg::SetMousePointer,     Msg::SetReadOnly,
        Msg::SetContextMenu,      MaskMsg::SetErrorBeep,    MaskMsg::SetMoveOnLRKey,
        MaskMsg::SetText};
    EXPECT_EQ(engine.messages(), expected);
    EXPECT_EQ(engine.sent[6].word, makePair(4, 1));
    EXPECT_EQ(engine.sent[14].word, 1u); // read-only, sent (not posted) at creation
}

TEST(FrameProperties, ReadOnlyIsPostedToTheEngine) {
    ControlFixture f(RecordingApi::table());
    f.createWindow();
    RecordingEngine& engine = *RecordingApi::lastEngine();
    engine.sent.clear();
    f.put(u"ReadOnly", Variant(true));
    EXPECT_TRUE(engine.sent.empty());
    QCoreApplication::processEvents();
    EXPECT_EQ(engine.sent, (std::vector<SentMessage>{{Msg::SetReadOnly, 1, 0}}));
}

TEST(FrameProperties, EnabledReachesTheWindowAndTheCaption) {
    ControlFixture f;
    QWidget* window = f.createWindow();
    const auto caption = f.get(u"Caption").toObject();
    putProperty(*caption.query<IDispatch>(), u"Text", Variant(QStringLiteral("Name")));
    putProperty(*caption.query<IDispatch>(), u"Size", Variant(std::int16_t{60}));
    const auto drawCaption = [&] {
        QImage image(200, 30, QImage::Format_ARGB32);
        image.fill(Qt::white);
        QPainter painter(&image);
        caption.query<IFenCaption>()->Draw(painter, QRect(0, 0, 200, 30));
        return image;
    };
    const QImage enabled = drawCaption();

    f.put(u"Enabled", Variant(false));
    EXPECT_FALSE(window->isEnabled());
    EXPECT_NE(drawCaption(), enabled);

    f.put(u"Enabled", Variant(true));
    EXPECT_TRUE(window->isEnabled());
    EXPECT_EQ(drawCaption(), enabled);
}

TEST(FrameProperties, OverwriteFixedStartsInOverwriteAndInsertDoesNotSwitch) {
    ControlFixture f;
    f.put(u"EditMode", Variant(std::int32_t{fenOverwriteFixed}));
    EXPECT_EQ(f.get(u"EditModeStatus"), Variant(std::int32_t{fenStatusOverwrite}));
    QWidget* window = f.createWindow();
    f.host->show();
    EXPECT_EQ(f.get(u"EditModeStatus"), Variant(std::int32_t{fenStatusOverwrite}));

    auto* engine = window->findChild<QLineEdit*>();
    QKeyEvent insert(QEvent::KeyPress, Qt::Key_Insert, Qt::NoModifier);
    QCoreApplication::sendEvent(engine, &insert);
    EXPECT_EQ(f.get(u"EditModeStatus"), Variant(std::int32_t{fenStatusOverwrite}));

    f.put(u"EditMode", Variant(std::int32_t{fenOverwrite}));
    QCoreApplication::sendEvent(engine, &insert);
    EXPECT_EQ(f.get(u"EditModeStatus"), Variant(std::int32_t{fenStatusInsert}));
}

TEST(FrameProperties, CallsFromAnotherThreadAreRefused) {
    ControlFixture f;
    long number = 0;
    std::unique_ptr<QThread> other(
        QThread::create([&] { number = errorNumberOf([&] { f.get(u"Enabled"); }); }));
    other->start();
    other->wait();
    EXPECT_EQ(static_cast<std::uint32_t>(number), 0x8001010Eu);
}
