#include "config/site_config_codec.h"

#include <bitset>
#include <gtest/gtest.h>
#include <random>

using namespace tarnwick;

namespace {

using OffsetSet = std::bitset<kImageSize>;

void mark(OffsetSet& set, std::size_t first, std::size_t last) {
    for (std::size_t i = first; i <= last; ++i) {
        set.set(i);
    }
}

// The bytes the window writes, straight from the byte map.
OffsetSet ownedOffsets(bool layout56) {
    OffsetSet owned;
    mark(owned, 0, 3);   // highest channel
    mark(owned, 8, 11);  // data received from
    mark(owned, 20, 26); // local options 0-6
    mark(owned, 28, 30); // local options 7-9
    mark(owned, 33, 33); // rings
    mark(owned, 50, 50); // limits monitoring
    for (std::size_t n = 1; n <= 16; ++n) {
        const std::size_t record = 54 + 9 * (n - 1);
        mark(owned, record, record + 4); // limits and flags, not the last four bytes
        const std::size_t slot = 375 + 9 * (n - 1);
        mark(owned, slot, slot + 6); // label, not the last two bytes
    }
    mark(owned, 208, 239);   // durations
    mark(owned, 248, 279);   // alarm delays
    mark(owned, 339, 345);   // site label
    mark(owned, 951, 952);   // dial out, answer
    mark(owned, 970, 989);   // sign-on message
    mark(owned, 990, 1133);  // phone numbers
    mark(owned, 1134, 2009); // Ovin words
    if (layout56) {
        mark(owned, 204, 206);
    } else {
        mark(owned, 12, 15);
        mark(owned, 34, 36);
    }
    return owned;
}

ConfigImage randomImage(std::mt19937& rng, bool layout56) {
    std::uniform_int_distribution<int> byte(0, 255);
    ConfigImage image{};
    for (auto& b : image) {
        b = static_cast<std::uint8_t>(byte(rng));
    }
    image[31] = static_cast<std::uint8_t>(layout56 ? 56 + image[31] % 200 : image[31] % 56);
    for (std::size_t n = 0; n < 16; ++n) { // limits must be readable
        image[54 + 9 * n] &= 0x7F;
        image[56 + 9 * n] &= 0x7F;
    }
    return image;
}

// Durations and delays stored outside their ranges show as stored and are clamped on
// storing, so only in-range images read back unchanged.
void keepTimesInRange(ConfigImage& image) {
    for (std::size_t at = 208; at <= 239; ++at) {
        image[at] &= 0x7F;
    }
    for (std::size_t at = 248; at <= 279; ++at) {
        image[at] = static_cast<std::uint8_t>(image[at] % 127);
    }
}

ConfigImage stored(const SiteConfig& config, std::uint8_t destSL, ConfigImage image) {
    encodeSiteConfig(config, destSL, image);
    return image;
}

} // namespace

TEST(SiteConfigRoundTrip, StoringWritesOnlyOwnedBytesAndSettles) {
    for (unsigned seed = 1; seed <= 300; ++seed) {
        SCOPED_TRACE(seed);
        std::mt19937 rng(seed);
        const bool layout56 = seed % 2 == 0;
        const auto destSL = static_cast<std::uint8_t>(seed % 4);
        const OffsetSet owned = ownedOffsets(layout56);
        const ConfigImage image = randomImage(rng, layout56);

        const SiteConfig config = decodeSiteConfig(image, destSL);
        const ConfigImage out = stored(config, destSL, image);
        for (std::size_t i = 0; i < kImageSize; ++i) {
            if (!owned.test(i)) {
                ASSERT_EQ(out[i], image[i]) << "byte " << i;
            }
        }

        // Every owned byte comes from the model alone, whatever was there before.
        ConfigImage other = image;
        for (std::size_t i = 0; i < kImageSize; ++i) {
            if (owned.test(i)) {
                other[i] = static_cast<std::uint8_t>(~other[i]);
            }
        }
        const ConfigImage outOther = stored(config, destSL, other);
        for (std::size_t i = 0; i < kImageSize; ++i) {
            if (owned.test(i)) {
                ASSERT_EQ(outOther[i], out[i]) << "byte " << i;
            }
        }

        // Right after a store nothing counts as changed.
        EXPECT_EQ(stored(decodeSiteConfig(out, destSL), destSL, out), out);
    }
}

TEST(SiteConfigRoundTrip, DecodingAStoredImageGivesTheSameFields) {
    for (unsigned seed = 1000; seed < 1300; ++seed) {
        SCOPED_TRACE(seed);
        std::mt19937 rng(seed);
        const auto destSL = static_cast<std::uint8_t>(seed % 4);
        ConfigImage image = randomImage(rng, seed % 2 == 0);
        keepTimesInRange(image);

        const SiteConfig config = decodeSiteConfig(image, destSL);
        ASSERT_EQ(decodeSiteConfig(stored(config, destSL, image), destSL), config);
    }
}
