#include "fenbase6/mask_editor.h"
#include "fenbase6/mask_literal_display.h"
#include "fenbase6/mask_pattern_parser.h"

#include <gtest/gtest.h>

using namespace tarnwick::fenbase6;

namespace {

MaskEditor editorFor(const char* format) {
    return MaskEditor(*parseMaskPattern(QString::fromLatin1(format)));
}

QString display(const MaskEditor& editor, MaskLiteralDisplay mode, QChar prompt = u'_') {
    return maskDisplayText(editor, prompt, mode);
}

} // namespace

TEST(MaskEditor, TypingDigitsGivesTextWithLiteralsAndValueWithout) {
    MaskEditor editor = editorFor("(999)999-9999");
    int caret = 0;
    for (const QChar c : QStringLiteral("5551234567")) {
        const std::optional<int> next = editor.type(caret, c, true);
        ASSERT_TRUE(next);
        caret = *next;
    }
    EXPECT_EQ(editor.text(), QStringLiteral("(555)123-4567"));
    EXPECT_EQ(editor.value(), QStringLiteral("5551234567"));
    EXPECT_TRUE(editor.isFull());
    EXPECT_FALSE(editor.type(caret, u'1', true)); // no slot left
    EXPECT_FALSE(editor.type(0, u'x', true));
}

TEST(MaskEditor, PartialContentsEndAtTheLastFilledSlot) {
    MaskEditor editor = editorFor("(999)999-9999");
    EXPECT_EQ(editor.text(), QString());
    ASSERT_TRUE(editor.setValue(QStringLiteral("55 1")));
    EXPECT_EQ(editor.text(), QStringLiteral("(55 )1"));
    EXPECT_EQ(editor.value(), QStringLiteral("55 1"));
    EXPECT_FALSE(editor.isFull());
    // Given back, both forms give the same contents.
    MaskEditor copy = editorFor("(999)999-9999");
    ASSERT_TRUE(copy.setText(editor.text()));
    EXPECT_EQ(copy.cells(), editor.cells());
    EXPECT_FALSE(copy.setText(QStringLiteral("555)")));         // literal in the wrong place
    EXPECT_FALSE(copy.setText(QStringLiteral("(55a)")));        // not a digit
    EXPECT_FALSE(copy.setValue(QStringLiteral("12345678901"))); // one too many
    EXPECT_EQ(copy.cells(), editor.cells());                    // refusals change nothing
}

TEST(MaskEditor, PromptCharacterThatIsAlsoInputIsKeptApartFromEmptySlots) {
    MaskEditor editor = editorFor("999");
    ASSERT_TRUE(editor.type(0, u'0', true));
    EXPECT_EQ(display(editor, MaskLiteralDisplay::Always, u'0'), QStringLiteral("000"));
    EXPECT_EQ(editor.value(), QStringLiteral("0"));
    EXPECT_FALSE(editor.isFull());
    ASSERT_TRUE(editor.type(1, u'0', true));
    ASSERT_TRUE(editor.type(2, u'0', true));
    EXPECT_TRUE(editor.isFull());
}

TEST(MaskEditor, InsertShiftsWithinTheFieldAndOverwriteReplaces) {
    MaskEditor editor = editorFor("999-99");
    ASSERT_TRUE(editor.setValue(QStringLiteral("12")));
    ASSERT_EQ(editor.type(0, u'9', true), 1);
    EXPECT_EQ(editor.text(), QStringLiteral("912"));
    EXPECT_FALSE(editor.type(0, u'8', true)); // the field is full
    ASSERT_EQ(editor.type(0, u'8', false), 1);
    EXPECT_EQ(editor.text(), QStringLiteral("812"));
    ASSERT_EQ(editor.eraseBefore(1, true), 0);
    EXPECT_EQ(editor.text(), QStringLiteral("12"));
    ASSERT_EQ(editor.eraseAfter(0, false), 0);
    EXPECT_EQ(editor.text(), QStringLiteral(" 2"));
    // Backspace behind a literal erases the slot before it.
    ASSERT_TRUE(editor.setValue(QStringLiteral("12345")));
    ASSERT_EQ(editor.eraseBefore(4, false), 2);
    EXPECT_EQ(editor.value(), QStringLiteral("12 45"));
}

