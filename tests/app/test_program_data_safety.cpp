// The whole program never drops an edit or writes past the unit's own values silently:
// edits survive a cancelled save or upload, and an upload without its protected locations
// stops before anything reaches the line.

#include "config/settings_file.h"
#include "config/ui/frm_main.h"
#include "connections/ui/frm_conn_settings.h"
#include "program_rig.h"
#include "shell/app_settings.h"

#include <QAction>
#include <QFile>
#include <QLineEdit>
#include <QTest>

using namespace tarnwick;
using namespace tarnwick::test;

namespace {

const QString kSaveQuestion = QStringLiteral("Do you want to save changes?");

void trigger(frmMain* main, const char* command) {
    main->findChild<QAction*>(QLatin1String(command))->trigger();
}

} // namespace

TEST(ProgramDataSafety, EditsSurviveACancelledSaveAFailedSaveAndACancelledUpload) {
    const std::vector<std::pair<const char*, std::function<void(ProgramRig&, frmMain*)>>> ways{
        {"cancelled Save As",
         [](ProgramRig& rig, frmMain* main) {
             rig.prompter.scriptPath(std::nullopt);
             trigger(main, "miSaveAs");
         }},
        {"failed Save",
         [](ProgramRig& rig, frmMain* main) {
             rig.mod.currentFile = rig.dir.filePath(QStringLiteral("no/such/folder/lift.stv"));
             trigger(main, "miSave");
             EXPECT_EQ(rig.errors.reports.size(), 1u);
         }},
        {"cancelled Upload",
         [](ProgramRig&, frmMain* main) {
             trigger(main, "miUpload");
             click(ProgramRig::visible<frmConnSettings>(), "cmdCancel");
             ProgramRig::deliverDeferredDeletes();
         }},
    };
    for (const auto& [what, way] : ways) {
        SCOPED_TRACE(what);
        ProgramRig rig;
        const QString file = rig.dir.filePath(QStringLiteral("lift.stv"));
        QFile::copy(kSampleFile, file);
        QFile::setPermissions(file, QFile::ReadOwner | QFile::WriteOwner);
        rig.start(QStringLiteral("/Open ") + file);
        frmMain* main = rig.mainWindow();
        ASSERT_TRUE(main != nullptr && main->isVisible());
        child<QLineEdit>(main, "txtSiteLabel")->setText(QStringLiteral("LIFT 4"));

        way(rig, main);
        EXPECT_TRUE(main->isWindowModified());
        rig.prompter.scriptAnswer(Prompter::Answer::Cancel);
        EXPECT_FALSE(main->close());
        EXPECT_EQ(rig.promptTexts().last(), kSaveQuestion);
        EXPECT_TRUE(main->isVisible());
        EXPECT_EQ(readSettingsFile(file)->image, readSettingsFile(kSampleFile)->image);
        rig.prompter.scriptAnswer(Prompter::Answer::No);
        EXPECT_TRUE(main->close());
    }
}

// The Protected setting names a file that is not there: the upload says so, naming it, and
// nothing reaches the unit's line.
TEST(ProgramDataSafety, AnUploadWithoutItsProtectedLocationsFileStopsBeforeTheLine) {
    ProgramRig rig;
    const QString missing = rig.dir.filePath(QStringLiteral("gone/protected.dat"));
    rig.setAppString(kProtectedValue, missing);
    int frames = 0;
    rig.unit.setFrameObserver([&frames](const sim::FrameRecord&) { ++frames; });
    rig.start(QStringLiteral("/Open ") + kSampleFile);
    frmMain* main = rig.mainWindow();
    ASSERT_TRUE(main != nullptr && main->isVisible());
    const RecentConnection recent = rig.mod.settings.RecentConnection;

    trigger(main, "miUpload");
    frmConnSettings* settings = ProgramRig::visible<frmConnSettings>();
    ASSERT_NE(settings, nullptr);
    QTest::keyClicks(child<QLineEdit>(settings, "txtPassword"), kUnitPassword);
    click(settings, "cmdOK");
    ASSERT_TRUE(rig.runUntilTransferEnded());

    ASSERT_FALSE(rig.promptTexts().isEmpty());
    EXPECT_TRUE(rig.promptTexts().last().contains(missing + QStringLiteral(": no such")));
    EXPECT_EQ(frames, 0);
    EXPECT_EQ(rig.mod.settings.RecentConnection, recent) << "the link was never reached";
    EXPECT_EQ(rig.unit.memory(), readSettingsFile(kSampleFile)->image);
    EXPECT_TRUE(main->isEnabled());
    EXPECT_EQ(ProgramRig::visibleWindows(), QStringList{QStringLiteral("frmMain")});
}
