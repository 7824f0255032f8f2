#include "numlite_enums.h"

namespace tarnwick::numlite::NumLiteEnums {

using frame::FenEnumeration;
using frame::makeFenEnumeration;

const FenEnumeration& minusSign() {
    static const FenEnumeration e = makeFenEnumeration(
        "fenMinusSignConst",
        {{"fenParenthesesAsMinus", 0}, {"fenMinusInFront", 1}, {"fenMinusInBack", 2}},
        "0 - Braces,1 - Before Number,2 - After Number");
    return e;
}

const FenEnumeration& clearAction() {
    static const FenEnumeration e = makeFenEnumeration(
        "fenClearActionConst", {{"fenZero", 0}, {"fenNull", 1}}, "0 - Zero,1 - Null");
    return e;
}

const FenEnumeration& currentPosition() {
    static const FenEnumeration e = makeFenEnumeration(
        "fenCurrentPositionConst", {{"fenCurrentPosInteger", 0}, {"fenCurrentPosDecimal", 1}});
    return e;
}

const FenEnumeration& spinVisible() {
    static const FenEnumeration e = makeFenEnumeration(
        "fenVisibleConst", {{"fenNotShown", 0}, {"fenShowAlways", 1}, {"fenShowOnFocus", 2}},
        "0 - Hide,1 - Show Always,2 - Show On Focus");
    return e;
}

const FenEnumeration& spinPosition() {
    static const FenEnumeration e = makeFenEnumeration(
        "fenSpinPosConst", {{"fenSpinPosInside", 0}, {"fenSpinPosOutside", 1}},
        "0 - Inside,1 - Outside");
    return e;
}

} // namespace tarnwick::numlite::NumLiteEnums
