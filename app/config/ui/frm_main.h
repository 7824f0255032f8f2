#pragma once

#include "config/site_config.h"
#include "config/ui/main_command_bar.h"
#include "shell/mod_tarnwick.h"

#include <QMainWindow>
#include <functional>
#include <optional>

class QTabWidget;
class QTableView;

namespace tarnwick {

class ChannelTableModel;
class Communication54Tab;
class Communication56Tab;
class ErrorReporter;
class LocalOptionsTab;
class MainStatusBar;
class OvinLabelsTab;
class OvinSettingsTab;
class Prompter;
namespace registry {
class RegistryStore;
}

// What the main window reaches outside itself.
struct MainWindowServices {
    Prompter& prompter;
    ErrorReporter& errors;
    registry::RegistryStore& registry; // for the About box and the window's size and place
    // Loads the connection settings dialog and calls its SetUpload (true) or SetDownload
    // (false).
    std::function<void(bool upload)> showConnectionSettings;
};

// The main window: the configuration image decoded into six tabs, the commands that open,
// save, download and upload it, and the checks an upload runs first. The window edits a
// decoded copy of the image (the field model) and encodes it back into the image before
// every save and upload; bytes it does not show travel unchanged.
class frmMain final : public QMainWindow, public MainWindowLink {
    Q_OBJECT

public:
    // Builds the window hidden and reads the vocabulary; a failure to read it is reported and
    // leaves the window usable with an empty vocabulary.
    frmMain(ModTarnwick& program, MainWindowServices services, QWidget* parent = nullptr);
    ~frmMain() override;

    // MainWindowLink
    void setInUse(bool inUse) override;
    void showMainWindow() override;
    // After a download. Replaces the image and everything the window shows without asking,
    // as a download is only ever started by the user from here or the start-up window; a
    // block buffer the window cannot show is refused whole, with a report.
    void LoadArray() override;
    void stampSynchronized(const QDateTime& syncTime) override;
    PasswordChange passwordChange() const override;

    // Shows the image. Throws AppError (overflow) for a limit outside 0-32767, before
    // anything is shown.
    void LoadValues();
    // Encodes every field the window shows into `image`, leaving its other bytes unchanged.
    void StoreValues(ConfigImage& image);
    // The changed mark, or whether storing the window would change the image.
    bool HasChanges();

    // The checks of an upload, each showing its first problem in a message box.
    bool ValidatePasswords();
    bool ValidateLabels();
    void WarnLimits();

    // Opens a settings file, asking for one when `path` is empty. True when it was loaded;
    // a cancelled dialog or a file that is no valid settings file changes nothing, silently.
    bool OpenSettingsFile(const QString& path = {});
    // Saves the image to the current file, asking for a name when `askForName` is set or
    // there is no current file. True when the file was written.
    bool SaveSettings(bool askForName);

    // Opens the Compare window on a settings file, asking for one when `path` is empty. The
    // file is only read; what the user takes from it becomes unsaved changes here.
    void CompareWithFile(const QString& path = {});

    bool changedMark() const { return m_changed; }
    // Edits were stored into the image (before a save or an upload) that no file holds yet.
    bool unsavedInImage() const { return m_unsavedInImage; }
    // An upload has written to the unit since the window was loaded.
    bool syncDateChanged() const { return m_syncDateChanged; }

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    // frm_main.cpp
    QWidget* makeChannelGrid();
    void buildTabs();
    void showConfig(const SiteConfig& config);
    void gatherWidgets();
    void commitOpenEdits();
    void applyLayout(bool layout56);
    void applyLocalOvin(bool on);
    void nameSites();
    void showStatusPanes();
    void refreshTitle();
    bool confirmClose();
    // Before the window's contents are replaced or it closes: asks whether to save changes
    // that no file holds. False when the user cancelled or the save did not succeed.
    bool saveOrDiscardChanges();
    // StoreValues on the image, remembering when that put edits into it that no file holds.
    void storeIntoImage();
    void unloadOtherWindows();

    // frm_main_commands.cpp
    void connectCommands();
    void runCommand(const std::function<void()>& command);
    void upload();
    void showAbout();
    // What the window shows now, open cell edits included.
    const SiteConfig& windowConfig();
    std::optional<QString> settingsFileToRead(const QString& given);
    void takeFromFile(const SiteConfig& file, const QStringList& paths);

    ModTarnwick& m_program;
    MainWindowServices m_services;
    SiteConfig m_config; // what the grids edit in place; the other tabs are read into it
    bool m_changed = false;
    bool m_unsavedInImage = false;
    bool m_syncDateChanged = false;
    bool m_loading = false;

    MainCommands m_commands;
    MainStatusBar* m_statusBar = nullptr;
    QTabWidget* m_tabs = nullptr;
    LocalOptionsTab* m_localOptions = nullptr;
    Communication54Tab* m_communication54 = nullptr;
    Communication56Tab* m_communication56 = nullptr;
    QTableView* m_channelGrid = nullptr;
    ChannelTableModel* m_channelModel = nullptr;
    OvinSettingsTab* m_ovinSettings = nullptr;
    OvinLabelsTab* m_ovinLabels = nullptr;
};

} // namespace tarnwick
