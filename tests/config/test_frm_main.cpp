// The main window's command bar, tabs, site names and the checks of an upload, offscreen.

#include "config/site_config_codec.h"
#include "config/site_config_layout.h"
#include "main_window_fixture.h"
#include "shell/app_error.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QSpinBox>
#include <QTabWidget>
#include <QTableView>
#include <QTest>
#include <QToolBar>
#include <QToolBox>
#include <QToolButton>

using namespace tarnwick;
using namespace tarnwick::test;

namespace {

QStringList actionList(const QList<QAction*>& actions) {
    QStringList out;
    for (const QAction* action : actions)
        out << (action->isSeparator() ? QStringLiteral("-") : action->text());
    return out;
}

QStringList texts(const QList<QLabel*>& labels) {
    QStringList out;
    for (const QLabel* label : labels)
        out << label->text();
    return out;
}

} // namespace

TEST_F(MainWindowTest, CommandBarHasTheMenusToolbarDescriptionsAndStatusPanes) {
    frmMain& w = makeWindow();
    EXPECT_EQ(w.windowTitle(), QStringLiteral("Tarnwick[*]"));
    QStringList menus;
    for (QAction* menu : w.menuBar()->actions())
        menus << menu->text() + QStringLiteral(": ") +
                     actionList(menu->menu()->actions()).join(QStringLiteral(" | "));
    EXPECT_EQ(menus, QStringList({QStringLiteral("&File: &Open... | &Save | Save &As... | - | "
                                                 "&Compare with File... | - | "
                                                 "Import &Ovin Settings... | - | E&xit"),
                                  QStringLiteral("&Stavik: &Download... | &Upload..."),
                                  QStringLiteral("&Help: &Contents | &Index | &Search | - | "
                                                 "&What's This | - | &About")}));
    EXPECT_EQ(actionList(child<QToolBar>("abMain").actions()),
              QStringList({QStringLiteral("&Open..."), QStringLiteral("&Save"), QStringLiteral("-"),
                           QStringLiteral("&Download..."), QStringLiteral("&Upload..."),
                           QStringLiteral("-"), QStringLiteral("&What's This"),
                           QStringLiteral("&Contents")}));
    EXPECT_EQ(child<QAction>("miOpen").statusTip(), QStringLiteral("&Open save settings"));
    EXPECT_EQ(child<QAction>("miSave").statusTip(), QStringLiteral("Save settings"));
    EXPECT_EQ(child<QAction>("miDownload").statusTip(),
              QStringLiteral("Download settings from Stavik"));
    EXPECT_EQ(child<QAction>("miUpload").statusTip(), QStringLiteral("Upload settings to Stavik"));
    EXPECT_EQ(child<QAction>("miWhatsThis").statusTip(), QStringLiteral("What's This?"));
    EXPECT_FALSE(child<QAction>("miImportOvin").isEnabled());

    QStringList panes;
    for (const char* name : {"lblSL", "lblVer", "lblFileDate", "lblSyncDate", "lblStatus"})
        panes << child<QLabel>(name).text();
    EXPECT_EQ(panes, QStringList({QStringLiteral("Site Letter:"), QStringLiteral("Firmware Ver:"),
                                  QStringLiteral("Last Modified:"),
                                  QStringLiteral("&Last Synchronized:"), QStringLiteral("Ready")}));

    auto& tabs = child<QTabWidget>("tabMain");
    QStringList captions;
    for (int i = 0; i < tabs.count(); ++i)
        captions << tabs.tabText(i);
    EXPECT_EQ(captions,
              QStringList({QStringLiteral("Local Options"), QStringLiteral("Communication"),
                           QStringLiteral("Communication"), QStringLiteral("Channel Settings"),
                           QStringLiteral("Ovin Settings"), QStringLiteral("Ovin Labels")}));
}

