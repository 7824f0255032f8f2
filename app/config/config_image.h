#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

namespace tarnwick {

inline constexpr std::size_t kBlockSize = 8;
inline constexpr std::size_t kBlockCount = 252;
inline constexpr std::size_t kImageSize = kBlockSize * kBlockCount; // 2016

// The unit's configuration memory: block b byte i at offset 8*b + i.
using ConfigImage = std::array<std::uint8_t, kImageSize>;
using Block = std::array<std::uint8_t, kBlockSize>;
// The same memory as a download collects it, indexed (block, byte).
using BlockBuffer = std::array<Block, kBlockCount>;

inline ConfigImage imageFromBlocks(const BlockBuffer& blocks) {
    ConfigImage image{};
    for (std::size_t b = 0; b < kBlockCount; ++b) {
        for (std::size_t i = 0; i < kBlockSize; ++i) {
            image[b * kBlockSize + i] = blocks[b][i];
        }
    }
    return image;
}

inline Block blockOf(const ConfigImage& image, std::size_t block) {
    Block out{};
    for (std::size_t i = 0; i < kBlockSize; ++i) {
        out[i] = image[block * kBlockSize + i];
    }
    return out;
}

} // namespace tarnwick
