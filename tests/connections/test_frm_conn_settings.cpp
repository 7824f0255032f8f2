// The connection settings dialog: its choices, the profile it shows and what OK hands over.

#include "connection_windows_rig.h"
#include "help/help_window.h"
#include "shell/ui/help_topics.h"
#include "transfer/ui/frm_progress.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QToolButton>
#include <gtest/gtest.h>

using namespace tarnwick;
using namespace tarnwick::test;

namespace {

const ConnectionProfile kModemWithoutPassword{QStringLiteral("Office modem"),
                                              QStringLiteral("5551234"), QStringLiteral("222222"),
                                              1, QStringLiteral("----")};
const ConnectionProfile kCableWithPassword{QStringLiteral("/dev/ttyS3"), QString(),
                                           QStringLiteral("333333"), 2, QStringLiteral("4321")};

// Serial number, site letter, device, phone number, password and the device's label.
QStringList shownProfile(const QWidget* window) {
    return {child<QLineEdit>(window, "txtSN")->text(),
            child<QLineEdit>(window, "txtSL")->text(),
            child<QLineEdit>(window, "txtDevice")->text(),
            child<QLineEdit>(window, "txtPhone")->text(),
            child<QLineEdit>(window, "txtPassword")->text(),
            child<QLabel>(window, "lblCOM")->text()};
}

// How the password box stands: "read-only, no tab stop, button face" and the like.
QString passwordBoxState(const QWidget* window) {
    const auto* box = child<QLineEdit>(window, "txtPassword");
    const QPalette& palette = box->palette();
    return QStringList{box->isReadOnly() ? QStringLiteral("read-only") : QStringLiteral("editable"),
                       box->focusPolicy() == Qt::StrongFocus ? QStringLiteral("tab stop")
                                                             : QStringLiteral("no tab stop"),
                       palette.color(QPalette::Base) == palette.color(QPalette::Button)
                           ? QStringLiteral("button face")
                           : QStringLiteral("window")}
        .join(QStringLiteral(", "));
}

// Chooses the next entry of a list the way the keyboard does, which counts as the user's
// choice.
void chooseNext(QComboBox* list) {
    QTest::keyClick(list, Qt::Key_Down);
}

void chooseSite(QWidget* window, const QString& letter) {
    auto* list = child<QComboBox>(window, "cboDestLet");
    list->setCurrentIndex(list->findText(letter));
}

} // namespace

TEST(ConnSettings, FirstRunOffersOnlySavedConnectionsAndAsksForTheSite) {
    ConnectionRig rig;
    frmConnSettings* window = rig.openSettings(false);
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Select Tarnwick Connection"));
    EXPECT_TRUE(window->isVisible());
    EXPECT_FALSE(window->isModal());

    EXPECT_FALSE(child<QRadioButton>(window, "optConn", 0)->isEnabled());
    EXPECT_TRUE(child<QRadioButton>(window, "optConn", 1)->isChecked());
    const auto* list = child<QComboBox>(window, "cboConnList");
    EXPECT_EQ(list->count(), 0);
    EXPECT_FALSE(list->isEnabled());
    EXPECT_TRUE(child<QToolButton>(window, "cmdBrowse")->isEnabled());
    EXPECT_EQ(shownProfile(window), (QStringList{{}, {}, {}, {}, {}, QStringLiteral("COM Port:")}));
    EXPECT_EQ(passwordBoxState(window), QStringLiteral("read-only, no tab stop, button face"));
    EXPECT_TRUE(child<QComboBox>(window, "cboDestLet")->isEnabled());
    EXPECT_FALSE(child<QCheckBox>(window, "chkRestCalib")->isEnabled());

    QTest::mouseClick(child<QPushButton>(window, "cmdOK"), Qt::LeftButton);
    ASSERT_EQ(rig.prompter.calls.size(), 1U);
    EXPECT_EQ(rig.prompter.calls[0].text,
              QStringLiteral("Please select the site letter from which you want to download "
                             "settings."));
    EXPECT_EQ(rig.prompter.calls[0].caption, QStringLiteral("Tarnwick"));
    EXPECT_TRUE(window->isVisible());
    EXPECT_FALSE(window->confirmed());
    EXPECT_EQ(rig.serialControlsMade, 0);
    EXPECT_TRUE(rig.errors.reports.empty());
}

