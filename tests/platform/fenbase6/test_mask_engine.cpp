#include "engine_test_support.h"
#include "fenbase6/engine_messages.h"

#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <gtest/gtest.h>

using namespace tarnwick::fenbase6;
using namespace tarnwick::fenbase6::test;

namespace {

struct MaskFixture : EngineFixture {
    MaskFixture() : EngineFixture(kMaskEngineClass) {}
    QLineEdit* edit() { return static_cast<QLineEdit*>(engine->widget()); }
    QByteArray text() { return readText(MaskMsg::GetTextLength, MaskMsg::GetText); }
    QByteArray value() { return readText(MaskMsg::GetValueLength, MaskMsg::GetValue); }
    QByteArray displayText() {
        return readText(MaskMsg::GetDisplayTextLength, MaskMsg::GetDisplayText);
    }
    std::size_t count(std::uint16_t code) {
        const std::vector<std::uint16_t> codes = listener.codes();
        return static_cast<std::size_t>(std::count(codes.begin(), codes.end(), code));
    }
};

} // namespace

TEST(MaskEngine, TypingAPhoneNumberGivesTextWithLiteralsAndValueWithout) {
    MaskFixture fixture;
    EXPECT_EQ(fixture.displayText(), "__________"); // ten "&" with the "_" prompt
    ASSERT_EQ(fixture.sendText(MaskMsg::SetFormat, "(999)999-9999"), 0);
    EXPECT_EQ(fixture.displayText(), "(___)___-____");
    fixture.edit()->setCursorPosition(0);
    QTest::keyClicks(fixture.edit(), QStringLiteral("555x1234567"));
    EXPECT_EQ(fixture.text(), "(555)123-4567");
    EXPECT_EQ(fixture.value(), "5551234567");
    EXPECT_NE(fixture.send(MaskMsg::IsFull), 0);
    EXPECT_EQ(fixture.count(Notify::MaskInvalidInput), 1u);
    EXPECT_EQ(fixture.count(Notify::Changed), 10u);
}

TEST(MaskEngine, RejectedFormatOrTableKeepsTheOldOne) {
    MaskFixture fixture;
    ASSERT_EQ(fixture.sendText(MaskMsg::SetFormat, "99-99"), 0);
    ASSERT_EQ(fixture.sendText(MaskMsg::SetValue, "1234"), 0);
    EXPECT_EQ(fixture.sendText(MaskMsg::SetFormat, "9;{x"), 1);
    EXPECT_EQ(fixture.text(), "12-34");
    EXPECT_EQ(fixture.sendText(MaskMsg::SetValue, "12345"), 1);
    EXPECT_EQ(fixture.sendText(MaskMsg::SetLookupTable, "z-a"), 1);
    // A new pattern keeps the value where it still fits.
    ASSERT_EQ(fixture.sendText(MaskMsg::SetFormat, "(999)999"), 0);
    EXPECT_EQ(fixture.text(), "(123)4");
}

TEST(MaskEngine, PromptAndLiteralDisplayMessagesRedraw) {
    MaskFixture fixture;
    ASSERT_EQ(fixture.sendText(MaskMsg::SetFormat, "9-9"), 0);
    fixture.send(MaskMsg::SetPromptChar, '*');
    EXPECT_EQ(fixture.displayText(), "*-*");
    fixture.send(MaskMsg::SetShowLiterals, 1);
    EXPECT_EQ(fixture.displayText(), "* *");
    EXPECT_TRUE(fixture.listener.notifications.empty()); // no contents changed
}

TEST(MaskEngine, FieldsCursorPositionAndTabByField) {
    MaskFixture fixture;
    ASSERT_TRUE(fixture.activated);
    ASSERT_EQ(fixture.sendText(MaskMsg::SetFormat, "(999)999-9999"), 0);
    EXPECT_EQ(fixture.send(MaskMsg::SetCursorPosition, 3), 1);
    EXPECT_EQ(fixture.send(MaskMsg::SetCursorPosition, 0xFFFF), 0); // -1
    EXPECT_EQ(fixture.send(MaskMsg::SetCursorPosition, 2), 0);
    EXPECT_EQ(fixture.send(MaskMsg::GetCurrentField), 2);
    EXPECT_EQ(fixture.send(MaskMsg::KeyAction, MaskMsg::kNextField), 1);
    EXPECT_EQ(fixture.send(MaskMsg::KeyAction, MaskMsg::kPrevField), 0);
    EXPECT_EQ(fixture.send(MaskMsg::GetCurrentField), 1);

    EXPECT_EQ(fixture.send(MaskMsg::TabStaysInside), 1); // TabAction control
    fixture.send(MaskMsg::SetTabAction, 1);
    EXPECT_EQ(fixture.send(MaskMsg::TabStaysInside), 0);
    QTest::keyClick(fixture.edit(), Qt::Key_Tab);
    EXPECT_EQ(fixture.send(MaskMsg::GetCurrentField), 2);
    EXPECT_EQ(fixture.send(MaskMsg::TabStaysInside), 1);
    EXPECT_TRUE(fixture.listener.notifications.empty());
    QTest::keyClick(fixture.edit(), Qt::Key_Tab);
    ASSERT_EQ(fixture.listener.notifications.size(), 1u);
    EXPECT_EQ(fixture.listener.notifications[0].code, Notify::MaskKeyExit);
    EXPECT_EQ(fixture.listener.notifications[0].param, KeyExit::TabKey);
    EXPECT_TRUE(fixture.next->hasFocus());
}

