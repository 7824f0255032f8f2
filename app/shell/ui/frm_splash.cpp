#include "frm_splash.h"

#include "help/popup_topics.h"
#include "shell/app_settings.h"
#include "shell/application_title.h"
#include "shell/open_argument.h"
#include "shell/trap_errors.h"
#include "shell/ui/help_commands.h"
#include "shell/ui/program_version.h"
#include "shell/ui/whats_this.h"

#include <QApplication>
#include <QCloseEvent>
#include <QFrame>
#include <QGridLayout>
#include <QIcon>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QTimer>
#include <QVBoxLayout>

namespace tarnwick {

namespace {

const QString kLoadError =
    QStringLiteral("An error occurred while loading ") + kApplicationTitle + QLatin1Char('.');
constexpr int kLogoSize = 96;
constexpr int kButtonHeight = 44;
// The loading starts right after the window's first paint; this bounds the wait on a screen
// that never paints it (minimised, or a platform without windows).
constexpr int kLoadFallbackMs = 200;

QLabel* makeLabel(const QString& text, const char* name) {
    auto* label = new QLabel(text);
    label->setObjectName(QLatin1String(name));
    label->setTextFormat(Qt::PlainText);
    return label;
}

QPushButton* makeLargeButton(const QString& text, const char* name, QStyle::StandardPixmap icon) {
    auto* button = new QPushButton(text);
    button->setObjectName(QLatin1String(name));
    button->setIcon(button->style()->standardIcon(icon));
    button->setIconSize(QSize(24, 24));
    button->setMinimumHeight(kButtonHeight);
    button->setStyleSheet(QStringLiteral("text-align: left; padding-left: 12px;"));
    QFont font = button->font();
    font.setPointSizeF(font.pointSizeF() * 1.15);
    button->setFont(font);
    return button;
}

} // namespace

frmSplash::frmSplash(ModTarnwick& program, SplashServices services, QString commandLine,
                     QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::MSWindowsFixedSizeDialogHint), m_program(program),
      m_services(services), m_commandLine(std::move(commandLine)) {
    setObjectName(QStringLiteral("frmSplash"));
    setAttribute(Qt::WA_DeleteOnClose);
    buildControls();
    trapErrors(m_services.errors, kLoadError, [this] { load(); });
}

frmSplash::~frmSplash() {
    setBusy(false);
}

void frmSplash::buildControls() {
    auto* logo = new QLabel;
    logo->setObjectName(QStringLiteral("imgLogo"));
    logo->setPixmap(QIcon(QStringLiteral(":/tarnwick-logo.svg")).pixmap(kLogoSize, kLogoSize));

    QLabel* title = makeLabel(kApplicationTitle, "lblTitle");
    QFont titleFont = title->font();
    titleFont.setPointSizeF(titleFont.pointSizeF() * 2.4);
    titleFont.setBold(true);
    title->setFont(titleFont);
    m_lblVersion = makeLabel(QString(), "lblVersion");
    QLabel* subtitle =
        makeLabel(QStringLiteral("Stavik site-control configuration"), "lblSubtitle");

    m_cmdDownLoad = makeLargeButton(QStringLiteral("&Download Data from Stavik"), "cmdDownLoad",
                                    QStyle::SP_ArrowDown);
    m_cmdOpenFile = makeLargeButton(QStringLiteral("&Open Stavik Data File"), "cmdOpenFile",
                                    QStyle::SP_DialogOpenButton);
    m_cmdHelp = makeLargeButton(QStringLiteral("View &Help for Tarnwick"), "cmdHelp",
                                QStyle::SP_DialogHelpButton);
    m_cmdExit =
        makeLargeButton(QStringLiteral("E&xit Tarnwick"), "cmdExit", QStyle::SP_DialogCloseButton);
    m_lblLoading = makeLabel(QStringLiteral("Loading..."), "lblLoading");

    m_tmrLoad = new QTimer(this);
    m_tmrLoad->setObjectName(QStringLiteral("tmrLoad"));

    connect(m_cmdDownLoad, &QPushButton::clicked, this, &frmSplash::cmdDownLoadClick);
    connect(m_cmdOpenFile, &QPushButton::clicked, this, &frmSplash::cmdOpenFileClick);
    connect(m_cmdHelp, &QPushButton::clicked, this, &frmSplash::cmdHelpClick);
    connect(m_cmdExit, &QPushButton::clicked, this, &QWidget::close);
    connect(m_tmrLoad, &QTimer::timeout, this, &frmSplash::tmrLoadTimer);

    auto* heading = new QVBoxLayout;
    heading->addStretch();
    heading->addWidget(title);
    heading->addWidget(subtitle);
    heading->addWidget(m_lblVersion);
    heading->addStretch();

    auto* divider = new QFrame;
    divider->setFrameShape(QFrame::HLine);
    divider->setFrameShadow(QFrame::Sunken);

    auto* buttons = new QVBoxLayout;
    buttons->setSpacing(8);
    for (QPushButton* button : {m_cmdDownLoad, m_cmdOpenFile, m_cmdHelp, m_cmdExit})
        buttons->addWidget(button);

    auto* layout = new QGridLayout(this);
    layout->setContentsMargins(24, 20, 24, 16);
    layout->setHorizontalSpacing(20);
    layout->setVerticalSpacing(14);
    layout->addWidget(logo, 0, 0, Qt::AlignCenter);
    layout->addLayout(heading, 0, 1);
    layout->addWidget(divider, 1, 0, 1, 2);
    layout->addLayout(buttons, 2, 0, 1, 2);
    layout->addWidget(m_lblLoading, 3, 0, 1, 2);
    layout->setColumnMinimumWidth(1, 280);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

void frmSplash::load() {
    setWindowTitle(kApplicationTitle);
    m_lblVersion->setText(versionCaption(programVersion()));
    if (m_program.mainWindowLoaded) {
        m_lblLoading->hide();
        applyContextHelp();
        return;
    }
    setBusy(true);
    m_tmrLoad->setSingleShot(true);
    m_tmrLoad->start(kLoadFallbackMs);
}

void frmSplash::paintEvent(QPaintEvent* event) {
    QWidget::paintEvent(event);
    // The window is on screen: the loading may start.
    if (m_tmrLoad->isActive() && m_tmrLoad->interval() != 0)
        m_tmrLoad->start(0);
}

void frmSplash::tmrLoadTimer() {
    m_tmrLoad->stop();
    trapErrors(m_services.errors, kLoadError, [this] {
        m_program.settings = LoadAppSettings(m_services.registry);
        applyContextHelp();
        m_services.host.loadMainWindow();
        m_program.mainWindowLoaded = true;
        const QString path = ParseOpenArgument(m_commandLine);
        if (!path.isEmpty() && m_services.host.openSettingsFile(path))
            handOverToMainWindow();
    });
    // Loading is over, also when it failed: the buttons still work without it.
    m_lblLoading->hide();
    setBusy(false);
}

void frmSplash::cmdDownLoadClick() {
    trapErrors(m_services.errors, QStringLiteral("Unable to download Stavik settings."), [this] {
        m_services.host.showDownloadSettings();
        m_HandedOver = true;
        close();
    });
}

void frmSplash::cmdOpenFileClick() {
    trapErrors(m_services.errors, QStringLiteral("Unable to load Stavik settings."), [this] {
        if (m_services.host.openSettingsFile(QString()))
            handOverToMainWindow();
    });
}

void frmSplash::cmdHelpClick() {
    trapErrors(m_services.errors, QStringLiteral("Unable to load the help file."),
               [this] { HelpContents(this, m_program.settings.HelpFile); });
}

void frmSplash::handOverToMainWindow() {
    m_services.host.showMainWindow();
    m_program.mainWindowActive = true;
    close();
}

// The controls' What's This texts come from the pop-up topic file inside the help file.
void frmSplash::applyContextHelp() {
    applyWhatsThis(*this, "frmSplash",
                   help::loadPopupTopics(popupHelpSource(m_program.settings.HelpFile)));
}

void frmSplash::setBusy(bool busy) {
    if (busy == m_busy)
        return;
    m_busy = busy;
    if (busy)
        QApplication::setOverrideCursor(Qt::WaitCursor);
    else
        QApplication::restoreOverrideCursor();
}

void frmSplash::closeEvent(QCloseEvent* event) {
    trapErrors(m_services.errors,
               QStringLiteral("An error occurred while closing ") + windowTitle() +
                   QLatin1Char('.'),
               [this] {
                   if (!m_program.mainWindowActive && !m_HandedOver)
                       m_services.host.unloadMainWindow();
               });
    event->accept();
}

} // namespace tarnwick