// Cancel, Escape and the close box all close without connecting; the start screen comes back
// only while the main window has never been shown.
TEST(ConnSettings, ClosingWithoutOkBringsBackTheStartWindowBeforeTheMainWindowWasShown) {
    ConnectionRig rig;
    QPointer<frmConnSettings> window = rig.openSettings(false);
    QTest::mouseClick(child<QPushButton>(window, "cmdCancel"), Qt::LeftButton);
    EXPECT_FALSE(window->isVisible());
    EXPECT_EQ(rig.windows.startWindowShown, 1);
    rig.deliverDeferredDeletes();
    EXPECT_TRUE(window.isNull()) << "the dialog goes when it closes";

    window = rig.openSettings(false);
    QTest::keyClick(window, Qt::Key_Escape);
    EXPECT_FALSE(window->isVisible());
    EXPECT_EQ(rig.windows.startWindowShown, 2);

    rig.mod.mainWindowActive = true;
    window = rig.openSettings(false);
    window->close();
    EXPECT_EQ(rig.windows.startWindowShown, 2);
    EXPECT_TRUE(rig.prompter.calls.empty());
}

TEST(ConnSettings, MostRecentSettingsAreShownWithoutPassword) {
    ConnectionRig rig;
    rig.mod.settings.RecentConnection = {QStringLiteral("123456"), 3, QStringLiteral("/dev/ttyS1"),
                                         QString()};
    frmConnSettings* window = rig.openSettings(false);
    EXPECT_TRUE(child<QRadioButton>(window, "optConn", 0)->isChecked());
    EXPECT_EQ(child<QRadioButton>(window, "optConn", 0)->text(),
              QStringLiteral("Use the most recent settings."));
    EXPECT_FALSE(child<QComboBox>(window, "cboConnList")->isEnabled());
    EXPECT_FALSE(child<QToolButton>(window, "cmdBrowse")->isEnabled());
    EXPECT_EQ(shownProfile(window), (QStringList{QStringLiteral("123456"),
                                                 QStringLiteral("D"),
                                                 QStringLiteral("/dev/ttyS1"),
                                                 {},
                                                 {},
                                                 QStringLiteral("COM Port:")}));
    EXPECT_FALSE(child<QLineEdit>(window, "txtPhone")->isEnabled());
    EXPECT_EQ(passwordBoxState(window), QStringLiteral("editable, tab stop, window"));
    EXPECT_EQ(window->profile().Password, QStringLiteral("----"));
}

