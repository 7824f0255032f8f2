// The connection wizard: its pages, checks, pictures, the save step and Connect.

#include "connection_windows_rig.h"
#include "connections/connection_file.h"
#include "connections/saved_connections.h"
#include "transfer/ui/frm_progress.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTest>
#include <gtest/gtest.h>

using namespace tarnwick;
using namespace tarnwick::test;

namespace {

const QString kWizardTitle = QStringLiteral("Tarnwick Connection Wizard");
const QString kPort = QStringLiteral("/dev/ttyTARNWICK0");

// Which of Back (enabled), Next and Connect (shown) the wizard offers: "back next" and so on.
QString buttonsOf(const QWidget* wizard) {
    QStringList offered;
    if (child<QPushButton>(wizard, "cmdBack")->isEnabled())
        offered << QStringLiteral("back");
    if (child<QPushButton>(wizard, "cmdNext")->isVisible())
        offered << QStringLiteral("next");
    if (child<QPushButton>(wizard, "cmdFinish")->isVisible())
        offered << QStringLiteral("connect");
    return offered.join(u' ');
}

void next(QWidget* wizard) {
    QTest::mouseClick(child<QPushButton>(wizard, "cmdNext"), Qt::LeftButton);
}

void back(QWidget* wizard) {
    QTest::mouseClick(child<QPushButton>(wizard, "cmdBack"), Qt::LeftButton);
}

void choose(QWidget* wizard, const char* list, const QString& text) {
    auto* box = child<QComboBox>(wizard, list);
    box->setCurrentIndex(box->findText(text));
}

void type(QWidget* wizard, const char* box, const QString& text) {
    QLineEdit* edit = child<QLineEdit>(wizard, box);
    edit->clear();
    QTest::keyClicks(edit, text);
}

// From the Welcome page to the Finish page with a direct unit on `kPort`.
void fillDirectConnection(frmConnWiz* wizard) {
    next(wizard);
    type(wizard, "txtSN", QStringLiteral("123456"));
    choose(wizard, "cboSL", QStringLiteral("B"));
    type(wizard, "txtPW", QStringLiteral("1234"));
    next(wizard);
    choose(wizard, "cboComPort", kPort);
    next(wizard);
}

int boldPage(const QWidget* wizard) {
    int bold = 0;
    for (int i = 0; i < 4; ++i) {
        if (child<QLabel>(wizard, "lblProgress", i)->font().bold()) {
            bold = bold == 0 ? i + 1 : -1;
            EXPECT_TRUE(child<QLabel>(wizard, "sspArrow", i)->isVisible());
        } else {
            EXPECT_FALSE(child<QLabel>(wizard, "sspArrow", i)->isVisible());
        }
    }
    return bold;
}

} // namespace

TEST(ConnWizard, OpensOnWelcomeAndBackNeverChecks) {
    ConnectionRig rig;
    frmConnWiz* wizard = rig.openWizard(false);
    EXPECT_EQ(wizard->windowTitle(), kWizardTitle);
    EXPECT_EQ(child<QTabWidget>(wizard, "tabWiz")->count(), 4);
    EXPECT_EQ(wizard->currentPage(), 1);
    EXPECT_EQ(boldPage(wizard), 1);
    EXPECT_EQ(buttonsOf(wizard), QStringLiteral("next"));
    EXPECT_TRUE(child<QPushButton>(wizard, "cmdNext")->isDefault());
    EXPECT_TRUE(child<QRadioButton>(wizard, "optParent", 0)->isChecked());
    EXPECT_TRUE(child<QLabel>(wizard, "sspDiagram", 0)->isVisible());
    EXPECT_FALSE(child<QLabel>(wizard, "sspDiagram", 1)->isVisible());

    next(wizard); // nothing to check on Welcome
    EXPECT_EQ(wizard->currentPage(), 2);
    EXPECT_EQ(boldPage(wizard), 2);
    EXPECT_EQ(buttonsOf(wizard), QStringLiteral("back next"));
    back(wizard); // the empty page 2 is left without a word
    EXPECT_EQ(wizard->currentPage(), 1);
    EXPECT_EQ(boldPage(wizard), 1);
    EXPECT_TRUE(rig.prompter.calls.empty());
    EXPECT_TRUE(rig.errors.reports.empty());
}

