// The wizard's page checks and what its entries become.

#include "connections/wizard_entries.h"
#include "connections/wizard_pages.h"

#include <gtest/gtest.h>

using namespace tarnwick;

namespace {

WizardEntries completeDirect() {
    WizardEntries entries;
    entries.SN = QStringLiteral("123456");
    entries.SL = QStringLiteral("B");
    entries.PW = QStringLiteral("1234");
    entries.comPort = QStringLiteral("/dev/ttyS0");
    return entries;
}

WizardEntries completeParentSite() {
    WizardEntries entries;
    entries.parentSite = true;
    entries.PSN = QStringLiteral("654321");
    entries.PSL = QStringLiteral("A");
    entries.PPW = QStringLiteral("9876");
    entries.ChildSL = QStringLiteral("C");
    entries.modem = true;
    entries.modemName = QStringLiteral("Office modem");
    entries.phoneNumber = QStringLiteral("5551234");
    return entries;
}

QString problemText(int page, const WizardEntries& entries) {
    return wizardPageProblem(page, entries).value_or(QStringLiteral("<none>"));
}

} // namespace

// Each check is reached only once the ones before it pass.
TEST(WizardPageChecks, DirectConnectionFieldsInOrder) {
    WizardEntries entries = completeDirect();
    entries.SN = QStringLiteral("12345");
    entries.SL.clear();
    entries.PW = QStringLiteral("123");
    EXPECT_EQ(problemText(2, entries),
              QStringLiteral("Please enter the 6-digit serial number of the Stavik."));
    entries.SN = QStringLiteral("123456");
    EXPECT_EQ(problemText(2, entries), QStringLiteral("Please select a site letter."));
    entries.SL = QStringLiteral("A");
    EXPECT_EQ(problemText(2, entries),
              QStringLiteral("Please enter the 4-digit password for the Stavik."));
    entries.PW = QStringLiteral("1234");
    EXPECT_FALSE(wizardPageProblem(2, entries));
}

TEST(WizardPageChecks, ParentSiteFieldsInOrderAndTheDirectOnesIgnored) {
    WizardEntries entries = completeParentSite();
    entries.PSN = QStringLiteral("1234567");
    entries.PSL.clear();
    entries.PPW.clear();
    entries.ChildSL.clear();
    EXPECT_EQ(problemText(2, entries),
              QStringLiteral("Please enter the 6-digit serial number of the Stavik."));
    entries.PSN = QStringLiteral("654321");
    EXPECT_EQ(
        problemText(2, entries),
        QStringLiteral("Please select the site letter of the Stavik that you are connecting to."));
    entries.PSL = QStringLiteral("A");
    EXPECT_EQ(problemText(2, entries),
              QStringLiteral("Please enter the 4-digit password for the Stavik."));
    entries.PPW = QStringLiteral("9876");
    EXPECT_EQ(problemText(2, entries),
              QStringLiteral("Please select the site letter of the Stavik."));
    entries.ChildSL = QStringLiteral("D");
    EXPECT_FALSE(wizardPageProblem(2, entries)) << "the empty direct fields do not count";
}

TEST(WizardPageChecks, DeviceChoiceAndPhoneNumber) {
    WizardEntries direct = completeDirect();
    direct.comPort.clear();
    direct.modemName = QStringLiteral("Office modem"); // not the chosen kind
    EXPECT_EQ(problemText(3, direct), QStringLiteral("Please select a COM Port."));

    WizardEntries modem = completeParentSite();
    modem.modemName.clear();
    modem.phoneNumber.clear();
    modem.comPort = QStringLiteral("/dev/ttyS0");
    EXPECT_EQ(problemText(3, modem), QStringLiteral("Please select a modem."));
    modem.modemName = QStringLiteral("Office modem");
    EXPECT_EQ(problemText(3, modem), QStringLiteral("Please enter the phone number."));
}

// The unit on the line is the parent; the settings are the child's.
TEST(WizardConnection, ParentSiteThroughAModem) {
    WizardEntries entries = completeParentSite();
    entries.SN = QStringLiteral("111111"); // left over from the direct page
    entries.comPort = QStringLiteral("/dev/ttyS0");
    const CurrentConnection connection = wizardConnection(entries);
    EXPECT_EQ(connection,
              (CurrentConnection{QStringLiteral("9876"), QStringLiteral("654321"),
                                 QStringLiteral("Office modem"), QStringLiteral("5551234"), 0, 2}));
}