// A profile kept without its password asks for it: what is typed is what OK uses, and an
// untouched box leaves "----". A kept password is shown and needs no tab stop.
TEST(ConnSettings, SavedConnectionWithoutPasswordTakesTheTypedOne) {
    ConnectionRig rig;
    rig.saveConnection(QStringLiteral("Site B"), kModemWithoutPassword);
    rig.saveConnection(QStringLiteral("Alpha"), kCableWithPassword);
    frmConnSettings* window = rig.openSettings(false);
    auto* list = child<QComboBox>(window, "cboConnList");
    ASSERT_EQ(list->count(), 2);
    EXPECT_EQ(list->itemText(0), QStringLiteral("Alpha"));
    EXPECT_TRUE(list->isEnabled());
    EXPECT_TRUE(list->currentText().isEmpty()) << "nothing chosen yet";

    chooseNext(list); // Alpha
    EXPECT_EQ(shownProfile(window), (QStringList{QStringLiteral("333333"),
                                                 QStringLiteral("C"),
                                                 QStringLiteral("/dev/ttyS3"),
                                                 {},
                                                 QStringLiteral("4321"),
                                                 QStringLiteral("COM Port:")}));
    EXPECT_EQ(passwordBoxState(window), QStringLiteral("editable, no tab stop, window"));
    EXPECT_EQ(child<QLineEdit>(window, "txtPassword")->displayText(), QStringLiteral("****"));

    chooseNext(list); // Site B
    EXPECT_EQ(shownProfile(window), (QStringList{QStringLiteral("222222"),
                                                 QStringLiteral("B"),
                                                 QStringLiteral("Office modem"),
                                                 QStringLiteral("5551234"),
                                                 {},
                                                 QStringLiteral("Modem:")}))
        << "the last profile's password is not left behind";
    EXPECT_TRUE(child<QLineEdit>(window, "txtPhone")->isEnabled());
    EXPECT_EQ(passwordBoxState(window), QStringLiteral("editable, tab stop, window"));
    EXPECT_EQ(window->profile().Password, QStringLiteral("----"));

    QTest::keyClicks(child<QLineEdit>(window, "txtPassword"), QStringLiteral("98x765"));
    EXPECT_EQ(window->profile().Password, QStringLiteral("9876")) << "four digits at most";
    chooseSite(window, QStringLiteral("C"));
    QTest::mouseClick(child<QPushButton>(window, "cmdOK"), Qt::LeftButton);
    EXPECT_EQ(rig.mod.connection,
              (CurrentConnection{QStringLiteral("9876"), QStringLiteral("222222"),
                                 QStringLiteral("Office modem"), QStringLiteral("5551234"), 1, 2}));
    EXPECT_TRUE(window->confirmed());
    EXPECT_FALSE(window->isVisible());
    EXPECT_EQ(rig.windows.startWindowShown, 0);
    EXPECT_EQ(ConnectionRig::openWindows<frmProgress>().size(), 1);

    frmConnSettings* again = rig.openSettings(false);
    chooseNext(child<QComboBox>(again, "cboConnList"));
    chooseNext(child<QComboBox>(again, "cboConnList"));
    chooseSite(again, QStringLiteral("B"));
    QTest::mouseClick(child<QPushButton>(again, "cmdOK"), Qt::LeftButton);
    EXPECT_EQ(rig.mod.connection.Password, QStringLiteral("----"));
    EXPECT_TRUE(rig.errors.reports.empty());
}

// With the connection fields switched off for a new connection, the password box looks
// disabled like its neighbours, whether it was editable or read-only before.
TEST(ConnSettings, ADisabledPasswordBoxLooksDisabled) {
    ConnectionRig rig;
    rig.mod.settings.RecentConnection = {QStringLiteral("123456"), 0, QStringLiteral("/dev/ttyS1"),
                                         QString()};
    frmConnSettings* window = rig.openSettings(false);
    auto* password = child<QLineEdit>(window, "txtPassword");
    const auto* serial = child<QLineEdit>(window, "txtSN");
    const QColor editableBase = password->palette().color(QPalette::Active, QPalette::Base);
    for (const int option : {2, 1, 2}) {
        child<QRadioButton>(window, "optConn", option)->click();
        if (option == 1)
            continue; // the saved-connection choice makes the box read-only
        ASSERT_FALSE(password->isEnabled());
        EXPECT_EQ(password->palette().color(QPalette::Disabled, QPalette::Base),
                  serial->palette().color(QPalette::Disabled, QPalette::Base));
        EXPECT_NE(password->palette().color(QPalette::Disabled, QPalette::Base), editableBase);
    }
    EXPECT_TRUE(window->grab().save(
        QStringLiteral(TARNWICK_BINARY_DIR "/screenshots/frmConnSettings-new-connection.png")));
}

// The display boxes only show; the settings in them are the profile's.
TEST(ConnSettings, DisplayBoxesCannotBeEdited) {
    ConnectionRig rig;
    rig.mod.settings.RecentConnection = {QStringLiteral("123456"), 0, QStringLiteral("/dev/ttyS1"),
                                         QString()};
    frmConnSettings* window = rig.openSettings(false);
    QTest::keyClicks(child<QLineEdit>(window, "txtSN"), QStringLiteral("9"));
    EXPECT_EQ(child<QLineEdit>(window, "txtSN")->text(), QStringLiteral("123456"));
}

