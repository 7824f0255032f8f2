#pragma once

#include "transfer/transfer_host.h"

#include <functional>

namespace tarnwick {

class ErrorReporter;

// The program's services around a transfer. The windows it hands over to come and go, so each
// is reached through a function object given by whoever owns it; a function left empty does
// nothing (the port check then lets every port be used).
class ProgramTransferHost final : public TransferHost {
public:
    struct MainWindow {
        std::function<void(bool inUse)> setInUse;
        std::function<void()> show;
        std::function<void(const BlockBuffer& blocks)> LoadArray;
        // An upload wrote to the unit at this time: LastSynchronized and its status-bar text.
        std::function<void(const QDateTime& syncTime)> stampSynchronized;
    };
    struct Services {
        std::function<void(const QString& SN, const QString& Port, const QString& Addr,
                           std::uint8_t SL)>
            saveRecentConnection;
        std::function<bool(const QString& Port)> checkPortInUse;
        MainWindow mainWindow;
        std::function<void()> showStartWindow;
        // The `Protected` setting.
        std::function<QString()> protectedLocationsPath;
    };

    // `mainWindowActive` is the program-wide flag that the main window has been shown; the
    // flag and the reporter must outlive the host.
    ProgramTransferHost(Services services, ErrorReporter& errors, bool& mainWindowActive);

    void saveRecentConnection(const QString& SN, const QString& Port, const QString& Addr,
                              std::uint8_t SL) override;
    bool checkPortInUse(const QString& Port) override;
    void reportError(const QString& friendlyMessage, const AppError& error) override;
    void setMainWindowInUse(bool inUse) override;
    bool mainWindowActive() const override { return m_mainWindowActive; }
    void downloadCompleted(const BlockBuffer& blocks) override;
    void uploadCompleted(const std::optional<QDateTime>& syncTime) override;
    void showStartWindow() override;
    QString protectedLocationsPath() const override;

private:
    void showMainWindow();

    Services m_services;
    ErrorReporter& m_errors;
    bool& m_mainWindowActive;
};

} // namespace tarnwick
