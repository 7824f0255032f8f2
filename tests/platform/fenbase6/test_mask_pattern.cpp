#include "fenbase6/mask_keyword.h"
#include "fenbase6/mask_lookup.h"
#include "fenbase6/mask_pattern_parser.h"

#include <gtest/gtest.h>

using namespace tarnwick::fenbase6;

namespace {

QString fitted(MaskKeyword keyword, bool doubleByte, QChar c, bool autoConvert) {
    const std::optional<QChar> result = fitCharacter({keyword, doubleByte}, c, autoConvert);
    return result ? QString(*result) : QStringLiteral("<refused>");
}

QString shapeOf(const MaskPattern& pattern) {
    QString shape;
    for (const MaskPosition& position : pattern.positions) {
        shape.append(position.isLiteral ? QLatin1Char('L')
                                        : QChar(static_cast<char16_t>(u'0' + position.field)));
    }
    return shape;
}

} // namespace

TEST(MaskPatternParser, AcceptsEverySampleFormatAndTheExample) {
    const char* const formats[] = {"&&&&&&&&&&",           "99999",
                                   "99999-9999",           "99999-9999;;{}",
                                   "99-9999-9999",         "999-99-9999",
                                   "999-999-9999",         "9999-99-9999",
                                   "999-999-9999;;{}",     "99(9999)9999",
                                   "999(99)9999",          "999(999)9999",
                                   "9999(99)9999",         "999(999)9999;;{}",
                                   "(999)999-9999",        "(999)999-9999;{}",
                                   "(999)999-99999;{9};{}"};
    for (const char* format : formats) {
        EXPECT_TRUE(parseMaskPattern(QString::fromLatin1(format))) << format;
    }
}

TEST(MaskPatternParser, SplitsFieldsAtLiteralsAndReadsMarksAndEscapes) {
    const auto phone = parseMaskPattern(QStringLiteral("(999)999-9999;{}"));
    ASSERT_TRUE(phone);
    EXPECT_EQ(shapeOf(*phone), QStringLiteral("L000L111L2222"));
    EXPECT_EQ(phone->fieldCount, 3);
    EXPECT_EQ(phone->sections, QStringList{QStringLiteral("{}")});

    const auto marked = parseMaskPattern(QStringLiteral("^9\\9Z\\;J"));
    ASSERT_TRUE(marked);
    EXPECT_EQ(shapeOf(*marked), QStringLiteral("0L1L2"));
    EXPECT_TRUE(marked->at(0).slot.doubleByte);
    EXPECT_EQ(marked->at(1).literal, QLatin1Char('9'));
    EXPECT_EQ(marked->at(2).slot.keyword, MaskKeyword::DoubleByte);
    EXPECT_EQ(marked->at(3).literal, QLatin1Char(';'));
    EXPECT_EQ(marked->at(4).slot.keyword, MaskKeyword::Hiragana);
}

TEST(MaskPatternParser, RejectsMalformedPatterns) {
    const char* const bad[] = {"",    "---", "99\\",   "99^",    "^H",   "^-9",
                               "9;x", "9;{", "9;{a}b", "9;{}};", "9;;;", "9;{\\}"};
    for (const char* format : bad) {
        EXPECT_FALSE(parseMaskPattern(QString::fromLatin1(format))) << format;
    }
    EXPECT_FALSE(parseMaskPattern(QStringLiteral("9\t9")));
    EXPECT_FALSE(parseMaskPattern(QString(QLatin1Char('9')) + QChar(u'\0')));
    EXPECT_TRUE(parseMaskPattern(QString(256, QLatin1Char('9'))));
    EXPECT_FALSE(parseMaskPattern(QString(257, QLatin1Char('9'))));
}

