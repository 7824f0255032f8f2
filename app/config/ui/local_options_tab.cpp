#include "local_options_tab.h"

#include "config/main_window_text.h"
#include "config/site_config_lists.h"
#include "shell/trap_errors.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpressionValidator>
#include <QVBoxLayout>

namespace tarnwick {

namespace {

const QString kChangePasswordError =
    QStringLiteral("Unable to set the change password feature. Please try again.");
const QString kLocalOptionError = QStringLiteral("An error occurred");
constexpr int kPasswordLength = 4;
constexpr int kOptionRows = 5;

QLineEdit* makePasswordBox(const char* objectName, QWidget* parent) {
    auto* box = new QLineEdit(parent);
    box->setObjectName(QLatin1String(objectName));
    box->setMaxLength(kPasswordLength);
    box->setEchoMode(QLineEdit::Password);
    box->setValidator(
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), box));
    box->setMaximumWidth(box->fontMetrics().horizontalAdvance(QStringLiteral("00000000")) + 12);
    return box;
}

} // namespace

LocalOptionsTab::LocalOptionsTab(ErrorReporter& errors, QWidget* parent)
    : QWidget(parent), m_errors(errors) {
    m_siteLabel = new QLineEdit(this);
    m_siteLabel->setObjectName(QStringLiteral("txtSiteLabel"));
    m_siteLabel->setMaximumWidth(
        m_siteLabel->fontMetrics().horizontalAdvance(QStringLiteral("WWWWWWWWWW")) + 12);
    auto* siteLabelCaption = new QLabel(QStringLiteral("Site Label:"), this);
    siteLabelCaption->setBuddy(m_siteLabel);
    m_limitsMonitoring = new QCheckBox(QStringLiteral("Enable Limits Monitoring"), this);
    m_limitsMonitoring->setObjectName(QStringLiteral("chkLimMon"));

    auto* siteRow = new QHBoxLayout;
    siteRow->addWidget(siteLabelCaption);
    siteRow->addWidget(m_siteLabel);
    siteRow->addSpacing(24);
    siteRow->addWidget(m_limitsMonitoring);
    siteRow->addStretch();

    auto* frames = new QHBoxLayout;
    frames->addWidget(makeOptionsFrame(), 0, Qt::AlignTop);
    frames->addWidget(makePasswordFrame(), 0, Qt::AlignTop);
    frames->addStretch();

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(siteRow);
    layout->addSpacing(8);
    layout->addLayout(frames);
    layout->addStretch();

    connect(m_siteLabel, &QLineEdit::textEdited, this, &LocalOptionsTab::edited);
    connect(m_limitsMonitoring, &QCheckBox::toggled, this, &LocalOptionsTab::edited);
    enablePasswordBoxes(false);
}

QWidget* LocalOptionsTab::makeOptionsFrame() {
    auto* frame = new QGroupBox(QStringLiteral("Local Options"), this);
    auto* grid = new QGridLayout(frame);
    grid->setHorizontalSpacing(24);
    for (std::size_t i = 0; i < kLocalOptionCount; ++i) {
        auto* box = new QCheckBox(kLocalOptionCaptions[i], frame);
        box->setObjectName(QStringLiteral("chkLocOpt"));
        const int n = static_cast<int>(i);
        grid->addWidget(box, n % kOptionRows, n / kOptionRows);
        connect(box, &QCheckBox::toggled, this, [this, i](bool on) {
            trapErrors(m_errors, kLocalOptionError, [&] {
                if (i == kLocalOvinOption)
                    emit localOvinToggled(on);
                emit edited();
            });
        });
        m_options[i] = box;
    }
    return frame;
}

