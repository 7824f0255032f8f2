#include "shell/file_access.h"
#include "test_transfer_fixture.h"

#include <QFileInfo>
#include <gtest/gtest.h>

using namespace tarnwick;
using namespace tarnwick::test;

// Nothing differs: the unit is read, nothing is written, no restart, no new sync date.
TEST(TransferUpload, ImageEqualToTheUnitWritesNothing) {
    TransferRig rig(patternedUnit());
    rig.startUpload();
    ASSERT_TRUE(rig.runToEnd());

    EXPECT_EQ(rig.view.caption, QStringLiteral("Tarnwick Upload Progress"));
    EXPECT_EQ(rig.view.log.first(), QStringLiteral("totalMax 755"));
    EXPECT_TRUE(rig.framesFrom(rig.drainEnd()).isEmpty());
    EXPECT_EQ(rig.readRequests().size(), 253U);
    EXPECT_EQ(rig.unit.restarts(), 0);
    ASSERT_EQ(rig.prompter.prompts.size(), 1U);
    EXPECT_EQ(rig.prompter.prompts[0].text, QStringLiteral("Upload complete."));
    EXPECT_EQ(rig.prompter.prompts[0].caption, QStringLiteral("Upload complete"));
    EXPECT_EQ(rig.prompter.prompts[0].time, rig.drainEnd());
    EXPECT_EQ(rig.host.uploadSyncTimes, std::vector<std::optional<QDateTime>>{std::nullopt});
    EXPECT_EQ(rig.host.calls.mid(2), (QStringList{QStringLiteral("upload completed"),
                                                  QStringLiteral("main window in use")}));
    EXPECT_EQ(rig.outcome->kind, TransferOutcome::Kind::Succeeded);
    EXPECT_FALSE(rig.line.portOpen());
    EXPECT_TRUE(
        containsRun(rig.view.log, {QStringLiteral("totalMax 251"), QStringLiteral("status 0"),
                                   QStringLiteral("statusMax 1"), QStringLiteral("status 1")}));
}

// Changed blocks go out in ascending order, each commit 500 ms after its data frame; then
// each is read back, and the restart request follows the last good read-back by 15 s.
TEST(TransferUpload, ChangedBlocksAreWrittenVerifiedAndTheUnitRestarted) {
    TransferRig rig(patternedUnit());
    for (const int block : {200, 5, 40}) {
        rig.image[static_cast<std::size_t>(block) * 8 + 3] ^= 0xFF;
    }
    rig.startUpload();
    ASSERT_TRUE(rig.runToEnd());

    const Duration t0 = rig.drainEnd();
    const Duration read40 = rig.answerTime(5, t0 + 3000ms) - t0;
    const Duration read200 = rig.answerTime(40, t0 + read40) - t0;
    const Duration restart = rig.answerTime(200, t0 + read200) - t0 + 15000ms;
    EXPECT_EQ(rig.framesFrom(t0),
              (QStringList{QStringLiteral("data 5 +0"), QStringLiteral("commit 5 +500"),
                           QStringLiteral("data 40 +1000"), QStringLiteral("commit 40 +1500"),
                           QStringLiteral("data 200 +2000"), QStringLiteral("commit 200 +2500"),
                           QStringLiteral("read 5 +3000"),
                           QStringLiteral("read 40 +%1").arg(read40.count()),
                           QStringLiteral("read 200 +%1").arg(read200.count()),
                           QStringLiteral("restart 255 +%1").arg(restart.count())}));
    const auto writes = rig.writes();
    const auto firstWrite = std::find_if(writes.begin(), writes.end(),
                                         [&](const auto& frame) { return frame.time == t0; });
    ASSERT_NE(firstWrite, writes.end());
    EXPECT_EQ(firstWrite->bytes, modProtocol::BuildDataFrame({0, 5, blockOf(rig.image, 5)}));
    EXPECT_EQ(std::next(firstWrite)->bytes, modProtocol::BuildCommitRequest({0, 0, 5}));

    EXPECT_EQ(rig.unit.memory(), rig.image);
    EXPECT_EQ(rig.unit.restarts(), 1);
    EXPECT_EQ(rig.engine->writtenBlocks(), (std::vector<std::uint8_t>{5, 40, 200}));
    ASSERT_EQ(rig.promptTexts(), QStringList{QStringLiteral("Upload complete.")});
    const Duration closed = t0 + restart + 1000ms;
    EXPECT_EQ(rig.prompter.prompts[0].time, closed);
    EXPECT_EQ(rig.host.uploadSyncTimes.at(0), kClockOrigin.addMSecs(closed.count()));
    EXPECT_EQ(rig.host.calls.mid(2), (QStringList{QStringLiteral("upload completed"),
                                                  QStringLiteral("main window in use")}));
    EXPECT_FALSE(rig.line.portOpen());

    // 251 + 2 x 3: the sweep, then one step per write and per verified block.
    EXPECT_TRUE(containsRun(
        rig.view.log,
        {QStringLiteral("totalMax 257"), QStringLiteral("status 0"), QStringLiteral("statusMax 3"),
         QStringLiteral("text Uploading new settings..."), QStringLiteral("status 1"),
         QStringLiteral("total 252"), QStringLiteral("status 2"), QStringLiteral("total 253"),
         QStringLiteral("status 3"), QStringLiteral("total 254"), QStringLiteral("statusMax 3"),
         QStringLiteral("status 0"), QStringLiteral("text Verifying data...")}));
    EXPECT_TRUE(
        containsRun(rig.view.log, {QStringLiteral("status 3"), QStringLiteral("total 257"),
                                   QStringLiteral("text Rebooting Stavik..."),
                                   QStringLiteral("statusMin 0"), QStringLiteral("status 0"),
                                   QStringLiteral("statusMax 60"), QStringLiteral("status 1")}));
    EXPECT_EQ(rig.view.log.last(), QStringLiteral("status 60"));
}

