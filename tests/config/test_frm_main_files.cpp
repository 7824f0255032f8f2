// Opening and saving settings files from the main window, and closing it.

#include "config/site_config_codec.h"
#include "main_window_fixture.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QSettings>
#include <QTest>

using namespace tarnwick;
using namespace tarnwick::test;

namespace {

const QString kSaveQuestion = QStringLiteral("Do you want to save changes?");
const QString kOpenFailure =
    QStringLiteral("Unable to load the Stavik settings. The file may be corrupt.");

} // namespace

TEST_F(MainWindowTest, ClosingRightAfterADownloadAsksToSave) {
    frmMain& w = makeWindow();
    downloaded(readSettingsFile(kSampleSettings)->image);
    w.show();
    EXPECT_TRUE(w.changedMark());
    EXPECT_TRUE(w.isWindowModified());
    prompter.scriptAnswer(Prompter::Answer::No);
    EXPECT_TRUE(w.close());
    ASSERT_EQ(prompter.calls.size(), 1u);
    EXPECT_EQ(prompter.calls[0].kind, PromptCall::Kind::YesNoCancel);
    EXPECT_EQ(prompter.calls[0].text, kSaveQuestion);
    EXPECT_EQ(prompter.calls[0].caption, QStringLiteral("Tarnwick"));
}

TEST_F(MainWindowTest, CancelInTheSaveDialogWhileClosingKeepsTheWindow) {
    frmMain& w = makeWindow();
    downloaded(readSettingsFile(kSampleSettings)->image);
    w.show();
    prompter.scriptAnswer(Prompter::Answer::Yes);
    prompter.scriptPath(std::nullopt);
    EXPECT_FALSE(w.close());
    EXPECT_TRUE(w.isVisible());
    EXPECT_TRUE(w.changedMark());
    ASSERT_EQ(prompter.calls.size(), 2u);
    const FileDialogOptions& save = prompter.calls[1].options;
    EXPECT_EQ(save.proposedName, QStringLiteral("LIFT 3"));
    EXPECT_EQ(save.filter, QStringLiteral("Tarnwick Files (*.stv)|*.stv"));
    EXPECT_EQ(save.initialFolder, dir.path());
    EXPECT_TRUE(save.confirmOverwrite);
    EXPECT_TRUE(errors.reports.empty());

    // Cancel in the question itself keeps it as well; Yes with a file saves and closes.
    prompter.scriptAnswer(Prompter::Answer::Cancel);
    EXPECT_FALSE(w.close());
    const QString path = dir.filePath(QStringLiteral("lift.stv"));
    prompter.scriptAnswer(Prompter::Answer::Yes);
    prompter.scriptPath(path);
    EXPECT_TRUE(w.close());
    EXPECT_EQ(readSettingsFile(path)->image, program.image);
}

TEST_F(MainWindowTest, WithoutChangesOrBeforeItWasShownTheWindowClosesWithoutAsking) {
    frmMain& w = makeWindow();
    program.mainWindowActive = true;
    ASSERT_TRUE(w.OpenSettingsFile(kSampleSettings));
    EXPECT_FALSE(w.HasChanges());
    EXPECT_TRUE(w.close());

    frmMain& hidden = makeWindow();
    program.mainWindowActive = false;
    downloaded(program.image);
    program.mainWindowActive = false;
    EXPECT_TRUE(hidden.close());
    EXPECT_TRUE(prompter.calls.empty());
}

TEST_F(MainWindowTest, AfterADownloadSaveAsksForANameEveryTimeUntilAFileIsOpened) {
    frmMain& w = makeWindow();
    downloaded(readSettingsFile(kSampleSettings)->image);
    const QString first = dir.filePath(QStringLiteral("first.stv"));
    const QString second = dir.filePath(QStringLiteral("second.stv"));
    prompter.scriptPath(first);
    child<QAction>("miSave").trigger();
    EXPECT_FALSE(w.changedMark());
    EXPECT_FALSE(w.isWindowModified());
    prompter.scriptPath(second);
    child<QAction>("miSave").trigger();
    EXPECT_EQ(prompter.calls.size(), 2u);
    EXPECT_TRUE(QFile::exists(first) && QFile::exists(second));
    EXPECT_EQ(w.windowTitle(), QStringLiteral("Tarnwick[*]"));

    ASSERT_TRUE(w.OpenSettingsFile(first));
    EXPECT_EQ(w.windowTitle(), QStringLiteral("first.stv[*] - Tarnwick"));
    auto& label = child<QLineEdit>("txtSiteLabel");
    label.selectAll();
    QTest::keyClicks(&label, QStringLiteral("LIFT 4"));
    EXPECT_TRUE(w.isWindowModified());
    child<QAction>("miSave").trigger();
    EXPECT_EQ(prompter.calls.size(), 2u); // written without asking
    EXPECT_EQ(decodeSiteConfig(readSettingsFile(first)->image, 0).siteLabel,
              QStringLiteral("LIFT 4"));
    EXPECT_FALSE(w.isWindowModified());

    // Save As writes the chosen file; Save keeps writing the current one.
    const QString copy = dir.filePath(QStringLiteral("copy.stv"));
    prompter.scriptPath(copy);
    child<QAction>("miSaveAs").trigger();
    EXPECT_EQ(prompter.calls.size(), 3u);
    EXPECT_TRUE(QFile::exists(copy));
    EXPECT_EQ(program.currentFile, first);
}