QWidget* LocalOptionsTab::makePasswordFrame() {
    auto* frame = new QGroupBox(this);
    m_changePasswords = new QCheckBox(QStringLiteral("Change Passwords"), frame);
    m_changePasswords->setObjectName(QStringLiteral("chkChangePass"));
    m_oldMaster = makePasswordBox("txtMstrPass", frame);
    for (QLineEdit*& box : m_newMaster)
        box = makePasswordBox("txtNewMstrPass", frame);
    for (QLineEdit*& box : m_newUser)
        box = makePasswordBox("txtNewUsrPass", frame);

    const std::array<QString, 5> captions{QStringLiteral("Old Master:"),
                                          QStringLiteral("New Master:"), QStringLiteral("Confirm:"),
                                          QStringLiteral("New User:"), QStringLiteral("Confirm:")};
    const std::array<QLineEdit*, 5> buddies{m_oldMaster, m_newMaster[0], m_newMaster[1],
                                            m_newUser[0], m_newUser[1]};
    for (std::size_t i = 0; i < captions.size(); ++i) {
        m_passwordLabels[i] = new QLabel(captions[i], frame);
        m_passwordLabels[i]->setBuddy(buddies[i]);
    }
    auto* note = new QLabel(QStringLiteral("You must enter both passwords. To leave one password "
                                           "unchanged, enter the existing password."),
                            frame);
    note->setWordWrap(true);

    auto* grid = new QGridLayout(frame);
    grid->addWidget(m_changePasswords, 0, 0, 1, 4);
    grid->addWidget(m_passwordLabels[0], 1, 0);
    grid->addWidget(m_oldMaster, 1, 1);
    grid->addWidget(m_passwordLabels[1], 2, 0);
    grid->addWidget(m_newMaster[0], 2, 1);
    grid->addWidget(m_passwordLabels[2], 2, 2);
    grid->addWidget(m_newMaster[1], 2, 3);
    grid->addWidget(m_passwordLabels[3], 3, 0);
    grid->addWidget(m_newUser[0], 3, 1);
    grid->addWidget(m_passwordLabels[4], 3, 2);
    grid->addWidget(m_newUser[1], 3, 3);
    grid->addWidget(note, 4, 0, 1, 4);
    frame->setSizePolicy(QSizePolicy::Maximum, QSizePolicy::Maximum);

    connect(m_changePasswords, &QCheckBox::toggled, this, [this](bool on) {
        trapErrors(m_errors, kChangePasswordError, [&] { enablePasswordBoxes(on); });
    });
    return frame;
}

void LocalOptionsTab::enablePasswordBoxes(bool on) {
    for (QLabel* label : m_passwordLabels)
        label->setEnabled(on);
    for (QLineEdit* box : {m_oldMaster, m_newMaster[0], m_newMaster[1], m_newUser[0], m_newUser[1]})
        box->setEnabled(on);
}

void LocalOptionsTab::load(const SiteConfig& config) {
    m_siteLabel->setText(config.siteLabel);
    for (std::size_t i = 0; i < kLocalOptionCount; ++i)
        m_options[i]->setChecked(config.localOptions[i]);
    m_limitsMonitoring->setChecked(config.limitsMonitoring);
}

void LocalOptionsTab::store(SiteConfig& config) const {
    config.siteLabel = m_siteLabel->text();
    for (std::size_t i = 0; i < kLocalOptionCount; ++i)
        config.localOptions[i] = m_options[i]->isChecked();
    config.limitsMonitoring = m_limitsMonitoring->isChecked();
}

void LocalOptionsTab::showTwoPorts(bool visible) {
    m_options[kTwoPortsOption]->setVisible(visible);
}

void LocalOptionsTab::nameSites(std::uint8_t destSL) {
    for (std::size_t i = 0; i < kLocalOptionCount; ++i)
        m_options[i]->setText(localOptionCaption(destSL, i));
}

QString LocalOptionsTab::siteLabel() const {
    return m_siteLabel->text();
}

PasswordEntry LocalOptionsTab::passwordEntry() const {
    return {m_changePasswords->isChecked(),
            {m_newMaster[0]->text(), m_newMaster[1]->text()},
            {m_newUser[0]->text(), m_newUser[1]->text()}};
}

PasswordChange LocalOptionsTab::passwordChange() const {
    return {m_changePasswords->isChecked(), m_newMaster[0]->text(), m_newUser[0]->text(),
            m_oldMaster->text()};
}

} // namespace tarnwick