TEST(MaskEditor, SpacesFollowAllowSpaceAndTheClass) {
    MaskEditor editor = editorFor("9&");
    ASSERT_EQ(editor.type(0, u' ', true), 1); // a blank digit
    EXPECT_TRUE(editor.cell(0).isNull());
    ASSERT_EQ(editor.type(1, u' ', true), 2); // a space is a character of "&"
    EXPECT_EQ(editor.cell(1), QLatin1Char(' '));
    editor.rules().allowSpace = false;
    EXPECT_FALSE(editor.type(0, u' ', true));
    EXPECT_FALSE(editor.type(1, u' ', true));
}

TEST(MaskEditor, LookupModesRestrictOnlyQuestionMarkSlots) {
    MaskEditor editor = editorFor("?&");
    editor.rules().lookupTable = *MaskLookupTable::parse(QStringLiteral("a-c"));
    editor.rules().lookupMode = MaskLookupMode::Only;
    EXPECT_FALSE(editor.type(0, u'x', true));
    EXPECT_TRUE(editor.type(0, u'b', true));
    EXPECT_TRUE(editor.type(1, u'x', true));
    editor.rules().lookupMode = MaskLookupMode::Exclude;
    EXPECT_FALSE(editor.type(0, u'b', false));
    EXPECT_TRUE(editor.type(0, u'x', false));
    EXPECT_TRUE(editor.type(1, u'b', false));
}

TEST(MaskEditor, ClipboardRoundTripsWithAndWithoutLiterals) {
    MaskEditor source = editorFor("(999)999-9999");
    ASSERT_TRUE(source.setValue(QStringLiteral("5551234567")));
    const QString with = source.clipText(0, 13, true);
    const QString without = source.clipText(0, 13, false);
    EXPECT_EQ(with, QStringLiteral("(555)123-4567"));
    EXPECT_EQ(without, QStringLiteral("5551234567"));
    for (const QString& clip : {with, without}) {
        MaskEditor target = editorFor("(999)999-9999");
        EXPECT_EQ(target.replace(0, 0, clip, true), 13) << clip.toStdString();
        EXPECT_EQ(target.value(), source.value());
    }
    // A part of the middle, pasted into a selection of the same place.
    const QString middle = source.clipText(4, 9, true);
    EXPECT_EQ(middle, QStringLiteral(")123-"));
    MaskEditor target = editorFor("(999)999-9999");
    ASSERT_TRUE(target.replace(4, 9, middle, false));
    EXPECT_EQ(target.text(), QStringLiteral("(   )123"));
    // Text that does not fit changes nothing.
    EXPECT_FALSE(target.replace(0, 13, QStringLiteral("12a"), true));
    EXPECT_EQ(target.text(), QStringLiteral("(   )123"));
}

TEST(MaskLiteralDisplay, ModesAcrossEntryStates) {
    MaskEditor editor = editorFor("(999)999-9999");
    const auto expect = [&](const char* always, const char* post, const char* pre) {
        EXPECT_EQ(display(editor, MaskLiteralDisplay::Always), QString::fromLatin1(always));
        EXPECT_EQ(display(editor, MaskLiteralDisplay::PostDisplay), QString::fromLatin1(post));
        EXPECT_EQ(display(editor, MaskLiteralDisplay::PreDisplay), QString::fromLatin1(pre));
    };
    expect("(___)___-____", " ___ ___ ____", "(___)___ ____");
    ASSERT_TRUE(editor.setValue(QStringLiteral("55")));
    expect("(55_)___-____", "(55_ ___ ____", "(55_)___ ____");
    ASSERT_TRUE(editor.setValue(QStringLiteral("555")));
    expect("(555)___-____", "(555 ___ ____", "(555)___-____");
    ASSERT_TRUE(editor.setValue(QStringLiteral("5551234567")));
    expect("(555)123-4567", "(555)123-4567", "(555)123-4567");
}
