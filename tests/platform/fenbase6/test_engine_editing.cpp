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
    // The window text: what a control reads back (for the mask engine the text with
    // literals, without the prompts the field shows).
    QString contents() {
        QByteArray buffer(256, '\0');
        fixture.send(Msg::GetText, 256, reinterpret_cast<LongParam>(buffer.data()));
        return QString::fromLatin1(buffer.constData());
    }

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
    EXPECT_EQ(contents(), QStringLiteral("4123"));
    EXPECT_EQ(fixture.send(messages.getInsert), 1);

    QTest::keyClick(edit(), Qt::Key_Insert);
    EXPECT_EQ(fixture.send(messages.getInsert), 0);
    typeAtStart("5");
    EXPECT_EQ(contents(), QStringLiteral("5123"));
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
    EXPECT_EQ(contents(), QStringLiteral("923"));
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
    EXPECT_EQ(contents(), QStringLiteral("12"));

    edit()->setSelection(0, 1);
    QTest::keyClick(edit(), Qt::Key_X, Qt::ControlModifier);
    EXPECT_EQ(contents(), QStringLiteral("2"));
    edit()->setCursorPosition(1);
    fixture.send(Msg::Paste);
    EXPECT_EQ(contents(), QStringLiteral("21"));
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

} // namespace
} // namespace tarnwick::fenbase6::test