// The boxes take digits only: six for a serial number, four (shown as stars) for a password.
TEST(ConnWizard, SerialNumberAndPasswordBoxesAndTheirChecks) {
    ConnectionRig rig;
    frmConnWiz* wizard = rig.openWizard(false);
    next(wizard);
    type(wizard, "txtSN", QStringLiteral("12a3-4567"));
    EXPECT_EQ(child<QLineEdit>(wizard, "txtSN")->text(), QStringLiteral("123456"));
    type(wizard, "txtPW", QStringLiteral("98765"));
    EXPECT_EQ(child<QLineEdit>(wizard, "txtPW")->text(), QStringLiteral("9876"));
    EXPECT_EQ(child<QLineEdit>(wizard, "txtPW")->displayText(), QStringLiteral("****"));
    EXPECT_EQ(child<QLineEdit>(wizard, "txtPPW")->displayText(), QString());

    type(wizard, "txtSN", QStringLiteral("12345"));
    choose(wizard, "cboSL", QStringLiteral("A"));
    next(wizard);
    type(wizard, "txtSN", QStringLiteral("123456"));
    type(wizard, "txtPW", QStringLiteral("987"));
    next(wizard);
    ASSERT_EQ(rig.prompter.calls.size(), 2U);
    EXPECT_EQ(rig.prompter.calls[0].text,
              QStringLiteral("Please enter the 6-digit serial number of the Stavik."));
    EXPECT_EQ(rig.prompter.calls[1].text,
              QStringLiteral("Please enter the 4-digit password for the Stavik."));
    for (const PromptCall& call : rig.prompter.calls) {
        EXPECT_EQ(call.kind, PromptCall::Kind::Information);
        EXPECT_EQ(call.caption, kWizardTitle);
    }
    EXPECT_EQ(wizard->currentPage(), 2);
}

TEST(ConnWizard, ParentSiteNeedsTheDestinationSite) {
    ConnectionRig rig;
    frmConnWiz* wizard = rig.openWizard(false);
    QTest::mouseClick(child<QLabel>(wizard, "lblParent", 1), Qt::LeftButton);
    EXPECT_TRUE(child<QRadioButton>(wizard, "optParent", 1)->isChecked()) << "by its label";
    EXPECT_TRUE(child<QLabel>(wizard, "sspDiagram", 1)->isVisible());
    next(wizard);
    EXPECT_FALSE(child<QWidget>(wizard, "fraStavikInfo", 0)->isVisible());
    EXPECT_TRUE(child<QWidget>(wizard, "fraStavikInfo", 1)->isVisible());
    EXPECT_EQ(child<QLabel>(wizard, "lblStavikInfo")->text(),
              QStringLiteral("Enter the serial number, site letter, and password for the Stavik "
                             "that you are connecting to. Enter the site letter of the Stavik "
                             "that you want to download from."));

    type(wizard, "txtPSN", QStringLiteral("654321"));
    choose(wizard, "cboPSL", QStringLiteral("A"));
    type(wizard, "txtPPW", QStringLiteral("4321"));
    next(wizard);
    ASSERT_EQ(rig.promptTexts(),
              QStringList{QStringLiteral("Please select the site letter of the Stavik.")});
    EXPECT_EQ(wizard->currentPage(), 2);

    choose(wizard, "cboChildSL", QStringLiteral("C"));
    next(wizard);
    EXPECT_EQ(wizard->currentPage(), 3);
}

// Focus on the parent's fields marks the parent in the picture, on the child's list the child.
TEST(ConnWizard, ConnectionPictureFollowsTheFocus) {
    ConnectionRig rig;
    frmConnWiz* wizard = rig.openWizard(false);
    child<QRadioButton>(wizard, "optParent", 1)->click();
    next(wizard);
    wizard->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(wizard));
    const auto pictureShown = [&] {
        return std::pair(child<QLabel>(wizard, "sspCnnDiagram", 0)->isVisible(),
                         child<QLabel>(wizard, "sspCnnDiagram", 1)->isVisible());
    };
    EXPECT_EQ(pictureShown(), std::pair(true, false));
    child<QComboBox>(wizard, "cboChildSL")->setFocus();
    EXPECT_EQ(pictureShown(), std::pair(false, true));
    child<QLineEdit>(wizard, "txtPPW")->setFocus();
    EXPECT_EQ(pictureShown(), std::pair(true, false));
}