TEST(ConnSettings, UploadModePresetsAndLocksTheSite) {
    ConnectionRig rig;
    rig.mod.connection = {QStringLiteral("1234"),
                          QStringLiteral("654321"),
                          QStringLiteral("/dev/ttyS2"),
                          QString(),
                          1,
                          2};
    rig.mod.settings.RecentConnection = {QStringLiteral("111111"), 0, QStringLiteral("/dev/ttyS9"),
                                         QString()};
    frmConnSettings* window = rig.openSettings(true);
    EXPECT_TRUE(window->uploadMode());
    EXPECT_EQ(child<QRadioButton>(window, "optConn", 0)->text(),
              QStringLiteral("Use the last settings used with this file."));
    EXPECT_EQ(child<QLabel>(window, "lblDestLet")->text(), QStringLiteral("Upload to site:"));
    auto* site = child<QComboBox>(window, "cboDestLet");
    EXPECT_FALSE(site->isEnabled());
    EXPECT_EQ(site->currentText(), QStringLiteral("C"));
    EXPECT_TRUE(child<QCheckBox>(window, "chkRestCalib")->isEnabled());
    EXPECT_EQ(shownProfile(window)[0], QStringLiteral("654321")) << "the file's connection";
    EXPECT_EQ(window->profile().Password, QStringLiteral("----"));

    child<QRadioButton>(window, "optConn", 1)->click();
    child<QRadioButton>(window, "optConn", 0)->click();
    EXPECT_FALSE(site->isEnabled()) << "no choice of option unlocks the site";
    EXPECT_EQ(shownProfile(window)[0], QStringLiteral("654321"));

    QTest::keyClicks(child<QLineEdit>(window, "txtPassword"), QStringLiteral("1234"));
    child<QCheckBox>(window, "chkRestCalib")->setChecked(true);
    QTest::mouseClick(child<QPushButton>(window, "cmdOK"), Qt::LeftButton);
    EXPECT_EQ(rig.mod.connection.DestSL, 2);
    const QList<frmProgress*> progress = ConnectionRig::openWindows<frmProgress>();
    ASSERT_EQ(progress.size(), 1);
    EXPECT_EQ(progress[0]->windowTitle(), QStringLiteral("Tarnwick Upload Progress"));
}

// A new connection greys every field; OK opens the wizard in the dialog's mode and the dialog
// goes without bringing the start window back.
TEST(ConnSettings, CreateNewConnectionOpensTheWizard) {
    ConnectionRig rig;
    rig.mod.connection.SN = QStringLiteral("654321");
    frmConnSettings* window = rig.openSettings(true);
    child<QRadioButton>(window, "optConn", 2)->click();
    for (const char* name : {"txtSN", "txtSL", "txtDevice", "txtPhone", "txtPassword"}) {
        EXPECT_FALSE(child<QLineEdit>(window, name)->isEnabled()) << name;
    }
    for (int i = 0; i < 3; ++i) {
        EXPECT_FALSE(child<QLabel>(window, "lblSettings", i)->isEnabled()) << i;
    }
    for (const char* name : {"lblCOM", "lblPhone", "lblDestLet"}) {
        EXPECT_FALSE(child<QLabel>(window, name)->isEnabled()) << name;
    }
    EXPECT_FALSE(child<QComboBox>(window, "cboDestLet")->isEnabled());
    EXPECT_FALSE(child<QComboBox>(window, "cboConnList")->isEnabled());

    child<QCheckBox>(window, "chkRestCalib")->setChecked(true);
    QTest::mouseClick(child<QPushButton>(window, "cmdOK"), Qt::LeftButton);
    EXPECT_FALSE(window->isVisible());
    EXPECT_EQ(rig.windows.startWindowShown, 0);
    const QList<frmConnWiz*> wizards = ConnectionRig::openWindows<frmConnWiz>();
    ASSERT_EQ(wizards.size(), 1);
    EXPECT_TRUE(wizards[0]->upload());
    EXPECT_TRUE(wizards[0]->RestoreCalibration());
    EXPECT_EQ(child<QLabel>(wizards[0], "lblFinish")->text(),
              QStringLiteral("Press Connect to begin uploading settings to your Stavik."));
    EXPECT_EQ(rig.serialControlsMade, 0);
}