TEST_F(MainWindowTest, Firmware56AfterFirmware54SwitchesTheCommunicationTab) {
    frmMain& w = makeWindow();
    auto& tabs = child<QTabWidget>("tabMain");
    auto& twoPorts = child<QCheckBox>("chkLocOpt", 9);
    prompter.scriptPath(sampleFile(QStringLiteral("old.stv"), 54));
    child<QAction>("miOpen").trigger();
    ASSERT_EQ(prompter.calls.size(), 1u);
    EXPECT_EQ(prompter.calls[0].options.filter, QStringLiteral("Tarnwick Files (*.stv)|*.stv"));
    EXPECT_EQ(prompter.calls[0].options.initialFolder, dir.path());
    EXPECT_TRUE(tabs.isTabVisible(1));
    EXPECT_FALSE(tabs.isTabVisible(2));
    EXPECT_TRUE(twoPorts.isHidden());
    EXPECT_EQ(child<QLabel>("lblVer").text(), QStringLiteral("Firmware Ver: 5.4 / 5.5"));

    ASSERT_TRUE(w.OpenSettingsFile(sampleFile(QStringLiteral("new.stv"), 56)));
    EXPECT_FALSE(tabs.isTabVisible(1));
    EXPECT_TRUE(tabs.isTabVisible(2));
    EXPECT_FALSE(twoPorts.isHidden());
    EXPECT_TRUE(twoPorts.isChecked());
    EXPECT_EQ(child<QLabel>("lblVer").text(), QStringLiteral("Firmware Ver: 5.6"));
    EXPECT_TRUE(errors.reports.empty());
}

TEST_F(MainWindowTest, DestinationBNamesTheSitesFromB) {
    frmMain& w = makeWindow();
    ASSERT_TRUE(w.OpenSettingsFile(sampleFile(QStringLiteral("b.stv"), 56, 1)));
    const QStringList bToA{QStringLiteral("Site B"), QStringLiteral("Site C"),
                           QStringLiteral("Site D"), QStringLiteral("Site A")};
    auto& listBar = child<QToolBox>("olbOvinLabels");
    QStringList groups;
    for (int i = 0; i < listBar.count(); ++i)
        groups << listBar.itemText(i);
    EXPECT_EQ(groups, bToA);
    EXPECT_EQ(texts(w.findChildren<QLabel*>(QStringLiteral("lblSiteLet56"))), bToA);
    QStringList options;
    for (int i = 4; i <= 8; ++i)
        options << child<QCheckBox>("chkLocOpt", i).text();
    EXPECT_EQ(options, QStringList({QStringLiteral("Site C Ovin"), QStringLiteral("Site D Ovin"),
                                    QStringLiteral("Site A Ovin"), QStringLiteral("Site C Brae"),
                                    QStringLiteral("Site D Brae")}));
    EXPECT_EQ(child<QLabel>("lblSL").text(), QStringLiteral("Site B"));
    EXPECT_EQ(child<QLabel>("lblOvinGrid").text(), QStringLiteral("Site B - Site Label"));

    // The third group's "Chan Label" item shows that entry's channel labels, and only them.
    listBar.setCurrentIndex(2);
    QList<QToolButton*> items = listBar.widget(2)->findChildren<QToolButton*>();
    ASSERT_EQ(items.size(), 4);
    EXPECT_EQ(items[1]->text(), QStringLiteral("Chan Label"));
    items[1]->click();
    EXPECT_TRUE(items[1]->isChecked());
    EXPECT_FALSE(listBar.widget(0)->findChildren<QToolButton*>()[0]->isChecked());
    auto& grid = child<QTableView>("grdOvinChanLabel");
    EXPECT_FALSE(grid.isHidden());
    EXPECT_TRUE(child<QTableView>("grdOvinSite").isHidden());
    EXPECT_EQ(grid.model()->index(0, 1).data().toString(), QStringLiteral("wet"));
    EXPECT_EQ(child<QLabel>("lblOvinGrid").text(), QStringLiteral("Site D - Channel Labels"));
}

