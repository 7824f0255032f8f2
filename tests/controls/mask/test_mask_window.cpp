// The masked control with a window: the replay into a new engine, key actions through the
// Key object, and the keys kept from the host's shortcuts.
#include "fenbase6/engine_messages.h"
#include "fenbase6/virtual_keys.h"
#include "mask_key_actions.h"
#include "mask_test_support.h"

#include <QShortcut>
#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

using namespace tarnwick;
using namespace tarnwick::com;
using namespace tarnwick::fenbase6;
using namespace tarnwick::mask;
using namespace tarnwick::mask::test;

namespace {

// The messages from the first pattern message on (the common settings come before).
std::vector<MessageId> fromImeMode(const RecordingEngine& engine) {
    std::vector<MessageId> ids = engine.messages();
    const auto first = std::find(ids.begin(), ids.end(), MaskMsg::SetImeMode);
    return {first, ids.end()};
}

IFenKeyActions& keyActionsOf(FenMask& control) {
    return *queryInterface<IFenKeyActions>(control.keys());
}

} // namespace

TEST(MaskWindow, CreationReplaysTheOwnSettingsInOrderAfterTheCommonOnes) {
    MaskFixture f(RecordingApi::table());
    f.put(u"LookupTable", Variant(QStringLiteral("abc")));
    f.createWindow();
    const RecordingEngine& engine = *RecordingApi::lastEngine();
    const std::vector<MessageId> ids = engine.messages();
    const auto contextMenu = std::find(ids.begin(), ids.end(), Msg::SetContextMenu);
    ASSERT_NE(contextMenu, ids.end());
    EXPECT_EQ(*(contextMenu + 1), MaskMsg::SetImeMode);
    EXPECT_EQ(
        fromImeMode(engine),
        (std::vector<MessageId>{
            MaskMsg::SetImeMode, MaskMsg::SetImeStatus, MaskMsg::SetClipMode, MaskMsg::SetErrorBeep,
            MaskMsg::SetHighlightText, MaskMsg::SetMoveOnLRKey, MaskMsg::SetTabAction,
            MaskMsg::SetShowLiterals, MaskMsg::SetAllowSpace, MaskMsg::SetAutoConvert,
            MaskMsg::SetLookupMode, MaskMsg::SetLookupTable, MaskMsg::SetPromptChar,
            MaskMsg::SetFormat, MaskMsg::SetValue, MaskMsg::SetCursorPosition}));
    EXPECT_EQ(engine.sent.back().word, 0xFFFFu); // CursorPosition -1 as a 16-bit field
}

TEST(MaskWindow, ShowLiteralsAndClipModeTakeEffectAtTheNextCreation) {
    MaskFixture f(RecordingApi::table());
    f.createWindow();
    f.put(u"ShowLiterals", Variant(2));
    f.put(u"ClipMode", Variant(1));
    const auto wordOf = [](const RecordingEngine& engine, MessageId message) {
        for (const auto& sent : engine.sent) {
            if (sent.message == message) {
                return sent.word;
            }
        }
        return WordParam{99};
    };
    EXPECT_EQ(wordOf(*RecordingApi::lastEngine(), MaskMsg::SetShowLiterals), 0u);
    f.control->DestroyControlWindow();
    f.createWindow();
    EXPECT_EQ(wordOf(*RecordingApi::lastEngine(), MaskMsg::SetShowLiterals), 2u);
    EXPECT_EQ(wordOf(*RecordingApi::lastEngine(), MaskMsg::SetClipMode), 1u);
}

TEST(MaskWindow, TypedDigitsFillThePatternAndSurviveANewWindow) {
    MaskFixture f;
    f.createWindow();
    f.host->show();
    f.put(u"Format", Variant(QStringLiteral("(999)999-9999")));
    f.put(u"Value", Variant(QString()));
    QLineEdit* editor = f.engineEditor();
    ASSERT_NE(editor, nullptr);
    editor->setFocus();
    QTest::keyClicks(editor, QStringLiteral("555123"));
    EXPECT_EQ(f.text(u"Value"), QStringLiteral("555123"));
    f.control->DestroyControlWindow();
    f.createWindow();
    EXPECT_EQ(f.text(u"Value"), QStringLiteral("555123"));
}