// Without modems the Modem choice can never get past its page, even with a number typed.
TEST(ConnWizard, NoModemsMeansModemNeverPasses) {
    ConnectionRig rig;
    rig.addSerialPort(kPort);
    frmConnWiz* wizard = rig.openWizard(false);
    next(wizard);
    type(wizard, "txtSN", QStringLiteral("123456"));
    choose(wizard, "cboSL", QStringLiteral("A"));
    type(wizard, "txtPW", QStringLiteral("1234"));
    next(wizard);
    ASSERT_EQ(wizard->currentPage(), 3);
    EXPECT_GE(child<QComboBox>(wizard, "cboComPort")->findText(kPort), 0) << "the store's port";
    EXPECT_EQ(child<QComboBox>(wizard, "cboComPort")->currentIndex(), -1) << "none chosen";
    EXPECT_TRUE(child<QWidget>(wizard, "fraDevice", 0)->isVisible());
    EXPECT_FALSE(child<QWidget>(wizard, "fraDevice", 1)->isVisible());
    next(wizard);

    child<QRadioButton>(wizard, "optDevice", 1)->click();
    EXPECT_FALSE(child<QWidget>(wizard, "fraDevice", 0)->isVisible());
    EXPECT_TRUE(child<QWidget>(wizard, "fraDevice", 1)->isVisible());
    EXPECT_EQ(child<QComboBox>(wizard, "cboModem")->count(), 0);
    type(wizard, "txtPhoneNum", QStringLiteral("5551234"));
    next(wizard);
    next(wizard);
    EXPECT_EQ(rig.promptTexts(), (QStringList{QStringLiteral("Please select a COM Port."),
                                              QStringLiteral("Please select a modem."),
                                              QStringLiteral("Please select a modem.")}));
    EXPECT_EQ(wizard->currentPage(), 3);
}

TEST(ConnWizard, ConnectWithoutSavingFillsTheConnectionAndStartsTheDownload) {
    ConnectionRig rig;
    rig.addSerialPort(kPort);
    QPointer<frmConnWiz> wizard = rig.openWizard(false);
    fillDirectConnection(wizard);
    ASSERT_EQ(wizard->currentPage(), 4);
    EXPECT_EQ(buttonsOf(wizard), QStringLiteral("back connect"));
    EXPECT_FALSE(child<QCheckBox>(wizard, "chkSave")->isChecked());
    EXPECT_FALSE(child<QCheckBox>(wizard, "chkSavePass")->isEnabled());
    EXPECT_EQ(child<QLabel>(wizard, "lblFinish")->text(),
              QStringLiteral("Press Connect to begin downloading settings from your Stavik."));

    QTest::mouseClick(child<QPushButton>(wizard, "cmdFinish"), Qt::LeftButton);
    EXPECT_TRUE(rig.prompter.calls.empty()) << "no save step";
    EXPECT_EQ(rig.mod.connection,
              (CurrentConnection{QStringLiteral("1234"), QStringLiteral("123456"), kPort, QString(),
                                 1, 1}));
    EXPECT_TRUE(wizard->finished());
    EXPECT_FALSE(wizard->isVisible());
    EXPECT_EQ(rig.windows.startWindowShown, 0);
    const QList<frmProgress*> progress = ConnectionRig::openWindows<frmProgress>();
    ASSERT_EQ(progress.size(), 1);
    EXPECT_EQ(progress[0]->windowTitle(), QStringLiteral("Tarnwick Download Progress"));
    rig.deliverDeferredDeletes();
    EXPECT_TRUE(wizard.isNull());
}

// The parent-site text names the direction of the transfer.
TEST(ConnWizard, ParentSiteTextSaysUploadToInUploadMode) {
    ConnectionRig rig;
    frmConnWiz* wizard = rig.openWizard(true);
    QTest::mouseClick(child<QLabel>(wizard, "lblParent", 1), Qt::LeftButton);
    next(wizard);
    EXPECT_EQ(child<QLabel>(wizard, "lblStavikInfo")->text(),
              QStringLiteral("Enter the serial number, site letter, and password for the Stavik "
                             "that you are connecting to. Enter the site letter of the Stavik "
                             "that you want to upload to."));
}

