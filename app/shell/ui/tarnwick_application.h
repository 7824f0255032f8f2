#pragma once

#include "connections/ui/transfer_launcher.h"
#include "shell/mod_tarnwick.h"
#include "shell/ui/frm_splash.h"

#include <QPointer>
#include <QString>
#include <memory>

namespace tarnwick {

class frmMain;

// The whole program's windows over the program-wide state and services made in main(): the
// start-up window, the one main window (loaded hidden, shown once a file or a download fills
// it) and the connection settings dialogs every transfer starts from. The program ends when
// its last window closes.
class TarnwickApplication final : public ProgramWindows, private SplashHost {
public:
    // `commandLine`: the program's arguments as one text (see commandLineOf).
    TarnwickApplication(ModTarnwick& program, ProgramServices& services, QString commandLine);
    // Deletes every window still there: they all reach into the state and services.
    ~TarnwickApplication() override;
    TarnwickApplication(const TarnwickApplication&) = delete;
    TarnwickApplication& operator=(const TarnwickApplication&) = delete;

    // Shows the start-up window, which does the rest.
    void start();

    // ProgramWindows
    void showStartWindow() override;
    // The main window, loaded now if it has not been: a transfer that hands over to it must
    // find it, even after the start-up loading failed.
    MainWindowLink* mainWindow() override;

    frmSplash* splashWindow() const { return m_splash; }
    frmMain* loadedMainWindow() const { return m_mainWindow.get(); }

private:
    // SplashHost
    void loadMainWindow() override;
    bool openSettingsFile(const QString& path) override;
    void showMainWindow() override;
    void showDownloadSettings() override;
    void unloadMainWindow() override;

    frmMain& ensureMainWindow();
    void showConnectionSettings(bool upload);

    ModTarnwick& m_program;
    ProgramServices& m_services;
    QString m_commandLine;
    ProgramContext m_context;
    QPointer<frmSplash> m_splash;
    std::unique_ptr<frmMain> m_mainWindow;
};

} // namespace tarnwick
