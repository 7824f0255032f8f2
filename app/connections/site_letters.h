#pragma once

#include <QString>

#include <cstdint>

namespace tarnwick {

// "A" -> 0 ... "D" -> 3, upper case only; any other text (also "a" and "") gives 0.
std::uint8_t SiteLetterToIndex(const QString& letter);

// 0 -> "A" ... 3 -> "D"; any other index gives the empty text.
QString IndexToSiteLetter(std::uint8_t index);

} // namespace tarnwick
