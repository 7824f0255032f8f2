// Line settings text and the modem dialling sequence, without a device.

#include "serial/hayes_dialer.h"
#include "serial/line_settings.h"

#include <gtest/gtest.h>

using namespace tarnwick;
using namespace std::chrono_literals;

TEST(LineSettings, ReadsTheFourPartsInEitherCaseAndWithBlanks) {
    EXPECT_EQ(parseLineSettings(QStringLiteral("1200,n,8,1")), LineSettings{});
    EXPECT_EQ(
        parseLineSettings(QStringLiteral(" 9600 , E , 7 , 2 ")),
        (LineSettings{9600, QSerialPort::EvenParity, QSerialPort::Data7, QSerialPort::TwoStop}));
    EXPECT_EQ(parseLineSettings(QStringLiteral("300,o,5,1.5")),
              (LineSettings{300, QSerialPort::OddParity, QSerialPort::Data5,
                            QSerialPort::OneAndHalfStop}));
}

TEST(LineSettings, RefusesMalformedText) {
    for (const char* text :
         {"", "1200", "1200,n,8", "1200,n,8,1,", "1200,x,8,1", "1200,no,8,1", "-1200,n,8,1",
          "+1200,n,8,1", "12x0,n,8,1", "0,n,8,1", "99999999,n,8,1", "1200,n,9,1", "1200,n,4,1",
          "1200,n,8,3", "1200,n,8,"}) {
        EXPECT_FALSE(parseLineSettings(QLatin1String(text)).has_value()) << text;
    }
}

TEST(HayesDialer, ResetsDialsAndKeepsWhatFollowsConnectAsData) {
    HayesDialer dialer;
    HayesDialer::Step step = dialer.start(QStringLiteral("(555) 123-4567"));
    EXPECT_EQ(step.command, QByteArray("ATZ\r"));
    EXPECT_EQ(step.timeout, 5000ms);
    EXPECT_FALSE(step.result);

    // The echo and the answer arrive cut anywhere.
    EXPECT_TRUE(dialer.received("AT").command.isEmpty());
    EXPECT_TRUE(dialer.received("Z\r\r\nO").command.isEmpty());
    step = dialer.received("K\r\n");
    EXPECT_EQ(step.command, QByteArray("ATDT5551234567\r"));
    EXPECT_EQ(step.timeout, 60000ms);
    EXPECT_FALSE(step.result);

    step = dialer.received("ATDT5551234567\r\r\nRING\r\nCONNECT 1200/ARQ\r\n\xF4\x01");
    ASSERT_TRUE(step.result);
    EXPECT_EQ(*step.result, QStringLiteral("Connected"));
    EXPECT_EQ(dialer.takeData(), QByteArray("\xF4\x01"));
}

TEST(HayesDialer, ExplainsEveryWayACallFails) {
    const auto dialThen = [](const QByteArray& answer) {
        HayesDialer dialer;
        dialer.start(QStringLiteral("5551234"));
        dialer.received("OK\r\n");
        return dialer.received(answer).result.value_or(QStringLiteral("<none>"));
    };
    EXPECT_EQ(dialThen("\r\nBUSY\r\n"), QStringLiteral("The line is busy."));
    EXPECT_EQ(dialThen("NO CARRIER\r"), QStringLiteral("The call was not connected (no carrier)."));
    EXPECT_EQ(dialThen("NO DIALTONE\r\n"), QStringLiteral("There is no dial tone."));
    EXPECT_EQ(dialThen("NO ANSWER\r\n"), QStringLiteral("The number does not answer."));
    EXPECT_EQ(dialThen("ERROR\r\n"), QStringLiteral("The modem refused the dial command."));

    HayesDialer silentModem;
    silentModem.start(QStringLiteral("5551234"));
    EXPECT_EQ(silentModem.timedOut().result, QStringLiteral("The modem is not responding."));

    HayesDialer unanswered;
    unanswered.start(QStringLiteral("5551234"));
    unanswered.received("OK\r\n");
    EXPECT_EQ(unanswered.timedOut().result,
              QStringLiteral("The call was not connected within 60 seconds."));

    HayesDialer refused;
    refused.start(QStringLiteral("5551234"));
    EXPECT_EQ(refused.received("ERROR\r\n").result,
              QStringLiteral("The modem refused the reset command."));
}

// A dial address goes into a modem command: nothing in it may end that command or start
// another one.
TEST(HayesDialer, RefusesNumbersThatAreNoDialString) {
    for (const char* number : {"", " - ", "555;ATH", "555\rATH", "5551234\r", "55S=7", "555R",
                               "12345678901234567890123456789012345678", "5551234\xC3\xA9"}) {
        HayesDialer dialer;
        const HayesDialer::Step step = dialer.start(QString::fromUtf8(number));
        EXPECT_TRUE(step.command.isEmpty()) << number;
        ASSERT_TRUE(step.result) << number;
        EXPECT_NE(*step.result, QStringLiteral("Connected"));
    }
}

TEST(HayesDialer, DialsTheCleanedNumber) {
    HayesDialer dialer;
    dialer.start(QStringLiteral("9,w*70#p1234@!t"));
    EXPECT_EQ(dialer.received("OK\r\n").command, QByteArray("ATDT9,W*70#P1234@!T\r"));
}
