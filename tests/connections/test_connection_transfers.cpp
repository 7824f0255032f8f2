// From the connection windows into a transfer on the simulated unit and the virtual clock.

#include "connection_windows_rig.h"
#include "connections/connection_file.h"
#include "transfer/ui/frm_progress.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <gtest/gtest.h>

using namespace tarnwick;
using namespace tarnwick::test;
using namespace std::chrono_literals;

namespace {

const QString kPort = QStringLiteral("/dev/ttyTARNWICK0");

sim::UnitSetup variedUnit() {
    sim::UnitSetup setup;
    setup.memory = variedMemory();
    setup.serialNumber = QStringLiteral("482913");
    setup.password = QStringLiteral("7310");
    setup.site = 1;
    return setup;
}

void click(QWidget* window, const char* button) {
    QTest::mouseClick(child<QPushButton>(window, button), Qt::LeftButton);
}

void choose(QWidget* window, const char* list, const QString& text) {
    auto* box = child<QComboBox>(window, list);
    box->setCurrentIndex(box->findText(text));
}

} // namespace

TEST(ConnectionTransfer, FromTheDialogThroughTheWizardToACompletedDownload) {
    ConnectionRig rig(variedUnit());
    rig.addSerialPort(kPort);
    rig.windows.loadedMainWindow = &rig.mainWindow;

    frmConnSettings* settings = rig.openSettings(false);
    child<QRadioButton>(settings, "optConn", 2)->click();
    click(settings, "cmdOK");
    const QList<frmConnWiz*> wizards = ConnectionRig::openWindows<frmConnWiz>();
    ASSERT_EQ(wizards.size(), 1);
    frmConnWiz* wizard = wizards[0];

    click(wizard, "cmdNext");
    QTest::keyClicks(child<QLineEdit>(wizard, "txtSN"), QStringLiteral("482913"));
    choose(wizard, "cboSL", QStringLiteral("B"));
    QTest::keyClicks(child<QLineEdit>(wizard, "txtPW"), QStringLiteral("7310"));
    click(wizard, "cmdNext");
    choose(wizard, "cboComPort", kPort);
    click(wizard, "cmdNext");
    child<QCheckBox>(wizard, "chkSave")->click();
    child<QCheckBox>(wizard, "chkSavePass")->click();
    const QString saved = rig.connDir + QStringLiteral("Substation.tlc");
    rig.prompter.scriptPath(saved);
    click(wizard, "cmdFinish");

    const QList<frmProgress*> progress = ConnectionRig::openWindows<frmProgress>();
    ASSERT_EQ(progress.size(), 1);
    QPointer<frmProgress> window = progress[0];
    ASSERT_TRUE(rig.clock.runUntil([&] { return rig.mainWindow.loaded.has_value(); }, 400s));

    EXPECT_EQ(imageFromBlocks(*rig.mainWindow.loaded), rig.unit.memory());
    EXPECT_EQ(rig.mainWindow.calls,
              (QStringList{QStringLiteral("show"), QStringLiteral("LoadArray"),
                           QStringLiteral("in use")}));
    EXPECT_TRUE(rig.mod.mainWindowActive);
    EXPECT_EQ(rig.promptTexts().last(), QStringLiteral("Download complete."));
    EXPECT_EQ(rig.mod.settings.RecentConnection,
              (RecentConnection{QStringLiteral("482913"), 1, kPort, QString()}));
    EXPECT_EQ(ReadConnectionFile(saved).Password, QStringLiteral("7310"));
    EXPECT_EQ(rig.windows.startWindowShown, 0);
    EXPECT_TRUE(rig.errors.reports.empty());

    ASSERT_TRUE(rig.clock.runUntil([&] { return !window->isVisible(); }, 10s));
    rig.deliverDeferredDeletes();
    EXPECT_TRUE(window.isNull()) << "the progress window and its wiring go with the transfer";
}

// The port check runs after the most recent connection is stored; No stops the transfer and,
// with no main window shown yet, returns to the start window.
TEST(ConnectionTransfer, PortHeldByKiterAndNotReleasedStopsAfterStoringTheRecentConnection) {
    ConnectionRig rig(variedUnit());
    rig.automation.unitOnPort = QStringLiteral("999999");
    rig.saveConnection(QStringLiteral("Yard"),
                       {kPort, QString(), QStringLiteral("482913"), 1, QStringLiteral("7310")});
    frmConnSettings* settings = rig.openSettings(false);
    QTest::keyClick(child<QComboBox>(settings, "cboConnList"), Qt::Key_Down);
    choose(settings, "cboDestLet", QStringLiteral("B"));
    rig.prompter.scriptAnswer(Prompter::Answer::No);
    click(settings, "cmdOK");

    ASSERT_TRUE(rig.clock.runUntil(
        [&] { return ConnectionRig::openWindows<frmProgress>().isEmpty(); }, 10s));
    EXPECT_EQ(rig.promptTexts(),
              QStringList{kPort + QStringLiteral(" is being used by Kiter to connect to an "
                                                 "Stavik (SN: 999999).\r\nDo you want to "
                                                 "disconnect the Stavik?")});
    EXPECT_EQ(rig.mod.settings.RecentConnection.SN, QStringLiteral("482913"));
    EXPECT_EQ(rig.windows.startWindowShown, 1);
    EXPECT_FALSE(rig.mainWindow.loaded);
}

TEST(TransferRequests, UploadTakesThePasswordsOnlyWhenTheirBoxIsTicked) {
    ConnectionRig rig;
    EXPECT_EQ(uploadRequest(rig.windows, true).passwords.changePasswords, false)
        << "no main window, no change";
    EXPECT_TRUE(uploadRequest(rig.windows, true).restoreCalibration);

    rig.windows.loadedMainWindow = &rig.mainWindow;
    rig.mainWindow.change = {false, QStringLiteral("1111"), QStringLiteral("2222"),
                             QStringLiteral("3333")};
    const TransferRequest unticked = uploadRequest(rig.windows, false);
    EXPECT_TRUE(unticked.upload);
    EXPECT_TRUE(unticked.passwords.newMaster.isEmpty()) << "fields of an unticked box";
    EXPECT_TRUE(unticked.passwords.oldMaster.isEmpty());

    rig.mainWindow.change.changePasswords = true;
    const TransferRequest ticked = uploadRequest(rig.windows, false);
    EXPECT_TRUE(ticked.passwords.changePasswords);
    EXPECT_EQ(ticked.passwords.newMaster, QStringLiteral("1111"));
    EXPECT_EQ(ticked.passwords.newUser, QStringLiteral("2222"));
    EXPECT_EQ(ticked.passwords.oldMaster, QStringLiteral("3333"));
    EXPECT_FALSE(downloadRequest().upload);
}
