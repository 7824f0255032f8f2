#pragma once

#include <QChar>
#include <optional>

namespace tarnwick::fenbase6 {

// The character class of one input position of a mask pattern.
enum class MaskKeyword {
    Any,         // & : any character
    Lookup,      // ? : any character, restricted by the lookup table
    Upper,       // A : A-Z
    Lower,       // a : a-z
    Digit,       // 9 : 0-9
    DigitOrSign, // # : 0-9 and + - $ % \ , .
    Symbol,      // @ : a printable character that is neither letter, digit nor space
    Binary,      // B : 0 or 1
    Hex,         // X : 0-9, A-F, a-f
    Katakana,    // K
    SingleByte,  // H : any single-byte character (single-byte group only)
    DoubleByte,  // Z : any double-byte character (double-byte group only)
    Hiragana,    // J : double-byte group only
};

struct MaskSlotClass {
    MaskKeyword keyword = MaskKeyword::Any;
    bool doubleByte = false;
};

// The keyword a pattern character stands for in the single-byte group; none for a literal.
std::optional<MaskKeyword> singleByteKeyword(QChar c);
// The keyword a pattern character stands for in the double-byte group; none if it has none.
std::optional<MaskKeyword> doubleByteKeyword(QChar c);

// Whether a space is itself a member of the class (rather than a blank position).
bool classHoldsSpace(MaskSlotClass slot);

// `c` as the class stores it: accepted as is, or converted when `autoConvert` allows (case for
// the letter keywords, half/full width to fit the group, Hiragana/Katakana); none when it does
// not fit. The lookup table is applied by the caller.
std::optional<QChar> fitCharacter(MaskSlotClass slot, QChar c, bool autoConvert);

// Width forms of the ASCII range (the ideographic space stands for the full-width space).
QChar toFullWidth(QChar c);
QChar toHalfWidth(QChar c);

} // namespace tarnwick::fenbase6
