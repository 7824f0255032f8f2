// The serial control on a pseudo-terminal, whose other side the test plays: a unit on a direct
// cable, a modem, a line that goes away.

#include "serial/qt_serial_control.h"

#include <QCoreApplication>
#include <QTest>
#include <array>
#include <cerrno>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <memory>
#include <termios.h>
#include <unistd.h>

using namespace tarnwick;

namespace {

// The far side of a pseudo-terminal. The slave side is the device the control opens; it is
// held open here as well, so the control's closing does not hang the line up.
class FarEnd {
public:
    FarEnd() {
        m_master = ::posix_openpt(O_RDWR | O_NOCTTY | O_NONBLOCK);
        std::array<char, 128> name{};
        if (m_master < 0 || ::grantpt(m_master) != 0 || ::unlockpt(m_master) != 0 ||
            ::ptsname_r(m_master, name.data(), name.size()) != 0) {
            ADD_FAILURE() << "no pseudo-terminal";
            return;
        }
        m_path = QString::fromLocal8Bit(name.data());
        m_slave = ::open(name.data(), O_RDWR | O_NOCTTY);
        termios raw{};
        ::tcgetattr(m_slave, &raw);
        ::cfmakeraw(&raw);
        ::tcsetattr(m_slave, TCSANOW, &raw);
    }
    ~FarEnd() { hangUp(); }
    FarEnd(const FarEnd&) = delete;
    FarEnd& operator=(const FarEnd&) = delete;

    const QString& path() const { return m_path; }
    void send(const QByteArray& bytes) const {
        EXPECT_EQ(::write(m_master, bytes.constData(), static_cast<std::size_t>(bytes.size())),
                  bytes.size());
    }
    // What the control writes, waiting up to `timeoutMs` for `count` bytes.
    QByteArray receive(qsizetype count, int timeoutMs = 3000) const {
        QByteArray bytes;
        // Fewer bytes than asked for is the caller's to judge.
        static_cast<void>(QTest::qWaitFor(
            [&] {
                std::array<char, 256> buffer{};
                const ssize_t n = ::read(m_master, buffer.data(), buffer.size());
                if (n > 0) {
                    bytes.append(buffer.data(), n);
                }
                return bytes.size() >= count;
            },
            timeoutMs));
        return bytes;
    }
    void hangUp() {
        for (int* fd : {&m_slave, &m_master}) {
            if (*fd >= 0) {
                ::close(*fd);
                *fd = -1;
            }
        }
    }

private:
    int m_master = -1;
    int m_slave = -1;
    QString m_path;
};

class QtSerialControlTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        static int argc = 1;
        static char name[] = "platform_serial_tests";
        static char* argv[] = {name, nullptr};
        if (QCoreApplication::instance() == nullptr) {
            s_app = std::make_unique<QCoreApplication>(argc, argv);
        }
    }
    // Gone before the process exits: Qt cannot end an application from static destructors.
    static void TearDownTestSuite() { s_app.reset(); }

    void SetUp() override {
        control.setEvents(
            {[this] { ++opened; }, [this] { ++received; }, [this] { ++carrierChanges; }});
        control.setPortName(far.path());
        control.setSettings(QStringLiteral("1200,n,8,1"));
    }

    // Opens, and returns the state text once `opened` has come.
    QString openAndWait() {
        control.setPortOpen(true);
        EXPECT_EQ(opened, 0) << "opened must come from the event loop";
        EXPECT_TRUE(QTest::qWaitFor([this] { return opened > 0; }, 3000));
        return control.connectionState();
    }

    FarEnd far;
    QtSerialControl control;
    int opened = 0;
    int received = 0;
    int carrierChanges = 0;
    static inline std::unique_ptr<QCoreApplication> s_app;
};

TEST_F(QtSerialControlTest, DirectCableCarriesBytesBothWaysAndClosesAtOnce) {
    EXPECT_EQ(openAndWait(), QStringLiteral("Connected"));
    EXPECT_TRUE(control.portOpen());

    control.write(QByteArray("\x5A\x01\x02", 3));
    EXPECT_EQ(far.receive(3), QByteArray("\x5A\x01\x02", 3));
    far.send(QByteArray("\xF4\x10", 2));
    ASSERT_TRUE(QTest::qWaitFor([this] { return received > 0; }, 3000));
    EXPECT_EQ(control.readAll(), QByteArray("\xF4\x10", 2));

    control.setPortOpen(false);
    EXPECT_FALSE(control.portOpen());
    EXPECT_EQ(control.connectionState(), QStringLiteral("Disconnected"));
    control.write("lost");
    far.send("late");
    QTest::qWait(100);
    EXPECT_EQ(opened, 1);
    EXPECT_EQ(received, 1);
    EXPECT_TRUE(far.receive(1, 200).isEmpty());
}

