#pragma once

#include "fenbase6/engine_messages.h"

#include <QByteArray>
#include <cstdint>

// The message parameters the masked control gives its engine.
namespace tarnwick::mask {

constexpr fenbase6::WordParam flagWord(bool value) {
    return value ? 1 : 0;
}

// A 16-bit value in the low word (negative ones as their 16-bit pattern).
constexpr fenbase6::WordParam shortWord(std::int16_t value) {
    return static_cast<fenbase6::WordParam>(static_cast<std::uint16_t>(value));
}

// Null-terminated text in the boundary's code page, valid while `bytes` lives.
inline fenbase6::LongParam textParam(const QByteArray& bytes) {
    return reinterpret_cast<fenbase6::LongParam>(bytes.constData());
}

} // namespace tarnwick::mask
