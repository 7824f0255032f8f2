#include "sim/unit_frames.h"
#include "test_transfer_fixture.h"

#include <gtest/gtest.h>

using namespace tarnwick;
using namespace tarnwick::test;
using modProtocol::Frame;

namespace {

const QString kNotResponding = QStringLiteral("Unable to connect: The Stavik is not responding.");
const QString kFirmwareRefused = QStringLiteral(
    "Stavik not responding.  Please check your connection, and verify the unit has firmware 5.4 "
    "or newer");

sim::UnitSetup unitWith(std::function<void(sim::UnitSetup&)> change) {
    sim::UnitSetup setup;
    change(setup);
    return setup;
}

// The transfer failed with `message` as its only box, closed the port and left.
void expectFailedWith(const TransferRig& rig, const QString& message) {
    ASSERT_TRUE(rig.outcome.has_value());
    EXPECT_EQ(rig.outcome->kind, TransferOutcome::Kind::Failed);
    EXPECT_EQ(rig.outcome->message, message);
    EXPECT_EQ(rig.promptTexts(), message.isEmpty() ? QStringList() : QStringList{message});
    for (const Prompt& prompt : rig.prompter.prompts) {
        EXPECT_EQ(prompt.caption, QStringLiteral("Tarnwick"));
    }
    EXPECT_FALSE(rig.line.portOpen());
    EXPECT_EQ(rig.view.unloads, 1);
}

} // namespace

// Firmware 5.4, the oldest accepted, signs on; the sweep's first request follows 500 ms later.
TEST(TransferSignOn, SavesConnectionChecksPortThenIdentifiesAndReadsFirmware) {
    TransferRig rig(unitWith([](sim::UnitSetup& setup) { setup.memory = patternedMemory(54); }));
    rig.startDownload();
    ASSERT_TRUE(rig.runUntilText(QStringLiteral("Site options")));

    EXPECT_EQ(rig.view.caption, QStringLiteral("Tarnwick Download Progress"));
    EXPECT_EQ(rig.host.calls, (QStringList{QStringLiteral("save recent 123456 /dev/ttyS0 [] 0"),
                                           QStringLiteral("check port /dev/ttyS0")}));
    EXPECT_EQ(rig.line.portName(), QStringLiteral("/dev/ttyS0"));
    EXPECT_EQ(rig.line.settings(), QStringLiteral("1200,n,8,1"));
    EXPECT_TRUE(rig.line.dialAddress().isEmpty());

    // 10 ms start timer, then the port takes its open delay; the random argument is 64.
    const auto writes = rig.writes();
    ASSERT_EQ(writes.size(), 6U);
    const auto openedAt = 10ms + sim::SimulatedSerialControl::kOpenDelay;
    for (std::size_t copy = 0; copy < 4; ++copy) {
        EXPECT_EQ(writes[copy].time, openedAt);
        EXPECT_EQ(writes[copy].bytes, (Frame{0xEC, 0x39, 0x4F, 0x70, 0x40}));
    }
    EXPECT_EQ(writes[4].bytes, (Frame{0xEC, 0x61, 0x48, 0x77, 0x18})); // read block 3
    EXPECT_EQ(writes[5].block, 0);
    EXPECT_EQ(writes[5].time, rig.answerTime(3) + 500ms);
    EXPECT_EQ(rig.engine->state().FirmwareVersion, 54);
    EXPECT_TRUE(rig.engine->state().Connected);
    EXPECT_EQ(rig.view.log.mid(0, 4),
              (QStringList{QStringLiteral("totalMax 251"), QStringLiteral("text Connecting..."),
                           QStringLiteral("text Verifying password..."),
                           QStringLiteral("text Verifying Stavik firmware version...")}));
}

TEST(TransferSignOn, PasswordIsComparedBeforeSerialNumber) {
    struct Case {
        const char* serial;
        const char* password;
        QString message;
    };
    const Case cases[] = {
        {"123456", "9999", QStringLiteral("Unable to connect: Incorrect password.")},
        {"654321", "9999", QStringLiteral("Unable to connect: Incorrect password.")},
        {"654321", "1234", QStringLiteral("Unable to connect: Incorrect serial number.")},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.message.toStdString());
        TransferRig rig(unitWith([&](sim::UnitSetup& setup) {
            setup.serialNumber = QLatin1String(c.serial);
            setup.password = QLatin1String(c.password);
        }));
        rig.startDownload();
        ASSERT_TRUE(rig.runToEnd());
        expectFailedWith(rig, c.message);
        EXPECT_TRUE(rig.readRequests().empty());
        EXPECT_EQ(rig.host.calls.last(), QStringLiteral("start window"));
    }
}

