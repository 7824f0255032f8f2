// Upload roads the other tests do not walk: through a parent site to its child, passwords
// judged by the unit's own memory, a protected password byte, and a download that sees
// maintenance mode begin halfway.

#include "test_transfer_fixture.h"

#include <gtest/gtest.h>

using namespace tarnwick;
using namespace tarnwick::test;

// Cabled to site B, writing to site C behind it: data frames go out under the line's site
// for the parent to relay, every commit names C as its destination, C ends up with the image
// and B's memory is never touched.
TEST(TransferUploadPaths, ThroughAParentSiteToTheEnd) {
    sim::UnitSetup parent = patternedUnit();
    parent.site = 1;
    TransferRig rig(parent);
    sim::UnitSetup child;
    child.site = 2;
    child.memory = patternedMemory();
    child.memory[300] ^= 0x0F; // the child differs from its parent
    sim::StavikUnit& childUnit = rig.unit.addChild(child);
    rig.connection.SL = 1;
    rig.connection.DestSL = 2;
    rig.image = child.memory;
    for (const std::size_t offset : {std::size_t{5} * 8 + 1, std::size_t{77} * 8 + 4})
        rig.image[offset] ^= 0xA5;
    rig.startUpload();
    ASSERT_TRUE(rig.runToEnd());

    EXPECT_EQ(rig.outcome->kind, TransferOutcome::Kind::Succeeded);
    EXPECT_EQ(rig.engine->writtenBlocks(), (std::vector<std::uint8_t>{5, 77}));
    int data = 0;
    int commits = 0;
    for (const sim::FrameRecord& frame : rig.writes()) {
        if (frame.kind == sim::FrameKind::Data) {
            ++data;
            EXPECT_EQ(frame.site, 1);
        } else if (frame.kind == sim::FrameKind::Commit) {
            ++commits;
            EXPECT_EQ(frame.site, 1);
            EXPECT_EQ(frame.destination, 2);
        }
    }
    EXPECT_EQ(data, 2);
    EXPECT_EQ(commits, 2);
    EXPECT_EQ(childUnit.memory(), rig.image);
    EXPECT_EQ(childUnit.restarts(), 1);
    EXPECT_EQ(rig.unit.memory(), parent.memory);
    EXPECT_EQ(rig.unit.restarts(), 0);
}

// The current master password is the unit's: the one in the file being uploaded does not
// count, whether it matches the typed one or not.
TEST(TransferUploadPaths, CurrentMasterPasswordIsReadFromTheUnit) {
    sim::UnitSetup setup = patternedUnit();
    putText(setup.memory, 960, "7391");
    TransferRig right(setup);
    putText(right.image, 960, "5555");
    right.startUpload(
        {true, false, QStringLiteral("AbCd"), QStringLiteral("wxyz"), QStringLiteral("7391")});
    ASSERT_TRUE(right.runToEnd());
    EXPECT_EQ(textAt(right.unit.memory(), 960), QStringLiteral("AbCd"));
    EXPECT_EQ(right.promptTexts(), QStringList{QStringLiteral("Upload complete.")});

    TransferRig fileOnly(setup);
    putText(fileOnly.image, 960, "5555");
    fileOnly.prompter.answers = {false};
    fileOnly.startUpload(
        {true, false, QStringLiteral("AbCd"), QStringLiteral("wxyz"), QStringLiteral("5555")});
    ASSERT_TRUE(fileOnly.runToEnd());
    EXPECT_EQ(fileOnly.outcome->kind, TransferOutcome::Kind::Failed);
    EXPECT_TRUE(
        fileOnly.promptTexts().first().startsWith(QStringLiteral("Unable to change password(s).")));
    EXPECT_EQ(textAt(fileOnly.unit.memory(), 960), QStringLiteral("7391"));
}

// The password change comes after the protected locations: a protected location on a
// password byte keeps the unit's value for the image, and the new password still lands.
TEST(TransferUploadPaths, APasswordChangeOverridesAProtectedPasswordByte) {
    sim::UnitSetup setup = patternedUnit();
    putText(setup.memory, 960, "7391");
    putText(setup.memory, 966, "2468");
    TransferRig rig(setup);
    rig.host.protectedPath = protectedFile(rig.files, {{120, 1}, {121, 0}});
    rig.startUpload(
        {true, false, QStringLiteral("AbCd"), QStringLiteral("wxyz"), QStringLiteral("7391")});
    ASSERT_TRUE(rig.runToEnd());
    EXPECT_EQ(textAt(rig.unit.memory(), 960), QStringLiteral("AbCd"));
    EXPECT_EQ(textAt(rig.unit.memory(), 966), QStringLiteral("wxyz"));
    EXPECT_EQ(rig.engine->writtenBlocks(), (std::vector<std::uint8_t>{120, 121}));
}

// A download goes on when maintenance mode begins partway through the sweep.
TEST(TransferUploadPaths, DownloadGoesOnWhenMaintenanceBeginsHalfway) {
    sim::UnitSetup setup = patternedUnit();
    setup.faults.maintenanceAfterContact = 60s;
    TransferRig rig(setup);
    rig.startDownload();
    ASSERT_TRUE(rig.runToEnd());
    EXPECT_TRUE(rig.unit.maintenance());
    EXPECT_EQ(rig.outcome->kind, TransferOutcome::Kind::Succeeded);
    EXPECT_EQ(rig.promptTexts(), QStringList{QStringLiteral("Download complete.")});
    EXPECT_EQ(rig.host.loaded, rig.blocks);
    ConfigImage loaded{};
    for (std::size_t b = 0; b < kBlockCount; ++b)
        std::copy(rig.blocks[b].begin(), rig.blocks[b].end(), loaded.begin() + b * kBlockSize);
    EXPECT_EQ(loaded, setup.memory);
}
