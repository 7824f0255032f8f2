#include "frm_about.h"

#include "shell/app_error.h"
#include "shell/application_title.h"
#include "shell/error_reporter.h"
#include "shell/prompter.h"
#include "shell/trap_errors.h"
#include "shell/ui/link_label.h"
#include "shell/ui/program_version.h"
#include "shell/ui/system_info.h"

#include <QDesktopServices>
#include <QFrame>
#include <QGridLayout>
#include <QLabel>
#include <QPainter>
#include <QProcess>
#include <QPushButton>
#include <QSvgRenderer>
#include <QVBoxLayout>

namespace tarnwick {

namespace {
const QString kUnavailable = QStringLiteral("System Information Is Unavailable At This Time");
constexpr int kLogoSize = 72;

QLabel* makeLogo() {
    auto* logo = new QLabel;
    logo->setObjectName(QStringLiteral("Image1"));
    const qreal ratio = logo->devicePixelRatioF();
    QPixmap pixmap(QSize(kLogoSize, kLogoSize) * ratio);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    QSvgRenderer(QStringLiteral(":/tarnwick-logo.svg")).render(&painter);
    painter.end();
    pixmap.setDevicePixelRatio(ratio);
    logo->setPixmap(pixmap);
    logo->setAlignment(Qt::AlignTop);
    return logo;
}

QLabel* makeLabel(const QString& text, const char* name) {
    auto* label = new QLabel(text);
    label->setObjectName(QLatin1String(name));
    label->setTextFormat(Qt::PlainText);
    return label;
}

QPushButton* makeButton(const QString& text, const char* name) {
    auto* button = new QPushButton(text);
    button->setObjectName(QLatin1String(name));
    button->setMinimumWidth(110);
    return button;
}
} // namespace

bool openWithDesktop(const QUrl& link) {
    return QDesktopServices::openUrl(link);
}

bool startDetachedProgram(const QString& program) {
    return QProcess::startDetached(program, {});
}

frmAbout::frmAbout(const SupportContacts& contacts, AboutBoxServices services, QWidget* owner)
    : QDialog(owner), m_services(std::move(services)) {
    setObjectName(QStringLiteral("frmAbout"));
    setWindowTitle(QStringLiteral("About ") + kApplicationTitle);

    QLabel* title = makeLabel(kApplicationTitle, "lblTitle");
    QFont titleFont = title->font();
    titleFont.setPointSizeF(titleFont.pointSizeF() * 1.8);
    titleFont.setBold(true);
    title->setFont(titleFont);
    QLabel* version = makeLabel(versionCaption(programVersion()), "lblVersion");
    QLabel* about = makeLabel(
        QStringLiteral("For technical support, contact Corvane Technology:\n") + contacts.phone,
        "lblAbout");

    auto* divider = new QFrame;
    divider->setFrameShape(QFrame::HLine);
    divider->setFrameShadow(QFrame::Sunken);

    QPushButton* ok = makeButton(QStringLiteral("OK"), "cmdOK");
    ok->setDefault(true);
    QPushButton* sysInfo = makeButton(QStringLiteral("&System Info..."), "cmdSysInfo");
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(sysInfo, &QPushButton::clicked, this, &frmAbout::StartSysInfo);

    auto* heading = new QVBoxLayout;
    heading->addWidget(title);
    heading->addWidget(version);
    heading->addStretch();

    auto* support = new QVBoxLayout;
    support->setSpacing(4);
    support->addWidget(about);
    support->addWidget(makeLinkLabel(contacts.email, QStringLiteral("mailto:") + contacts.email));
    support->addWidget(makeLinkLabel(contacts.web, QUrl::fromUserInput(contacts.web).toString()));

    auto* buttons = new QVBoxLayout;
    buttons->addWidget(ok);
    buttons->addWidget(sysInfo);
    buttons->addStretch();

    auto* layout = new QGridLayout(this);
    layout->setContentsMargins(18, 18, 18, 18);
    layout->setHorizontalSpacing(18);
    layout->setVerticalSpacing(12);
    layout->addWidget(makeLogo(), 0, 0, Qt::AlignTop);
    layout->addLayout(heading, 0, 1, 1, 2);
    layout->addWidget(divider, 1, 0, 1, 3);
    layout->addLayout(support, 2, 1);
    layout->addLayout(buttons, 2, 2);
    layout->setColumnStretch(1, 1);
    layout->setColumnMinimumWidth(1, 260);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

QWidget* frmAbout::makeLinkLabel(const QString& text, const QString& link) {
    auto* label = new LinkLabel(text);
    label->setObjectName(QStringLiteral("lblLink"));
    label->setProperty(kTagProperty, link);
    connect(label, &LinkLabel::clicked, this,
            [this, label] { lblLinkClick(label->property(kTagProperty).toString()); });
    return label;
}

void frmAbout::lblLinkClick(const QString& link) {
    trapErrors(m_services.errors, QStringLiteral("Unable to open link."), [&] {
        if (!m_services.openLink(QUrl(link)))
            throw AppError(ErrorNumber::InvalidArgument, kProgramSource,
                           QStringLiteral("No program could open the link ") + link);
    });
}

void frmAbout::StartSysInfo() {
    const std::optional<QString> program = systemInfoProgram(m_services.registry);
    if (!program || !m_services.startProgram(*program))
        m_services.prompter.information(kUnavailable, kApplicationTitle);
}

bool frmAbout::GetKeyValue(registry::RootKey KeyRoot, const QString& KeyName,
                           const QString& SubKeyRef, QString& KeyVal) const {
    return tarnwick::GetKeyValue(m_services.registry, KeyRoot, KeyName, SubKeyRef, KeyVal);
}

} // namespace tarnwick
