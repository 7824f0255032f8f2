#pragma once

#include "frame/fen_enums.h"

// The enumerations of the masked control besides the shared ones. Values are persisted and
// passed to the mask engine as they are.
namespace tarnwick::mask {

enum fenLookupModeConst : std::int16_t {
    fenLookupNone = 0,
    fenLookupOnly = 1,
    fenLookupExclude = 2,
};
enum fenShowLiteralsConst : std::int16_t {
    fenShowLiteralsAlways = 0,
    fenShowLiteralsPostDisp = 1,
    fenShowLiteralsPreDisp = 2,
};
enum fenClipModeConst : std::int16_t { fenIncludeLiterals = 0, fenExcludeLiterals = 1 };
enum fenHighlightTextConst : std::int16_t {
    fenHighlightNone = 0,
    fenHighlightField = 1,
    fenHighlightAll = 2,
};
enum fenTabActionConst : std::int16_t { fenTabControl = 0, fenTabField = 1 };
enum fenDataPropertyConst : std::int16_t { fenValueProperty = 0, fenTextProperty = 1 };
enum fenIMEModeConst : std::int16_t {
    fenIMEDefault = 0,
    fenIMEOn = 1,
    fenIMEOff = 2,
    fenIMEDisable = 3,
    fenIMEHiragana = 4,
    fenIMEKatakanaDBCS = 5,
    fenIMEKatakanaSBCS = 6,
    fenIMEAlphaDBCS = 7,
    fenIMEAlphaSBCS = 8,
};
enum fenIMEStatusConst : std::int16_t { fenIMENormal = 0, fenIMENonConvert = 1 };

namespace MaskEnums {
const frame::FenEnumeration& lookupMode();
const frame::FenEnumeration& showLiterals();
const frame::FenEnumeration& clipMode();
const frame::FenEnumeration& highlightText();
const frame::FenEnumeration& tabAction();
const frame::FenEnumeration& dataProperty();
const frame::FenEnumeration& imeMode();
const frame::FenEnumeration& imeStatus();
} // namespace MaskEnums

} // namespace tarnwick::mask
