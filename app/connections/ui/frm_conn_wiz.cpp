#include "frm_conn_wiz.h"

#include "connections/saved_connections.h"
#include "connections/ui/connection_widgets.h"
#include "connections/wizard_pages.h"
#include "help/popup_topics.h"
#include "serial/serial_devices.h"
#include "shell/file_dialog_text.h"
#include "shell/prompter.h"
#include "shell/trap_errors.h"
#include "shell/ui/help_commands.h"
#include "shell/ui/whats_this.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>

namespace tarnwick {

namespace {
QString navigationMessage() {
    return QStringLiteral("An error occurred while navigating the wizard.");
}
} // namespace

frmConnWiz::frmConnWiz(ProgramContext context, QWidget* parent)
    : QDialog(parent), m_context(context), m_ui(buildConnWizUi(*this)) {
    setObjectName(QStringLiteral("frmConnWiz"));
    setWindowTitle(kTitle);
    setAttribute(Qt::WA_DeleteOnClose);
    m_ui.cmdNext->setDefault(true);
    connectHandlers();
    trapErrors(m_context.services.errors, QStringLiteral("Unable to load the ") + kTitle + u'.',
               [this] { load(); });
}

void frmConnWiz::load() {
    for (QComboBox* list : {m_ui.cboSL, m_ui.cboPSL, m_ui.cboChildSL}) {
        fillSiteLetters(*list);
    }
    for (const SerialDevice& device : listSerialDevices(m_context.services.registry)) {
        QComboBox* list =
            device.kind == SerialDevice::Kind::Modem ? m_ui.cboModem : m_ui.cboComPort;
        list->addItem(device.name);
    }
    m_ui.cboComPort->setCurrentIndex(-1);
    m_ui.cboModem->setCurrentIndex(-1);
    m_finished = false;

    optParentClick(0);
    optDeviceClick(0);
    showPage(WizardPage::Welcome);
    applyWhatsThis(*this, "frmConnWiz",
                   help::loadPopupTopics(popupHelpSource(m_context.mod.settings.HelpFile)));
}

void frmConnWiz::connectHandlers() {
    connect(m_ui.cmdNext, &QPushButton::clicked, this, &frmConnWiz::cmdNextClick);
    connect(m_ui.cmdBack, &QPushButton::clicked, this, &frmConnWiz::cmdBackClick);
    connect(m_ui.cmdCancel, &QPushButton::clicked, this, &frmConnWiz::cmdCancelClick);
    connect(m_ui.cmdFinish, &QPushButton::clicked, this, &frmConnWiz::cmdFinishClick);
    for (std::size_t i = 0; i < m_ui.optParent.size(); ++i) {
        connect(m_ui.optParent[i], &QRadioButton::toggled, this, [this, i](bool checked) {
            if (checked) {
                optParentClick(i);
            }
        });
        connect(m_ui.optDevice[i], &QRadioButton::toggled, this, [this, i](bool checked) {
            if (checked) {
                optDeviceClick(i);
            }
        });
    }
    connect(m_ui.chkSave, &QCheckBox::toggled, this, &frmConnWiz::chkSaveClick);
    for (QWidget* field :
         {static_cast<QWidget*>(m_ui.txtPSN), static_cast<QWidget*>(m_ui.cboPSL),
          static_cast<QWidget*>(m_ui.txtPPW), static_cast<QWidget*>(m_ui.cboChildSL)}) {
        field->installEventFilter(this);
    }
}

void frmConnWiz::SetMode(bool blnUpload) {
    m_upload = blnUpload;
    m_ui.lblFinish->setText(
        blnUpload ? QStringLiteral("Press Connect to begin uploading settings to your Stavik.")
                  : QStringLiteral("Press Connect to begin downloading settings from your "
                                   "Stavik."));
}

int frmConnWiz::currentPage() const {
    return m_ui.tabWiz->currentIndex() + 1;
}

void frmConnWiz::cmdNextClick() {
    trapErrors(m_context.services.errors, navigationMessage(), [this] {
        const int page = currentPage();
        if (const std::optional<QString> problem = wizardPageProblem(page, entries())) {
            m_context.services.prompter.information(*problem, kTitle);
            return;
        }
        showPage(page + 1);
    });
}

void frmConnWiz::cmdBackClick() {
    trapErrors(m_context.services.errors,
               navigationMessage() + QStringLiteral(" Please try again."),
               [this] { showPage(currentPage() - 1); });
}

void frmConnWiz::showPage(int page) {
    const WizardButtons buttons = wizardButtonsForPage(page, m_ui.tabWiz->count());
    m_ui.cmdNext->setEnabled(buttons.nextEnabled);
    m_ui.cmdNext->setVisible(buttons.nextVisible);
    m_ui.cmdBack->setEnabled(buttons.backEnabled);
    m_ui.cmdFinish->setVisible(buttons.finishVisible);
    m_ui.cmdFinish->setEnabled(buttons.finishEnabled);

    m_ui.tabWiz->setCurrentIndex(page - 1);
    for (std::size_t i = 0; i < m_ui.lblProgress.size(); ++i) {
        const bool current = static_cast<int>(i) == page - 1;
        QFont font = m_ui.lblProgress[i]->font();
        font.setBold(current);
        m_ui.lblProgress[i]->setFont(font);
        m_ui.sspArrow[i]->setVisible(current);
    }
}

void frmConnWiz::optParentClick(std::size_t index) {
    trapErrors(
        m_context.services.errors,
        QStringLiteral("Unable to select the connection type. Please try again."), [&] {
            for (std::size_t i = 0; i < m_ui.fraStavikInfo.size(); ++i) {
                m_ui.fraStavikInfo[i]->setVisible(i == index);
                m_ui.sspDiagram[i]->setVisible(i == index);
            }
            const QString intro =
                QStringLiteral("Enter the serial number, site letter, and password for the Stavik");
            if (index == 0) {
                m_ui.lblStavikInfo->setText(intro + u'.');
            } else {
                m_ui.lblStavikInfo->setText(
                    intro +
                    QStringLiteral(" that you are connecting to. Enter the site letter "
                                   "of the Stavik that you want to ") +
                    (m_upload ? QStringLiteral("upload to.") : QStringLiteral("download from.")));
            }
        });
}

void frmConnWiz::optDeviceClick(std::size_t index) {
    trapErrors(m_context.services.errors,
               QStringLiteral("An error occurred while selecting the connection device."), [&] {
                   for (std::size_t i = 0; i < m_ui.fraDevice.size(); ++i) {
                       m_ui.fraDevice[i]->setVisible(i == index);
                   }
               });
}

void frmConnWiz::chkSaveClick() {
    trapErrors(m_context.services.errors, QStringLiteral("Unable to save the connection settings."),
               [this] { m_ui.chkSavePass->setEnabled(m_ui.chkSave->isChecked()); });
}

bool frmConnWiz::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::FocusIn) {
        showConnectionPicture(watched == m_ui.cboChildSL ? 1 : 0);
    }
    return QDialog::eventFilter(watched, event);
}

