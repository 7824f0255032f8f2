#pragma once

#include "config/config_image.h"
#include "config/site_config.h"

#include <cstddef>
#include <span>

namespace tarnwick {

// A group of spoken words in the image: a little-endian mask of `maskBytes` bytes at
// `offset`, then one low byte per word. Word j's ninth bit is mask bit 2*j; odd bits are
// unused.
void readWordGroup(const ConfigImage& image, std::size_t offset, std::size_t maskBytes,
                   std::span<WordCode> words);

// Rebuilds the mask from scratch (odd bits 0) and writes the low bytes. Throws AppError
// (overflow) for a code above kMaxWordCode.
void writeWordGroup(ConfigImage& image, std::size_t offset, std::size_t maskBytes,
                    std::span<const WordCode> words);

} // namespace tarnwick
