#include "frm_conn_settings.h"

#include "connections/saved_connections.h"
#include "connections/site_letters.h"
#include "connections/ui/connection_widgets.h"
#include "connections/ui/frm_conn_wiz.h"
#include "help/popup_topics.h"
#include "shell/application_title.h"
#include "shell/prompter.h"
#include "shell/trap_errors.h"
#include "shell/ui/help_commands.h"
#include "shell/ui/help_topics.h"
#include "shell/ui/whats_this.h"

#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QToolButton>

namespace tarnwick {

frmConnSettings::frmConnSettings(ProgramContext context, QWidget* parent)
    : QDialog(parent), m_context(context), m_ui(buildConnSettingsUi(*this)) {
    setObjectName(QStringLiteral("frmConnSettings"));
    setWindowTitle(kTitle);
    setAttribute(Qt::WA_DeleteOnClose);
    m_ui.cmdOK->setDefault(true);
    connectHandlers();
    trapErrors(m_context.services.errors,
               QStringLiteral("An error occurred while loading ") + kTitle + u'.',
               [this] { load(); });
}

void frmConnSettings::load() {
    fillSiteLetters(*m_ui.cboDestLet);
    const QStringList names = savedConnectionNames(m_context.mod.settings.SaveConnDir);
    m_ui.cboConnList->addItems(names);
    m_ui.cboConnList->setCurrentIndex(-1);
    m_hasSavedConnections = !names.isEmpty();
    updateSavedConnectionControls();
    m_confirmed = false;
    clearDisplay();
    applyWhatsThis(*this, "frmConnSettings",
                   help::loadPopupTopics(popupHelpSource(m_context.mod.settings.HelpFile)));
}

void frmConnSettings::connectHandlers() {
    for (std::size_t i = 0; i < m_ui.optConn.size(); ++i) {
        connect(m_ui.optConn[i], &QRadioButton::toggled, this, [this, i](bool checked) {
            if (checked) {
                optConnClick(i);
            }
        });
    }
    connect(m_ui.cboConnList, &QComboBox::activated, this, &frmConnSettings::cboConnListClick);
    connect(m_ui.cmdBrowse, &QToolButton::clicked, this, &frmConnSettings::cmdBrowseClick);
    // Only what the user types counts: showing a profile fills the box without changing it.
    connect(m_ui.txtPassword, &QLineEdit::textEdited, this,
            [this](const QString& text) { m_profile.Password = text; });
    connect(m_ui.cmdOK, &QPushButton::clicked, this, &frmConnSettings::cmdOKClick);
    connect(m_ui.cmdCancel, &QPushButton::clicked, this, &QWidget::close);
    connect(m_ui.cmdHelp, &QPushButton::clicked, this, &frmConnSettings::cmdHelpClick);
}

void frmConnSettings::SetDownload() {
    if (latestConnection()) {
        showLatestConnection();
    } else {
        m_ui.optConn[0]->setEnabled(false);
        m_ui.optConn[1]->setChecked(true);
    }
    m_ui.cboDestLet->setEnabled(true);
    m_ui.cboDestLet->setFocusPolicy(Qt::StrongFocus);
    m_uploadMode = false;
    show();
}

void frmConnSettings::SetUpload() {
    m_ui.optConn[0]->setText(QStringLiteral("Use the last settings used with this file."));
    m_ui.lblDestLet->setText(QStringLiteral("Upload to site:"));
    m_ui.cboDestLet->setCurrentIndex(
        m_ui.cboDestLet->findText(IndexToSiteLetter(m_context.mod.connection.DestSL)));
    m_ui.cboDestLet->setEnabled(false);
    m_ui.chkRestCalib->setEnabled(true);
    m_uploadMode = true;
    if (latestConnection()) {
        showLatestConnection();
    } else {
        m_ui.optConn[0]->setEnabled(false);
        m_ui.optConn[1]->setChecked(true);
    }
    show();
}

std::optional<ConnectionProfile> frmConnSettings::latestConnection() const {
    if (m_uploadMode) {
        const CurrentConnection& current = m_context.mod.connection;
        if (current.SN.isEmpty()) {
            return std::nullopt;
        }
        return ConnectionProfile{current.Port, current.Addr, current.SN, current.SL,
                                 kPasswordNotSaved};
    }
    const RecentConnection& recent = m_context.mod.settings.RecentConnection;
    if (recent.SN.isEmpty()) {
        return std::nullopt;
    }
    return ConnectionProfile{recent.Port, recent.Addr, recent.SN, recent.SL, kPasswordNotSaved};
}

void frmConnSettings::showLatestConnection() {
    if (const std::optional<ConnectionProfile> latest = latestConnection()) {
        showProfile(*latest);
    } else {
        clearDisplay();
    }
}

void frmConnSettings::updateSavedConnectionControls() {
    const bool savedChosen = m_ui.optConn[1]->isChecked();
    m_ui.cboConnList->setEnabled(savedChosen && m_hasSavedConnections);
    m_ui.cmdBrowse->setEnabled(savedChosen);
}

void frmConnSettings::optConnClick(std::size_t index) {
    trapErrors(m_context.services.errors,
               QStringLiteral("Unable to set the connection options. Please try again."), [&] {
                   updateSavedConnectionControls();
                   const bool fieldsOn = index != 2;
                   for (QWidget* field : std::initializer_list<QWidget*>{
                            m_ui.lblSettings[0], m_ui.lblSettings[1], m_ui.lblSettings[2],
                            m_ui.lblCOM, m_ui.lblDestLet, m_ui.txtSN, m_ui.txtSL, m_ui.txtDevice,
                            m_ui.txtPassword}) {
                       field->setEnabled(fieldsOn);
                   }
                   m_ui.cboDestLet->setEnabled(fieldsOn && !m_uploadMode);
                   const bool phoneOn = fieldsOn && !m_ui.txtPhone->text().isEmpty();
                   m_ui.txtPhone->setEnabled(phoneOn);
                   m_ui.lblPhone->setEnabled(phoneOn);
                   if (index == 1) {
                       cboConnListClick();
                   } else if (index == 0) {
                       showLatestConnection();
                   }
               });
}

void frmConnSettings::cboConnListClick() {
    trapErrors(m_context.services.errors,
               QStringLiteral("An error occurred while loading the connection."), [this] {
                   const QString name = m_ui.cboConnList->currentText();
                   if (name.isEmpty()) {
                       clearDisplay();
                       return;
                   }
                   showProfile(ReadConnectionFile(
                       savedConnectionPath(m_context.mod.settings.SaveConnDir, name)));
               });
}

void frmConnSettings::cmdBrowseClick() {
    trapErrors(m_context.services.errors, QStringLiteral("An error occurred."), [this] {
        FileDialogOptions options;
        options.filter = kConnectionFileFilter;
        options.initialFolder = m_context.mod.settings.SaveConnDir;
        const std::optional<QString> path = m_context.services.prompter.openFile(options);
        if (!path) {
            return;
        }
        // Read first: a file that cannot be read leaves the window as it was.
        const ConnectionProfile chosen = ReadConnectionFile(*path);
        m_ui.cboConnList->setEditText(QFileInfo(*path).completeBaseName());
        showProfile(chosen);
    });
}

void frmConnSettings::showProfile(const ConnectionProfile& profile) {
    m_profile = profile;
    m_ui.txtSN->setText(profile.SN);
    m_ui.txtSL->setText(IndexToSiteLetter(profile.SL));
    m_ui.txtDevice->setText(profile.Port);
    m_ui.txtPhone->setText(profile.Addr);
    const bool modem = !profile.Addr.isEmpty();
    m_ui.lblPhone->setEnabled(modem);
    m_ui.txtPhone->setEnabled(modem);
    m_ui.lblCOM->setText(modem ? QStringLiteral("Modem:") : QStringLiteral("COM Port:"));
    if (profile.Password != kPasswordNotSaved) {
        m_ui.txtPassword->setText(profile.Password);
        setPasswordBox(false, false);
    } else {
        // A password left in the box from another profile would not be the one used.
        m_ui.txtPassword->clear();
        setPasswordBox(false, true);
    }
}

void frmConnSettings::clearDisplay() {
    for (QLineEdit* box :
         {m_ui.txtSN, m_ui.txtSL, m_ui.txtDevice, m_ui.txtPhone, m_ui.txtPassword}) {
        box->clear();
    }
    setPasswordBox(true, false);
    // OK connects with nothing that is no longer shown.
    m_profile = ConnectionProfile{};
}

void frmConnSettings::setPasswordBox(bool readOnly, bool tabStop) {
    QLineEdit& box = *m_ui.txtPassword;
    box.setReadOnly(readOnly);
    // Only the enabled groups change: a disabled box keeps the disabled look of its neighbours.
    QPalette palette = box.palette();
    const QPalette normal = QApplication::palette(&box);
    for (const QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive}) {
        palette.setColor(group, QPalette::Base,
                         normal.color(group, readOnly ? QPalette::Button : QPalette::Base));
    }
    palette.setColor(QPalette::Disabled, QPalette::Base,
                     normal.color(QPalette::Disabled, QPalette::Base));
    box.setPalette(palette);
    box.setFocusPolicy(tabStop ? Qt::StrongFocus : Qt::ClickFocus);
}