void frmConnWiz::showConnectionPicture(std::size_t index) {
    for (std::size_t i = 0; i < m_ui.sspCnnDiagram.size(); ++i) {
        m_ui.sspCnnDiagram[i]->setVisible(i == index);
    }
}

WizardEntries frmConnWiz::entries() const {
    WizardEntries entries;
    entries.parentSite = m_ui.optParent[1]->isChecked();
    entries.SN = m_ui.txtSN->text();
    entries.SL = chosenText(*m_ui.cboSL);
    entries.PW = m_ui.txtPW->text();
    entries.PSN = m_ui.txtPSN->text();
    entries.PSL = chosenText(*m_ui.cboPSL);
    entries.PPW = m_ui.txtPPW->text();
    entries.ChildSL = chosenText(*m_ui.cboChildSL);
    entries.modem = m_ui.optDevice[1]->isChecked();
    entries.comPort = chosenText(*m_ui.cboComPort);
    entries.modemName = chosenText(*m_ui.cboModem);
    entries.phoneNumber = m_ui.txtPhoneNum->text();
    return entries;
}

void frmConnWiz::cmdFinishClick() {
    trapErrors(m_context.services.errors,
               QStringLiteral("An error occurred while loading the connection. Please try again."),
               [this] {
                   if (m_ui.chkSave->isChecked()) {
                       // A save that fails has been reported; the connection goes ahead regardless.
                       trapErrors(m_context.services.errors,
                                  QStringLiteral("Unable to save the connection settings."),
                                  [this] { saveConnection(); });
                   }
                   m_context.mod.connection = wizardConnection(entries());
                   launchTransfer(m_context,
                                  m_upload ? uploadRequest(m_context.windows, m_restoreCalibration)
                                           : downloadRequest());
                   m_finished = true;
                   close();
               });
}

void frmConnWiz::saveConnection() {
    FileDialogOptions options;
    options.filter = kConnectionFileFilter;
    options.initialFolder = m_context.mod.settings.SaveConnDir;
    options.confirmOverwrite = true;
    options.defaultSuffix = kConnectionFileSuffix;
    const std::optional<QString> path = m_context.services.prompter.saveFile(options);
    if (!path) {
        return;
    }
    // The settings dialog lists only files with the extension.
    WriteConnectionFile(withDefaultSuffix(*path, kConnectionFileSuffix),
                        wizardProfile(entries(), m_ui.chkSavePass->isChecked()));
}

void frmConnWiz::cmdCancelClick() {
    trapErrors(m_context.services.errors, QStringLiteral("An error occurred."), [this] {
        if (m_context.services.prompter.askYesNo(
                QStringLiteral("Are you sure you want to exit the ") + kTitle + u'?', kTitle)) {
            close();
        }
    });
}

void frmConnWiz::reject() {
    cmdCancelClick();
}

void frmConnWiz::closeEvent(QCloseEvent* event) {
    trapErrors(m_context.services.errors,
               QStringLiteral("An error occurred while closing the ") + kTitle + u'.', [this] {
                   if (!m_finished && !m_context.mod.mainWindowActive) {
                       m_context.windows.showStartWindow();
                   }
               });
    event->accept();
}

} // namespace tarnwick
