// Pictures of every wizard page in both connection types and of the settings dialog in both
// modes, for a person to look at (build/screenshots), and the windows' tab order.

#include "connection_windows_rig.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <gtest/gtest.h>

using namespace tarnwick;
using namespace tarnwick::test;

namespace {

void saveScreenshot(QWidget* window, const QString& name) {
    const QString dir = QStringLiteral(TARNWICK_BINARY_DIR "/screenshots");
    QDir().mkpath(dir);
    EXPECT_TRUE(window->grab().save(dir + QLatin1Char('/') + name)) << name.toStdString();
}

void choose(QWidget* window, const char* list, int index) {
    child<QComboBox>(window, list)->setCurrentIndex(index);
}

// The object names of the widgets that Tab visits from `first`, until it comes round again.
QStringList tabOrder(QWidget* first) {
    QStringList names;
    QWidget* widget = first;
    do {
        if ((widget->focusPolicy() & Qt::TabFocus) && widget->isVisibleTo(first->window()) &&
            widget->isEnabled() && !widget->objectName().isEmpty()) {
            names << widget->objectName();
        }
        widget = widget->nextInFocusChain();
    } while (widget != first);
    return names;
}

} // namespace

TEST(ConnectionScreenshots, WizardPagesInBothConnectionTypes) {
    ConnectionRig rig;
    rig.addSerialPort(QStringLiteral("/dev/ttyUSB0"));
    rig.addModem(QStringLiteral("Office modem"), QStringLiteral("/dev/ttyACM0"));
    for (const bool parentSite : {false, true}) {
        const QString type = parentSite ? QStringLiteral("parent") : QStringLiteral("direct");
        frmConnWiz* wizard = rig.openWizard(false);
        child<QRadioButton>(wizard, "optParent", parentSite ? 1 : 0)->click();
        saveScreenshot(wizard, QStringLiteral("conn_wiz_%1_1_welcome.png").arg(type));

        QTest::mouseClick(child<QPushButton>(wizard, "cmdNext"), Qt::LeftButton);
        const char* serialNumber = parentSite ? "txtPSN" : "txtSN";
        QTest::keyClicks(child<QLineEdit>(wizard, serialNumber), QStringLiteral("123456"));
        choose(wizard, parentSite ? "cboPSL" : "cboSL", 0);
        QTest::keyClicks(child<QLineEdit>(wizard, parentSite ? "txtPPW" : "txtPW"),
                         QStringLiteral("1234"));
        if (parentSite) {
            choose(wizard, "cboChildSL", 2);
        }
        saveScreenshot(wizard, QStringLiteral("conn_wiz_%1_2_stavik_information.png").arg(type));

        QTest::mouseClick(child<QPushButton>(wizard, "cmdNext"), Qt::LeftButton);
        if (parentSite) {
            child<QRadioButton>(wizard, "optDevice", 1)->click();
            choose(wizard, "cboModem", 0);
            QTest::keyClicks(child<QLineEdit>(wizard, "txtPhoneNum"), QStringLiteral("555 0142"));
        } else {
            choose(
                wizard, "cboComPort",
                child<QComboBox>(wizard, "cboComPort")->findText(QStringLiteral("/dev/ttyUSB0")));
        }
        saveScreenshot(wizard, QStringLiteral("conn_wiz_%1_3_connection.png").arg(type));

        QTest::mouseClick(child<QPushButton>(wizard, "cmdNext"), Qt::LeftButton);
        child<QCheckBox>(wizard, "chkSave")->setChecked(parentSite);
        EXPECT_EQ(wizard->currentPage(), 4);
        saveScreenshot(wizard, QStringLiteral("conn_wiz_%1_4_finish.png").arg(type));
        EXPECT_TRUE(rig.prompter.calls.empty());
        delete wizard;
    }
}

TEST(ConnectionScreenshots, SettingsDialogForDownloadAndUpload) {
    ConnectionRig rig;
    rig.saveConnection(QStringLiteral("North yard"),
                       {QStringLiteral("/dev/ttyUSB0"), QString(), QStringLiteral("482913"), 1,
                        QStringLiteral("----")});
    rig.mod.settings.RecentConnection = {
        QStringLiteral("123456"), 0, QStringLiteral("Office modem"), QStringLiteral("555 0142")};
    frmConnSettings* download = rig.openSettings(false);
    saveScreenshot(download, QStringLiteral("conn_settings_download.png"));
    delete download;

    rig.mod.connection = {QStringLiteral("1234"),
                          QStringLiteral("482913"),
                          QStringLiteral("/dev/ttyUSB0"),
                          QString(),
                          1,
                          2};
    frmConnSettings* upload = rig.openSettings(true);
    QTest::keyClicks(child<QLineEdit>(upload, "txtPassword"), QStringLiteral("1234"));
    saveScreenshot(upload, QStringLiteral("conn_settings_upload.png"));
    delete upload;
}

TEST(ConnectionWindowsTabOrder, FollowsTheLayout) {
    ConnectionRig rig;
    rig.mod.settings.RecentConnection = {QStringLiteral("123456"), 0, QStringLiteral("/dev/ttyS0"),
                                         QString()};
    rig.saveConnection(QStringLiteral("North yard"), {});
    frmConnSettings* settings = rig.openSettings(false);
    child<QRadioButton>(settings, "optConn", 1)->click();
    EXPECT_EQ(tabOrder(child<QRadioButton>(settings, "optConn", 0)),
              (QStringList{QStringLiteral("optConn"), QStringLiteral("optConn"),
                           QStringLiteral("cboConnList"), QStringLiteral("cmdBrowse"),
                           QStringLiteral("optConn"), QStringLiteral("cboDestLet"),
                           QStringLiteral("cmdOK"), QStringLiteral("cmdCancel"),
                           QStringLiteral("cmdHelp")}));

    frmConnWiz* wizard = rig.openWizard(false);
    child<QRadioButton>(wizard, "optParent", 1)->click();
    QTest::mouseClick(child<QPushButton>(wizard, "cmdNext"), Qt::LeftButton);
    EXPECT_EQ(
        tabOrder(child<QLineEdit>(wizard, "txtPSN")),
        (QStringList{QStringLiteral("txtPSN"), QStringLiteral("cboPSL"), QStringLiteral("txtPPW"),
                     QStringLiteral("cboChildSL"), QStringLiteral("cmdBack"),
                     QStringLiteral("cmdNext"), QStringLiteral("cmdCancel")}));
}