std::size_t frmConnSettings::selectedOption() const {
    for (std::size_t i = 0; i < m_ui.optConn.size(); ++i) {
        if (m_ui.optConn[i]->isChecked()) {
            return i;
        }
    }
    return 0;
}

void frmConnSettings::cmdOKClick() {
    trapErrors(
        m_context.services.errors, QStringLiteral("An error occurred while preparing to connect."),
        [this] {
            if (selectedOption() == 2) {
                auto* wizard = new frmConnWiz(m_context);
                wizard->show();
                wizard->SetMode(m_uploadMode);
                if (m_uploadMode) {
                    wizard->setRestoreCalibration(m_ui.chkRestCalib->isChecked());
                }
            } else {
                if (m_ui.cboDestLet->currentIndex() < 0) {
                    m_context.services.prompter.information(
                        QStringLiteral("Please select the site letter from which you want to "
                                       "download settings."),
                        kApplicationTitle);
                    return;
                }
                m_context.mod.connection = {
                    m_profile.Password, m_profile.SN,
                    m_profile.Port,     m_profile.Addr,
                    m_profile.SL,       SiteLetterToIndex(m_ui.cboDestLet->currentText())};
                launchTransfer(m_context, m_uploadMode
                                              ? uploadRequest(m_context.windows,
                                                              m_ui.chkRestCalib->isChecked())
                                              : downloadRequest());
            }
            m_confirmed = true;
            close();
        });
}

void frmConnSettings::cmdHelpClick() {
    trapErrors(m_context.services.errors, QStringLiteral("Unable to open help file."), [this] {
        HelpContext(this, m_context.mod.settings.HelpFile, HelpContextId::ConnSettings);
    });
}

void frmConnSettings::reject() {
    close();
}

void frmConnSettings::closeEvent(QCloseEvent* event) {
    trapErrors(m_context.services.errors,
               QStringLiteral("An error occurred while closing ") + kTitle + u'.', [this] {
                   if (!m_confirmed && !m_context.mod.mainWindowActive) {
                       m_context.windows.showStartWindow();
                   }
               });
    event->accept();
}

} // namespace tarnwick
