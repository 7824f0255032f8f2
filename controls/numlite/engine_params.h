#pragma once

#include "com/variant.h"
#include "fenbase6/engine_messages.h"

// How the numeric control's values cross to the number engine.
namespace tarnwick::numlite {

// A variant goes by address in the long parameter.
inline fenbase6::LongParam variantParam(const com::Variant& value) {
    return reinterpret_cast<fenbase6::LongParam>(&value);
}

// A 16-bit setting goes in the word parameter as its 16 bits.
inline fenbase6::WordParam shortWord(std::int16_t value) {
    return static_cast<fenbase6::WordParam>(static_cast<std::uint16_t>(value));
}

} // namespace tarnwick::numlite