TEST(ConnWizard, SaveStepWritesTheProfileWhereTheUserSays) {
    ConnectionRig rig;
    rig.addSerialPort(kPort);
    frmConnWiz* wizard = rig.openWizard(false);
    fillDirectConnection(wizard);
    child<QCheckBox>(wizard, "chkSave")->click();
    EXPECT_TRUE(child<QCheckBox>(wizard, "chkSavePass")->isEnabled());
    const QString path = rig.connDir + QStringLiteral("Pump station");
    rig.prompter.scriptPath(path);
    QTest::mouseClick(child<QPushButton>(wizard, "cmdFinish"), Qt::LeftButton);

    ASSERT_EQ(rig.prompter.calls.size(), 1U);
    const FileDialogOptions& options = rig.prompter.calls[0].options;
    EXPECT_EQ(rig.prompter.calls[0].kind, PromptCall::Kind::SaveFile);
    EXPECT_EQ(options.filter, QStringLiteral("Tarnwick Connections (*.tlc)|*.tlc"));
    EXPECT_EQ(options.initialFolder, rig.connDir);
    EXPECT_TRUE(options.confirmOverwrite);
    EXPECT_EQ(options.defaultSuffix, QStringLiteral("tlc"));
    EXPECT_EQ(
        ReadConnectionFile(path + QStringLiteral(".tlc")),
        (ConnectionProfile{kPort, QString(), QStringLiteral("123456"), 1, QStringLiteral("----")}))
        << "the extension added to a name without one, and the password only when asked";
    EXPECT_FALSE(QFile::exists(path));
    EXPECT_EQ(savedConnectionNames(rig.connDir), QStringList{QStringLiteral("Pump station")});
    EXPECT_TRUE(wizard->finished());

    // A name the user gave an extension keeps it.
    frmConnWiz* again = rig.openWizard(false);
    fillDirectConnection(again);
    child<QCheckBox>(again, "chkSave")->click();
    const QString other = rig.connDir + QStringLiteral("pump.bak");
    rig.prompter.scriptPath(other);
    QTest::mouseClick(child<QPushButton>(again, "cmdFinish"), Qt::LeftButton);
    EXPECT_EQ(ReadConnectionFile(other).SN, QStringLiteral("123456"));
}

// Neither a cancelled nor a failed save keeps the connection from going ahead.
TEST(ConnWizard, CancelledOrFailedSaveStillConnects) {
    ConnectionRig rig;
    rig.addSerialPort(kPort);
    frmConnWiz* first = rig.openWizard(false);
    fillDirectConnection(first);
    child<QCheckBox>(first, "chkSave")->click();
    rig.prompter.scriptPath(std::nullopt);
    QTest::mouseClick(child<QPushButton>(first, "cmdFinish"), Qt::LeftButton);
    EXPECT_TRUE(first->finished());
    EXPECT_TRUE(rig.errors.reports.empty());

    frmConnWiz* second = rig.openWizard(false);
    fillDirectConnection(second);
    child<QCheckBox>(second, "chkSave")->click();
    child<QCheckBox>(second, "chkSavePass")->click();
    rig.prompter.scriptPath(rig.dir.filePath(QStringLiteral("no/such/folder/x.tlc")));
    QTest::mouseClick(child<QPushButton>(second, "cmdFinish"), Qt::LeftButton);
    EXPECT_EQ(rig.reportedMessages(),
              QStringList{QStringLiteral("Unable to save the connection settings.")});
    EXPECT_TRUE(second->finished());
    EXPECT_EQ(ConnectionRig::openWindows<frmProgress>().size(), 2);
}

TEST(ConnWizard, CancelAsksAndNoLeavesTheWizardAsItWas) {
    ConnectionRig rig;
    frmConnWiz* wizard = rig.openWizard(false);
    next(wizard);
    type(wizard, "txtSN", QStringLiteral("123"));

    rig.prompter.scriptAnswer(Prompter::Answer::No);
    QTest::mouseClick(child<QPushButton>(wizard, "cmdCancel"), Qt::LeftButton);
    rig.prompter.scriptAnswer(Prompter::Answer::No);
    QTest::keyClick(wizard, Qt::Key_Escape);
    ASSERT_EQ(rig.prompter.calls.size(), 2U);
    for (const PromptCall& call : rig.prompter.calls) {
        EXPECT_EQ(call.kind, PromptCall::Kind::YesNo);
        EXPECT_EQ(call.text,
                  QStringLiteral("Are you sure you want to exit the Tarnwick Connection Wizard?"));
        EXPECT_EQ(call.caption, kWizardTitle);
    }
    EXPECT_TRUE(wizard->isVisible());
    EXPECT_EQ(wizard->currentPage(), 2);
    EXPECT_EQ(child<QLineEdit>(wizard, "txtSN")->text(), QStringLiteral("123"));
    EXPECT_EQ(rig.windows.startWindowShown, 0);

    rig.prompter.scriptAnswer(Prompter::Answer::Yes);
    QTest::mouseClick(child<QPushButton>(wizard, "cmdCancel"), Qt::LeftButton);
    EXPECT_FALSE(wizard->isVisible());
    EXPECT_EQ(rig.windows.startWindowShown, 1) << "unfinished, before the main window";

    rig.mod.mainWindowActive = true;
    rig.openWizard(false)->close();
    EXPECT_EQ(rig.windows.startWindowShown, 1);
    EXPECT_EQ(rig.prompter.calls.size(), 3U) << "the close box does not ask";
}