TEST(ConnSettings, BrowseReadsAnyConnectionFileAndCancelIsSilent) {
    ConnectionRig rig;
    const QString elsewhere = rig.dir.filePath(QStringLiteral("North Yard.tlc"));
    WriteConnectionFile(elsewhere, kCableWithPassword);
    frmConnSettings* window = rig.openSettings(false);

    rig.prompter.scriptPath(std::nullopt);
    QTest::mouseClick(child<QToolButton>(window, "cmdBrowse"), Qt::LeftButton);
    ASSERT_EQ(rig.prompter.calls.size(), 1U);
    EXPECT_EQ(rig.prompter.calls[0].kind, PromptCall::Kind::OpenFile);
    EXPECT_EQ(rig.prompter.calls[0].options.filter,
              QStringLiteral("Tarnwick Connections (*.tlc)|*.tlc"));
    EXPECT_EQ(rig.prompter.calls[0].options.initialFolder, rig.connDir);
    EXPECT_TRUE(shownProfile(window)[0].isEmpty());

    rig.prompter.scriptPath(elsewhere);
    QTest::mouseClick(child<QToolButton>(window, "cmdBrowse"), Qt::LeftButton);
    EXPECT_EQ(child<QComboBox>(window, "cboConnList")->currentText(), QStringLiteral("North Yard"));
    EXPECT_EQ(window->profile(), kCableWithPassword);
    EXPECT_TRUE(rig.errors.reports.empty());
}

// A file that cannot be read is reported and the window keeps what it showed.
TEST(ConnSettings, UnreadableConnectionsAreReportedAndTheDisplayKept) {
    ConnectionRig rig;
    rig.saveConnection(QStringLiteral("Gone"), kModemWithoutPassword);
    rig.mod.settings.RecentConnection = {QStringLiteral("123456"), 0, QStringLiteral("/dev/ttyS1"),
                                         QString()};
    frmConnSettings* window = rig.openSettings(false);
    ASSERT_TRUE(QFile::remove(rig.connDir + QStringLiteral("Gone.tlc")));

    child<QRadioButton>(window, "optConn", 1)->click();
    const QStringList cleared = shownProfile(window);
    auto* list = child<QComboBox>(window, "cboConnList");
    chooseNext(list);
    EXPECT_EQ(rig.reportedMessages(),
              QStringList{QStringLiteral("An error occurred while loading the connection.")});
    EXPECT_EQ(rig.errors.reports[0].number, QStringLiteral("53"));
    EXPECT_EQ(shownProfile(window), cleared);

    rig.prompter.scriptPath(rig.dir.filePath(QStringLiteral("missing.tlc")));
    QTest::mouseClick(child<QToolButton>(window, "cmdBrowse"), Qt::LeftButton);
    EXPECT_EQ(rig.reportedMessages().last(), QStringLiteral("An error occurred."));
    EXPECT_EQ(list->currentText(), QStringLiteral("Gone")) << "the list keeps its choice";
}

TEST(ConnSettings, HelpOpensTheDialogsTopic) {
    ConnectionRig rig;
    QTemporaryDir helpDir;
    const QFileInfo built(QStringLiteral(TARNWICK_HELP_COLLECTION));
    for (const QString& name : {QStringLiteral("tarnwick.qhc"), QStringLiteral("tarnwick.qch")}) {
        ASSERT_TRUE(QFile::copy(built.dir().filePath(name), helpDir.filePath(name)));
    }
    rig.mod.settings.HelpFile = helpDir.filePath(QStringLiteral("tarnwick.qhc"));
    frmConnSettings* window = rig.openSettings(false);
    EXPECT_FALSE(child<QComboBox>(window, "cboDestLet")->whatsThis().isEmpty());

    QTest::mouseClick(child<QPushButton>(window, "cmdHelp"), Qt::LeftButton);
    auto* help = window->findChild<help::HelpWindow*>();
    ASSERT_NE(help, nullptr);
    EXPECT_TRUE(help->currentPage().toString().endsWith(QStringLiteral("connection-settings.html")))
        << help->currentPage().toString().toStdString();
    EXPECT_TRUE(rig.errors.reports.empty());
}
