#include "frm_error.h"

#include "shell/application_title.h"
#include "shell/twips.h"

#include <QApplication>
#include <QClipboard>
#include <QFrame>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QScrollArea>
#include <QStyle>
#include <QVBoxLayout>

namespace tarnwick {

namespace {
constexpr int kCollapsedHeightTwips = 2010;
constexpr int kExpandedHeightTwips = 4130;
constexpr int kWidthTwips = 6600;
constexpr int kMargin = 11;

// The dialog's handlers swallow every failure: an error report must never raise another.
template <class Handler> void ignoringFailures(Handler&& handler) noexcept {
    try {
        handler();
    } catch (...) {
    }
}

QLabel* makeLabel(QWidget* parent, const QString& objectName, const QString& text = {}) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(objectName);
    // Descriptions come from outside the program: never read them as markup.
    label->setTextFormat(Qt::PlainText);
    return label;
}

QLabel* makeValueLabel(QWidget* parent, const QString& objectName) {
    QLabel* label = makeLabel(parent, objectName);
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    return label;
}

void tagAsDetail(QWidget* widget) {
    widget->setProperty(frmError::kTagProperty, frmError::kDetailsTag);
}
} // namespace

frmError::frmError(QWidget* owner) : QDialog(owner) {
    setObjectName(QStringLiteral("frmError"));
    setWindowTitle(kApplicationTitle);
    setWindowModality(Qt::ApplicationModal);

    auto* icon = new QLabel(this);
    const int iconSize = style()->pixelMetric(QStyle::PM_MessageBoxIconSize, nullptr, this);
    icon->setPixmap(style()
                        ->standardIcon(QStyle::SP_MessageBoxCritical, nullptr, this)
                        .pixmap(iconSize, iconSize));
    icon->setAlignment(Qt::AlignTop);

    m_lblError = makeValueLabel(this, QStringLiteral("lblError"));
    m_lblError->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);

    auto* cmdOK = new QPushButton(QStringLiteral("&OK"), this);
    cmdOK->setObjectName(QStringLiteral("cmdOK"));
    cmdOK->setDefault(true);
    auto* cmdCopy = new QPushButton(QStringLiteral("&Copy"), this);
    cmdCopy->setObjectName(QStringLiteral("cmdCopy"));
    m_cmdDetails = new QPushButton(this);
    m_cmdDetails->setObjectName(QStringLiteral("cmdDetails"));

    // One width for the column, wide enough for the longer caption of cmdDetails.
    m_cmdDetails->setText(QStringLiteral("Hide &Details <<"));
    const int buttonWidth = m_cmdDetails->sizeHint().width();
    auto* buttons = new QVBoxLayout;
    for (QPushButton* button : {cmdOK, cmdCopy, m_cmdDetails}) {
        button->setMinimumWidth(buttonWidth);
        buttons->addWidget(button);
    }
    buttons->addStretch();

    // The message area keeps the collapsed height, so expanding only uncovers the details
    // below it and nothing above moves.
    auto* messageArea = new QWidget(this);
    auto* message = new QHBoxLayout(messageArea);
    message->setContentsMargins(0, 0, 0, 0);
    message->addWidget(icon, 0, Qt::AlignTop);
    message->addWidget(m_lblError, 1);
    message->addLayout(buttons);
    const int dpi = logicalDpiY();
    messageArea->setFixedHeight(twipsToPixels(kCollapsedHeightTwips, dpi) - 2 * kMargin);

    auto* sspDivider = new QFrame(this);
    sspDivider->setObjectName(QStringLiteral("sspDivider"));
    sspDivider->setFrameShape(QFrame::HLine);
    sspDivider->setFrameShadow(QFrame::Sunken);
    tagAsDetail(sspDivider);

    m_lblErrNum = makeValueLabel(this, QStringLiteral("lblErrNum"));
    m_lblErrSource = makeValueLabel(this, QStringLiteral("lblErrSource"));
    m_lblErrDescription = makeValueLabel(this, QStringLiteral("lblErrDescription"));
    // The expanded height is fixed: a description longer than its room scrolls, so that all of
    // it can be read. Ordinary texts fit and show no scroll bar.
    auto* descriptionArea = new QScrollArea(this);
    descriptionArea->setObjectName(QStringLiteral("scrErrDescription"));
    descriptionArea->setFrameShape(QFrame::NoFrame);
    descriptionArea->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    descriptionArea->setWidgetResizable(true);
    descriptionArea->setWidget(m_lblErrDescription);
    descriptionArea->viewport()->setAutoFillBackground(false);
    m_lblErrDescription->setAutoFillBackground(false);
    tagAsDetail(m_lblErrDescription);

    auto* details = new QGridLayout;
    details->setColumnStretch(1, 1);
    const QString captions[] = {QStringLiteral("Error Number:"), QStringLiteral("Source:"),
                                QStringLiteral("Description:")};
    QWidget* const values[] = {m_lblErrNum, m_lblErrSource, descriptionArea};
    for (int row = 0; row < 3; ++row) {
        const auto index = static_cast<std::size_t>(row);
        QLabel* caption = makeLabel(this, QStringLiteral("lblErrorDetails"), captions[index]);
        caption->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        tagAsDetail(caption);
        tagAsDetail(values[index]);
        details->addWidget(caption, row, 0);
        details->addWidget(values[index], row, 1);
    }
    details->setRowStretch(2, 1);

    auto* root = new QVBoxLayout(this);
    root->setContentsMargins(kMargin, kMargin, kMargin, kMargin);
    root->addWidget(messageArea);
    root->addWidget(sspDivider);
    root->addLayout(details, 1);

    setFixedWidth(twipsToPixels(kWidthTwips, dpi));
    showDetails(false);

    connect(cmdOK, &QPushButton::clicked, this, &QDialog::accept);
    connect(cmdCopy, &QPushButton::clicked, this, &frmError::cmdCopyClick);
    connect(m_cmdDetails, &QPushButton::clicked, this, &frmError::cmdDetailsClick);
}

void frmError::SetError(const QString& strFriendlyMsg, const QString& strNum,
                        const QString& strSource, const QString& strDescription) {
    m_report = ErrorReport{strFriendlyMsg, strNum, strSource, strDescription};
    m_lblError->setText(strFriendlyMsg);
    m_lblErrNum->setText(strNum);
    m_lblErrSource->setText(strSource);
    m_lblErrDescription->setText(strDescription);
}

void frmError::cmdDetailsClick() {
    ignoringFailures([this] { showDetails(!m_detailsShown); });
}

void frmError::cmdCopyClick() {
    // Setting the text replaces the clipboard's content in one step; clearing it first would
    // lose the previous content when the new one cannot be placed.
    ignoringFailures([this] { QApplication::clipboard()->setText(clipboardText(m_report)); });
}

void frmError::showDetails(bool shown) {
    for (QWidget* widget : findChildren<QWidget*>()) {
        if (widget->property(kTagProperty).toString() == kDetailsTag)
            widget->setVisible(shown);
    }
    setFixedHeight(
        twipsToPixels(shown ? kExpandedHeightTwips : kCollapsedHeightTwips, logicalDpiY()));
    m_cmdDetails->setText(shown ? QStringLiteral("Hide &Details <<")
                                : QStringLiteral("&Details >>"));
    m_detailsShown = shown;
}

} // namespace tarnwick
