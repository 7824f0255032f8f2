#include "frm_progress.h"

#include "serial/serial_control.h"

#include <QCloseEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

namespace tarnwick {

namespace {

constexpr int kWindowWidth = 380;

QProgressBar* makeBar(const QString& name, QWidget* parent) {
    auto* bar = new QProgressBar(parent);
    bar->setObjectName(name);
    bar->setTextVisible(false);
    // Empty until the transfer sets a range; 0..0 would show a busy indicator instead.
    bar->setRange(0, 1);
    bar->setValue(0);
    bar->setFixedHeight(18);
    return bar;
}

} // namespace

frmProgress::frmProgress(ProgressSetup setup, QWidget* parent)
    : QDialog(parent), m_lblProgress(new QLabel(this)),
      m_pbrStatus(makeBar(QStringLiteral("pbrStatus"), this)),
      m_pbrTotal(makeBar(QStringLiteral("pbrTotal"), this)),
      m_cmdCancel(new QPushButton(QStringLiteral("&Cancel"), this)),
      m_serial(std::move(setup.serial)), m_prompter(setup.prompter, m_engineCalls),
      m_host(setup.host, m_engineCalls) {
    m_lblProgress->setObjectName(QStringLiteral("lblProgress"));
    m_cmdCancel->setObjectName(QStringLiteral("cmdCancel"));
    m_cmdCancel->setAutoDefault(false);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_cmdCancel);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(16, 14, 16, 12);
    layout->setSpacing(8);
    layout->addWidget(m_lblProgress);
    layout->addWidget(m_pbrStatus);
    layout->addWidget(m_pbrTotal);
    layout->addSpacing(4);
    layout->addLayout(buttons);
    setFixedWidth(kWindowWidth);
    setFixedHeight(sizeHint().height());
    setWindowFlags(windowFlags() & ~Qt::WindowContextHelpButtonHint);

    connect(m_cmdCancel, &QPushButton::clicked, this, &frmProgress::cmdCancelClick);

    m_engine = std::make_unique<TransferEngine>(
        TransferContext{setup.scheduler, *m_serial, *this, m_prompter, m_host, setup.connection,
                        setup.blocks, setup.image});
    m_engine->setFinishedHandler(
        [this](const TransferOutcome& outcome) { transferEnded(outcome); });
}

frmProgress::~frmProgress() = default;

void frmProgress::DownloadStavik() {
    m_engine->DownloadStavik();
}

void frmProgress::UploadStavik(bool blnChangePass, bool blnRestoreCalib, const QString& strNewMstr,
                               const QString& strNewUsr, const QString& strOldMstr) {
    m_engine->UploadStavik(blnChangePass, blnRestoreCalib, strNewMstr, strNewUsr, strOldMstr);
}

void frmProgress::setCaption(const QString& caption) {
    setWindowTitle(caption);
}

void frmProgress::setProgressText(const QString& text) {
    m_lblProgress->setText(text);
}

void frmProgress::setStatusMinimum(int value) {
    m_pbrStatus->setMinimum(value);
}

void frmProgress::setStatusMaximum(int value) {
    m_pbrStatus->setMaximum(value);
}

void frmProgress::setStatusValue(int value) {
    m_pbrStatus->setValue(value);
}

void frmProgress::setTotalMaximum(int value) {
    m_pbrTotal->setMaximum(value);
}

void frmProgress::setTotalValue(int value) {
    m_pbrTotal->setValue(value);
}

void frmProgress::repaintNow() {
    repaint();
}

void frmProgress::unload() {
    m_unloaded = true;
    hide();
}

void frmProgress::transferEnded(const TransferOutcome& outcome) {
    emit transferFinished(outcome);
    // The engine is still on the stack here, perhaps below a message box that is still open.
    m_engineCalls.whenIdle([this] { deleteLater(); });
}

void frmProgress::cmdCancelClick() {
    m_engine->requestCancel();
}

void frmProgress::closeEvent(QCloseEvent* event) {
    // Only the engine's unload closes the window; the close box asks it to cancel.
    event->ignore();
    if (!m_unloaded) {
        m_engine->requestCancel();
    }
}

void frmProgress::reject() {
    if (!m_unloaded) {
        m_engine->requestCancel();
    }
}

} // namespace tarnwick
