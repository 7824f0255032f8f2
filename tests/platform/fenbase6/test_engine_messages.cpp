// The answers of both engine classes to the messages they share.
#include "engine_test_support.h"
#include "fenbase6/engine_messages.h"

#include <QLineEdit>
#include <QTest>
#include <gtest/gtest.h>

namespace tarnwick::fenbase6::test {
namespace {

class CommonMessages : public testing::TestWithParam<const char*> {
protected:
    EngineFixture fixture{GetParam()};
    QLineEdit* edit() { return static_cast<QLineEdit*>(fixture.engine->widget()); }
    // The window text: what a control reads back (for the mask engine the text with
    // literals, without the prompts the field shows).
    QString contents() {
        QByteArray buffer(256, '\0');
        fixture.send(Msg::GetText, 256, reinterpret_cast<LongParam>(buffer.data()));
        return QString::fromLatin1(buffer.constData());
    }
};

TEST_P(CommonMessages, MarginPairsAreReadAndWrittenIndependently) {
    EXPECT_EQ(fixture.send(Msg::GetMarginsLeftRight), makePair(1, 1));
    fixture.send(Msg::SetMarginsLeftRight, makePair(5, 9));
    fixture.send(Msg::SetMarginsTopBottom, makePair(3, 4));
    EXPECT_EQ(fixture.send(Msg::GetMarginsLeftRight), makePair(5, 9));
    EXPECT_EQ(fixture.send(Msg::GetMarginsTopBottom), makePair(3, 4));

    // The border is drawn inside the field, so it adds to every margin: 2 for the default 3-D
    // border, 1 flat, none without a border.
    EXPECT_EQ(edit()->textMargins(), QMargins(7, 5, 11, 6));
    fixture.send(Msg::SetAppearance, 0);
    EXPECT_EQ(edit()->textMargins(), QMargins(6, 4, 10, 5));
    fixture.send(Msg::SetBorderStyle, 0);
    EXPECT_EQ(edit()->textMargins(), QMargins(5, 3, 9, 4));
}

TEST_P(CommonMessages, AlignmentColoursAndPointerReachTheWidget) {
    fixture.send(Msg::SetAlignHorizontal, 2);
    fixture.send(Msg::SetAlignVertical, 1);
    EXPECT_EQ(edit()->alignment(), Qt::AlignHCenter | Qt::AlignBottom);

    fixture.send(Msg::SetBackColor, 0x00FF0000u); // blue, as 0x00BBGGRR
    EXPECT_EQ(edit()->palette().color(QPalette::Base), QColor(0, 0, 255));

    fixture.send(Msg::SetMousePointer, 2);
    EXPECT_EQ(edit()->cursor().shape(), Qt::CrossCursor);
    const QCursor custom(Qt::PointingHandCursor);
    fixture.send(Msg::SetMousePointer, 99);
    EXPECT_EQ(edit()->cursor().shape(), Qt::IBeamCursor); // no icon yet: the default
    fixture.send(Msg::SetMouseIcon, reinterpret_cast<WordParam>(&custom));
    EXPECT_EQ(edit()->cursor().shape(), Qt::PointingHandCursor);
    fixture.send(Msg::SetMousePointer, 0);
    EXPECT_EQ(edit()->cursor().shape(), Qt::IBeamCursor);
}

TEST_P(CommonMessages, TextMessagesFillBuffersOfTheGivenSize) {
    EXPECT_EQ(fixture.sendText(Msg::SetText, "1234"), 1);
    EXPECT_EQ(fixture.send(Msg::GetTextLength), 4);
    char buffer[8];
    std::fill(std::begin(buffer), std::end(buffer), 'x');
    EXPECT_EQ(fixture.send(Msg::GetText, 3, reinterpret_cast<LongParam>(buffer)), 2);
    EXPECT_STREQ(buffer, "12");
    EXPECT_EQ(fixture.send(Msg::GetText, 8, reinterpret_cast<LongParam>(buffer)), 4);
    EXPECT_STREQ(buffer, "1234");
    EXPECT_EQ(fixture.send(Msg::GetText, 0, reinterpret_cast<LongParam>(buffer)), 0);
    EXPECT_EQ(fixture.send(0x7FFF), 0); // unknown messages answer 0
}

TEST(EngineTextBoundary, TextCrossesInUtf8AndIsNeverCutInsideACharacter) {
    EngineFixture fixture(kMaskEngineClass);
    EXPECT_EQ(fixture.sendText(MaskMsg::SetValue, "a\xE3\x81\x82" "b"), 0); // "a", U+3042, "b"
    EXPECT_EQ(fixture.send(Msg::GetTextLength), 5);
    char buffer[8];
    EXPECT_EQ(fixture.send(Msg::GetText, 8, reinterpret_cast<LongParam>(buffer)), 5);
    EXPECT_STREQ(buffer, "a\xE3\x81\x82" "b");
    // Three bytes of room: "a" and no part of the next character.
    EXPECT_EQ(fixture.send(Msg::GetText, 4, reinterpret_cast<LongParam>(buffer)), 1);
    EXPECT_STREQ(buffer, "a");
}

TEST_P(CommonMessages, SelectionMessagesStayInsideTheText) {
    fixture.sendText(Msg::SetText, "12345");
    fixture.send(Msg::SetSelStart, 1);
    fixture.send(Msg::SetSelLength, 99);
    EXPECT_EQ(fixture.send(Msg::GetSelStart), 1);
    EXPECT_EQ(fixture.send(Msg::GetSelLength), 4);
    EXPECT_EQ(fixture.send(Msg::GetSel), makePair(1, 5));
    char buffer[8] = {};
    EXPECT_EQ(fixture.send(Msg::GetSelText, 0, reinterpret_cast<LongParam>(buffer)), 4);
    EXPECT_STREQ(buffer, "2345");
    EXPECT_EQ(fixture.sendText(Msg::SetSelText, "9"), 0);
    EXPECT_EQ(contents(), QStringLiteral("19"));
    fixture.send(Msg::SetSelStart, 70);
    EXPECT_EQ(fixture.send(Msg::GetSelStart), 2);
}

TEST_P(CommonMessages, ReadOnlyRequestStopsTypingButNotSettingText) {
    const QString before = contents();
    fixture.send(Msg::SetReadOnly, 1);
    QTest::keyClicks(edit(), QStringLiteral("12"));
    EXPECT_EQ(contents(), before);
    fixture.send(Msg::Paste);
    EXPECT_EQ(contents(), before);
    EXPECT_EQ(fixture.sendText(Msg::SetText, "12"), 1);
    EXPECT_EQ(contents(), QStringLiteral("12"));
}

TEST_P(CommonMessages, FontHandleIsCopied) {
    auto font = std::make_unique<QFont>(QStringLiteral("Serif"), 21);
    fixture.send(Msg::SetFont, reinterpret_cast<WordParam>(font.get()), 1);
    font.reset();
    EXPECT_EQ(edit()->font().pointSize(), 21);
}

TEST_P(CommonMessages, DropInsertsAtAPositionAndMovesTheSelection) {
    fixture.sendText(Msg::SetText, "1234");
    EXPECT_EQ(fixture.sendText(Msg::DropInsert, "9", 2), 0);
    EXPECT_EQ(contents(), QStringLiteral("12934"));
    EXPECT_EQ(edit()->selectedText(), QStringLiteral("9")); // dropped text comes selected

    // Moving "12" behind "4": the position counts in the text before the move.
    edit()->setSelection(0, 2);
    EXPECT_EQ(fixture.sendText(Msg::DropMoveSelection, "12", 5), 0);
    EXPECT_EQ(contents(), QStringLiteral("93412"));
    // A drop into the selection itself changes nothing.
    edit()->setSelection(1, 2);
    EXPECT_EQ(fixture.sendText(Msg::DropMoveSelection, "34", 2), 0);
    EXPECT_EQ(contents(), QStringLiteral("93412"));
}

TEST_P(CommonMessages, CharacterPositionsRoundTrip) {
    fixture.sendText(Msg::SetText, "1234");
    edit()->setSelection(1, 2);
    const auto point = static_cast<WordParam>(fixture.send(Msg::PosFromChar, 3));
    EXPECT_EQ(fixture.send(Msg::CharFromPos, 0, static_cast<LongParam>(point)), 3);
    EXPECT_EQ(edit()->selectedText(), QStringLiteral("23")); // the selection is kept
    QRect textRect;
    fixture.send(Msg::GetRect, 0, reinterpret_cast<LongParam>(&textRect));
    EXPECT_TRUE(edit()->rect().contains(textRect));
    EXPECT_EQ(textRect.left(), 3); // 1 margin + 2 border
}

INSTANTIATE_TEST_SUITE_P(BothEngines, CommonMessages,
                         testing::Values(kMaskEngineClass, kNumberEngineClass));

TEST(EngineClasses, OnlyTheRegisteredNamesMakeEngines) {
    QWidget parent;
    EXPECT_NE(createEngineOfClass("OrrelMask", &parent), nullptr);
    EXPECT_NE(createEngineOfClass("OrrelNumberLgt", &parent), nullptr);
    EXPECT_EQ(createEngineOfClass("MaskEdit", &parent), nullptr);
    EXPECT_EQ(createEngineOfClass(nullptr, &parent), nullptr);
}

} // namespace
} // namespace tarnwick::fenbase6::test
