#pragma once

#include "connections/ui/frm_conn_wiz_ui.h"
#include "connections/ui/transfer_launcher.h"
#include "connections/wizard_entries.h"

#include <QDialog>
#include <cstddef>

namespace tarnwick {

// The connection wizard: how the computer reaches the unit, the unit's serial number, site
// letter and password, the local device, and whether to keep the connection in a file. Its
// Connect button fills the current connection and starts the transfer. The window deletes
// itself when it closes; when it closes unfinished before the main window was ever shown,
// the start window comes back.
class frmConnWiz final : public QDialog {
    Q_OBJECT

public:
    static inline const QString kTitle = QStringLiteral("Tarnwick Connection Wizard");

    explicit frmConnWiz(ProgramContext context, QWidget* parent = nullptr);

    // Upload or download, and the closing words of the last page to match.
    void SetMode(bool blnUpload);
    // Whether the upload restores the unit's calibration settings; the settings dialog sets
    // it before the wizard runs.
    void setRestoreCalibration(bool restore) { m_restoreCalibration = restore; }
    bool RestoreCalibration() const { return m_restoreCalibration; }

    bool upload() const { return m_upload; }
    // Connect has handed the connection over.
    bool finished() const { return m_finished; }
    // The page shown, from 1.
    int currentPage() const;

protected:
    void closeEvent(QCloseEvent* event) override;
    // Escape asks, as Cancel does.
    void reject() override;
    // The page-2 pictures follow the focus between the parent's fields and the child's.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void load();
    void connectHandlers();
    void cmdNextClick();
    void cmdBackClick();
    void cmdCancelClick();
    void cmdFinishClick();
    void optParentClick(std::size_t index);
    void optDeviceClick(std::size_t index);
    void chkSaveClick();

    void showPage(int page);
    WizardEntries entries() const;
    // Writes the connection to a file the user names; cancelling writes nothing.
    void saveConnection();
    void showConnectionPicture(std::size_t index);

    ProgramContext m_context;
    ConnWizUi m_ui;
    bool m_upload = false;
    bool m_restoreCalibration = false;
    bool m_finished = false;
};

} // namespace tarnwick
