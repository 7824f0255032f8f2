#include "tarnwick_application.h"

#include "config/ui/frm_main.h"
#include "connections/ui/frm_conn_settings.h"

#include <QApplication>
#include <QList>

namespace tarnwick {

TarnwickApplication::TarnwickApplication(ModTarnwick& program, ProgramServices& services,
                                         QString commandLine)
    : m_program(program), m_services(services),
      m_commandLine(std::move(commandLine)), m_context{program, services, *this} {}

TarnwickApplication::~TarnwickApplication() {
    // Windows that closed are deleted first; a window deleted with its owner is looked at
    // only while it still exists.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    m_mainWindow.reset();
    QList<QPointer<QWidget>> windows;
    for (QWidget* window : QApplication::topLevelWidgets())
        windows << window;
    for (const QPointer<QWidget>& window : windows)
        delete window.data();
}

void TarnwickApplication::start() {
    showStartWindow();
}

void TarnwickApplication::showStartWindow() {
    if (m_splash != nullptr && m_splash->isVisible()) {
        m_splash->raise();
        m_splash->activateWindow();
        return;
    }
    // A closed start-up window deletes itself; coming back is a new one.
    m_splash =
        new frmSplash(m_program, {m_services.registry, m_services.errors, *this}, m_commandLine);
    m_splash->show();
}

MainWindowLink* TarnwickApplication::mainWindow() {
    return &ensureMainWindow();
}

void TarnwickApplication::loadMainWindow() {
    ensureMainWindow();
}

frmMain& TarnwickApplication::ensureMainWindow() {
    if (!m_mainWindow) {
        m_mainWindow = std::make_unique<frmMain>(
            m_program,
            MainWindowServices{m_services.prompter, m_services.errors, m_services.registry,
                               [this](bool upload) { showConnectionSettings(upload); }});
    }
    return *m_mainWindow;
}

bool TarnwickApplication::openSettingsFile(const QString& path) {
    return ensureMainWindow().OpenSettingsFile(path);
}

void TarnwickApplication::showMainWindow() {
    ensureMainWindow().showMainWindow();
}

void TarnwickApplication::showDownloadSettings() {
    showConnectionSettings(false);
}

void TarnwickApplication::showConnectionSettings(bool upload) {
    auto* dialog = new frmConnSettings(m_context);
    if (upload)
        dialog->SetUpload();
    else
        dialog->SetDownload();
}

void TarnwickApplication::unloadMainWindow() {
    if (m_mainWindow && m_mainWindow->close())
        m_mainWindow.reset();
}

} // namespace tarnwick