TEST(MaskKeywords, SingleByteClassesAcceptAndRefuse) {
    struct Case {
        MaskKeyword keyword;
        const char16_t* accepted;
        const char16_t* refused;
    };
    const Case cases[] = {
        {MaskKeyword::Upper, u"AZ", u"a\u00C9\u00E91 "},
        {MaskKeyword::Lower, u"az", u"A\u00E9\u00DF1"},
        {MaskKeyword::Digit, u"09", u"a\u00B2+\uFF11"},
        {MaskKeyword::DigitOrSign, u"07+-$%\\,.", u"a#*"},
        {MaskKeyword::Symbol, u"!@#\u00A7\u00D7", u"a1 \u00E9"},
        {MaskKeyword::Binary, u"01", u"2a"},
        {MaskKeyword::Hex, u"09AFaf", u"Gg-"},
        {MaskKeyword::Katakana, u"\uFF76", u"\u30AB\u304Ba"},
        {MaskKeyword::SingleByte, u"a\u00E9\u00FF~", u"\u3042\u20AC"},
        {MaskKeyword::Any, u"a\u00E9\u3042~", u"\t"},
    };
    for (const Case& c : cases) {
        for (const char16_t* p = c.accepted; *p != 0; ++p) {
            EXPECT_EQ(fitted(c.keyword, false, QChar(*p), false), QString(QChar(*p)))
                << static_cast<int>(c.keyword) << " " << static_cast<int>(*p);
        }
        for (const char16_t* p = c.refused; *p != 0; ++p) {
            EXPECT_EQ(fitted(c.keyword, false, QChar(*p), false), QStringLiteral("<refused>"))
                << static_cast<int>(c.keyword) << " " << static_cast<int>(*p);
        }
    }
}

TEST(MaskKeywords, AutoConvertFixesCaseAndWidthButNotForeignLetters) {
    EXPECT_EQ(fitted(MaskKeyword::Upper, false, u'b', true), QStringLiteral("B"));
    EXPECT_EQ(fitted(MaskKeyword::Lower, false, u'Q', true), QStringLiteral("q"));
    EXPECT_EQ(fitted(MaskKeyword::Upper, false, u'\u00E9', true), QStringLiteral("<refused>"));
    EXPECT_EQ(fitted(MaskKeyword::Digit, false, u'\uFF17', true), QStringLiteral("7"));
    EXPECT_EQ(fitted(MaskKeyword::Digit, false, u'\uFF17', false), QStringLiteral("<refused>"));
    // The double-byte group holds the full-width forms.
    EXPECT_EQ(fitted(MaskKeyword::Digit, true, u'7', true), QString(QChar(u'\uFF17')));
    EXPECT_EQ(fitted(MaskKeyword::Digit, true, u'7', false), QStringLiteral("<refused>"));
    EXPECT_EQ(fitted(MaskKeyword::Upper, true, u'b', true), QString(QChar(u'\uFF22')));
    EXPECT_EQ(fitted(MaskKeyword::Katakana, true, u'\u304B', true), QString(QChar(u'\u30AB')));
    EXPECT_EQ(fitted(MaskKeyword::Hiragana, true, u'\u30AB', true), QString(QChar(u'\u304B')));
    EXPECT_EQ(fitted(MaskKeyword::DoubleByte, true, u'a', false), QStringLiteral("<refused>"));
    EXPECT_EQ(fitted(MaskKeyword::DoubleByte, true, u'\u6F22', false), QString(QChar(u'\u6F22')));
}

TEST(MaskLookupTable, ReadsRangesAndEscapesAndAppliesModes) {
    const auto table = MaskLookupTable::parse(QStringLiteral("a-cX\\-Z-"));
    ASSERT_TRUE(table);
    for (const char16_t c : std::u16string(u"abcX-Z")) {
        EXPECT_TRUE(table->contains(QChar(c))) << static_cast<int>(c);
    }
    EXPECT_FALSE(table->contains(QLatin1Char('d')));
    EXPECT_FALSE(table->contains(QLatin1Char('Y')));
    EXPECT_TRUE(lookupAllows(MaskLookupMode::Only, *table, QLatin1Char('b')));
    EXPECT_FALSE(lookupAllows(MaskLookupMode::Only, *table, QLatin1Char('d')));
    EXPECT_FALSE(lookupAllows(MaskLookupMode::Exclude, *table, QLatin1Char('b')));
    EXPECT_TRUE(lookupAllows(MaskLookupMode::None, *table, QLatin1Char('b')));
    EXPECT_FALSE(MaskLookupTable::parse(QStringLiteral("z-a")));
    EXPECT_FALSE(MaskLookupTable::parse(QStringLiteral("ab\\")));
    EXPECT_TRUE(MaskLookupTable::parse(QString()));
}
