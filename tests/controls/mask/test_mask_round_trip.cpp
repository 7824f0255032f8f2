// What is put, typed or saved comes back as it went in: double-byte characters through the
// engine and both saved forms, closing literals of the text, and loads that either take
// everything the engine accepts or leave the control exactly as it was.
#include "com/memory_stream.h"
#include "com/property_bag.h"
#include "com/property_bag_text.h"
#include "mask_test_support.h"

#include <QApplication>
#include <QKeyEvent>
#include <QTest>
#include <gtest/gtest.h>

using namespace tarnwick;
using namespace tarnwick::com;
using namespace tarnwick::mask;
using namespace tarnwick::mask::test;

namespace {

const QString kFullWidthDigits = QStringLiteral("\uFF11\uFF12");

QByteArray savedStream(FenMask& control) {
    auto stream = makeObject<MemoryStream>();
    control.Save(*stream, true);
    return stream->bytes();
}

ComPtr<PropertyBag> savedBag(FenMask& control) {
    auto bag = makeObject<PropertyBag>();
    control.Save(*bag, true, true);
    return bag;
}

class MaskRoundTrip : public ::testing::TestWithParam<bool> { // with or without a window
protected:
    void SetUp() override {
        if (GetParam()) {
            f.createWindow();
        }
    }
    MaskFixture f;
};

} // namespace

TEST_P(MaskRoundTrip, DoubleByteSlotsHoldAndSaveTheirCharacters) {
    f.put(u"Format", Variant(QStringLiteral("^9^9")));
    f.put(u"Value", Variant(kFullWidthDigits));
    if (GetParam()) {
        EXPECT_EQ(f.text(u"Value"), kFullWidthDigits);
        EXPECT_EQ(f.text(u"Text"), kFullWidthDigits);
    }
    // A double-byte slot takes no single-byte digit as given.
    EXPECT_EQ(f.putError(u"Value", Variant(QStringLiteral("1x"))), 380);

    for (const bool stream : {true, false}) {
        MaskFixture loaded;
        loaded.createWindow();
        if (stream) {
            loaded.control->Load(*makeObject<MemoryStream>(savedStream(*f.control)));
        } else {
            loaded.control->Load(*propertyBagFromText(propertyBagToText(*savedBag(*f.control))));
        }
        EXPECT_EQ(loaded.text(u"Value"), kFullWidthDigits) << stream;
    }
}

TEST_P(MaskRoundTrip, TextThatCannotCrossWholeIsRefused) {
    f.put(u"Value", Variant(QStringLiteral("ab")));
    EXPECT_EQ(f.putError(u"Value", Variant(QString(1, QChar(0xD800)))), 380);
    EXPECT_EQ(f.putError(u"Format", Variant(QStringLiteral("99") + QChar(u'\0'))), 380);
    EXPECT_EQ(f.text(u"Format"), QStringLiteral("&&&&&&&&&&"));
}

TEST_P(MaskRoundTrip, LoadRefusedByTheEngineLeavesTheControlAsItWas) {
    f.put(u"Format", Variant(QStringLiteral("999-99")));
    f.put(u"Value", Variant(QStringLiteral("12345")));
    const QByteArray before = savedStream(*f.control);
    const auto loadWith = [&](const char* name, const Variant& value) {
        auto bag = propertyBagFromText(propertyBagToText(*savedBag(*f.control)));
        bag->Write(QLatin1String(name), value);
        const long error = com::test::errorNumberOf([&] { f.control->Load(*bag); });
        EXPECT_EQ(f.text(u"Format"), QStringLiteral("999-99")) << name;
        EXPECT_EQ(savedStream(*f.control), before) << name;
        return error;
    };
    EXPECT_EQ(loadWith("Format", Variant(QStringLiteral("9;x"))), 380);
    EXPECT_EQ(loadWith("CursorPosition", Variant(std::int16_t{7})), 380);
    EXPECT_EQ(loadWith("LookupTable", Variant(QStringLiteral("z-a"))), 380);

    QByteArray damaged = before;
    damaged.chop(5);
    EXPECT_NE(com::test::errorNumberOf(
                  [&] { f.control->Load(*makeObject<MemoryStream>(damaged)); }),
              0);
    EXPECT_EQ(savedStream(*f.control), before);
    if (GetParam()) {
        EXPECT_EQ(f.text(u"Value"), QStringLiteral("12345"));
    }
}

TEST_P(MaskRoundTrip, WithoutAWindowTheEngineStillHasTheLastWord) {
    EXPECT_EQ(f.putError(u"Format", Variant(QStringLiteral("9;x"))), 380);
    f.put(u"Format", Variant(QStringLiteral("99-99")));
    EXPECT_EQ(f.putError(u"CursorPosition", Variant(std::int16_t{2})), 380);
    EXPECT_EQ(f.putError(u"Value", Variant(QStringLiteral("ab"))), 380);
    f.put(u"CursorPosition", Variant(std::int16_t{1}));
    EXPECT_EQ(f.get(u"CursorPosition").toInt16(), 1);
}

INSTANTIATE_TEST_SUITE_P(WindowOrNot, MaskRoundTrip, ::testing::Bool());

TEST(MaskText, AFilledValueKeepsTheClosingLiterals) {
    MaskFixture f;
    f.createWindow();
    f.put(u"Format", Variant(QStringLiteral("(999)")));
    f.put(u"Value", Variant(QStringLiteral("555")));
    EXPECT_EQ(f.text(u"Text"), QStringLiteral("(555)"));
    EXPECT_EQ(f.text(u"Value"), QStringLiteral("555"));
    f.put(u"Format", Variant(QStringLiteral("99-99 kg")));
    f.put(u"Value", Variant(QStringLiteral("1234")));
    EXPECT_EQ(f.text(u"Text"), QStringLiteral("12-34 kg"));
}

TEST(MaskText, TypedDoubleByteCharactersReadBackAndReload) {
    MaskFixture f;
    QWidget* window = f.createWindow();
    f.put(u"Value", Variant(QString())); // not the display name a new control starts with
    window->show();
    QLineEdit* editor = f.engineEditor();
    ASSERT_NE(editor, nullptr);
    editor->setFocus();
    QTest::keyClicks(editor, QStringLiteral("a"));
    // A character no key of the test keyboard has, as an input method hands it over.
    QKeyEvent hiragana(QEvent::KeyPress, 0, Qt::NoModifier, QStringLiteral("\u3042"));
    QApplication::sendEvent(editor, &hiragana);
    QTest::keyClicks(editor, QStringLiteral("b"));
    EXPECT_EQ(f.text(u"Value"), QStringLiteral("a\u3042b"));

    MaskFixture loaded;
    loaded.createWindow();
    loaded.control->Load(*makeObject<MemoryStream>(savedStream(*f.control)));
    EXPECT_EQ(loaded.text(u"Value"), QStringLiteral("a\u3042b"));
}
