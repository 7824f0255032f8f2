// Typing into the engines: insert and overwrite, the Insert key, and the notifications the
// owner hears, in order.
#include "engine_test_support.h"
#include "fenbase6/engine_messages.h"

#include <QApplication>
#include <QLineEdit>
#include <QTest>
#include <gtest/gtest.h>

namespace tarnwick::fenbase6::test {
namespace {

struct EditModeMessages {
    MessageId getInsert;
    MessageId setInsert;
    MessageId setToggle;
};

constexpr EditModeMessages kMask{MaskMsg::GetInsertMode, MaskMsg::SetInsertMode,
                                 MaskMsg::SetInsertToggle};
constexpr EditModeMessages kNumber{NumberMsg::GetInsertMode, NumberMsg::SetInsertMode,
                                   NumberMsg::SetInsertToggle};

class Editing : public testing::TestWithParam<std::pair<const char*, EditModeMessages>> {
protected:
    EngineFixture fixture{GetParam().first};
    const EditModeMessages& messages = GetParam().second;
    QLineEdit* edit() { return static_cast<QLineEdit*>(fixture.engine->widget()); }

    // What a control sends for an edit mode (fenInsert 0 .. fenOverwriteFixed 3).
    void setEditMode(int mode) {
        fixture.send(messages.setToggle, 1);
        fixture.send(messages.setInsert, mode == 0 || mode == 2 ? 1 : 0);
        fixture.send(messages.setToggle, mode == 0 || mode == 1 ? 1 : 0);
    }
    void typeAtStart(const char* text) {
        edit()->setCursorPosition(0);
        QTest::keyClicks(edit(), QLatin1String(text));
    }
};

TEST_P(Editing, InsertModeInsertsAndTheInsertKeySwitchesToOverwrite) {
    fixture.sendText(Msg::SetText, "123");
    fixture.listener.notifications.clear();
    typeAtStart("4");
    EXPECT_EQ(edit()->text(), QStringLiteral("4123"));
    EXPECT_EQ(fixture.send(messages.getInsert), 1);

    QTest::keyClick(edit(), Qt::Key_Insert);
    EXPECT_EQ(fixture.send(messages.getInsert), 0);
    typeAtStart("5");
    EXPECT_EQ(edit()->text(), QStringLiteral("5123"));
    const std::vector<std::uint16_t> expected{Notify::Changed, Notify::InsertModeSwitched,
                                              Notify::Changed};
    EXPECT_EQ(fixture.listener.codes(), expected);
    EXPECT_EQ(fixture.listener.notifications[1].controlId, 7);
}

TEST_P(Editing, OverwriteFixedStartsInOverwriteAndInsertDoesNotSwitch) {
    setEditMode(3);
    EXPECT_EQ(fixture.send(messages.getInsert), 0);
    fixture.sendText(Msg::SetText, "123");
    fixture.listener.notifications.clear();
    QTest::keyClick(edit(), Qt::Key_Insert);
    EXPECT_EQ(fixture.send(messages.getInsert), 0);
    typeAtStart("9");
    EXPECT_EQ(edit()->text(), QStringLiteral("923"));
    EXPECT_EQ(fixture.listener.codes(), std::vector<std::uint16_t>{Notify::Changed});
}

TEST_P(Editing, InsertFixedStaysInInsertAndOverwriteMaySwitch) {
    setEditMode(2);
    QTest::keyClick(edit(), Qt::Key_Insert);
    EXPECT_EQ(fixture.send(messages.getInsert), 1);
    setEditMode(1);
    EXPECT_EQ(fixture.send(messages.getInsert), 0);
    QTest::keyClick(edit(), Qt::Key_Insert);
    EXPECT_EQ(fixture.send(messages.getInsert), 1);
}

TEST_P(Editing, UndoAndClipboardGoThroughTheEngine) {
    fixture.sendText(Msg::SetText, "12");
    edit()->setCursorPosition(2);
    QTest::keyClicks(edit(), QStringLiteral("3"));
    QTest::keyClick(edit(), Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(edit()->text(), QStringLiteral("12"));

    edit()->setSelection(0, 1);
    QTest::keyClick(edit(), Qt::Key_X, Qt::ControlModifier);
    EXPECT_EQ(edit()->text(), QStringLiteral("2"));
    edit()->setCursorPosition(1);
    fixture.send(Msg::Paste);
    EXPECT_EQ(edit()->text(), QStringLiteral("21"));
}

TEST_P(Editing, TabReportsTheKeyExitBeforeTheFocusMoves) {
    ASSERT_TRUE(fixture.activated);
    bool hadFocusWhenTold = false;
    fixture.listener.onCommand = [&](std::uint16_t, LongParam) {
        hadFocusWhenTold = edit()->hasFocus();
    };
    QTest::keyClick(edit(), Qt::Key_Tab);
    ASSERT_EQ(fixture.listener.notifications.size(), 1u);
    EXPECT_EQ(fixture.listener.notifications[0].param, KeyExit::TabKey);
    EXPECT_TRUE(hadFocusWhenTold);
    EXPECT_TRUE(fixture.next->hasFocus());
}

TEST_P(Editing, MouseEnterAndLeaveAreReported) {
    QEnterEvent enter(QPointF(1, 1), QPointF(1, 1), QPointF(1, 1));
    QApplication::sendEvent(edit(), &enter);
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(edit(), &leave);
    const std::vector<std::uint16_t> expected{Notify::MouseEntered, Notify::MouseLeft};
    EXPECT_EQ(fixture.listener.codes(), expected);
}

INSTANTIATE_TEST_SUITE_P(BothEngines, Editing,
                         testing::Values(std::pair{kMaskEngineClass, kMask},
                                         std::pair{kNumberEngineClass, kNumber}));

TEST(MaskEngine, RefusedCharactersAreReportedAsInvalidInput) {
    EngineFixture fixture(kMaskEngineClass);
    auto* edit = static_cast<QLineEdit*>(fixture.engine->widget());
    fixture.send(MaskMsg::SetAllowSpace, 0);
    QTest::keyClicks(edit, QStringLiteral("a b"));
    EXPECT_EQ(edit->text(), QStringLiteral("ab"));
    const std::vector<std::uint16_t> expected{Notify::Changed, Notify::MaskInvalidInput,
                                              Notify::Changed};
    EXPECT_EQ(fixture.listener.codes(), expected);
    EXPECT_EQ(fixture.sendText(MaskMsg::SetText, "a b"), 1);
    EXPECT_EQ(fixture.sendText(MaskMsg::SetText, "Gr\xFC\xDF"), 0);
    EXPECT_EQ(fixture.readText(MaskMsg::GetValueLength, MaskMsg::GetValue), "Gr\xFC\xDF");
}

TEST(MaskEngine, FormatSetsHowManyCharactersFit) {
    EngineFixture fixture(kMaskEngineClass);
    EXPECT_EQ(fixture.sendText(MaskMsg::SetText, "12345678901"), 1); // default: ten
    EXPECT_EQ(fixture.sendText(MaskMsg::SetFormat, "(999)999-9999;{}"), 0);
    EXPECT_EQ(fixture.sendText(MaskMsg::SetValue, "(123)456-7890"), 0);
    EXPECT_NE(fixture.send(MaskMsg::IsFull), 0);
    fixture.send(MaskMsg::ClearContents);
    EXPECT_EQ(fixture.send(MaskMsg::IsFull), 0);
    EXPECT_EQ(fixture.readText(MaskMsg::GetTextLength, MaskMsg::GetText), "");
}

TEST(MaskEngine, KeyActionsMoveToControlsButThereIsNoOtherField) {
    EngineFixture fixture(kMaskEngineClass);
    ASSERT_TRUE(fixture.activated);
    EXPECT_EQ(fixture.send(MaskMsg::KeyAction, MaskMsg::kNextField), 1);
    EXPECT_TRUE(fixture.listener.notifications.empty());
    EXPECT_EQ(fixture.send(MaskMsg::KeyAction, MaskMsg::kNextControl), 0);
    ASSERT_EQ(fixture.listener.notifications.size(), 1u);
    EXPECT_EQ(fixture.listener.notifications[0].code, Notify::MaskKeyExit);
    EXPECT_EQ(fixture.listener.notifications[0].param, KeyExit::NextCtrlKey);
    EXPECT_TRUE(fixture.next->hasFocus());
    EXPECT_EQ(fixture.send(MaskMsg::SetCursorPosition, 0), 0);
    EXPECT_EQ(fixture.send(MaskMsg::SetCursorPosition, 0xFFFF), 0); // -1: no field
    EXPECT_EQ(fixture.send(MaskMsg::SetCursorPosition, 1), 1);
}

TEST(MaskEngine, RightArrowAtTheEndLeavesWhenMoveOnLRKeySaysSo) {
    EngineFixture fixture(kMaskEngineClass);
    auto* edit = static_cast<QLineEdit*>(fixture.engine->widget());
    fixture.sendText(MaskMsg::SetText, "ab");
    fixture.listener.notifications.clear();
    edit->setCursorPosition(2);
    QTest::keyClick(edit, Qt::Key_Right);
    EXPECT_TRUE(fixture.listener.notifications.empty());
    fixture.send(MaskMsg::SetMoveOnLRKey, 2);
    QTest::keyClick(edit, Qt::Key_Right, Qt::ControlModifier);
    ASSERT_EQ(fixture.listener.notifications.size(), 1u);
    EXPECT_EQ(fixture.listener.notifications[0].param, KeyExit::CtrlRightKey);
    edit->setCursorPosition(0);
    QTest::keyClick(edit, Qt::Key_Left);
    EXPECT_EQ(fixture.listener.notifications.size(), 1u); // left exits are not on
}

} // namespace
} // namespace tarnwick::fenbase6::test
