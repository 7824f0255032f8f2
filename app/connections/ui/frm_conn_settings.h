#pragma once

#include "connections/connection_file.h"
#include "connections/ui/frm_conn_settings_ui.h"
#include "connections/ui/transfer_launcher.h"

#include <QDialog>
#include <cstddef>
#include <optional>

namespace tarnwick {

// The window every download and upload starts from: the most recent connection (for an
// upload, the one the open settings file came from), a saved connection or a new one made in
// the wizard; the password when it was not kept; the site to download from. OK fills the
// current connection and starts the transfer, or opens the wizard. The window deletes itself
// when it closes; closed without OK before the main window was ever shown, it brings the start
// window back.
class frmConnSettings final : public QDialog {
    Q_OBJECT

public:
    static inline const QString kTitle = QStringLiteral("Select Tarnwick Connection");

    explicit frmConnSettings(ProgramContext context, QWidget* parent = nullptr);

    // Prepare for a download or an upload and show the window (not modal).
    void SetDownload();
    void SetUpload();

    // The connection shown, which OK uses.
    const ConnectionProfile& profile() const { return m_profile; }
    bool uploadMode() const { return m_uploadMode; }
    // OK has handed over.
    bool confirmed() const { return m_confirmed; }

protected:
    void closeEvent(QCloseEvent* event) override;
    // Escape is Cancel.
    void reject() override;

private:
    void load();
    void connectHandlers();
    void optConnClick(std::size_t index);
    void cboConnListClick();
    void cmdBrowseClick();
    void cmdOKClick();
    void cmdHelpClick();

    // The connection to show with "Use the most recent settings.", if there is one.
    std::optional<ConnectionProfile> latestConnection() const;
    void showLatestConnection();
    // The saved-connection list and Browse serve "Load a saved connection." only.
    void updateSavedConnectionControls();
    void showProfile(const ConnectionProfile& profile);
    void clearDisplay();
    void setPasswordBox(bool readOnly, bool tabStop);
    std::size_t selectedOption() const;

    ProgramContext m_context;
    ConnSettingsUi m_ui;
    ConnectionProfile m_profile;
    bool m_uploadMode = false;
    bool m_confirmed = false;
    bool m_hasSavedConnections = false;
};

} // namespace tarnwick