TEST(MaskKeyActions, FieldMoveFirstThenControlMoveWhenTheEngineCannot) {
    MaskFixture f(RecordingApi::table());
    f.createWindow();
    RecordingEngine& engine = *RecordingApi::lastEngine();
    IFenKeyActions& keys = keyActionsOf(*f.control);
    bool cleared = false;
    const auto run = [&](std::int32_t action, std::int32_t shift) {
        engine.sent.clear();
        return runMaskKeyAction(action, VirtualKey::Return, shift, keys, f.control->engine(), false,
                                [&] { cleared = true; });
    };
    engine.answers[MaskMsg::KeyAction] = 0; // the engine moved to the next field
    EXPECT_TRUE(run(KeyAction::NextCtrl, 0));
    EXPECT_EQ(engine.sent, (std::vector<frame::test::SentMessage>{
                               {MaskMsg::KeyAction, MaskMsg::kNextField, 0}}));
    engine.answers[MaskMsg::KeyAction] = 1; // the last field: it could not
    EXPECT_TRUE(run(KeyAction::PrevCtrl, kShiftMask));
    EXPECT_EQ(engine.sent, (std::vector<frame::test::SentMessage>{
                               {MaskMsg::KeyAction, MaskMsg::kPrevField, 0},
                               {MaskMsg::KeyAction, MaskMsg::kPrevControl, 0}}));

    // A key bound only to the field action that cannot move goes on to the engine.
    putProperty(*queryInterface<IDispatch>(f.control->keys()), u"NextCtrl", Variant(QString()));
    EXPECT_FALSE(run(KeyAction::NextField, 0));

    EXPECT_TRUE(runMaskKeyAction(KeyAction::Clear, VirtualKey::Delete, kCtrlMask, keys,
                                 f.control->engine(), true, [&] { cleared = true; }));
    EXPECT_FALSE(cleared); // not while the left button is down
    EXPECT_TRUE(run(KeyAction::Clear, 0));
    EXPECT_TRUE(cleared);
}

TEST(MaskKeyActions, EnterMovesFieldByFieldAndLeavesOnlyFromTheLastField) {
    MaskFixture f;
    f.createWindow();
    f.host->show();
    f.put(u"Format", Variant(QStringLiteral("99-99-99")));
    QLineEdit* editor = f.engineEditor();
    editor->setFocus();
    f.put(u"SelStart", Variant(0));
    std::vector<std::int16_t> fields;
    for (int press = 0; press < 3; ++press) {
        QTest::keyClick(editor, Qt::Key_Return);
        fields.push_back(f.get(u"CurrentField").toInt16());
    }
    EXPECT_EQ(fields, (std::vector<std::int16_t>{1, 2, 2}));
    std::vector<std::int32_t> exits;
    for (const auto& call : f.events->calls) {
        if (call.id == frame::CommonEventIds::KeyExit) {
            exits.push_back(call.args.front().toInt32());
        }
    }
    EXPECT_EQ(exits, std::vector<std::int32_t>{KeyExit::NextCtrlKey});
}

TEST(MaskHostKeys, TabStaysWhenTheEngineSaysSoAndNavigationKeysAlwaysStay) {
    MaskFixture f(RecordingApi::table());
    f.createWindow();
    RecordingEngine& engine = *RecordingApi::lastEngine();
    const frame::EngineLink& link = f.control->engine();
    engine.answers[MaskMsg::TabStaysInside] = 0;
    EXPECT_TRUE(keepsKeyFromHost(VirtualKey::Tab, 0, link));
    EXPECT_FALSE(keepsKeyFromHost(VirtualKey::Tab, kCtrlMask, link));
    engine.answers[MaskMsg::TabStaysInside] = 1;
    EXPECT_FALSE(keepsKeyFromHost(VirtualKey::Tab, 0, link));
    for (const std::int32_t key :
         {VirtualKey::Prior, VirtualKey::Next, VirtualKey::End, VirtualKey::Home, VirtualKey::Left,
          VirtualKey::Up, VirtualKey::Right, VirtualKey::Down}) {
        EXPECT_TRUE(keepsKeyFromHost(key, 0, link));
    }
    EXPECT_FALSE(keepsKeyFromHost(VirtualKey::Return, 0, link));
}

TEST(MaskHostKeys, AHostShortcutOnANavigationKeyDoesNotTakeItFromTheControl) {
    MaskFixture f;
    f.createWindow();
    f.host->show();
    QShortcut shortcut(QKeySequence(Qt::Key_PageUp), f.host.get());
    QSignalSpy fired(&shortcut, &QShortcut::activated);
    QShortcut other(QKeySequence(Qt::Key_F2), f.host.get());
    QSignalSpy otherFired(&other, &QShortcut::activated);
    QLineEdit* editor = f.engineEditor();
    QApplication::setActiveWindow(f.host.get());
    editor->setFocus();
    QTest::keyClick(editor, Qt::Key_PageUp);
    QTest::keyClick(editor, Qt::Key_F2);
    EXPECT_EQ(fired.count(), 0);
    EXPECT_EQ(otherFired.count(), 1); // other keys still reach the host
}
