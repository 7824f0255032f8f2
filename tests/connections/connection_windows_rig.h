#pragma once

// The connection windows on a temporary registry and connection folder, with a scripted
// prompter, recorded error reports, fake main and start windows, and a simulated unit on a
// virtual clock behind every serial control a transfer asks for.

#include "automation/automation_object.h"
#include "connections/ui/frm_conn_settings.h"
#include "connections/ui/frm_conn_wiz.h"
#include "connections/ui/transfer_launcher.h"
#include "registry/registry_store.h"
#include "shell/mod_tarnwick.h"
#include "sim/stavik_unit.h"
#include "sim/virtual_scheduler.h"
#include "support/qt_printers.h"
#include "support/recording_error_reporter.h"
#include "support/scripted_prompter.h"

#include <QApplication>
#include <QPointer>
#include <QStringList>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <optional>

namespace tarnwick {
class frmProgress;
}

namespace tarnwick::test {

class FakeMainWindow final : public MainWindowLink {
public:
    explicit FakeMainWindow(const ModTarnwick& mod) : m_mod(mod) {}

    QStringList calls;
    PasswordChange change;
    std::optional<BlockBuffer> loaded; // the program's block buffer when LoadArray ran

    void setInUse(bool inUse) override {
        calls << (inUse ? QStringLiteral("in use") : QStringLiteral("out of use"));
    }
    void showMainWindow() override { calls << QStringLiteral("show"); }
    void LoadArray() override {
        calls << QStringLiteral("LoadArray");
        loaded = m_mod.blockBuffer;
    }
    void stampSynchronized(const QDateTime&) override { calls << QStringLiteral("stamp"); }
    PasswordChange passwordChange() const override { return change; }

private:
    const ModTarnwick& m_mod;
};

class FakeWindows final : public ProgramWindows {
public:
    int startWindowShown = 0;
    MainWindowLink* loadedMainWindow = nullptr;

    void showStartWindow() override { ++startWindowShown; }
    MainWindowLink* mainWindow() override { return loadedMainWindow; }
};

// The Kiter server: absent (error 429) unless it is given a unit on the port.
class FakeKiter final : public AutomationFactory {
public:
    std::optional<QString> unitOnPort;
    std::unique_ptr<AutomationObject> create(const QString& progId) override;
};

class ConnectionRig {
public:
    explicit ConnectionRig(sim::UnitSetup unitSetup = {});
    ~ConnectionRig();
    ConnectionRig(const ConnectionRig&) = delete;
    ConnectionRig& operator=(const ConnectionRig&) = delete;

    // Entries of the registry's extra serial ports and modems, for the wizard's lists.
    void addSerialPort(const QString& path);
    void addModem(const QString& name, const QString& path);
    // Writes a connection file into the connection folder.
    void saveConnection(const QString& name, const ConnectionProfile& profile) const;

    frmConnSettings* openSettings(bool upload);
    frmConnWiz* openWizard(bool upload);
    // The visible windows of a kind, newest last.
    template <class Window> static QList<Window*> openWindows();
    // Deletes the windows that closed, as the event loop would.
    static void deliverDeferredDeletes();
    QStringList promptTexts() const;
    QStringList reportedMessages() const;

    QTemporaryDir dir;
    QString connDir; // SaveConnDir, with its trailing separator
    registry::RegistryStore registry;
    ScriptedPrompter prompter;
    RecordingErrorReporter errors;
    sim::VirtualScheduler clock;
    sim::StavikUnit unit;
    FakeKiter automation;
    ModTarnwick mod;
    FakeWindows windows;
    FakeMainWindow mainWindow{mod};
    int serialControlsMade = 0;
    ProgramServices services;
    ProgramContext context{mod, services, windows};
};

template <class Window> QList<Window*> ConnectionRig::openWindows() {
    QList<Window*> found;
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (auto* window = qobject_cast<Window*>(widget); window != nullptr && window->isVisible())
            found << window;
    }
    return found;
}

// Unit memory with varied bytes, so that a loaded image cannot match by chance.
ConfigImage variedMemory();

template <class T> T* child(const QWidget* window, const char* name, int index = 0) {
    const QList<T*> found = window->findChildren<T*>(QLatin1String(name));
    if (index >= found.size()) {
        ADD_FAILURE() << "no " << name << "(" << index << ")";
        return nullptr;
    }
    return found[index];
}

} // namespace tarnwick::test
