#pragma once

#include "shell/mod_tarnwick.h"

#include <QWidget>

class QLabel;
class QPushButton;
class QTimer;

namespace tarnwick {

class ErrorReporter;
namespace registry {
class RegistryStore;
}

// The rest of the program as the start-up window reaches it.
class SplashHost {
public:
    virtual ~SplashHost() = default;
    // Loads the main window without showing it.
    virtual void loadMainWindow() = 0;
    // Opens a settings file into the main window, asking for one when `path` is empty. True
    // when a file was loaded; a cancelled dialog or an unreadable file answer false.
    virtual bool openSettingsFile(const QString& path) = 0;
    virtual void showMainWindow() = 0;
    // Loads the connection settings dialog for a download and shows it.
    virtual void showDownloadSettings() = 0;
    // Unloads the (hidden) main window, if it was loaded.
    virtual void unloadMainWindow() = 0;
};

struct SplashServices {
    registry::RegistryStore& registry;
    ErrorReporter& errors;
    SplashHost& host;
};

// The start-up window: the version and four large buttons (download, open a settings file,
// help, exit). When first shown it reads the application settings and loads the main window
// hidden, then opens the file the command line names after "/Open ". Shown again later (a
// connection window was cancelled before the main window was ever shown) it skips that
// loading. It deletes itself when it closes; closing it ends the program unless the main
// window is in use or a download was handed over.
class frmSplash final : public QWidget {
    Q_OBJECT

public:
    frmSplash(ModTarnwick& program, SplashServices services, QString commandLine,
              QWidget* parent = nullptr);
    ~frmSplash() override;

    // Closed to start a download, so that closing does not end the program.
    bool HandedOver() const { return m_HandedOver; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void buildControls();
    void load();
    void tmrLoadTimer();
    void cmdDownLoadClick();
    void cmdOpenFileClick();
    void cmdHelpClick();
    // The file is in the main window: it takes over the rest of the run.
    void handOverToMainWindow();
    void applyContextHelp();
    void setBusy(bool busy);

    ModTarnwick& m_program;
    SplashServices m_services;
    QString m_commandLine;
    bool m_HandedOver = false;
    bool m_busy = false;

    QLabel* m_lblVersion = nullptr;
    QLabel* m_lblLoading = nullptr;
    QPushButton* m_cmdDownLoad = nullptr;
    QPushButton* m_cmdOpenFile = nullptr;
    QPushButton* m_cmdHelp = nullptr;
    QPushButton* m_cmdExit = nullptr;
    QTimer* m_tmrLoad = nullptr;
};

} // namespace tarnwick
