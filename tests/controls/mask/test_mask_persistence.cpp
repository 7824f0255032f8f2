// Both persistence forms of the masked control: the property order, the bytes of a new
// control, round trips, and saved data that breaks a put rule.
#include "com/memory_stream.h"
#include "com/property_bag.h"
#include "com/property_bag_text.h"
#include "mask_test_support.h"

#include <gtest/gtest.h>

using namespace tarnwick;
using namespace tarnwick::com;
using namespace tarnwick::mask;
using namespace tarnwick::mask::test;

namespace {

QByteArray savedStream(FenMask& control) {
    auto stream = makeObject<MemoryStream>();
    control.Save(*stream, true);
    return stream->bytes();
}

void loadStream(FenMask& control, const QByteArray& bytes) {
    auto stream = makeObject<MemoryStream>(bytes);
    control.Load(*stream);
}

ComPtr<PropertyBag> savedBag(FenMask& control) {
    auto bag = makeObject<PropertyBag>();
    control.Save(*bag, true, true);
    return bag;
}

// Little-endian values and strings as the stream form writes them.
class StreamBytes {
public:
    StreamBytes& shortValue(std::int16_t v) { return integer(v, 2); }
    StreamBytes& longValue(std::int64_t v) { return integer(v, 4); }
    StreamBytes& string(const QString& text) {
        integer(2 * text.size() + 2, 4);
        for (const QChar c : text + QChar(u'\0')) {
            integer(c.unicode(), 2);
        }
        return *this;
    }
    StreamBytes& noString() { return integer(0, 4); }
    QByteArray bytes;

private:
    StreamBytes& integer(std::int64_t value, int size) {
        for (int i = 0; i < size; ++i) {
            bytes.append(static_cast<char>((value >> (8 * i)) & 0xFF));
        }
        return *this;
    }
};

const QStringList kSavedOrder{QStringLiteral("_Version"),      QStringLiteral("_ExtentX"),
                              QStringLiteral("_ExtentY"),      QStringLiteral("Caption"),
                              QStringLiteral("Font"),          QStringLiteral("Keys"),
                              QStringLiteral("MouseIcon"),     QStringLiteral("AlignHorizontal"),
                              QStringLiteral("AlignVertical"), QStringLiteral("Appearance"),
                              QStringLiteral("AllowSpace"),    QStringLiteral("AutoConvert"),
                              QStringLiteral("BackColor"),     QStringLiteral("BorderStyle"),
                              QStringLiteral("ClipMode"),      QStringLiteral("CursorPosition"),
                              QStringLiteral("DataProperty"),  QStringLiteral("EditMode"),
                              QStringLiteral("Enabled"),       QStringLiteral("ErrorBeep"),
                              QStringLiteral("ForeColor"),     QStringLiteral("Format"),
                              QStringLiteral("HighlightText"), QStringLiteral("IMEMode"),
                              QStringLiteral("IMEStatus"),     QStringLiteral("LookupMode"),
                              QStringLiteral("LookupTable"),   QStringLiteral("MarginBottom"),
                              QStringLiteral("MarginLeft"),    QStringLiteral("MarginRight"),
                              QStringLiteral("MarginTop"),     QStringLiteral("MousePointer"),
                              QStringLiteral("MoveOnLRKey"),   QStringLiteral("OLEDragMode"),
                              QStringLiteral("OLEDropMode"),   QStringLiteral("PromptChar"),
                              QStringLiteral("ReadOnly"),      QStringLiteral("ShowContextMenu"),
                              QStringLiteral("ShowLiterals"),  QStringLiteral("TabAction"),
                              QStringLiteral("Text"),          QStringLiteral("Value")};

} // namespace

TEST(MaskPersistence, BagHoldsThePropertiesInTheirOrder) {
    MaskFixture f;
    const ComPtr<PropertyBag> bag = savedBag(*f.control);
    QStringList names;
    for (const PropertyBag::Entry& entry : bag->entries()) {
        names.append(entry.name);
    }
    EXPECT_EQ(names, kSavedOrder);
}

