#include "transfer_launcher.h"

#include "connections/port_check.h"
#include "connections/recent_connection.h"
#include "serial/serial_control.h"
#include "shell/trap_errors.h"
#include "transfer/program_transfer_host.h"
#include "transfer/ui/frm_progress.h"

#include <memory>

namespace tarnwick {

namespace {

// Ties the host to the progress window: children go after the window's own members, so the
// engine that calls the host has gone before the host does.
class HostKeeper final : public QObject {
public:
    HostKeeper(std::unique_ptr<ProgramTransferHost> host, QObject* window)
        : QObject(window), m_host(std::move(host)) {}

private:
    std::unique_ptr<ProgramTransferHost> m_host;
};

// The main window is reached anew at each call: it may be loaded while the transfer runs.
template <class Call> void onMainWindow(ProgramWindows& windows, Call&& call) {
    if (MainWindowLink* mainWindow = windows.mainWindow()) {
        call(*mainWindow);
    }
}

ProgramTransferHost::Services hostServices(const ProgramContext& context) {
    ModTarnwick& mod = context.mod;
    ProgramServices& services = context.services;
    ProgramWindows& windows = context.windows;

    ProgramTransferHost::Services host;
    host.saveRecentConnection = [&mod, &services](const QString& SN, const QString& Port,
                                                  const QString& Addr, std::uint8_t SL) {
        SaveRecentConnection(SN, Port, Addr, SL, services.registry, mod.settings.RecentConnection);
    };
    host.checkPortInUse = [&services](const QString& Port) {
        return CheckPortInUse(Port, services.automation, services.prompter, services.errors);
    };
    host.mainWindow.setInUse = [&windows](bool inUse) {
        onMainWindow(windows, [inUse](MainWindowLink& window) { window.setInUse(inUse); });
    };
    host.mainWindow.show = [&windows] {
        onMainWindow(windows, [](MainWindowLink& window) { window.showMainWindow(); });
    };
    // The main window loads from the program's block buffer.
    host.mainWindow.LoadArray = [&mod, &windows](const BlockBuffer& blocks) {
        if (&blocks != &mod.blockBuffer) {
            mod.blockBuffer = blocks;
        }
        onMainWindow(windows, [](MainWindowLink& window) { window.LoadArray(); });
    };
    host.mainWindow.stampSynchronized = [&windows](const QDateTime& syncTime) {
        onMainWindow(windows,
                     [&syncTime](MainWindowLink& window) { window.stampSynchronized(syncTime); });
    };
    host.showStartWindow = [&windows] { windows.showStartWindow(); };
    host.protectedLocationsPath = [&mod] { return mod.settings.Protected; };
    return host;
}

} // namespace

TransferRequest downloadRequest() {
    return {};
}

TransferRequest uploadRequest(ProgramWindows& windows, bool restoreCalibration) {
    TransferRequest request;
    request.upload = true;
    request.restoreCalibration = restoreCalibration;
    onMainWindow(windows, [&request](MainWindowLink& window) {
        const PasswordChange change = window.passwordChange();
        if (change.changePasswords) {
            request.passwords = change;
        }
    });
    return request;
}

frmProgress* launchTransfer(const ProgramContext& context, const TransferRequest& request) {
    ModTarnwick& mod = context.mod;
    ProgramServices& services = context.services;

    std::unique_ptr<SerialControl> serial = services.newSerialControl();
    if (!serial) {
        throw internalError("no serial control for the transfer");
    }
    auto host = std::make_unique<ProgramTransferHost>(hostServices(context), services.errors,
                                                      mod.mainWindowActive);
    auto* progress = new frmProgress({services.scheduler, std::move(serial), services.prompter,
                                      *host, mod.connection, mod.blockBuffer, mod.image});
    new HostKeeper(std::move(host), progress);

    progress->show();
    if (request.upload) {
        const PasswordChange& passwords = request.passwords;
        progress->UploadStavik(passwords.changePasswords, request.restoreCalibration,
                               passwords.newMaster, passwords.newUser, passwords.oldMaster);
    } else {
        progress->DownloadStavik();
    }
    return progress;
}

} // namespace tarnwick
