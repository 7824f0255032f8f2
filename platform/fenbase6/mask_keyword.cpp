#include "mask_keyword.h"

namespace tarnwick::fenbase6 {

namespace {

constexpr char16_t kFullWidthOffset = 0xFEE0;
constexpr char16_t kIdeographicSpace = 0x3000;
constexpr char16_t kKanaOffset = 0x60; // Hiragana to Katakana

bool inRange(QChar c, char16_t first, char16_t last) {
    return c.unicode() >= first && c.unicode() <= last;
}

bool isHalfWidthKatakana(QChar c) {
    return inRange(c, 0xFF66, 0xFF9F);
}
bool isKatakana(QChar c) {
    return inRange(c, 0x30A1, 0x30FA) || c.unicode() == 0x30FC;
}
bool isHiragana(QChar c) {
    return inRange(c, 0x3041, 0x3096);
}
bool isSingleByte(QChar c) {
    return (inRange(c, 0x20, 0xFF) && c.unicode() != 0x7F && !inRange(c, 0x80, 0x9F)) ||
           isHalfWidthKatakana(c);
}

// The classes both groups share, tested on the single-byte form of a character.
bool sharedClassHolds(MaskKeyword keyword, QChar c) {
    const char16_t u = c.unicode();
    switch (keyword) {
    case MaskKeyword::Upper:
        return inRange(c, u'A', u'Z');
    case MaskKeyword::Lower:
        return inRange(c, u'a', u'z');
    case MaskKeyword::Digit:
        return inRange(c, u'0', u'9');
    case MaskKeyword::DigitOrSign:
        return inRange(c, u'0', u'9') || u == u'+' || u == u'-' || u == u'$' || u == u'%' ||
               u == u'\\' || u == u',' || u == u'.';
    case MaskKeyword::Symbol:
        return c.isPrint() && !c.isLetterOrNumber() && !c.isSpace();
    case MaskKeyword::Binary:
        return u == u'0' || u == u'1';
    case MaskKeyword::Hex:
        return inRange(c, u'0', u'9') || inRange(c, u'A', u'F') || inRange(c, u'a', u'f');
    default:
        return false;
    }
}

QChar convertCase(MaskKeyword keyword, QChar c) {
    if (keyword == MaskKeyword::Upper && inRange(c, u'a', u'z')) {
        return c.toUpper();
    }
    if (keyword == MaskKeyword::Lower && inRange(c, u'A', u'Z')) {
        return c.toLower();
    }
    return c;
}

std::optional<QChar> fitSingleByte(MaskKeyword keyword, QChar c) {
    switch (keyword) {
    case MaskKeyword::Any:
    case MaskKeyword::Lookup:
        return c.isPrint() ? std::optional(c) : std::nullopt;
    case MaskKeyword::SingleByte:
        return isSingleByte(c) ? std::optional(c) : std::nullopt;
    case MaskKeyword::Katakana:
        return isHalfWidthKatakana(c) ? std::optional(c) : std::nullopt;
    case MaskKeyword::DoubleByte:
    case MaskKeyword::Hiragana:
        return std::nullopt;
    default:
        return sharedClassHolds(keyword, c) ? std::optional(c) : std::nullopt;
    }
}

std::optional<QChar> fitDoubleByte(MaskKeyword keyword, QChar c) {
    switch (keyword) {
    case MaskKeyword::Any:
    case MaskKeyword::Lookup:
        return c.isPrint() ? std::optional(c) : std::nullopt;
    case MaskKeyword::DoubleByte:
        return c.isPrint() && !isSingleByte(c) ? std::optional(c) : std::nullopt;
    case MaskKeyword::Katakana:
        return isKatakana(c) ? std::optional(c) : std::nullopt;
    case MaskKeyword::Hiragana:
        return isHiragana(c) ? std::optional(c) : std::nullopt;
    case MaskKeyword::SingleByte:
        return std::nullopt;
    default: {
        // A full-width form of a member of the shared class.
        const QChar half = toHalfWidth(c);
        return half != c && sharedClassHolds(keyword, half) ? std::optional(c) : std::nullopt;
    }
    }
}

QChar convertForDoubleByte(MaskKeyword keyword, QChar c) {
    if (keyword == MaskKeyword::Katakana && isHiragana(c)) {
        return QChar(static_cast<char16_t>(c.unicode() + kKanaOffset));
    }
    if (keyword == MaskKeyword::Hiragana && isKatakana(c) &&
        isHiragana(QChar(static_cast<char16_t>(c.unicode() - kKanaOffset)))) {
        return QChar(static_cast<char16_t>(c.unicode() - kKanaOffset));
    }
    return toFullWidth(convertCase(keyword, toHalfWidth(c)));
}

} // namespace

std::optional<MaskKeyword> singleByteKeyword(QChar c) {
    switch (c.unicode()) {
    case u'&':
        return MaskKeyword::Any;
    case u'?':
        return MaskKeyword::Lookup;
    case u'A':
        return MaskKeyword::Upper;
    case u'a':
        return MaskKeyword::Lower;
    case u'9':
        return MaskKeyword::Digit;
    case u'#':
        return MaskKeyword::DigitOrSign;
    case u'@':
        return MaskKeyword::Symbol;
    case u'B':
        return MaskKeyword::Binary;
    case u'X':
        return MaskKeyword::Hex;
    case u'K':
        return MaskKeyword::Katakana;
    case u'H':
        return MaskKeyword::SingleByte;
    default:
        return std::nullopt;
    }
}

std::optional<MaskKeyword> doubleByteKeyword(QChar c) {
    switch (c.unicode()) {
    case u'Z':
        return MaskKeyword::DoubleByte;
    case u'J':
        return MaskKeyword::Hiragana;
    case u'H':
        return std::nullopt;
    default:
        return singleByteKeyword(c);
    }
}

bool classHoldsSpace(MaskSlotClass slot) {
    switch (slot.keyword) {
    case MaskKeyword::Any:
    case MaskKeyword::Lookup:
        return true;
    case MaskKeyword::SingleByte:
        return !slot.doubleByte;
    case MaskKeyword::DoubleByte:
        return slot.doubleByte;
    default:
        return false;
    }
}

std::optional<QChar> fitCharacter(MaskSlotClass slot, QChar c, bool autoConvert) {
    if (slot.doubleByte) {
        return fitDoubleByte(slot.keyword, autoConvert ? convertForDoubleByte(slot.keyword, c) : c);
    }
    return fitSingleByte(slot.keyword, autoConvert ? convertCase(slot.keyword, toHalfWidth(c)) : c);
}

QChar toFullWidth(QChar c) {
    if (c.unicode() == u' ') {
        return QChar(kIdeographicSpace);
    }
    if (inRange(c, 0x21, 0x7E)) {
        return QChar(static_cast<char16_t>(c.unicode() + kFullWidthOffset));
    }
    return c;
}

QChar toHalfWidth(QChar c) {
    if (c.unicode() == kIdeographicSpace) {
        return QLatin1Char(' ');
    }
    if (inRange(c, 0xFF01, 0xFF5E)) {
        return QChar(static_cast<char16_t>(c.unicode() - kFullWidthOffset));
    }
    return c;
}

} // namespace tarnwick::fenbase6
