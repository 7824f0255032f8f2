#pragma once

#include "transfer/transfer_engine.h"
#include "transfer/transfer_view.h"
#include "transfer/ui/engine_call_guard.h"

#include <QDialog>
#include <memory>

class QLabel;
class QProgressBar;
class QPushButton;

namespace tarnwick {

// What the progress window runs a transfer with. The window owns the serial link for as long
// as it exists; the rest is the program's and must outlive the window.
struct ProgressSetup {
    Scheduler& scheduler;
    std::unique_ptr<SerialControl> serial;
    Prompter& prompter;
    TransferHost& host;
    const CurrentConnection& connection;
    BlockBuffer& blocks;
    const ConfigImage& image; // what an upload writes
};

// The progress window of one transfer. It is created with `new`, shown, and started with
// DownloadStavik or UploadStavik; when the transfer ends it closes, emits transferFinished and
// deletes itself once the engine has returned from every call it is in. The Cancel button, the
// close box and Escape all ask the engine to cancel, which asks the user first.
class frmProgress final : public QDialog, public TransferView {
    Q_OBJECT

public:
    explicit frmProgress(ProgressSetup setup, QWidget* parent = nullptr);
    ~frmProgress() override;

    // Start a transfer and return at once; see TransferEngine.
    void DownloadStavik();
    void UploadStavik(bool blnChangePass, bool blnRestoreCalib, const QString& strNewMstr = {},
                      const QString& strNewUsr = {}, const QString& strOldMstr = {});

    const TransferEngine& engine() const { return *m_engine; }

    // TransferView
    void setCaption(const QString& caption) override;
    void setProgressText(const QString& text) override;
    void setStatusMinimum(int value) override;
    void setStatusMaximum(int value) override;
    void setStatusValue(int value) override;
    void setTotalMaximum(int value) override;
    void setTotalValue(int value) override;
    void repaintNow() override;
    void unload() override;

signals:
    void transferFinished(const tarnwick::TransferOutcome& outcome);

protected:
    void closeEvent(QCloseEvent* event) override;
    // Escape: the same as the Cancel button, never a silent close.
    void reject() override;

private:
    void cmdCancelClick();
    void transferEnded(const TransferOutcome& outcome);

    QLabel* m_lblProgress;
    QProgressBar* m_pbrStatus;
    QProgressBar* m_pbrTotal;
    QPushButton* m_cmdCancel;

    std::unique_ptr<SerialControl> m_serial;
    EngineCallDepth m_engineCalls;
    CountedPrompter m_prompter;
    CountedTransferHost m_host;
    std::unique_ptr<TransferEngine> m_engine;
    bool m_unloaded = false;
};

} // namespace tarnwick
