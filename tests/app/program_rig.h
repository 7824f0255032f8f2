#pragma once

// The whole program in the test process: the real windows over a temporary registry and
// folders, a scripted prompter, recorded error reports, no Kiter server, and a simulated unit
// on a virtual clock behind every serial control a transfer asks for.

#include "automation/automation_object.h"
#include "registry/registry_store.h"
#include "shell/mod_tarnwick.h"
#include "shell/ui/tarnwick_application.h"
#include "sim/stavik_unit.h"
#include "sim/virtual_scheduler.h"
#include "support/qt_printers.h"
#include "support/recording_error_reporter.h"
#include "support/scripted_prompter.h"

#include <QApplication>
#include <QTemporaryDir>
#include <chrono>
#include <functional>
#include <gtest/gtest.h>
#include <memory>

namespace tarnwick {
class frmConnWiz;
class frmMain;
} // namespace tarnwick

namespace tarnwick::test {

inline const QString kSampleFile = QStringLiteral(TARNWICK_SOURCE_DIR "/data/sample.stv");
// The device the unit is on, listed among the registry's extra serial ports.
inline const QString kUnitPort = QStringLiteral("/dev/ttyTARNWICK0");
inline const QString kUnitSerialNumber = QStringLiteral("104729");
inline const QString kUnitPassword = QStringLiteral("1234");

// The simulated unit holding the sample configuration.
sim::UnitSetup sampleUnit();

class NoKiter final : public AutomationFactory {
public:
    std::unique_ptr<AutomationObject> create(const QString& progId) override;
};

class ProgramRig {
public:
    explicit ProgramRig(sim::UnitSetup unitSetup = sampleUnit());
    ~ProgramRig();
    ProgramRig(const ProgramRig&) = delete;
    ProgramRig& operator=(const ProgramRig&) = delete;

    // A value of the application's key in the user's hive, over the default hive's.
    void setAppString(const QString& name, const QString& text);
    void setAppNumber(const QString& name, quint32 value);

    // Starts the program with `commandLine` and waits until the start-up loading has run.
    void start(const QString& commandLine = {});

    frmMain* mainWindow() const { return program->loadedMainWindow(); }
    // The one visible window of a kind, else nullptr (and a failure if there are several).
    template <class Window> static Window* visible();
    // Every visible top-level window's object name.
    static QStringList visibleWindows();

    // Runs the virtual clock and Qt's events until `done` or `limit` of virtual time.
    bool runUntil(const std::function<bool()>& done, std::chrono::milliseconds limit);
    bool runUntilTransferEnded();
    static void deliverDeferredDeletes();

    // From the start-up window's Download through the settings dialog's "new connection" to
    // the wizard's first page.
    frmConnWiz* openWizardFromTheSplash();
    // Fills in the sample unit on its port and presses Connect.
    static void connectWithTheWizard(frmConnWiz* wizard);

    QStringList promptTexts() const;
    QStringList reportedMessages() const;

    QTemporaryDir dir;
    QString settingsDir;
    QString connDir; // with its trailing separator
    registry::RegistryStore registry;
    ScriptedPrompter prompter;
    RecordingErrorReporter errors;
    sim::VirtualScheduler clock;
    sim::StavikUnit unit;
    NoKiter automation;
    ModTarnwick mod;
    ProgramServices services;
    std::unique_ptr<TarnwickApplication> program;
};

template <class Window> Window* ProgramRig::visible() {
    Window* found = nullptr;
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        auto* window = qobject_cast<Window*>(widget);
        if (window == nullptr || !window->isVisible())
            continue;
        if (found != nullptr)
            ADD_FAILURE() << "more than one " << Window::staticMetaObject.className();
        found = window;
    }
    return found;
}

template <class T> T* child(const QWidget* window, const char* name, int index = 0) {
    if (window == nullptr) {
        ADD_FAILURE() << "no window to find " << name << " in";
        return nullptr;
    }
    const QList<T*> found = window->findChildren<T*>(QLatin1String(name));
    if (index >= found.size()) {
        ADD_FAILURE() << "no " << name << "(" << index << ")";
        return nullptr;
    }
    return found[index];
}

// Clicks the named push button of `window`.
void click(const QWidget* window, const char* button);

} // namespace tarnwick::test
