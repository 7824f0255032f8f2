#pragma once

#include "config/config_image.h"

#include <QDateTime>
#include <QString>
#include <cstdint>
#include <optional>

namespace tarnwick {

class AppError;

// The program services a transfer uses around the link itself. Calls that show a window
// (the port check's question, the error dialog) may let events run before they return.
class TransferHost {
public:
    virtual ~TransferHost() = default;

    // Stores the connection as the most recent one; registry failures are thrown as AppError.
    virtual void saveRecentConnection(const QString& SN, const QString& Port, const QString& Addr,
                                      std::uint8_t SL) = 0;
    // False when another program holds the port and the user did not release it.
    virtual bool checkPortInUse(const QString& Port) = 0;
    // The error dialog.
    virtual void reportError(const QString& friendlyMessage, const AppError& error) = 0;

    // Main-window hand-over: out of use while a transfer runs, back in use afterwards.
    virtual void setMainWindowInUse(bool inUse) = 0;
    // The main window has been shown (MainWindowActive).
    virtual bool mainWindowActive() const = 0;
    // Shows the main window, sets MainWindowActive and loads the blocks into the image.
    virtual void downloadCompleted(const BlockBuffer& blocks) = 0;
    // After an upload: shows the main window and sets MainWindowActive. With a time, the
    // upload wrote to the unit: LastSynchronized becomes that time, the status bar shows
    // "Last Synchronized: " with it, and the main window's m_blnSyncDateChanged is set.
    virtual void uploadCompleted(const std::optional<QDateTime>& syncTime) = 0;
    // Back to the start-up window when the main window was never shown.
    virtual void showStartWindow() = 0;
    // The protected-locations file (the `Protected` setting).
    virtual QString protectedLocationsPath() const = 0;
};

} // namespace tarnwick
