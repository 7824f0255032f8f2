#include "shell/app_error.h"
#include "support/error_number.h"
#include "transfer/protected_locations.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <algorithm>

using namespace tarnwick;
using tarnwick::testing::errorNumberOf;

// Blocks first, byte indices 119 bytes later; a short file reads as zeros past its end.
TEST(ProtectedLocations, LayoutAndShortFiles) {
    QByteArray bytes(238, '\0');
    bytes[0] = 3;
    bytes[119] = 7;
    bytes[118] = static_cast<char>(251);
    bytes[237] = 5;
    const ProtectedLocations locations = parseProtectedLocations(bytes + QByteArray("extra"));
    EXPECT_EQ(locations[0], (ProtectedLocation{3, 7}));
    EXPECT_EQ(locations[118], (ProtectedLocation{251, 5}));
    EXPECT_EQ(encodeProtectedLocations(locations), bytes);

    const ProtectedLocations cut = parseProtectedLocations(bytes.left(120));
    EXPECT_EQ(cut[0], (ProtectedLocation{3, 7}));
    EXPECT_EQ(cut[118], (ProtectedLocation{251, 0}));
    EXPECT_EQ(parseProtectedLocations({}), ProtectedLocations{});
}

TEST(ProtectedLocations, EntriesOutsideTheMemoryAreRangeErrors) {
    for (const auto& [at, value] : {std::pair{0, 252}, std::pair{118, 255}, std::pair{119, 8},
                                    std::pair{237, 200}}) {
        QByteArray bytes(238, '\0');
        bytes[at] = static_cast<char>(value);
        EXPECT_EQ(errorNumberOf([&] { parseProtectedLocations(bytes); }),
                  ErrorNumber::SubscriptOutOfRange)
            << at;
    }
    ProtectedLocations locations{};
    locations[9] = {0, 8};
    EXPECT_EQ(errorNumberOf([&] { encodeProtectedLocations(locations); }),
              ErrorNumber::SubscriptOutOfRange);
}

TEST(ProtectedLocations, ReadingNeverCreatesTheFile) {
    const QTemporaryDir dir;
    const QString missing = dir.filePath(QStringLiteral("protected.dat"));
    EXPECT_EQ(readProtectedLocations(missing), ProtectedLocations{});
    EXPECT_FALSE(QFileInfo::exists(missing));
    EXPECT_EQ(errorNumberOf([&] { readProtectedLocations(dir.path()); }),
              ErrorNumber::PathFileAccess);
}

// The shipped file keeps the firmware byte and the channels' calibration bytes.
TEST(ProtectedLocations, ShippedFileProtectsFirmwareAndCalibration) {
    const ProtectedLocations shipped =
        readProtectedLocations(QStringLiteral(TARNWICK_SOURCE_DIR "/data/protected.dat"));
    const auto has = [&](std::size_t offset) {
        const ProtectedLocation wanted{static_cast<std::uint8_t>(offset / 8),
                                       static_cast<std::uint8_t>(offset % 8)};
        return std::find(shipped.begin(), shipped.end(), wanted) != shipped.end();
    };
    EXPECT_TRUE(has(31));
    for (std::size_t channel = 0; channel < 16; ++channel) {
        for (std::size_t i = 5; i <= 8; ++i) {
            EXPECT_TRUE(has(54 + 9 * channel + i)) << channel << " " << i;
        }
    }
    EXPECT_FALSE(has(960));
}
