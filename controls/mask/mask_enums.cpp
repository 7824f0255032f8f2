#include "mask_enums.h"

namespace tarnwick::mask {

using frame::FenEnumeration;
using frame::makeFenEnumeration;

namespace MaskEnums {

const FenEnumeration& lookupMode() {
    static const FenEnumeration e = makeFenEnumeration(
        "fenLookupModeConst", {{"fenLookupNone", 0}, {"fenLookupOnly", 1}, {"fenLookupExclude", 2}},
        "0 - No lookup,1 - Chars in table only,2 - Exclude chars in table");
    return e;
}

const FenEnumeration& showLiterals() {
    static const FenEnumeration e =
        makeFenEnumeration("fenShowLiteralsConst",
                           {{"fenShowLiteralsAlways", 0},
                            {"fenShowLiteralsPostDisp", 1},
                            {"fenShowLiteralsPreDisp", 2}},
                           "0 - Always,1 - Post Display,2 - Pre Display");
    return e;
}

const FenEnumeration& clipMode() {
    static const FenEnumeration e = makeFenEnumeration(
        "fenClipModeConst", {{"fenIncludeLiterals", 0}, {"fenExcludeLiterals", 1}},
        "0 - Include Literals,1 - Exclude Literals");
    return e;
}

const FenEnumeration& highlightText() {
    static const FenEnumeration e = makeFenEnumeration(
        "fenHighlightTextConst",
        {{"fenHighlightNone", 0}, {"fenHighlightField", 1}, {"fenHighlightAll", 2}},
        "0 - None,1 - Field,2 - All");
    return e;
}

const FenEnumeration& tabAction() {
    static const FenEnumeration e = makeFenEnumeration(
        "fenTabActionConst", {{"fenTabControl", 0}, {"fenTabField", 1}}, "0 - Control,1 - Field");
    return e;
}

const FenEnumeration& dataProperty() {
    static const FenEnumeration e = makeFenEnumeration(
        "fenDataPropertyConst", {{"fenValueProperty", 0}, {"fenTextProperty", 1}},
        "0 - Value Property,1 - Text Property");
    return e;
}

const FenEnumeration& imeMode() {
    static const FenEnumeration e = makeFenEnumeration(
        "fenIMEModeConst",
        {{"fenIMEDefault", 0},
         {"fenIMEOn", 1},
         {"fenIMEOff", 2},
         {"fenIMEDisable", 3},
         {"fenIMEHiragana", 4},
         {"fenIMEKatakanaDBCS", 5},
         {"fenIMEKatakanaSBCS", 6},
         {"fenIMEAlphaDBCS", 7},
         {"fenIMEAlphaSBCS", 8}},
        "0 - Default,1 - On,2 - Off,3 - Disabled,4 - Hiragana,5 - Kana DBCS,6 - Kana SBCS,"
        "7 - Alpha DBCS,8 - Alpha SBCS");
    return e;
}

const FenEnumeration& imeStatus() {
    static const FenEnumeration e =
        makeFenEnumeration("fenIMEStatusConst", {{"fenIMENormal", 0}, {"fenIMENonConvert", 1}},
                           "0 - Normal,1 - No Convert");
    return e;
}

} // namespace MaskEnums

} // namespace tarnwick::mask
