#pragma once

#include "mask_pattern.h"

#include <optional>

// The mask pattern language as this engine reads it.
//
//   pattern   := body { ";" section }         at most two further sections
//   section   := "" | "{" text "}"            text holds no unescaped "}"; kept, not applied
//   body      := { item }                     at least one input slot
//   item      := keyword | "^" keyword | "\" char | literal
//
// Keywords of the single-byte group: & ? A a 9 # @ B X K H. A "^" in front of a keyword
// makes it the double-byte keyword of that letter (full-width forms, Katakana U+30A1..;
// "^&" any character); Z (any double-byte character) and J (Hiragana) exist only in the
// double-byte group and need no "^". A doubled "&&" or "??" is two positions like any other
// pair of keywords. "\" makes the next character a literal (so "\9" shows a 9 and "\^" a
// caret); every other character is a literal. A "^" before a non-keyword, a trailing "\" or
// "^", a control character, more than 256 positions or a body without input slot make the
// pattern invalid.
namespace tarnwick::fenbase6 {

inline constexpr int kMaxMaskPositions = 256;

std::optional<MaskPattern> parseMaskPattern(const QString& text);

} // namespace tarnwick::fenbase6