TEST_F(QtSerialControlTest, AFailedOpenSaysWhyThroughTheEventLoop) {
    control.setPortName(far.path() + QStringLiteral("-missing"));
    const QString missing = openAndWait();
    EXPECT_FALSE(missing.isEmpty());
    EXPECT_NE(missing, QStringLiteral("Connected"));
    EXPECT_FALSE(control.portOpen());

    control.setPortName(far.path());
    control.setSettings(QStringLiteral("1200,n,8"));
    opened = 0;
    EXPECT_EQ(openAndWait(),
              QStringLiteral("The line settings \"1200,n,8\" are not of the form baud,parity,data "
                             "bits,stop bits (such as 1200,n,8,1)."));
    EXPECT_FALSE(control.portOpen());

    control.setSettings(QStringLiteral("1200,n,8,1"));
    control.setPortName(QString());
    opened = 0;
    EXPECT_EQ(openAndWait(), QStringLiteral("No port has been chosen."));
}

TEST_F(QtSerialControlTest, ClosingBeforeTheOpenIsAnnouncedFiresNothing) {
    control.setPortOpen(true);
    control.setPortOpen(false);
    QTest::qWait(50);
    EXPECT_EQ(opened, 0);
    EXPECT_FALSE(control.portOpen());
}

TEST_F(QtSerialControlTest, DialsAModemByItsNameAndPassesOnWhatFollowsConnect) {
    QtSerialControl modem([this](const QString& name) {
        return name == QLatin1String("Office modem") ? far.path() : name;
    });
    modem.setEvents({[this] { ++opened; }, [this] { ++received; }, {}});
    modem.setPortName(QStringLiteral("Office modem"));
    modem.setSettings(QStringLiteral("1200,n,8,1"));
    modem.setDialAddress(QStringLiteral("555-1234"));
    modem.setPortOpen(true);

    EXPECT_EQ(far.receive(4), QByteArray("ATZ\r"));
    far.send("ATZ\r\r\nOK\r\n");
    EXPECT_EQ(far.receive(12), QByteArray("ATDT5551234\r"));
    EXPECT_EQ(opened, 0) << "not up before CONNECT";
    modem.write("too early");
    far.send("\r\nCONNECT 1200\r\n\xF4");
    ASSERT_TRUE(QTest::qWaitFor([this] { return opened > 0; }, 3000));
    EXPECT_EQ(modem.connectionState(), QStringLiteral("Connected"));
    EXPECT_EQ(received, 1);
    EXPECT_EQ(modem.readAll(), QByteArray("\xF4"));
    EXPECT_TRUE(far.receive(1, 200).isEmpty()) << "writes before the link is up are dropped";
}

TEST_F(QtSerialControlTest, ABusyNumberEndsTheAttemptWithThePortClosed) {
    control.setDialAddress(QStringLiteral("5551234"));
    control.setPortOpen(true);
    EXPECT_EQ(far.receive(4), QByteArray("ATZ\r"));
    far.send("OK\r\n");
    EXPECT_EQ(far.receive(12), QByteArray("ATDT5551234\r"));
    far.send("BUSY\r\n");
    ASSERT_TRUE(QTest::qWaitFor([this] { return opened > 0; }, 3000));
    EXPECT_EQ(control.connectionState(), QStringLiteral("The line is busy."));
    EXPECT_FALSE(control.portOpen());
}

TEST_F(QtSerialControlTest, AModemLinkThatGoesAwayClosesAndReportsTheCarrier) {
    control.setDialAddress(QStringLiteral("5551234"));
    control.setPortOpen(true);
    far.receive(4);
    far.send("OK\r\n");
    far.receive(12);
    far.send("CONNECT\r\n");
    ASSERT_TRUE(QTest::qWaitFor([this] { return opened > 0; }, 3000));
    ASSERT_TRUE(control.portOpen());

    far.hangUp();
    ASSERT_TRUE(QTest::qWaitFor([this] { return carrierChanges > 0; }, 3000));
    EXPECT_FALSE(control.portOpen());
    EXPECT_NE(control.connectionState(), QStringLiteral("Connected"));
}

} // namespace
