// Runs the stavik-sim program on a pseudo-terminal and talks to it through a serial port.

#include "transfer/mod_protocol.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QSerialPort>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <memory>

using namespace tarnwick::modProtocol;

namespace {

QByteArray bytesOf(const Frame& frame) {
    return {reinterpret_cast<const char*>(frame.data()), static_cast<qsizetype>(frame.size())};
}

class StavikSimTool : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        static int argc = 1;
        static char name[] = "stavik_sim_tool_test";
        static char* argv[] = {name, nullptr};
        if (QCoreApplication::instance() == nullptr) {
            s_app = std::make_unique<QCoreApplication>(argc, argv);
        }
    }

    // Gone before exit: Qt's own globals are torn down first there.
    static void TearDownTestSuite() { s_app.reset(); }

    void TearDown() override {
        if (m_sim.state() != QProcess::NotRunning) {
            m_sim.kill();
            m_sim.waitForFinished(5000);
        }
    }

    // Starts the program and returns the pseudo-terminal path it prints first.
    QString start(QStringList arguments) {
        m_sim.setProgram(QStringLiteral(STAVIK_SIM_PATH));
        m_sim.setArguments(arguments);
        m_sim.start();
        if (!m_sim.waitForStarted(5000)) {
            return {};
        }
        const QDeadlineTimer deadline(5000);
        while (!m_sim.canReadLine() && !deadline.hasExpired()) {
            m_sim.waitForReadyRead(100);
        }
        return QString::fromLocal8Bit(m_sim.readLine()).trimmed();
    }

    // Collects what arrives on `port` until `count` bytes are there or 3 s have passed.
    static QByteArray receive(QSerialPort& port, qsizetype count) {
        QByteArray received;
        const QDeadlineTimer deadline(3000);
        while (received.size() < count && !deadline.hasExpired()) {
            if (port.waitForReadyRead(50)) {
                received += port.readAll();
            }
        }
        return received;
    }

    static bool openPort(QSerialPort& port, const QString& path) {
        port.setPortName(path);
        port.setBaudRate(QSerialPort::Baud1200);
        return port.open(QIODevice::ReadWrite);
    }

    QTemporaryDir m_dir;
    QProcess m_sim;
    static inline std::unique_ptr<QCoreApplication> s_app;
};

TEST_F(StavikSimTool, AnswersAReadRequestOnItsPseudoTerminalAndKeepsAWrite) {
    ASSERT_TRUE(m_dir.isValid());
    const QString link = m_dir.filePath(QStringLiteral("stavik"));
    const QString dump = m_dir.filePath(QStringLiteral("memory.bin"));
    const QString log = m_dir.filePath(QStringLiteral("frames.jsonl"));
    const QString slave =
        start({QStringLiteral("--status-interval"), QStringLiteral("0"), QStringLiteral("--link"),
               link, QStringLiteral("--log"), log, QStringLiteral("--dump-memory"), dump});
    ASSERT_TRUE(slave.startsWith(QStringLiteral("/dev/pts/"))) << slave.toStdString();
    EXPECT_EQ(QFileInfo(link).symLinkTarget(), slave);

    QSerialPort port;
    ASSERT_TRUE(openPort(port, link)) << port.errorString().toStdString();
    port.write(bytesOf(BuildReadRequest({0, 0, 3})));
    const QByteArray answer = receive(port, 11);
    ASSERT_EQ(answer.size(), 11);
    const Frame frame(answer.begin(), answer.end());
    EXPECT_EQ(frame[0], 0xF4);
    EXPECT_EQ(FrameChecksum(frame), frame[1]);
    const DataBlock block = ParseDataFrame(frame);
    EXPECT_EQ(block.Block, 3);
    EXPECT_EQ(block.Data[7], 56) << "the firmware byte of a blank unit";

    const DataBlock written{0, 10, {1, 2, 3, 4, 5, 6, 7, 8}};
    port.write(bytesOf(BuildDataFrame(written)) + bytesOf(BuildCommitRequest({0, 0, 10})));
    port.write(bytesOf(BuildReadRequest({0, 0, 10})));
    const QByteArray readBack = receive(port, 11);
    ASSERT_EQ(readBack.size(), 11);
    EXPECT_EQ(ParseDataFrame(Frame(readBack.begin(), readBack.end())).Data, written.Data);
    port.close();

    m_sim.terminate();
    ASSERT_TRUE(m_sim.waitForFinished(5000));
    EXPECT_EQ(m_sim.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(m_sim.exitCode(), 0);
    EXPECT_FALSE(QFileInfo(link).isSymLink()) << "the link goes with the program";

    QFile memory(dump);
    ASSERT_TRUE(memory.open(QIODevice::ReadOnly));
    const QByteArray bytes = memory.readAll();
    ASSERT_EQ(bytes.size(), 2016);
    EXPECT_EQ(bytes.mid(80, 8), QByteArray::fromHex("0102030405060708"));

    QFile frames(log);
    ASSERT_TRUE(frames.open(QIODevice::ReadOnly));
    const QList<QByteArray> lines = frames.readAll().split('\n');
    ASSERT_GE(lines.size(), 6);
    EXPECT_TRUE(lines[0].startsWith(R"({"t_ms":)"));
    EXPECT_TRUE(lines[0].contains(R"("dir":"in","kind":"read","site":"A","dest":"A","block":3)"));
    EXPECT_TRUE(lines[1].contains(R"("dir":"out","kind":"data","site":"A","block":3)"));
    EXPECT_TRUE(lines[3].contains(R"("kind":"commit")"));
}

TEST_F(StavikSimTool, RefusesNonsenseOptions) {
    for (const QStringList& arguments :
         {QStringList{QStringLiteral("--site"), QStringLiteral("E")},
          QStringList{QStringLiteral("--sn"), QStringLiteral("12345")},
          QStringList{QStringLiteral("--never-answer"), QStringLiteral("252")},
          QStringList{QStringLiteral("--answer-from"), QStringLiteral("7")},
          QStringList{QStringLiteral("--image"), m_dir.filePath(QStringLiteral("none"))}}) {
        QProcess sim;
        sim.start(QStringLiteral(STAVIK_SIM_PATH), arguments);
        ASSERT_TRUE(sim.waitForFinished(5000));
        EXPECT_EQ(sim.exitCode(), 2) << arguments.join(QLatin1Char(' ')).toStdString();
        EXPECT_TRUE(sim.readAllStandardOutput().isEmpty());
        EXPECT_TRUE(sim.readAllStandardError().startsWith("stavik-sim: "));
    }
}

} // namespace
