// stavik-sim: a simulated unit on a pseudo-terminal or a serial device. See --help.

#include "device_link.h"
#include "frame_log_writer.h"
#include "pty_link.h"
#include "quit_on_signals.h"
#include "shell/app_error.h"
#include "shell/file_access.h"
#include "sim_options.h"
#include "transfer/qt_scheduler.h"

#include <QCoreApplication>
#include <QTextStream>
#include <cstdio>
#include <memory>

using namespace tarnwick;
using namespace tarnwick::stavikSim;

namespace {

// The line the unit talks on; its path is printed first thing so scripts can wait for it.
std::unique_ptr<UnitLink> openLink(const SimOptions& options, QTextStream& out) {
    if (!options.devicePath.isEmpty()) {
        auto device = std::make_unique<DeviceLink>(options.devicePath);
        out << options.devicePath << Qt::endl;
        return device;
    }
    auto pty = std::make_unique<PtyLink>(options.linkPath);
    out << pty->slavePath() << Qt::endl;
    return pty;
}

QByteArray bytesOf(const ConfigImage& memory) {
    return {reinterpret_cast<const char*>(memory.data()), static_cast<qsizetype>(memory.size())};
}

int run(const QCoreApplication& app) {
    const SimOptions options = readSimOptions(app);
    QtScheduler scheduler;
    sim::StavikUnit unit(scheduler, options.unit);
    for (const sim::UnitSetup& child : options.children) {
        unit.addChild(child);
    }
    FrameLogWriter log(options.logPath);
    unit.setFrameObserver([&log](const sim::FrameRecord& record) { log.write(record); });

    QTextStream out(stdout);
    const std::unique_ptr<UnitLink> link = openLink(options, out);
    link->setReceiver([&unit](const QByteArray& bytes) {
        unit.receive({reinterpret_cast<const std::uint8_t*>(bytes.constData()),
                      static_cast<std::size_t>(bytes.size())});
    });
    unit.setTransmitter([&link](const modProtocol::Frame& bytes) {
        link->write(QByteArray(reinterpret_cast<const char*>(bytes.data()),
                               static_cast<qsizetype>(bytes.size())));
    });
    unit.setCarrierLostHandler([&link] { link->hangUp(); });

    const QuitOnSignals quitOnSignals;
    const int code = QCoreApplication::exec();
    if (!options.dumpMemoryPath.isEmpty()) {
        writeFileAtomically(options.dumpMemoryPath, bytesOf(unit.memory()));
    }
    return code;
}

} // namespace

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("stavik-sim"));
    try {
        return run(app);
    } catch (const AppError& error) {
        QTextStream(stderr) << "stavik-sim: " << error.description() << Qt::endl;
        return 2;
    }
}
