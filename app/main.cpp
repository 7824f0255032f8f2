// The configuration program: one program-wide state, the real services, and the start-up
// window; the program ends when its last window closes.

#include "automation/dbus_automation.h"
#include "registry/hive_location.h"
#include "registry/registry_store.h"
#include "serial/qt_serial_control.h"
#include "shell/default_hive_dir.h"
#include "shell/mod_tarnwick.h"
#include "shell/open_argument.h"
#include "shell/ui/dialog_error_reporter.h"
#include "shell/ui/qt_prompter.h"
#include "shell/ui/startup_probe.h"
#include "shell/ui/tarnwick_application.h"
#include "transfer/qt_scheduler.h"

#include <QApplication>
#include <QIcon>

int main(int argc, char** argv) {
    using namespace tarnwick;

    QApplication app(argc, argv);
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/tarnwick-logo.svg")));
    QGuiApplication::setDesktopFileName(QStringLiteral("tarnwick"));
    const StartupProbe probe;

    registry::RegistryStore registry(registry::userHiveDirFromEnvironment(),
                                     defaultHiveDir(QCoreApplication::applicationDirPath()));
    QtPrompter prompter;
    DialogErrorReporter errors;
    QtScheduler scheduler;
    DBusAutomationFactory automation;
    ModTarnwick program;
    ProgramServices services{registry, prompter, errors, scheduler, automation, [&registry] {
                                 return std::make_unique<QtSerialControl>(
                                     registryDeviceResolver(registry));
                             }};

    TarnwickApplication windows(program, services,
                                commandLineOf(QCoreApplication::arguments().mid(1)));
    windows.start();
    return QApplication::exec();
}