TEST(TransferSignOn, BadChassisFrameThenSilenceIsNotResponding) {
    TransferRig rig(unitWith([](sim::UnitSetup& setup) { setup.faults.silent = true; }));
    Frame chassis =
        sim::buildChassisFrame(0, QStringLiteral("123456"), QStringLiteral("1234"), 5, false);
    chassis[1] ^= 0x01;
    rig.clock.singleShot(100ms, [&] { rig.serial.inject(chassis); });
    rig.startDownload();
    ASSERT_TRUE(rig.runToEnd());
    expectFailedWith(rig, kNotResponding);
    EXPECT_EQ(rig.prompter.prompts[0].time, 30ms + 6000ms);
}

// The computer is cabled to site B; site C sits behind it and runs firmware 5.3.
TEST(TransferSignOn, FirmwareIsReadFromTheDestinationAndRefusedBelowFivePointFour) {
    TransferRig rig(unitWith([](sim::UnitSetup& setup) { setup.site = 1; }));
    sim::UnitSetup child;
    child.site = 2;
    child.memory = patternedMemory(53);
    rig.unit.addChild(child);
    rig.connection.SL = 1;
    rig.connection.DestSL = 2;
    rig.startDownload();
    ASSERT_TRUE(rig.runToEnd());
    expectFailedWith(rig, kFirmwareRefused);
    const auto writes = rig.writes();
    ASSERT_EQ(writes.size(), 5U);
    EXPECT_EQ(writes[0].kind, sim::FrameKind::Identify);
    EXPECT_EQ(writes[0].site, 1);
    EXPECT_EQ(writes[0].destination, 1);
    EXPECT_EQ(writes[4].bytes, modProtocol::BuildReadRequest({1, 2, 3}));
}

TEST(TransferSignOn, FirmwareCheckMakesFiveAttemptsOfFiveSeconds) {
    TransferRig rig(unitWith([](sim::UnitSetup& setup) { setup.faults.neverAnswer = {3}; }));
    rig.startDownload();
    ASSERT_TRUE(rig.runToEnd());
    expectFailedWith(rig, kFirmwareRefused);
    const auto reads = rig.readRequests();
    ASSERT_EQ(reads.size(), 5U);
    for (std::size_t attempt = 0; attempt < reads.size(); ++attempt) {
        EXPECT_EQ(reads[attempt].block, 3);
        EXPECT_EQ(reads[attempt].time, reads[0].time + static_cast<long>(attempt) * 5000ms);
    }
    EXPECT_EQ(rig.prompter.prompts[0].time, reads[0].time + 25000ms);
}

TEST(TransferSignOn, OpenFailureShowsTheConnectionState) {
    TransferRig rig;
    rig.line.setOpenFailure(QStringLiteral("Port busy"));
    rig.startDownload();
    ASSERT_TRUE(rig.runToEnd());
    expectFailedWith(rig, QStringLiteral("Unable to connect: Port busy"));
    EXPECT_TRUE(rig.writes().empty());
}

TEST(TransferSignOn, RefusedPortEndsSilentlyAfterSavingTheConnection) {
    TransferRig rig;
    rig.host.portFree = false;
    rig.host.mainActive = true;
    rig.startDownload();
    ASSERT_TRUE(rig.runToEnd());
    expectFailedWith(rig, QString());
    EXPECT_EQ(rig.host.calls, (QStringList{QStringLiteral("main window out"),
                                           QStringLiteral("save recent 123456 /dev/ttyS0 [] 0"),
                                           QStringLiteral("check port /dev/ttyS0"),
                                           QStringLiteral("main window in use")}));
    EXPECT_EQ(rig.line.connectionState(), QStringLiteral("Disconnected"));
    EXPECT_TRUE(rig.writes().empty());
}

TEST(TransferSignOn, StartErrorIsReportedAndWaitsForCancel) {
    TransferRig rig;
    rig.host.saveFailure = AppError(26001, QStringLiteral("tarnwick.cRegistry"),
                                    QStringLiteral("Failed to set registry value Key: '"));
    rig.startDownload();
    rig.clock.advance(60s);
    EXPECT_FALSE(rig.outcome.has_value());
    ASSERT_EQ(rig.host.errors.size(), 1U);
    EXPECT_EQ(rig.host.errors[0].friendly,
              QStringLiteral("An error occurred while initializing the download."));
    EXPECT_EQ(rig.host.errors[0].number, 26001);
    EXPECT_EQ(rig.host.calls.size(), 1); // no port check after the failed save

    rig.prompter.answers = {true};
    rig.engine->requestCancel();
    ASSERT_TRUE(rig.outcome.has_value());
    EXPECT_EQ(rig.outcome->kind, TransferOutcome::Kind::Cancelled);
    EXPECT_EQ(rig.promptTexts(), QStringList{QStringLiteral("Cancel download?")});
}
