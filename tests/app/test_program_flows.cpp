// The whole program's roads: from the start-up window through a download into the main
// window, an edit uploaded back into the unit, cancelling at each step and closing with edits.
// The download leaves pictures for a person to look at: build/<dir>/screenshots/app-*.png.

#include "config/channel_table_model.h"
#include "config/settings_file.h"
#include "config/site_config_layout.h"
#include "config/ui/frm_main.h"
#include "connections/ui/frm_conn_settings.h"
#include "connections/ui/frm_conn_wiz.h"
#include "program_rig.h"
#include "shell/app_settings.h"
#include "shell/ui/frm_splash.h"
#include "transfer/ui/frm_progress.h"

#include <QAction>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QTableView>
#include <QTest>

using namespace tarnwick;
using namespace tarnwick::test;
using namespace std::chrono_literals;

namespace {

void saveScreenshot(QWidget* window, const char* name) {
    const QString folder = QStringLiteral(TARNWICK_BINARY_DIR "/screenshots");
    ASSERT_TRUE(QDir().mkpath(folder));
    const QString path =
        folder + QStringLiteral("/app-") + QLatin1String(name) + QStringLiteral(".png");
    EXPECT_TRUE(window->grab().save(path)) << path.toStdString();
}

void typeIntoCell(QTableView& grid, int row, int column, const QString& text) {
    const QModelIndex index = grid.model()->index(row, column);
    grid.setCurrentIndex(index);
    grid.edit(index);
    auto* editor = qobject_cast<QLineEdit*>(grid.indexWidget(index));
    ASSERT_NE(editor, nullptr);
    editor->selectAll();
    QTest::keyClicks(editor, text);
    QTest::keyClick(editor, Qt::Key_Return);
    QCoreApplication::processEvents();
}

} // namespace

TEST(ProgramFlow, DownloadFromTheSplashThroughTheWizardIntoTheMainWindow) {
    ProgramRig rig;
    rig.start();
    saveScreenshot(ProgramRig::visible<frmSplash>(), "splash");
    frmConnWiz* wizard = rig.openWizardFromTheSplash();
    ASSERT_NE(wizard, nullptr);
    EXPECT_EQ(ProgramRig::visible<frmSplash>(), nullptr) << "handed over";
    ProgramRig::connectWithTheWizard(wizard);
    ASSERT_NE(ProgramRig::visible<frmProgress>(), nullptr);
    ASSERT_TRUE(rig.runUntilTransferEnded());

    ASSERT_NE(rig.mainWindow(), nullptr);
    EXPECT_TRUE(rig.mainWindow()->isVisible());
    EXPECT_TRUE(rig.mainWindow()->isEnabled());
    EXPECT_TRUE(rig.mod.mainWindowActive);
    EXPECT_EQ(rig.mod.image, rig.unit.memory());
    EXPECT_EQ(child<QLineEdit>(rig.mainWindow(), "txtSiteLabel")->text(), QStringLiteral("LIFT 3"));
    EXPECT_EQ(ProgramRig::visibleWindows(), QStringList{QStringLiteral("frmMain")});
    EXPECT_EQ(rig.promptTexts().last(), QStringLiteral("Download complete."));
    EXPECT_EQ(rig.mod.settings.RecentConnection.SN, kUnitSerialNumber);
    EXPECT_TRUE(rig.errors.reports.empty()) << rig.reportedMessages().join(u'|').toStdString();
    rig.mainWindow()->resize(1180, 680);
    saveScreenshot(rig.mainWindow(), "main-window-after-download");
}

TEST(ProgramFlow, AnEditUploadedFromTheMainWindowEndsUpInTheUnit) {
    ProgramRig rig;
    rig.start(QStringLiteral("/Open ") + kSampleFile);
    frmMain* main = rig.mainWindow();
    ASSERT_TRUE(main != nullptr && main->isVisible());

    auto* grid = child<QTableView>(main, "grdChanSettings");
    typeIntoCell(*grid, 11, ChannelTableModel::Label, QStringLiteral("SPARE 2"));
    main->findChild<QAction*>(QStringLiteral("miUpload"))->trigger();
    frmConnSettings* settings = ProgramRig::visible<frmConnSettings>();
    ASSERT_NE(settings, nullptr);
    QTest::keyClicks(child<QLineEdit>(settings, "txtPassword"), kUnitPassword);
    click(settings, "cmdOK");
    ASSERT_TRUE(rig.runUntilTransferEnded());

    ConfigImage expected = readSettingsFile(kSampleFile)->image;
    const QByteArray label("SPARE 2");
    std::copy(label.begin(), label.end(), expected.begin() + layout::channelLabel(11));
    EXPECT_EQ(rig.unit.memory(), expected);
    EXPECT_EQ(rig.unit.restarts(), 1);
    EXPECT_TRUE(main->isVisible());
    EXPECT_TRUE(main->isEnabled());
    EXPECT_TRUE(child<QLabel>(main, "lblSyncDate")
                    ->text()
                    .startsWith(QStringLiteral("Last Synchronized: ")));
    EXPECT_TRUE(main->syncDateChanged());
    EXPECT_EQ(ProgramRig::visibleWindows(), QStringList{QStringLiteral("frmMain")});
    EXPECT_TRUE(rig.errors.reports.empty()) << rig.reportedMessages().join(u'|').toStdString();
}

