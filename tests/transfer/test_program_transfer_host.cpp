#include "shell/app_error.h"
#include "support/recording_error_reporter.h"
#include "transfer/program_transfer_host.h"

#include <QStringList>
#include <gtest/gtest.h>

using namespace tarnwick;

namespace {

struct HostRig {
    QStringList calls;
    bool mainWindowActive = false;
    test::RecordingErrorReporter errors;
    ProgramTransferHost host{services(), errors, mainWindowActive};

    ProgramTransferHost::Services services() {
        ProgramTransferHost::Services s;
        s.mainWindow.setInUse = [this](bool inUse) {
            calls << (inUse ? QStringLiteral("in use") : QStringLiteral("out of use"));
        };
        s.mainWindow.show = [this] { calls << QStringLiteral("show"); };
        // Records whether the flag was already set, which LoadArray's failures rely on.
        s.mainWindow.LoadArray = [this](const BlockBuffer& blocks) {
            calls << QStringLiteral("LoadArray %1 active=%2")
                         .arg(blocks[251][7])
                         .arg(mainWindowActive);
        };
        s.mainWindow.stampSynchronized = [this](const QDateTime& time) {
            calls << QStringLiteral("stamp ") + time.toString(Qt::ISODate);
        };
        s.showStartWindow = [this] { calls << QStringLiteral("start window"); };
        return s;
    }
};

} // namespace

TEST(ProgramTransferHost, HandsACompletedTransferToTheMainWindowAfterShowingIt) {
    HostRig rig;
    BlockBuffer blocks{};
    blocks[251][7] = 42;
    rig.host.downloadCompleted(blocks);
    EXPECT_TRUE(rig.host.mainWindowActive());
    EXPECT_EQ(rig.calls,
              (QStringList{QStringLiteral("show"), QStringLiteral("LoadArray 42 active=1")}));

    rig.calls.clear();
    rig.host.uploadCompleted(QDateTime(QDate(2026, 3, 2), QTime(9, 30)));
    rig.host.uploadCompleted(std::nullopt); // nothing was written: no new stamp
    EXPECT_EQ(rig.calls,
              (QStringList{QStringLiteral("show"), QStringLiteral("stamp 2026-03-02T09:30:00"),
                           QStringLiteral("show")}));
}

TEST(ProgramTransferHost, WithoutServicesEveryPortMayBeUsedAndNothingIsStored) {
    test::RecordingErrorReporter errors;
    bool mainWindowActive = false;
    ProgramTransferHost host({}, errors, mainWindowActive);
    host.saveRecentConnection(QStringLiteral("123456"), QStringLiteral("/dev/ttyS0"), {}, 0);
    EXPECT_TRUE(host.checkPortInUse(QStringLiteral("/dev/ttyS0")));
    EXPECT_TRUE(host.protectedLocationsPath().isEmpty());

    host.reportError(QStringLiteral("An error occurred."),
                     AppError::standard(ErrorNumber::Overflow));
    ASSERT_EQ(errors.reports.size(), 1U);
    EXPECT_EQ(errors.reports[0].friendlyMessage, QStringLiteral("An error occurred."));
    EXPECT_EQ(errors.reports[0].number, QStringLiteral("6"));
}
