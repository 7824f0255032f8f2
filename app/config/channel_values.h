#pragma once

#include <cstdint>

namespace tarnwick {

// Nearest integer, halves to the even neighbour (2.5 -> 2, 3.5 -> 4).
double roundHalfEven(double x);

// A command duration byte d stands for d / 4.54 seconds, shown to one decimal.
double durationSeconds(std::uint8_t stored);
// Clamped to 0-28 s and kept in 7 bits. Throws AppError (overflow) for a value that is not
// a number.
std::uint8_t durationByte(double seconds);

// Alarm delays are whole seconds 0-126; values outside are clamped when stored.
std::uint8_t alarmDelayByte(int seconds);

} // namespace tarnwick
