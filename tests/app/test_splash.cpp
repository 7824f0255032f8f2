// The start-up window in the whole program: its loading, the command line, its buttons and
// how closing it ends the program.

#include "config/ui/frm_main.h"
#include "help/help_window.h"
#include "program_rig.h"
#include "shell/app_settings.h"
#include "shell/ui/frm_splash.h"

#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QTimer>

using namespace tarnwick;
using namespace tarnwick::test;

namespace {

const QString kLoadingFailed = QStringLiteral("An error occurred while loading Tarnwick.");

void expectStillOnTheSplash(const ProgramRig& rig) {
    EXPECT_NE(ProgramRig::visible<frmSplash>(), nullptr);
    ASSERT_NE(rig.mainWindow(), nullptr);
    EXPECT_FALSE(rig.mainWindow()->isVisible());
    EXPECT_FALSE(rig.mod.mainWindowActive);
}

} // namespace

TEST(Splash, ShowsTheVersionAndFourButtonsAndLoadsTheMainWindowHidden) {
    ProgramRig rig;
    rig.start();
    frmSplash* splash = ProgramRig::visible<frmSplash>();
    ASSERT_NE(splash, nullptr);
    EXPECT_EQ(splash->windowTitle(), QStringLiteral("Tarnwick"));
    EXPECT_EQ(child<QLabel>(splash, "lblVersion")->text(),
              QStringLiteral("Version " TARNWICK_PROJECT_VERSION));
    EXPECT_EQ(child<QPushButton>(splash, "cmdDownLoad")->text(),
              QStringLiteral("&Download Data from Stavik"));
    EXPECT_EQ(child<QPushButton>(splash, "cmdOpenFile")->text(),
              QStringLiteral("&Open Stavik Data File"));
    EXPECT_EQ(child<QPushButton>(splash, "cmdHelp")->text(),
              QStringLiteral("View &Help for Tarnwick"));
    EXPECT_EQ(child<QPushButton>(splash, "cmdExit")->text(), QStringLiteral("E&xit Tarnwick"));

    EXPECT_TRUE(rig.mod.mainWindowLoaded);
    expectStillOnTheSplash(rig);
    EXPECT_EQ(rig.mod.settings.SaveFileDir, rig.settingsDir + QLatin1Char('/'))
        << "the application settings were read";
    EXPECT_FALSE(child<QPushButton>(splash, "cmdOpenFile")->whatsThis().isEmpty())
        << "context help from the pop-up topics of the help file";
    EXPECT_EQ(QApplication::overrideCursor(), nullptr) << "the busy pointer is gone";
    EXPECT_TRUE(rig.errors.reports.empty());
}

TEST(Splash, AFailedLoadingIsReportedAndLeavesTheButtonsUsable) {
    ProgramRig rig;
    rig.setAppNumber(kLastConnSLValue, 256);
    rig.start();

    ASSERT_EQ(rig.reportedMessages(), QStringList{kLoadingFailed});
    EXPECT_EQ(rig.errors.reports[0].number, QStringLiteral("6")) << "overflow";
    frmSplash* splash = ProgramRig::visible<frmSplash>();
    ASSERT_NE(splash, nullptr);
    EXPECT_FALSE(rig.mod.mainWindowLoaded);
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
    EXPECT_TRUE(child<QPushButton>(splash, "cmdOpenFile")->isEnabled());

    rig.prompter.scriptPath(kSampleFile);
    click(splash, "cmdOpenFile");
    ASSERT_NE(rig.mainWindow(), nullptr) << "loaded when it was first needed";
    EXPECT_TRUE(rig.mainWindow()->isVisible());
    EXPECT_TRUE(rig.mod.mainWindowActive);
    EXPECT_EQ(ProgramRig::visible<frmSplash>(), nullptr);
}

TEST(Splash, TheCommandLineOpensItsFileStraightIntoTheMainWindow) {
    ProgramRig rig;
    rig.start(QStringLiteral("/Open ") + kSampleFile);
    ASSERT_NE(rig.mainWindow(), nullptr);
    EXPECT_TRUE(rig.mainWindow()->isVisible());
    EXPECT_TRUE(rig.mod.mainWindowActive);
    EXPECT_EQ(rig.mod.currentFile, kSampleFile);
    EXPECT_EQ(ProgramRig::visible<frmSplash>(), nullptr);
    EXPECT_TRUE(rig.prompter.calls.empty());
    EXPECT_TRUE(rig.errors.reports.empty());
}

TEST(Splash, ACommandLineThatOpensNothingLeavesTheSplashWithoutAMessage) {
    for (const QString& commandLine : {QStringLiteral("/Open \"") + kSampleFile + QLatin1Char('"'),
                                       QStringLiteral("/Open /nonexistent/lift.stv"), QString()}) {
        ProgramRig rig;
        rig.start(commandLine);
        expectStillOnTheSplash(rig);
        EXPECT_TRUE(rig.prompter.calls.empty()) << commandLine.toStdString();
        EXPECT_TRUE(rig.errors.reports.empty()) << commandLine.toStdString();
    }
}

TEST(Splash, OpenFileStaysOnACancelledDialogOrAFileThatIsNoSettingsFile) {
    ProgramRig rig;
    rig.start();
    const QString notSettings = rig.dir.filePath(QStringLiteral("notes.stv"));
    QFile file(notSettings);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("not a settings file");
    file.close();

    rig.prompter.scriptPath(std::nullopt);
    rig.prompter.scriptPath(notSettings);
    click(ProgramRig::visible<frmSplash>(), "cmdOpenFile");
    click(ProgramRig::visible<frmSplash>(), "cmdOpenFile");
    expectStillOnTheSplash(rig);
    ASSERT_EQ(rig.prompter.calls.size(), 2U) << "the two file dialogs and nothing else";
    EXPECT_EQ(rig.prompter.calls[0].options.initialFolder, rig.settingsDir + QLatin1Char('/'));
    EXPECT_TRUE(rig.errors.reports.empty());

    rig.prompter.scriptPath(kSampleFile);
    click(ProgramRig::visible<frmSplash>(), "cmdOpenFile");
    EXPECT_TRUE(rig.mainWindow()->isVisible());
    EXPECT_EQ(ProgramRig::visible<frmSplash>(), nullptr);
}

TEST(Splash, ExitEndsTheProgramAlthoughTheMainWindowWasLoaded) {
    ProgramRig rig;
    rig.start();
    ASSERT_NE(rig.mainWindow(), nullptr);

    // Run as the program runs: the event loop ends when the last window has closed.
    QTimer::singleShot(0, [] { click(ProgramRig::visible<frmSplash>(), "cmdExit"); });
    QTimer watchdog;
    watchdog.callOnTimeout([] { QCoreApplication::exit(1); });
    watchdog.start(5000);
    EXPECT_EQ(QApplication::exec(), 0) << "the program did not end";
    watchdog.stop();
    EXPECT_EQ(rig.mainWindow(), nullptr) << "the hidden main window is unloaded";
    EXPECT_EQ(ProgramRig::visibleWindows(), QStringList());
    EXPECT_TRUE(rig.errors.reports.empty());
}

TEST(Splash, HelpOpensTheContentsOfTheHelpFile) {
    ProgramRig rig;
    rig.start();
    click(ProgramRig::visible<frmSplash>(), "cmdHelp");
    auto* help = ProgramRig::visible<help::HelpWindow>();
    ASSERT_NE(help, nullptr);
    EXPECT_EQ(help->parentWidget(), ProgramRig::visible<frmSplash>());
    EXPECT_TRUE(rig.errors.reports.empty());
}
