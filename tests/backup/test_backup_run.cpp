#include "backup_rig.h"

#include "backup/backup_report.h"
#include "config/settings_file.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <gtest/gtest.h>

namespace tarnwick::test {

namespace {

using backup::UnitStatus;

// Four ports, the last carrying a parent and its child unit.
void addFiveUnits(BackupRig& rig) {
    for (int i = 1; i <= 4; ++i) {
        const QString port = QStringLiteral("/dev/ttyS%1").arg(i);
        const QString sn = QStringLiteral("10000%1").arg(i);
        rig.transfers.addPort(port, sn);
        rig.entries.push_back(entryFor(QStringLiteral("site%1").arg(i), port, sn));
    }
    sim::UnitSetup child;
    child.memory = sampleImage();
    child.memory[40] ^= 0x5A;
    child.site = 1;
    rig.transfers.unit(QStringLiteral("/dev/ttyS4")).addChild(child);
    rig.entries.push_back(entryFor(QStringLiteral("site4b"), QStringLiteral("/dev/ttyS4"),
                                   QStringLiteral("100004"), QStringLiteral("1234"), 1));
}

TEST(BackupRun, UnitsOnDifferentPortsRunTogetherAndASharedPortTakesTurns) {
    BackupRig rig;
    addFiveUnits(rig);
    rig.options.jobs = 8; // only the port keeps the child waiting
    rig.start();
    ASSERT_TRUE(rig.runToEnd());

    EXPECT_EQ(rig.transfers.sharedPortClashes, 0);
    EXPECT_EQ(rig.transfers.mostAtOnce, 4);
    ASSERT_EQ(rig.transfers.turns.size(), 5u);
    // The child waited for its parent's download and started as soon as the line was free.
    const Turn& parent = rig.transfers.turns[3];
    const Turn& child = rig.transfers.turns[4];
    EXPECT_EQ(child.name, QStringLiteral("site4b"));
    EXPECT_EQ(child.from, parent.to);
    // Two downloads in a row bound the whole run.
    EXPECT_EQ(rig.clock.now(), child.to);
    EXPECT_LT(rig.clock.now(), 2 * (parent.to - parent.from) + 1s);

    EXPECT_TRUE(rig.run->succeeded());
    for (const backup::UnitResult& r : rig.run->results()) {
        EXPECT_EQ(r.status, UnitStatus::BackedUp) << r.name.toStdString();
        EXPECT_TRUE(r.first);
        const QStringList files = rig.files(r.name);
        ASSERT_EQ(files.size(), 1) << r.name.toStdString();
        EXPECT_TRUE(QRegularExpression(QStringLiteral("^%1-20260302T09\\d{4}Z\\.stv$").arg(r.name))
                        .match(files[0])
                        .hasMatch())
            << files[0].toStdString();
    }
    // What the child holds, not its parent.
    const auto childFile = readSettingsFile(rig.result(QStringLiteral("site4b")).file);
    ASSERT_TRUE(childFile.has_value());
    EXPECT_EQ(childFile->image, rig.transfers.unit(QStringLiteral("/dev/ttyS4")).child(1)->memory());
    EXPECT_EQ(childFile->destSL, 1);
}

TEST(BackupRun, JobsLimitHowManyRunAtOnce) {
    BackupRig rig;
    addFiveUnits(rig);
    rig.options.jobs = 2;
    rig.start();
    ASSERT_TRUE(rig.runToEnd(3000s));
    EXPECT_EQ(rig.transfers.mostAtOnce, 2);
    EXPECT_EQ(rig.transfers.sharedPortClashes, 0);
    EXPECT_TRUE(rig.run->succeeded());
}

TEST(BackupRun, AWrongPasswordFailsThatUnitOnlyAndIsNamed) {
    BackupRig rig;
    rig.transfers.addPort(QStringLiteral("/dev/ttyS1"), QStringLiteral("100001"));
    rig.transfers.addPort(QStringLiteral("/dev/ttyS2"), QStringLiteral("100002"));
    rig.entries = {entryFor(QStringLiteral("good"), QStringLiteral("/dev/ttyS1"),
                            QStringLiteral("100001")),
                   entryFor(QStringLiteral("locked"), QStringLiteral("/dev/ttyS2"),
                            QStringLiteral("100002"), QStringLiteral("9999"))};
    rig.start();
    ASSERT_TRUE(rig.runToEnd());

    EXPECT_EQ(rig.result(QStringLiteral("good")).status, UnitStatus::BackedUp);
    const backup::UnitResult& locked = rig.result(QStringLiteral("locked"));
    EXPECT_EQ(locked.status, UnitStatus::Failed);
    EXPECT_TRUE(locked.message.contains(QStringLiteral("assword"), Qt::CaseSensitive))
        << locked.message.toStdString();
    EXPECT_EQ(locked.attempts, 2); // the default one retry
    EXPECT_TRUE(rig.files(QStringLiteral("locked")).isEmpty());
    EXPECT_FALSE(rig.run->succeeded());
    EXPECT_FALSE(rig.transfers.line(QStringLiteral("/dev/ttyS2")).portOpen());

    // The summary and the report name the failure and its reason.
    const QStringList table = backup::summaryTable(rig.run->results());
    ASSERT_EQ(table.size(), 3);
    EXPECT_TRUE(table[1].startsWith(QStringLiteral("good    backed up ")));
    EXPECT_TRUE(table[2].startsWith(QStringLiteral("locked  failed (2 tries)")));
    EXPECT_TRUE(table[2].endsWith(locked.message));
    const QJsonObject report =
        QJsonDocument::fromJson(backup::reportJson(rig.run->results(), {}, {}, false)).object();
    EXPECT_FALSE(report.value(QStringLiteral("ok")).toBool());
    const QJsonObject failed = report.value(QStringLiteral("units")).toArray().at(1).toObject();
    EXPECT_EQ(failed.value(QStringLiteral("result")).toString(), QStringLiteral("failed"));
    EXPECT_EQ(failed.value(QStringLiteral("error")).toString(), locked.message);
}

TEST(BackupRun, AnUnchangedUnitWritesNoFileAndAChangedOneNamesItsFields) {
    BackupRig rig;
    sim::StavikUnit& steady = rig.transfers.addPort(QStringLiteral("/dev/ttyS1"), QStringLiteral("100001"));
    rig.transfers.addPort(QStringLiteral("/dev/ttyS2"), QStringLiteral("100002"));
    rig.entries = {entryFor(QStringLiteral("steady"), QStringLiteral("/dev/ttyS1"),
                            QStringLiteral("100001")),
                   entryFor(QStringLiteral("edited"), QStringLiteral("/dev/ttyS2"),
                            QStringLiteral("100002"))};
    // The edited unit's last backup holds a different site name.
    ConfigImage older = sampleImage();
    older[2] = static_cast<std::uint8_t>(older[2] == 'Q' ? 'R' : 'Q');
    const CurrentConnection connection = rig.entries[1].connection;
    rig.store.store(QStringLiteral("edited"), connection, older,
                    QDateTime(QDate(2026, 3, 1), QTime(9, 0), Qt::UTC));
    rig.store.store(QStringLiteral("steady"), rig.entries[0].connection, steady.memory(),
                    QDateTime(QDate(2026, 3, 1), QTime(9, 0), Qt::UTC));
    const QStringList steadyBefore = rig.files(QStringLiteral("steady"));

    rig.start();
    ASSERT_TRUE(rig.runToEnd());

    const backup::UnitResult& same = rig.result(QStringLiteral("steady"));
    EXPECT_EQ(same.status, UnitStatus::Unchanged);
    EXPECT_EQ(rig.files(QStringLiteral("steady")), steadyBefore);
    const backup::UnitResult& edited = rig.result(QStringLiteral("edited"));
    EXPECT_EQ(edited.status, UnitStatus::BackedUp);
    EXPECT_FALSE(edited.first);
    EXPECT_FALSE(edited.fields.isEmpty());
    EXPECT_EQ(rig.files(QStringLiteral("edited")).size(), 2);
    EXPECT_EQ(rig.store.latest(QStringLiteral("edited")), edited.file);
    EXPECT_TRUE(rig.run->succeeded());
}

TEST(BackupRun, AUnitThatFailsOnceSucceedsOnItsRetryAfterTheOthers) {
    BackupRig rig;
    addFiveUnits(rig);
    rig.transfers.failFirstOpen = {QStringLiteral("site1")};
    rig.start();
    ASSERT_TRUE(rig.runToEnd(3000s));

    const backup::UnitResult& flaky = rig.result(QStringLiteral("site1"));
    EXPECT_EQ(flaky.status, UnitStatus::BackedUp);
    EXPECT_EQ(flaky.attempts, 2);
    EXPECT_EQ(rig.files(QStringLiteral("site1")).size(), 1);
    // The retry came after every first try that could start, and did not hold up the child
    // waiting for its parent's port.
    QStringList order;
    for (const Turn& turn : rig.transfers.turns) {
        order << turn.name;
    }
    EXPECT_EQ(order.join(QLatin1Char(' ')), QStringLiteral("site1 site2 site3 site4 site1 site4b"));
    EXPECT_EQ(rig.transfers.turns[5].from, rig.transfers.turns[3].to);
    EXPECT_TRUE(rig.run->succeeded());

    // Without retries the same fault is final.
    BackupRig strict;
    addFiveUnits(strict);
    strict.options.retries = 0;
    strict.transfers.failFirstOpen = {QStringLiteral("site1")};
    strict.start();
    ASSERT_TRUE(strict.runToEnd(3000s));
    EXPECT_EQ(strict.result(QStringLiteral("site1")).status, UnitStatus::Failed);
    EXPECT_TRUE(strict.result(QStringLiteral("site1")).message.contains(QStringLiteral("Port busy")));
    EXPECT_FALSE(strict.run->succeeded());
}

TEST(BackupRun, CancelInTheMiddleClosesEveryPortAndWritesNothing) {
    BackupRig rig;
    addFiveUnits(rig);
    rig.start();
    rig.clock.advance(60s);
    rig.run->cancel();
    ASSERT_TRUE(rig.runToEnd(1s));

    EXPECT_TRUE(rig.run->cancelled());
    for (const backup::UnitResult& r : rig.run->results()) {
        EXPECT_EQ(r.status, UnitStatus::Cancelled) << r.name.toStdString();
    }
    EXPECT_TRUE(rig.allFiles().isEmpty()) << rig.allFiles().join(QLatin1Char(' ')).toStdString();
    for (int i = 1; i <= 4; ++i) {
        EXPECT_FALSE(rig.transfers.line(QStringLiteral("/dev/ttyS%1").arg(i)).portOpen());
    }
    // The waiting child never started.
    EXPECT_EQ(rig.transfers.turns.size(), 4u);
    for (const Turn& turn : rig.transfers.turns) {
        EXPECT_EQ(turn.to, 60s);
    }
    // Nothing more is scheduled by the transfers once they have closed.
    rig.clock.advance(300s);
    EXPECT_EQ(rig.transfers.turns.size(), 4u);
}

} // namespace

} // namespace tarnwick::test
