#pragma once

#include "frame/fen_enums.h"

// The enumerations of the numeric control and of its Spin object's settings.
namespace tarnwick::numlite {

enum fenMinusSignConst : std::int16_t {
    fenParenthesesAsMinus = 0,
    fenMinusInFront = 1,
    fenMinusInBack = 2,
};
enum fenClearActionConst : std::int16_t { fenZero = 0, fenNull = 1 };
enum fenCurrentPositionConst : std::int16_t { fenCurrentPosInteger = 0, fenCurrentPosDecimal = 1 };

namespace NumLiteEnums {
const frame::FenEnumeration& minusSign();
const frame::FenEnumeration& clearAction();
const frame::FenEnumeration& currentPosition();
const frame::FenEnumeration& spinVisible();
const frame::FenEnumeration& spinPosition();
} // namespace NumLiteEnums

} // namespace tarnwick::numlite
