#pragma once

#include "config/config_image.h"
#include "config/vocabulary.h"
#include "connections/current_connection.h"
#include "shell/app_settings.h"

#include <QDateTime>
#include <QString>

#include <functional>
#include <memory>

namespace tarnwick {

class AutomationFactory;
class ErrorReporter;
class Prompter;
class Scheduler;
class SerialControl;
namespace registry {
class RegistryStore;
}

// The program-wide state: one instance, created in main() and handed to every window and
// engine that uses it. Nothing here is global, so each test builds its own.
struct ModTarnwick {
    ConfigImage image{};
    BlockBuffer blockBuffer{};
    CurrentConnection connection;
    AppSettings settings;
    Vocabulary vocabulary;
    QString currentFile; // the settings file the image came from; empty after a download
    QDateTime lastModified;
    QDateTime lastSynchronized;

    // Window flags: the main window has been loaded (hidden) / has been shown.
    bool mainWindowLoaded = false;
    bool mainWindowActive = false;
};

// The services the windows reach the outside through. Tests give scripted and simulated ones.
struct ProgramServices {
    registry::RegistryStore& registry;
    Prompter& prompter;
    ErrorReporter& errors;
    Scheduler& scheduler;
    AutomationFactory& automation;
    // A new, closed serial control for one transfer.
    std::function<std::unique_ptr<SerialControl>()> newSerialControl;
};

// What the new passwords of an upload are, as the main window's Local Options tab holds them.
struct PasswordChange {
    bool changePasswords = false;
    QString newMaster;
    QString newUser;
    QString oldMaster;
};

// The main window as the connection windows and the progress window see it.
class MainWindowLink {
public:
    virtual ~MainWindowLink() = default;
    virtual void setInUse(bool inUse) = 0;
    virtual void showMainWindow() = 0;
    // Copies the block buffer into the image, stamps the dates and shows the values.
    virtual void LoadArray() = 0;
    // An upload wrote to the unit: LastSynchronized, its status-bar text, m_blnSyncDateChanged.
    virtual void stampSynchronized(const QDateTime& syncTime) = 0;
    virtual PasswordChange passwordChange() const = 0;
};

// The program's windows as seen from the others, so that no window needs to know how the
// others are made.
class ProgramWindows {
public:
    virtual ~ProgramWindows() = default;
    // The start-up window, shown again when a dialog closes and the main window was never shown.
    virtual void showStartWindow() = 0;
    // The main window once it has been loaded; nullptr before.
    virtual MainWindowLink* mainWindow() = 0;
};

} // namespace tarnwick
