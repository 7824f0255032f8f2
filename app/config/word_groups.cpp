#include "word_groups.h"

#include "shell/app_error.h"

#include <cstdint>

namespace tarnwick {

namespace {

std::uint32_t readMask(const ConfigImage& image, std::size_t offset, std::size_t maskBytes) {
    std::uint32_t mask = 0;
    for (std::size_t i = 0; i < maskBytes; ++i) {
        mask |= static_cast<std::uint32_t>(image[offset + i]) << (8 * i);
    }
    return mask;
}

} // namespace

void readWordGroup(const ConfigImage& image, std::size_t offset, std::size_t maskBytes,
                   std::span<WordCode> words) {
    const std::uint32_t mask = readMask(image, offset, maskBytes);
    for (std::size_t j = 0; j < words.size(); ++j) {
        const auto ninth = static_cast<WordCode>((mask >> (2 * j)) & 1U);
        words[j] = static_cast<WordCode>((ninth << 8) | image[offset + maskBytes + j]);
    }
}

void writeWordGroup(ConfigImage& image, std::size_t offset, std::size_t maskBytes,
                    std::span<const WordCode> words) {
    std::uint32_t mask = 0;
    for (std::size_t j = 0; j < words.size(); ++j) {
        if (words[j] > kMaxWordCode) {
            throw AppError::standard(
                ErrorNumber::Overflow,
                QStringLiteral("word code %1 is above %2").arg(words[j]).arg(kMaxWordCode));
        }
        mask |= static_cast<std::uint32_t>(words[j] >> 8) << (2 * j);
        image[offset + maskBytes + j] = static_cast<std::uint8_t>(words[j] & 0xFF);
    }
    for (std::size_t i = 0; i < maskBytes; ++i) {
        image[offset + i] = static_cast<std::uint8_t>((mask >> (8 * i)) & 0xFF);
    }
}

} // namespace tarnwick
