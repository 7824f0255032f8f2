#include "program_transfer_host.h"

#include "shell/error_reporter.h"

namespace tarnwick {

ProgramTransferHost::ProgramTransferHost(Services services, ErrorReporter& errors,
                                         bool& mainWindowActive)
    : m_services(std::move(services)), m_errors(errors), m_mainWindowActive(mainWindowActive) {}

void ProgramTransferHost::saveRecentConnection(const QString& SN, const QString& Port,
                                               const QString& Addr, std::uint8_t SL) {
    if (m_services.saveRecentConnection) {
        m_services.saveRecentConnection(SN, Port, Addr, SL);
    }
}

bool ProgramTransferHost::checkPortInUse(const QString& Port) {
    return !m_services.checkPortInUse || m_services.checkPortInUse(Port);
}

void ProgramTransferHost::reportError(const QString& friendlyMessage, const AppError& error) {
    m_errors.ReportError(friendlyMessage, error);
}

void ProgramTransferHost::setMainWindowInUse(bool inUse) {
    if (m_services.mainWindow.setInUse) {
        m_services.mainWindow.setInUse(inUse);
    }
}

void ProgramTransferHost::showMainWindow() {
    // Shown and marked active before anything is loaded into it, so that a failure while
    // loading finds the main window as the one to come back to.
    if (m_services.mainWindow.show) {
        m_services.mainWindow.show();
    }
    m_mainWindowActive = true;
}

void ProgramTransferHost::downloadCompleted(const BlockBuffer& blocks) {
    showMainWindow();
    if (m_services.mainWindow.LoadArray) {
        m_services.mainWindow.LoadArray(blocks);
    }
}

void ProgramTransferHost::uploadCompleted(const std::optional<QDateTime>& syncTime) {
    showMainWindow();
    if (syncTime && m_services.mainWindow.stampSynchronized) {
        m_services.mainWindow.stampSynchronized(*syncTime);
    }
}

void ProgramTransferHost::showStartWindow() {
    if (m_services.showStartWindow) {
        m_services.showStartWindow();
    }
}

QString ProgramTransferHost::protectedLocationsPath() const {
    return m_services.protectedLocationsPath ? m_services.protectedLocationsPath() : QString();
}

} // namespace tarnwick