TEST(MaskEngine, SelectionAndClipboardFollowClipMode) {
    MaskFixture fixture;
    ASSERT_EQ(fixture.sendText(MaskMsg::SetFormat, "(999)999-9999"), 0);
    ASSERT_EQ(fixture.sendText(MaskMsg::SetValue, "5551234567"), 0);
    fixture.edit()->selectAll();
    QByteArray selected(256, '\xFF');
    fixture.send(Msg::GetSelText, 0, reinterpret_cast<LongParam>(selected.data()));
    EXPECT_STREQ(selected.constData(), "(555)123-4567");

    fixture.send(Msg::Copy);
    EXPECT_EQ(QApplication::clipboard()->text(), QStringLiteral("(555)123-4567"));
    fixture.send(MaskMsg::SetClipMode, 1);
    fixture.send(Msg::Cut);
    EXPECT_EQ(QApplication::clipboard()->text(), QStringLiteral("5551234567"));
    EXPECT_EQ(fixture.text(), "");
    fixture.send(Msg::Paste);
    EXPECT_EQ(fixture.text(), "(555)123-4567");
    EXPECT_EQ(fixture.send(Msg::Undo), 1);
    EXPECT_EQ(fixture.text(), "");

    fixture.edit()->setSelection(1, 3);
    EXPECT_EQ(fixture.sendText(Msg::SetSelText, "12a"), 1);
    EXPECT_EQ(fixture.sendText(Msg::SetSelText, "123"), 0);
    EXPECT_EQ(fixture.text(), "(123");
}

TEST(MaskEngine, BackspaceDeleteAndReadOnly) {
    MaskFixture fixture;
    ASSERT_EQ(fixture.sendText(MaskMsg::SetFormat, "99-99"), 0);
    ASSERT_EQ(fixture.sendText(MaskMsg::SetText, "12-34"), 0);
    fixture.edit()->setCursorPosition(3);
    QTest::keyClick(fixture.edit(), Qt::Key_Backspace); // over the literal
    EXPECT_EQ(fixture.value(), "1 34");
    fixture.send(Msg::SetReadOnly, 1);
    QTest::keyClicks(fixture.edit(), QStringLiteral("9"));
    QTest::keyClick(fixture.edit(), Qt::Key_Delete);
    EXPECT_EQ(fixture.value(), "1 34");
    // Editing keys the line editor has of its own do not get past the pattern.
    fixture.send(Msg::SetReadOnly, 0);
    fixture.edit()->setCursorPosition(5);
    QTest::keyClick(fixture.edit(), Qt::Key_Backspace, Qt::ControlModifier);
    EXPECT_EQ(fixture.displayText(), "1_-34");
}

TEST(MaskEngine, ArrowsLeaveAtTheEndsPerMoveOnLRKey) {
    MaskFixture fixture;
    ASSERT_TRUE(fixture.activated);
    ASSERT_EQ(fixture.sendText(MaskMsg::SetFormat, "9-9"), 0);
    fixture.edit()->setCursorPosition(3);
    QTest::keyClick(fixture.edit(), Qt::Key_Right);
    EXPECT_TRUE(fixture.listener.notifications.empty());
    fixture.send(MaskMsg::SetMoveOnLRKey, 2); // right only
    fixture.edit()->setCursorPosition(0);
    QTest::keyClick(fixture.edit(), Qt::Key_Left);
    EXPECT_TRUE(fixture.listener.notifications.empty());
    fixture.edit()->setCursorPosition(3);
    QTest::keyClick(fixture.edit(), Qt::Key_Right, Qt::ControlModifier);
    ASSERT_EQ(fixture.listener.notifications.size(), 1u);
    EXPECT_EQ(fixture.listener.notifications[0].code, Notify::MaskKeyExit);
    EXPECT_EQ(fixture.listener.notifications[0].param, KeyExit::CtrlRightKey);
}

TEST(MaskEngine, FocusGoesToTheCursorFieldAndHighlightsPerHighlightText) {
    MaskFixture fixture;
    ASSERT_TRUE(fixture.activated);
    ASSERT_EQ(fixture.sendText(MaskMsg::SetFormat, "(999)999-9999"), 0);
    ASSERT_EQ(fixture.sendText(MaskMsg::SetValue, "5551234567"), 0);
    const auto refocusAndReadSelection = [&fixture] {
        fixture.next->setFocus();
        fixture.edit()->setFocus();
        QByteArray selected(256, '\0');
        fixture.send(Msg::GetSelText, 0, reinterpret_cast<LongParam>(selected.data()));
        return QByteArray(selected.constData());
    };
    fixture.send(MaskMsg::SetCursorPosition, 1);
    EXPECT_EQ(refocusAndReadSelection(), "");
    EXPECT_EQ(fixture.send(MaskMsg::GetCurrentField), 1);
    fixture.send(MaskMsg::SetHighlightText, 1);
    EXPECT_EQ(refocusAndReadSelection(), "123");
    fixture.send(MaskMsg::SetHighlightText, 2);
    EXPECT_EQ(refocusAndReadSelection(), "(555)123-4567");

    EXPECT_EQ(fixture.send(MaskMsg::GetImeStatus), 0);
    fixture.send(MaskMsg::SetImeStatus, 1);
    EXPECT_EQ(fixture.send(MaskMsg::GetImeStatus), 1);
}