// Protected locations take the unit's value unless restore-calibration lets the image's
// value through, which it does only in blocks 6 to 23.
TEST(TransferUpload, ProtectedLocationsKeepTheUnitsValues) {
    struct Case {
        std::uint8_t block;
        bool restoreCalibration;
        bool written;
    };
    const Case cases[] = {{5, false, false},  {6, false, false}, {23, false, false},
                          {30, false, false}, {5, true, false},  {6, true, true},
                          {23, true, true},   {24, true, false}, {30, true, false}};
    const QTemporaryDir dir;
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message()
                     << "block " << int{c.block} << " restore " << c.restoreCalibration);
        TransferRig rig(patternedUnit());
        rig.host.protectedPath = protectedFile(dir, {{c.block, 6}, {100, 1}});
        rig.image[c.block * 8U + 6] ^= 0x55;
        UploadOptions options;
        options.restoreCalibration = c.restoreCalibration;
        rig.startUpload(options);
        ASSERT_TRUE(rig.runToEnd());

        EXPECT_EQ(rig.outcome->kind, TransferOutcome::Kind::Succeeded);
        EXPECT_EQ(rig.engine->writtenBlocks(),
                  c.written ? std::vector<std::uint8_t>{c.block} : std::vector<std::uint8_t>{});
        EXPECT_EQ(rig.unit.memory()[c.block * 8U + 6],
                  rig.image[c.block * 8U + 6] ^ (c.written ? 0 : 0x55));
    }
}

