#include "config/config_diff.h"
#include "test_transfer_fixture.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <cstring>

using namespace tarnwick;
using namespace tarnwick::test;

namespace {

// Patterned memory whose channel limits the field model can read.
sim::UnitSetup decodableUnit() {
    sim::UnitSetup setup = patternedUnit();
    for (std::size_t n = 0; n < kChannelCount; ++n) {
        setup.memory[54 + 9 * n] &= 0x7F;
        setup.memory[56 + 9 * n] &= 0x7F;
    }
    std::memcpy(setup.memory.data() + 960, "7391", 4);
    std::memcpy(setup.memory.data() + 966, "2468", 4);
    return setup;
}

QStringList changedPaths(const TransferRig& rig) {
    const ConfigImage unit = imageFromBlocks(rig.blocks);
    const ConfigImage upload = imageFromBlocks(rig.engine->state().UploadImage);
    QStringList out;
    const ConfigDifferences d = diffImages({unit, 0}, {upload, 0}, Vocabulary());
    for (const FieldDifference& f : d.fields) {
        out << f.path;
    }
    for (const ByteDifference& b : d.bytes) {
        out << b.path();
    }
    return out;
}

} // namespace

// The preview reads the unit as an upload does, keeps the protected locations, and stops
// before anything is written: no data frame, no commit, no restart, no new sync date.
TEST(TransferUploadPreview, ReadsTheUnitAndWritesNothing) {
    const sim::UnitSetup setup = decodableUnit();
    TransferRig rig(setup);
    QTemporaryDir dir;
    rig.host.protectedPath = protectedFile(dir, {{2, 0}});
    rig.image[339] = 'Z';           // site label
    rig.image[40 * 8 + 3] ^= 0xFF;  // a byte no field decodes
    rig.image[2 * 8] ^= 0xFF;       // protected: stays the unit's
    UploadOptions preview;
    preview.dryRun = true;
    rig.startUpload(preview);
    ASSERT_TRUE(rig.runToEnd());

    EXPECT_EQ(rig.outcome->kind, TransferOutcome::Kind::Succeeded);
    EXPECT_EQ(rig.readRequests().size(), 253U);
    EXPECT_TRUE(rig.framesFrom(rig.drainEnd()).isEmpty());
    EXPECT_TRUE(rig.engine->writtenBlocks().empty());
    EXPECT_EQ(rig.unit.memory(), setup.memory);
    EXPECT_EQ(rig.unit.restarts(), 0);
    EXPECT_EQ(rig.promptTexts(),
              QStringList{QStringLiteral("Upload preview complete. Nothing was written.")});
    EXPECT_EQ(rig.host.uploadSyncTimes, std::vector<std::optional<QDateTime>>{std::nullopt});
    EXPECT_FALSE(rig.line.portOpen());

    EXPECT_EQ(rig.engine->state().ChangedBlocks, (std::vector<std::uint8_t>{40, 42}));
    EXPECT_EQ(changedPaths(rig),
              (QStringList{QStringLiteral("site_label"), QStringLiteral("block[40][3]")}));
}

// The password change is part of what an upload would write, and still nothing is.
TEST(TransferUploadPreview, IncludesThePasswordChange) {
    const sim::UnitSetup setup = decodableUnit();
    TransferRig rig(setup);
    rig.startUpload({true, false, QStringLiteral("5555"), QStringLiteral("9999"),
                     QStringLiteral("7391"), true});
    ASSERT_TRUE(rig.runToEnd());

    EXPECT_EQ(rig.engine->state().ChangedBlocks, (std::vector<std::uint8_t>{120, 121}));
    EXPECT_TRUE(rig.framesFrom(rig.drainEnd()).isEmpty());
    EXPECT_EQ(rig.unit.memory(), setup.memory);
    EXPECT_EQ(changedPaths(rig).join(QLatin1Char(' ')).toStdString(),
              "block[120][0] block[120][1] block[120][2] block[120][3] block[120][6] "
              "block[120][7] block[121][0] block[121][1]");
}