TEST_F(MainWindowTest, CheckBoxesEnableWhatDependsOnThemAlsoWhenLoaded) {
    frmMain& w = makeWindow();
    auto& tabs = child<QTabWidget>("tabMain");
    EXPECT_FALSE(child<QLineEdit>("txtNewMstrPass").isEnabled());
    child<QCheckBox>("chkChangePass").click();
    for (const char* name : {"txtMstrPass", "txtNewMstrPass", "txtNewUsrPass"})
        for (const QLineEdit* box : w.findChildren<QLineEdit*>(QLatin1String(name)))
            EXPECT_TRUE(box->isEnabled()) << name;

    EXPECT_FALSE(child<QComboBox>("fenBaud", 1).isEnabled());
    child<QCheckBox>("chkBaud").click();
    EXPECT_TRUE(child<QComboBox>("fenBaud", 1).isEnabled());

    EXPECT_FALSE(tabs.isTabEnabled(4));
    ASSERT_TRUE(w.OpenSettingsFile(kSampleSettings)); // "Local Ovin" on
    EXPECT_TRUE(tabs.isTabEnabled(4));
    EXPECT_TRUE(tabs.isTabEnabled(5));
    tabs.setCurrentIndex(4);
    child<QCheckBox>("chkLocOpt", 2).click();
    EXPECT_FALSE(tabs.isTabEnabled(4));
    EXPECT_FALSE(tabs.isTabEnabled(5));
    EXPECT_EQ(tabs.currentIndex(), 0);
}

TEST_F(MainWindowTest, ALowerCaseSiteLabelStopsTheUploadBeforeTheSettingsDialog) {
    frmMain& w = makeWindow();
    ASSERT_TRUE(w.OpenSettingsFile(kSampleSettings));
    const ConfigImage before = program.image;
    auto& label = child<QLineEdit>("txtSiteLabel");
    label.selectAll();
    QTest::keyClicks(&label, QStringLiteral("Lift 3"));
    child<QAction>("miUpload").trigger();
    EXPECT_EQ(promptTexts(),
              QStringList({QStringLiteral("The Site Label contains an illegal character: \"i\"")}));
    EXPECT_EQ(prompter.calls[0].caption, QStringLiteral("Tarnwick"));
    EXPECT_TRUE(connectionDialogs.empty());
    EXPECT_EQ(program.image, before);

    // With a password problem as well, only the password problem is shown.
    prompter.calls.clear();
    child<QCheckBox>("chkChangePass").click();
    QTest::keyClicks(&child<QLineEdit>("txtNewMstrPass", 0), QStringLiteral("22"));
    child<QAction>("miUpload").trigger();
    EXPECT_EQ(promptTexts(),
              QStringList({QStringLiteral("The new Master Password must be 4 digits long.")}));
    EXPECT_TRUE(connectionDialogs.empty());
    EXPECT_EQ(program.image, before);
}

TEST_F(MainWindowTest, UploadChecksPasswordsWarnsThenStoresAndOpensTheSettingsDialog) {
    frmMain& w = makeWindow();
    ASSERT_TRUE(w.OpenSettingsFile(kSampleSettings));
    child<QCheckBox>("chkChangePass").click();
    QTest::keyClicks(&child<QLineEdit>("txtMstrPass"), QStringLiteral("1111"));
    QTest::keyClicks(&child<QLineEdit>("txtNewMstrPass", 0), QStringLiteral("2222"));
    QTest::keyClicks(&child<QLineEdit>("txtNewMstrPass", 1), QStringLiteral("2223"));
    QTest::keyClicks(&child<QLineEdit>("txtNewUsrPass", 0), QStringLiteral("3333"));
    QTest::keyClicks(&child<QLineEdit>("txtNewUsrPass", 1), QStringLiteral("3333"));
    child<QAction>("miUpload").trigger();
    EXPECT_EQ(promptTexts(),
              QStringList({QStringLiteral("The new Master Passwords you entered do not match.")}));
    EXPECT_TRUE(connectionDialogs.empty());

    prompter.calls.clear();
    QTest::keyClick(&child<QLineEdit>("txtNewMstrPass", 1), Qt::Key_Backspace);
    QTest::keyClicks(&child<QLineEdit>("txtNewMstrPass", 1), QStringLiteral("2"));
    QAbstractItemModel& channels = *child<QTableView>("grdChanSettings").model();
    channels.setData(channels.index(6, 10), 127, Qt::EditRole); // status alarm delay
    channels.setData(channels.index(2, 7), 30.0, Qt::EditRole); // raise duration
    child<QAction>("miUpload").trigger();
    EXPECT_EQ(promptTexts(),
              QStringList({QStringLiteral("Alarm delays will be limited to 0-126 seconds."),
                           QStringLiteral("Command durations will be limited to 0-28 seconds.")}));
    EXPECT_EQ(connectionDialogs, std::vector<bool>{true});
    EXPECT_EQ(program.image[layout::statusAlarmDelay(6)], 126);
    EXPECT_EQ(program.image[layout::raiseDuration(2)], 127);
    const PasswordChange change = w.passwordChange();
    EXPECT_TRUE(change.changePasswords);
    EXPECT_EQ(change.oldMaster, QStringLiteral("1111"));
    EXPECT_EQ(change.newMaster, QStringLiteral("2222"));
    EXPECT_EQ(change.newUser, QStringLiteral("3333"));
}