TEST(MaskPersistence, StreamOfANewControlEndsWithItsValuesInOrder) {
    MaskFixture f;
    StreamBytes expected;
    expected.shortValue(0).shortValue(0).shortValue(1);  // AlignH, AlignV, Appearance
    expected.shortValue(-1).shortValue(-1);              // AllowSpace, AutoConvert
    expected.longValue(0x80000005).shortValue(1);        // BackColor, BorderStyle
    expected.shortValue(0).shortValue(-1).shortValue(0); // ClipMode, CursorPosition, DataProperty
    expected.shortValue(0).shortValue(-1).shortValue(0); // EditMode, Enabled, ErrorBeep
    expected.longValue(0x80000008).string(QStringLiteral("&&&&&&&&&&"));
    expected.shortValue(0).shortValue(0).shortValue(0).shortValue(0); // ..LookupMode
    expected.string(QString());                                       // LookupTable
    expected.shortValue(1).shortValue(1).shortValue(1).shortValue(1); // margins
    expected.shortValue(0).shortValue(0).shortValue(0).shortValue(0); // ..OLEDropMode
    expected.string(QStringLiteral("_"));
    expected.shortValue(0).shortValue(-1).shortValue(0).shortValue(0); // ..TabAction
    expected.noString().string(QStringLiteral("m1"));                  // Text, Value

    const QByteArray bytes = savedStream(*f.control);
    EXPECT_TRUE(bytes.endsWith(expected.bytes))
        << bytes.right(expected.bytes.size()).toHex().toStdString();
}

TEST(MaskPersistence, BothFormsRoundTripByteForByte) {
    MaskFixture first;
    first.createWindow();
    first.put(u"Format", Variant(QStringLiteral("(999)999-9999")));
    first.put(u"Value", Variant(QStringLiteral("5551234567")));
    first.put(u"PromptChar", Variant(QStringLiteral("#")));
    first.put(u"LookupTable", Variant(QStringLiteral("abc")));
    first.put(u"ShowLiterals", Variant(1));
    first.put(u"AllowSpace", Variant(false));
    const QByteArray stream = savedStream(*first.control);
    const QByteArray bag = propertyBagToText(*savedBag(*first.control));

    MaskFixture second;
    second.createWindow();
    loadStream(*second.control, stream);
    EXPECT_EQ(second.text(u"Text"), QStringLiteral("(555)123-4567"));
    EXPECT_EQ(savedStream(*second.control), stream);

    MaskFixture third;
    third.control->Load(*propertyBagFromText(bag));
    EXPECT_EQ(third.get(u"ShowLiterals").toInt32(), 1);
    EXPECT_EQ(propertyBagToText(*savedBag(*third.control)), bag);
}

TEST(MaskPersistence, SavedDataBreakingAPutRuleLeavesTheControlAsItWas) {
    const auto loadWith = [](const char* name, const Variant& value) {
        MaskFixture f;
        auto bag = savedBag(*f.control);
        bag->Write(QLatin1String(name), value);
        f.put(u"Format", Variant(QStringLiteral("99")));
        const long error = com::test::errorNumberOf([&] { f.control->Load(*bag); });
        EXPECT_EQ(f.text(u"Format"), error == 0 ? QStringLiteral("&&&&&&&&&&")
                                                : QStringLiteral("99"))
            << name;
        return error;
    };
    EXPECT_EQ(loadWith("Format", Variant(QString(257, u'9'))), 380);
    EXPECT_EQ(loadWith("PromptChar", Variant(QStringLiteral("ab"))), 380);
    EXPECT_EQ(loadWith("LookupMode", Variant(std::int16_t{3})), 380);
    EXPECT_EQ(loadWith("Value", Variant(QString(1, QChar(0xDC00)))), 380);
    EXPECT_EQ(loadWith("Value", Variant(QStringLiteral("\u20AC"))), 0);
    EXPECT_EQ(loadWith("TabAction", Variant(std::int16_t{1})), 0);
}