TEST(ProgramFlow, CancellingBeforeTheMainWindowWasShownReturnsToTheSplash) {
    // The settings dialog, the wizard, and the transfer itself.
    const std::vector<std::function<void(ProgramRig&)>> cancels{
        [](ProgramRig& rig) {
            rig.start();
            click(ProgramRig::visible<frmSplash>(), "cmdDownLoad");
            click(ProgramRig::visible<frmConnSettings>(), "cmdCancel");
        },
        [](ProgramRig& rig) {
            rig.start();
            frmConnWiz* wizard = rig.openWizardFromTheSplash();
            rig.prompter.scriptAnswer(Prompter::Answer::Yes);
            click(wizard, "cmdCancel");
        },
        [](ProgramRig& rig) {
            rig.start();
            ProgramRig::connectWithTheWizard(rig.openWizardFromTheSplash());
            rig.prompter.scriptAnswer(Prompter::Answer::Yes);
            click(ProgramRig::visible<frmProgress>(), "cmdCancel");
            EXPECT_TRUE(rig.runUntilTransferEnded());
        }};
    for (std::size_t i = 0; i < cancels.size(); ++i) {
        ProgramRig rig;
        cancels[i](rig);
        ProgramRig::deliverDeferredDeletes();
        EXPECT_EQ(ProgramRig::visibleWindows(), QStringList{QStringLiteral("frmSplash")}) << i;
        ASSERT_NE(rig.mainWindow(), nullptr);
        EXPECT_FALSE(rig.mod.mainWindowActive);
        EXPECT_TRUE(rig.errors.reports.empty()) << i;
    }
}

TEST(ProgramFlow, TheSplashShownAgainSkipsTheLoading) {
    ProgramRig rig;
    rig.start();
    frmMain* loaded = rig.mainWindow();
    rig.setAppString(kSaveFileDirValue, rig.dir.filePath(QStringLiteral("Elsewhere/")));
    click(ProgramRig::visible<frmSplash>(), "cmdDownLoad");
    click(ProgramRig::visible<frmConnSettings>(), "cmdCancel");

    frmSplash* again = ProgramRig::visible<frmSplash>();
    ASSERT_NE(again, nullptr);
    EXPECT_TRUE(child<QLabel>(again, "lblLoading")->isHidden());
    EXPECT_EQ(child<QLabel>(again, "lblVersion")->text(),
              QStringLiteral("Version " TARNWICK_PROJECT_VERSION));
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
    QTest::qWait(50);
    EXPECT_EQ(rig.mod.settings.SaveFileDir, rig.settingsDir + QLatin1Char('/'))
        << "the settings are not read again";
    EXPECT_EQ(rig.mainWindow(), loaded);
}

TEST(ProgramFlow, CancellingFromTheMainWindowReturnsToIt) {
    ProgramRig rig;
    rig.start(QStringLiteral("/Open ") + kSampleFile);
    frmMain* main = rig.mainWindow();
    for (const char* command : {"miDownload", "miUpload"}) {
        main->findChild<QAction*>(QLatin1String(command))->trigger();
        click(ProgramRig::visible<frmConnSettings>(), "cmdCancel");
        ProgramRig::deliverDeferredDeletes();
        EXPECT_EQ(ProgramRig::visibleWindows(), QStringList{QStringLiteral("frmMain")}) << command;
    }
    // A transfer cancelled from the main window gives it back, in use.
    main->findChild<QAction*>(QStringLiteral("miUpload"))->trigger();
    frmConnSettings* settings = ProgramRig::visible<frmConnSettings>();
    QTest::keyClicks(child<QLineEdit>(settings, "txtPassword"), kUnitPassword);
    click(settings, "cmdOK");
    EXPECT_FALSE(main->isEnabled()) << "out of use while the transfer runs";
    rig.prompter.scriptAnswer(Prompter::Answer::Yes);
    click(ProgramRig::visible<frmProgress>(), "cmdCancel");
    ASSERT_TRUE(rig.runUntilTransferEnded());
    EXPECT_TRUE(main->isEnabled());
    EXPECT_EQ(ProgramRig::visibleWindows(), QStringList{QStringLiteral("frmMain")});
    EXPECT_EQ(rig.unit.memory(), readSettingsFile(kSampleFile)->image) << "nothing written";
}

TEST(ProgramFlow, ClosingWithUnsavedEditsAsksFirst) {
    ProgramRig rig;
    rig.start(QStringLiteral("/Open ") + kSampleFile);
    frmMain* main = rig.mainWindow();
    child<QLineEdit>(main, "txtSiteLabel")->setText(QStringLiteral("LIFT 4"));

    rig.prompter.scriptAnswer(Prompter::Answer::Cancel);
    EXPECT_FALSE(main->close());
    EXPECT_TRUE(main->isVisible());
    rig.prompter.scriptAnswer(Prompter::Answer::No);
    EXPECT_TRUE(main->close());
    EXPECT_EQ(rig.promptTexts(), QStringList(2, QStringLiteral("Do you want to save changes?")));
    EXPECT_EQ(ProgramRig::visibleWindows(), QStringList());
}