TEST_F(MainWindowTest, CommandFailuresAreReportedAsTheCommandsOwn) {
    window = std::make_unique<frmMain>(
        program, MainWindowServices{prompter, errors, registry, [](bool) {
                                        throw AppError::standard(ErrorNumber::CannotCreateObject);
                                    }});
    child<QAction>("miDownload").trigger();
    ASSERT_EQ(errors.reports.size(), 1u);
    EXPECT_EQ(errors.reports[0].friendlyMessage, QStringLiteral("An error occurred."));
    EXPECT_EQ(errors.reports[0].number, QStringLiteral("429"));
}

TEST_F(MainWindowTest, AnUnreadableVocabularyIsReportedAndTheWindowStillWorks) {
    program.settings.VocabDat = dir.path(); // a folder cannot be read as a file
    frmMain& w = makeWindow();
    ASSERT_EQ(errors.reports.size(), 1u);
    EXPECT_EQ(errors.reports[0].friendlyMessage, QStringLiteral("Unable to load Tarnwick."));
    EXPECT_TRUE(w.OpenSettingsFile(kSampleSettings));
}

TEST_F(MainWindowTest, TransfersSwitchTheWindowOutOfUseAndStampTheSynchronisation) {
    frmMain& w = makeWindow();
    w.setInUse(false);
    EXPECT_FALSE(w.isEnabled());
    w.setInUse(true);
    EXPECT_TRUE(w.isEnabled());
    const QDateTime synced(QDate(2026, 3, 2), QTime(9, 30));
    w.stampSynchronized(synced);
    EXPECT_EQ(program.lastSynchronized, synced);
    EXPECT_TRUE(w.syncDateChanged());
    EXPECT_TRUE(
        child<QLabel>("lblSyncDate").text().startsWith(QStringLiteral("Last Synchronized: ")));
    EXPECT_GT(child<QLabel>("lblSyncDate").text().size(), 20);
}

TEST_F(MainWindowTest, EditsInEveryKindOfBoxReachTheImage) {
    frmMain& w = makeWindow();
    w.show();
    ASSERT_TRUE(w.OpenSettingsFile(kSampleSettings));
    SiteConfig expected = decodeSiteConfig(program.image, 0);
    EXPECT_FALSE(w.isWindowModified());

    child<QCheckBox>("chkLocOpt", 3).click();
    expected.localOptions[3] = true;
    child<QCheckBox>("chkLimMon").click();
    expected.limitsMonitoring = false;
    child<QSpinBox>("txtHighChan56", 3).setValue(12);
    expected.siteEntries[3].highestChannel = 12;
    child<QComboBox>("fenDataRx56", 3).setCurrentIndex(1);
    expected.siteEntries[3].dataReceivedFrom = 1;
    child<QComboBox>("fenBaud56", 0).setCurrentIndex(3);
    expected.portBaud56[0] = 3;
    child<QCheckBox>("chkCall").click();
    expected.dialOut = false;
    child<QSpinBox>("txtPhRings").setValue(5);
    expected.answerRings = 5;
    auto& phone = child<QLineEdit>("txtPhoneNum", 8);
    QTest::keyClicks(&phone, QStringLiteral("55x5 01"));
    expected.phoneNumbers[8] = QStringLiteral("55501"); // a stored space reads back as nothing
    EXPECT_TRUE(w.isWindowModified());

    ConfigImage image = program.image;
    w.StoreValues(image);
    EXPECT_EQ(decodeSiteConfig(image, 0), expected);
}
