// fenhost: a test container for the input controls. It places controls on a form by ProgID,
// lists and edits their properties, opens their property pages, logs their events, switches
// between design and run mode, and saves and loads them in both persistence forms; or it runs
// a script of the same operations (README "fenhost").
#include "com/com_error.h"
#include "control_host.h"
#include "host_window.h"
#include "message_box_answerer.h"
#include "registry/registry_store.h"
#include "script_runner.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTextStream>

namespace {

const char* const kUsage =
    "usage: fenhost [PROGID...]       the window, with controls of these classes on its form\n"
    "       fenhost --script FILE     runs the commands of FILE and prints their results\n";

// The kit's default hive beside an installed fenhost; none in the build tree, where a control
// library is registered by hand.
QString defaultHiveDir() {
    const QString exeDir = QFileInfo(QCoreApplication::applicationDirPath()).canonicalFilePath();
    const QString buildDir = QFileInfo(QStringLiteral(FENHOST_BUILD_DIR)).canonicalFilePath();
    if (!buildDir.isEmpty() && exeDir == buildDir) {
        return {};
    }
    return QDir::cleanPath(exeDir + u'/' + QStringLiteral(FENHOST_RELATIVE_HIVE_DIR));
}

int runScript(const QString& path) {
    QTextStream out(stdout);
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) {
        QTextStream(stderr) << "fenhost: cannot read " << path << '\n';
        return 2;
    }
    // A message box (a library that cannot load, an About box) is printed and answered.
    const tarnwick::fenhost::MessageBoxAnswerer answerer(
        [&out](const QString& caption, const QString& text) {
            out << "message " << caption << ": " << text << '\n';
        });
    const tarnwick::registry::RegistryStore store(
        tarnwick::registry::userHiveDirFromEnvironment(), defaultHiveDir());
    QWidget form;
    tarnwick::fenhost::ControlHost host(
        store, &form, [&out](const QString& line) { out << "event " << line << '\n'; });
    tarnwick::fenhost::ScriptRunner runner(host, out);
    QTextStream in(&file);
    while (!in.atEnd()) {
        runner.run(in.readLine());
    }
    out.flush();
    return 0;
}

} // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("fenhost"));
    QStringList args = QApplication::arguments().mid(1);
    if (!args.isEmpty() && args.front() == QLatin1String("--script")) {
        if (args.size() != 2) {
            QTextStream(stderr) << kUsage;
            return 2;
        }
        return runScript(args[1]);
    }
    if (!args.isEmpty() && args.front().startsWith(u'-')) {
        QTextStream(stderr) << kUsage;
        return 2;
    }
    const tarnwick::registry::RegistryStore store(
        tarnwick::registry::userHiveDirFromEnvironment(), defaultHiveDir());
    tarnwick::fenhost::HostWindow window(store);
    for (const QString& progId : args) {
        try {
            window.insertControl(progId);
        } catch (const tarnwick::com::ComError& error) {
            QTextStream(stderr) << "fenhost: error " << error.number() << ": "
                                << error.description() << '\n';
        }
    }
    window.resize(900, 520);
    window.show();
    return QApplication::exec();
}