// Without a whole protected-locations file every location would read as block 0 byte 0 and
// the unit's calibration be overwritten: the upload stops before the link opens, naming the
// file, and creates nothing.
TEST(TransferUpload, ProtectedFileUnsetMissingOrShortIsRefusedBeforeTheLinkOpens) {
    const QTemporaryDir dir;
    const QString missing = dir.filePath(QStringLiteral("missing.dat"));
    const QString shortFile = dir.filePath(QStringLiteral("short.dat"));
    writeFileAtomically(shortFile, QByteArray(200, '\0'));
    const QString outside = dir.filePath(QStringLiteral("outside.dat"));
    QByteArray bytes(238, '\0');
    bytes[7] = static_cast<char>(252);
    writeFileAtomically(outside, bytes);
    const struct {
        QString path;
        QString problem;
    } cases[] = {
        {QString(), QStringLiteral("no protected-locations file is set")},
        {missing, missing + QStringLiteral(": no such protected-locations file")},
        {shortFile,
         shortFile + QStringLiteral(": a protected-locations file is 238 bytes, this one has 200")},
        {outside, outside + QStringLiteral(": Subscript out of range: protected location 7 is "
                                           "block 252 byte 0")},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.path.toStdString());
        TransferRig rig(patternedUnit());
        rig.host.protectedPath = c.path;
        rig.image[9] ^= 0x01;
        rig.startUpload();
        ASSERT_TRUE(rig.runToEnd());

        EXPECT_EQ(rig.outcome->kind, TransferOutcome::Kind::Failed);
        EXPECT_EQ(rig.promptTexts(),
                  QStringList{QStringLiteral("The upload will be canceled: the locations that "
                                             "keep the Stavik's own values cannot be read.\r\n") +
                              c.problem});
        EXPECT_TRUE(rig.writes().empty());
        EXPECT_FALSE(rig.host.calls.join(u'|').contains(QStringLiteral("check port")));
        EXPECT_EQ(rig.unit.memory(), patternedMemory());
    }
    EXPECT_FALSE(QFileInfo::exists(missing));
}

TEST(TransferUpload, PasswordChange) {
    struct Case {
        const char* what;
        QString oldMaster;
        std::optional<bool> answer; // to "Change password failed"
        QString master;             // what the unit holds at the end
        QString user;
    };
    const QString question = QStringLiteral(
        "Unable to change password(s). The Master Password you entered is incorrect.\r\nDo you "
        "want to continue with the upload (the password(s) will not be changed)?");
    const Case cases[] = {
        {"right master", QStringLiteral("7391"), std::nullopt, QStringLiteral("AbCd"),
         QStringLiteral("wxyz")},
        {"wrong master, go on", QStringLiteral("7392"), true, QStringLiteral("7391"),
         QStringLiteral("2468")},
        {"wrong master, stop", QStringLiteral("7392"), false, QStringLiteral("7391"),
         QStringLiteral("2468")},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        sim::UnitSetup setup = patternedUnit();
        putText(setup.memory, 960, "7391");
        putText(setup.memory, 966, "2468");
        TransferRig rig(setup);
        rig.image[50 * 8] ^= 0x10;
        if (c.answer) {
            rig.prompter.answers = {*c.answer};
        }
        rig.startUpload({true, false, QStringLiteral("AbCd"), QStringLiteral("wxyz"), c.oldMaster});
        ASSERT_TRUE(rig.runToEnd());

        EXPECT_EQ(textAt(rig.unit.memory(), 960), c.master);
        EXPECT_EQ(textAt(rig.unit.memory(), 966), c.user);
        // Bytes between and around the passwords stay the unit's.
        EXPECT_EQ(blockOf(rig.unit.memory(), 120)[4], blockOf(setup.memory, 120)[4]);
        EXPECT_EQ(blockOf(rig.unit.memory(), 121)[2], blockOf(setup.memory, 121)[2]);
        if (!c.answer) {
            EXPECT_EQ(rig.engine->writtenBlocks(), (std::vector<std::uint8_t>{50, 120, 121}));
            EXPECT_EQ(rig.promptTexts(), QStringList{QStringLiteral("Upload complete.")});
        } else if (*c.answer) {
            EXPECT_EQ(rig.engine->writtenBlocks(), std::vector<std::uint8_t>{50});
            EXPECT_EQ(rig.promptTexts(),
                      (QStringList{question, QStringLiteral("Upload complete.")}));
        } else {
            EXPECT_TRUE(rig.framesFrom(rig.drainEnd()).isEmpty());
            EXPECT_EQ(rig.promptTexts(), QStringList{question});
            EXPECT_EQ(rig.outcome->kind, TransferOutcome::Kind::Failed);
            EXPECT_TRUE(rig.outcome->message.isEmpty());
            EXPECT_FALSE(rig.line.portOpen());
        }
        if (c.answer) {
            EXPECT_EQ(rig.prompter.prompts[0].caption, QStringLiteral("Change password failed"));
        }
    }
}
