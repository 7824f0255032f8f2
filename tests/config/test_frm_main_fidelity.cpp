// What the main window writes back into an image: exactly the field model's encoding, and
// nothing at all where it shows nothing.

#include "config/site_config_codec.h"
#include "main_window_fixture.h"

#include <bitset>
#include <random>

using namespace tarnwick;
using namespace tarnwick::test;

namespace {

ConfigImage randomImage(std::mt19937& rng, std::uint8_t firmware) {
    std::uniform_int_distribution<int> byte(0, 255);
    ConfigImage image{};
    for (auto& b : image)
        b = static_cast<std::uint8_t>(byte(rng));
    image[31] = firmware;
    for (std::size_t n = 0; n < kChannelCount; ++n) { // limits the window can show
        image[54 + 9 * n] &= 0x7F;
        image[56 + 9 * n] &= 0x7F;
    }
    return image;
}

// The bytes the window must never write: those of no field, those of the other layout, the
// spare bytes of channel records and label slots, and the passwords.
std::bitset<kImageSize> untouchedBytes(bool layout56) {
    std::bitset<kImageSize> set;
    const auto mark = [&set](std::size_t first, std::size_t last) {
        for (std::size_t i = first; i <= last; ++i)
            set.set(i);
    };
    for (const auto& [first, last] :
         std::initializer_list<std::pair<std::size_t, std::size_t>>{{4, 7},
                                                                    {16, 19},
                                                                    {27, 27},
                                                                    {31, 32},
                                                                    {37, 49},
                                                                    {51, 53},
                                                                    {198, 203},
                                                                    {207, 207},
                                                                    {240, 247},
                                                                    {280, 338},
                                                                    {346, 374},
                                                                    {519, 950},
                                                                    {953, 969},
                                                                    {2010, 2015}})
        mark(first, last);
    for (std::size_t n = 0; n < kChannelCount; ++n) {
        mark(54 + 9 * n + 5, 54 + 9 * n + 8);
        mark(375 + 9 * n + 7, 375 + 9 * n + 8);
    }
    if (layout56) {
        mark(12, 15);
        mark(34, 36);
    } else {
        mark(204, 206);
    }
    return set;
}

} // namespace

TEST_F(MainWindowTest, RandomImagesEncodeThroughTheWindowAsThroughTheFieldModel) {
    frmMain& w = makeWindow();
    std::mt19937 rng(20260302);
    for (int round = 0; round < 16; ++round) {
        const std::uint8_t firmware = round % 2 == 0 ? 54 : 56;
        const auto destSL = static_cast<std::uint8_t>(round % 4);
        program.connection.DestSL = destSL;
        program.image = randomImage(rng, firmware);
        w.LoadValues();

        // Stored over other bytes, so that a field the window leaves out shows.
        const ConfigImage base = randomImage(rng, firmware);
        ConfigImage throughWindow = base;
        w.StoreValues(throughWindow);
        ConfigImage throughModel = base;
        encodeSiteConfig(decodeSiteConfig(program.image, destSL), destSL, throughModel);
        EXPECT_EQ(throughWindow, throughModel) << "round " << round;
    }
    EXPECT_TRUE(errors.reports.empty());
}

TEST_F(MainWindowTest, ADownloadFollowedBySaveKeepsEveryByteTheWindowDoesNotEncode) {
    std::mt19937 rng(7);
    for (const std::uint8_t firmware : {std::uint8_t{55}, std::uint8_t{57}}) {
        frmMain& w = makeWindow();
        const ConfigImage unit = randomImage(rng, firmware);
        downloaded(unit);
        const QString path = dir.filePath(QStringLiteral("saved%1.stv").arg(firmware));
        prompter.scriptPath(path);
        ASSERT_TRUE(w.SaveSettings(false));
        const ConfigImage saved = readSettingsFile(path)->image;

        const auto untouched = untouchedBytes(firmware >= 56);
        for (std::size_t offset = 0; offset < kImageSize; ++offset) {
            if (untouched.test(offset)) {
                EXPECT_EQ(saved[offset], unit[offset]) << "offset " << offset;
            }
        }
        ConfigImage expected = unit;
        encodeSiteConfig(decodeSiteConfig(unit, 0), 0, expected);
        EXPECT_EQ(saved, expected);
    }
}