TEST_F(MainWindowTest, OpenFailuresLeaveEverythingAsItWas) {
    frmMain& w = makeWindow();
    ASSERT_TRUE(w.OpenSettingsFile(kSampleSettings));
    const ConfigImage image = program.image;
    const CurrentConnection connection = program.connection;

    prompter.scriptPath(std::nullopt);
    EXPECT_FALSE(w.OpenSettingsFile());
    const QString junk = dir.filePath(QStringLiteral("junk.stv"));
    QFile file(junk);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("TARNWICK20 but nothing a settings file holds");
    file.close();
    EXPECT_FALSE(w.OpenSettingsFile(junk));
    const QString missing = dir.filePath(QStringLiteral("missing.stv"));
    EXPECT_FALSE(w.OpenSettingsFile(missing));
    EXPECT_FALSE(QFile::exists(missing));
    EXPECT_TRUE(errors.reports.empty());

    // A limit the window cannot show: reported, and nothing of the file is taken.
    SettingsRecord record = *readSettingsFile(kSampleSettings);
    record.image[54] = 0x80;
    record.sn = QStringLiteral("999999");
    const QString overflow = dir.filePath(QStringLiteral("overflow.stv"));
    writeSettingsFile(overflow, record);
    EXPECT_FALSE(w.OpenSettingsFile(overflow));
    ASSERT_EQ(errors.reports.size(), 1u);
    EXPECT_EQ(errors.reports[0].friendlyMessage, kOpenFailure);
    EXPECT_EQ(errors.reports[0].number, QStringLiteral("6"));

    EXPECT_EQ(program.image, image);
    EXPECT_EQ(program.connection, connection);
    EXPECT_EQ(program.currentFile, kSampleSettings);
    EXPECT_FALSE(w.HasChanges());
}

TEST_F(MainWindowTest, ADownloadTheWindowCannotShowIsRefusedWhole) {
    frmMain& w = makeWindow();
    ASSERT_TRUE(w.OpenSettingsFile(kSampleSettings));
    ConfigImage unreadable = program.image;
    unreadable[56] = 0xFF; // low limit of channel 1
    const ConfigImage before = program.image;
    downloaded(unreadable);
    ASSERT_EQ(errors.reports.size(), 1u);
    EXPECT_EQ(errors.reports[0].number, QStringLiteral("6"));
    EXPECT_EQ(program.image, before);
    EXPECT_EQ(program.currentFile, kSampleSettings);
    EXPECT_FALSE(w.changedMark());
}

TEST_F(MainWindowTest, ASaveThatCannotWriteIsReportedAndKeepsTheChangedMark) {
    frmMain& w = makeWindow();
    downloaded(readSettingsFile(kSampleSettings)->image);
    prompter.scriptPath(dir.filePath(QStringLiteral("no/such/folder/x.stv")));
    EXPECT_FALSE(w.SaveSettings(false));
    ASSERT_EQ(errors.reports.size(), 1u);
    EXPECT_EQ(errors.reports[0].friendlyMessage, QStringLiteral("An error occurred."));
    EXPECT_EQ(errors.reports[0].number, QStringLiteral("75"));
    EXPECT_TRUE(w.changedMark());
}

// Kept in the user's hive of the registry store, so that a run scoped to its own store
// writes nothing into the user's configuration folder.
TEST_F(MainWindowTest, TheWindowComesBackAtItsLastSize) {
    const QTemporaryDir userConfig;
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, userConfig.path());
    frmMain& first = makeWindow();
    first.resize(900, 520);
    first.show();
    ASSERT_TRUE(first.close());
    frmMain& second = makeWindow();
    EXPECT_EQ(second.size(), QSize(900, 520));
    EXPECT_TRUE(QDir(userConfig.path()).isEmpty(QDir::AllEntries | QDir::NoDotAndDotDot));
    registry::KeyHandle key;
    ASSERT_EQ(
        registry.openKey(registry::HKEY_CURRENT_USER,
                         QStringLiteral("SOFTWARE\\Corvane Technology\\Tarnwick\\2.0\\Windows"),
                         registry::KEY_READ, key),
        registry::ERROR_SUCCESS);
    registry::ValueType type = 0;
    std::uint32_t size = 0;
    EXPECT_EQ(registry.queryValue(key, QStringLiteral("frmMain"), &type, nullptr, &size),
              registry::ERROR_SUCCESS);
    EXPECT_EQ(type, registry::REG_BINARY);
}
