#include "frm_conn_wiz_ui.h"

#include "connections/ui/connection_diagrams.h"
#include "connections/ui/connection_widgets.h"
#include "connections/ui/digit_box.h"
#include "connections/ui/option_label.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QTabBar>
#include <QTabWidget>
#include <QVBoxLayout>

namespace tarnwick {

namespace {

constexpr int kSerialNumberLength = 6;
constexpr int kPasswordLength = 4;
constexpr int kDigitBoxWidth = 96;
constexpr int kDeviceListWidth = 220;
constexpr int kSidePanelWidth = 168;
constexpr int kPageWidth = 440;
constexpr int kPageHeight = 372;
const QColor kSidePanelColour(0xe6, 0xec, 0xf3);
const QColor kArrowColour(0x1f, 0x6f, 0xd1);

const std::array<QString, 4> kPageTitles = {QStringLiteral("Welcome"),
                                            QStringLiteral("Stavik Information"),
                                            QStringLiteral("Connection"), QStringLiteral("Finish")};

QLabel* makeText(const QString& text) {
    QLabel* label = makeNamedLabel(text);
    label->setWordWrap(true);
    return label;
}

QLabel* makePageTitle(const QString& text) {
    QLabel* title = makeNamedLabel(text);
    QFont font = title->font();
    font.setPointSizeF(font.pointSizeF() * 1.35);
    font.setBold(true);
    title->setFont(font);
    return title;
}

// A page of the tab control: its title, then `content`, then free space.
QWidget* makePage(QTabWidget& tabs, const QString& title, QLayout* content) {
    auto* page = new QWidget;
    auto* layout = new QVBoxLayout(page);
    layout->setContentsMargins(20, 16, 20, 8);
    layout->setSpacing(12);
    layout->addWidget(makePageTitle(title));
    layout->addLayout(content);
    layout->addStretch();
    tabs.addTab(page, title);
    return page;
}

// The marker beside the current page's name: a small triangle pointing at it.
QLabel* makeArrow() {
    auto* arrow = new QLabel;
    arrow->setObjectName(QStringLiteral("sspArrow"));
    const qreal ratio = arrow->devicePixelRatioF();
    QPixmap pixmap(QSize(10, 12) * ratio);
    pixmap.setDevicePixelRatio(ratio);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(kArrowColour);
    painter.drawPolygon(QPolygonF({QPointF(1, 1), QPointF(9, 6), QPointF(1, 11)}));
    painter.end();
    arrow->setPixmap(pixmap);
    // Hidden arrows keep their place, so the page names stay in line.
    QSizePolicy policy = arrow->sizePolicy();
    policy.setRetainSizeWhenHidden(true);
    arrow->setSizePolicy(policy);
    return arrow;
}

QWidget* makeSidePanel(ConnWizUi& ui) {
    auto* panel = new QFrame;
    panel->setFixedWidth(kSidePanelWidth);
    panel->setAutoFillBackground(true);
    QPalette palette = panel->palette();
    palette.setColor(QPalette::Window, kSidePanelColour);
    panel->setPalette(palette);

    auto* layout = new QGridLayout(panel);
    layout->setContentsMargins(14, 52, 10, 12);
    layout->setHorizontalSpacing(8);
    layout->setVerticalSpacing(14);
    for (std::size_t i = 0; i < kPageTitles.size(); ++i) {
        const int row = static_cast<int>(i);
        ui.sspArrow[i] = makeArrow();
        ui.lblProgress[i] = makeNamedLabel(kPageTitles[i], QStringLiteral("lblProgress"));
        layout->addWidget(ui.sspArrow[i], row, 0, Qt::AlignVCenter);
        layout->addWidget(ui.lblProgress[i], row, 1);
    }
    layout->setColumnStretch(1, 1);
    layout->setRowStretch(static_cast<int>(kPageTitles.size()), 1);
    return panel;
}

QRadioButton* makeOption(const QString& text, const QString& objectName) {
    auto* option = new QRadioButton(text);
    option->setObjectName(objectName);
    return option;
}

QComboBox* makeDeviceList(const QString& objectName) {
    auto* list = new QComboBox;
    list->setObjectName(objectName);
    list->setMinimumWidth(kDeviceListWidth);
    list->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    return list;
}

DigitBox* makeDigitBox(const QString& objectName, int maxLength, bool masked) {
    auto* box = new DigitBox(maxLength, masked);
    box->setObjectName(objectName);
    box->setFixedWidth(kDigitBoxWidth);
    return box;
}

// Rows of label and field. Grids that are shown together get the same label column width, so
// their fields line up from frame to frame.
QGridLayout* makeFieldGrid(int labelWidth) {
    auto* grid = new QGridLayout;
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setHorizontalSpacing(10);
    grid->setVerticalSpacing(8);
    grid->setColumnMinimumWidth(0, labelWidth);
    grid->setColumnStretch(2, 1);
    return grid;
}

void addField(QGridLayout& grid, const QString& label, QWidget* field) {
    const int row = grid.rowCount() - (grid.count() == 0 ? 1 : 0);
    QLabel* caption = makeNamedLabel(label);
    caption->setBuddy(field);
    grid.addWidget(caption, row, 0);
    grid.addWidget(field, row, 1, Qt::AlignLeft);
}

int textWidth(const QWidget& widget, const QString& text) {
    return widget.fontMetrics().horizontalAdvance(text);
}

void buildWelcomePage(QTabWidget& tabs, ConnWizUi& ui) {
    auto* content = new QVBoxLayout;
    content->setSpacing(10);
    content->addWidget(makeText(QStringLiteral(
        "Welcome to the Tarnwick Connection Wizard. This wizard will guide you through the "
        "process of connecting to your Stavik to upload or download setup data.")));
    content->addWidget(makeText(QStringLiteral("Select how you want to connect to your Stavik:")));

    const std::array<QString, 2> choices = {
        QStringLiteral("My computer is connected directly to the Stavik via serial cable or "
                       "modem."),
        QStringLiteral("The Stavik is connected to another unit that I can connect to with the "
                       "computer (a Parent site).")};
    auto* options = new QGridLayout;
    options->setContentsMargins(8, 0, 0, 0);
    options->setHorizontalSpacing(6);
    options->setVerticalSpacing(8);
    for (std::size_t i = 0; i < choices.size(); ++i) {
        ui.optParent[i] = makeOption({}, QStringLiteral("optParent"));
        auto* label = new OptionLabel(choices[i], *ui.optParent[i]);
        label->setObjectName(QStringLiteral("lblParent"));
        ui.lblParent[i] = label;
        options->addWidget(ui.optParent[i], static_cast<int>(i), 0, Qt::AlignTop);
        options->addWidget(label, static_cast<int>(i), 1);
    }
    options->setColumnStretch(1, 1);
    ui.optParent[0]->setChecked(true);
    content->addLayout(options);

    ui.sspDiagram[0] = makeDiagramLabel(ConnectionDiagram::Direct, QStringLiteral("sspDiagram"));
    ui.sspDiagram[1] =
        makeDiagramLabel(ConnectionDiagram::ParentSite, QStringLiteral("sspDiagram"));
    content->addSpacing(6);
    content->addWidget(ui.sspDiagram[0]);
    content->addWidget(ui.sspDiagram[1]);
    makePage(tabs, kPageTitles[0], content);
}

void buildStavikInformationPage(QTabWidget& tabs, ConnWizUi& ui) {
    auto* content = new QVBoxLayout;
    content->setSpacing(12);
    ui.lblStavikInfo = makeText({});
    ui.lblStavikInfo->setObjectName(QStringLiteral("lblStavikInfo"));
    content->addWidget(ui.lblStavikInfo);

    const QString serialNumber = QStringLiteral("Serial Number:");
    const QString siteLetter = QStringLiteral("Site Letter:");
    const QString password = QStringLiteral("Password:");
    const QString destination = QStringLiteral("Destination Site Letter:");
    // The parent-site labels line up across the parent's frame and the destination below it.
    const int labelWidth = textWidth(*ui.lblStavikInfo, destination);

    ui.fraStavikInfo[0] = new QWidget;
    ui.fraStavikInfo[0]->setObjectName(QStringLiteral("fraStavikInfo"));
    QGridLayout* direct = makeFieldGrid(0);
    ui.fraStavikInfo[0]->setLayout(direct);
    ui.txtSN = makeDigitBox(QStringLiteral("txtSN"), kSerialNumberLength, false);
    ui.cboSL = makeSiteLetterList(QStringLiteral("cboSL"));
    ui.txtPW = makeDigitBox(QStringLiteral("txtPW"), kPasswordLength, true);
    addField(*direct, serialNumber, ui.txtSN);
    addField(*direct, siteLetter, ui.cboSL);
    addField(*direct, password, ui.txtPW);
    content->addWidget(ui.fraStavikInfo[0]);

    ui.fraStavikInfo[1] = new QWidget;
    ui.fraStavikInfo[1]->setObjectName(QStringLiteral("fraStavikInfo"));
    auto* parentSite = new QVBoxLayout(ui.fraStavikInfo[1]);
    parentSite->setContentsMargins(0, 0, 0, 0);
    parentSite->setSpacing(10);
    auto* parentFrame = new QGroupBox(QStringLiteral("Parent Stavik Settings"));
    // The frame's border and margin are taken off its label column, so its fields line up
    // with the destination list below it.
    auto* parentFrameLayout = new QVBoxLayout(parentFrame);
    const int frameMargin = 10;
    parentFrameLayout->setContentsMargins(frameMargin, 8, frameMargin, 10);
    const int frameIndent = parentFrame->contentsMargins().left() + frameMargin;
    QGridLayout* parentFields = makeFieldGrid(labelWidth - frameIndent);
    parentFrameLayout->addLayout(parentFields);
    ui.txtPSN = makeDigitBox(QStringLiteral("txtPSN"), kSerialNumberLength, false);
    ui.cboPSL = makeSiteLetterList(QStringLiteral("cboPSL"));
    ui.txtPPW = makeDigitBox(QStringLiteral("txtPPW"), kPasswordLength, true);
    addField(*parentFields, serialNumber, ui.txtPSN);
    addField(*parentFields, siteLetter, ui.cboPSL);
    addField(*parentFields, password, ui.txtPPW);
    parentSite->addWidget(parentFrame);
    QGridLayout* child = makeFieldGrid(labelWidth);
    ui.cboChildSL = makeSiteLetterList(QStringLiteral("cboChildSL"));
    addField(*child, destination, ui.cboChildSL);
    parentSite->addLayout(child);
    ui.sspCnnDiagram[0] =
        makeDiagramLabel(ConnectionDiagram::ParentUnit, QStringLiteral("sspCnnDiagram"));
    ui.sspCnnDiagram[1] =
        makeDiagramLabel(ConnectionDiagram::ChildUnit, QStringLiteral("sspCnnDiagram"));
    parentSite->addWidget(ui.sspCnnDiagram[0]);
    parentSite->addWidget(ui.sspCnnDiagram[1]);
    ui.sspCnnDiagram[1]->hide();
    content->addWidget(ui.fraStavikInfo[1]);
    makePage(tabs, kPageTitles[1], content);
}

void buildConnectionPage(QTabWidget& tabs, ConnWizUi& ui) {
    auto* content = new QVBoxLayout;
    content->setSpacing(12);
    content->addWidget(makeText(QStringLiteral("Select either a direct (serial) or modem "
                                               "connection.")));
    auto* options = new QVBoxLayout;
    options->setContentsMargins(8, 0, 0, 0);
    options->setSpacing(6);
    ui.optDevice[0] = makeOption(QStringLiteral("Direct"), QStringLiteral("optDevice"));
    ui.optDevice[1] = makeOption(QStringLiteral("Modem"), QStringLiteral("optDevice"));
    ui.optDevice[0]->setChecked(true);
    options->addWidget(ui.optDevice[0]);
    options->addWidget(ui.optDevice[1]);
    content->addLayout(options);

    const QString phoneNumber = QStringLiteral("Phone Number:");
    const int labelWidth = textWidth(*ui.optDevice[0], phoneNumber);
    ui.cboComPort = makeDeviceList(QStringLiteral("cboComPort"));
    ui.cboModem = makeDeviceList(QStringLiteral("cboModem"));
    ui.txtPhoneNum = new QLineEdit;
    ui.txtPhoneNum->setObjectName(QStringLiteral("txtPhoneNum"));
    ui.txtPhoneNum->setFixedWidth(kDeviceListWidth);

    for (std::size_t i = 0; i < ui.fraDevice.size(); ++i) {
        ui.fraDevice[i] = new QWidget;
        ui.fraDevice[i]->setObjectName(QStringLiteral("fraDevice"));
        QGridLayout* fields = makeFieldGrid(labelWidth);
        ui.fraDevice[i]->setLayout(fields);
        if (i == 0) {
            addField(*fields, QStringLiteral("COM Port:"), ui.cboComPort);
        } else {
            addField(*fields, QStringLiteral("Modem:"), ui.cboModem);
            addField(*fields, phoneNumber, ui.txtPhoneNum);
        }
        content->addWidget(ui.fraDevice[i]);
    }
    makePage(tabs, kPageTitles[2], content);
}

void buildFinishPage(QTabWidget& tabs, ConnWizUi& ui) {
    auto* content = new QVBoxLayout;
    content->setSpacing(12);
    content->addWidget(
        makeText(QStringLiteral("Congratulations! You are now ready to connect to your Stavik.")));
    auto* choices = new QVBoxLayout;
    choices->setSpacing(6);
    ui.chkSave = new QCheckBox(QStringLiteral("Save my connection settings for future use."));
    ui.chkSave->setObjectName(QStringLiteral("chkSave"));
    ui.chkSavePass = new QCheckBox(QStringLiteral("Save password."));
    ui.chkSavePass->setObjectName(QStringLiteral("chkSavePass"));
    ui.chkSavePass->setEnabled(false);
    choices->addWidget(ui.chkSave);
    auto* passwordChoice = new QHBoxLayout;
    passwordChoice->addSpacing(22);
    passwordChoice->addWidget(ui.chkSavePass);
    choices->addLayout(passwordChoice);
    content->addLayout(choices);
    ui.lblFinish = makeText({});
    ui.lblFinish->setObjectName(QStringLiteral("lblFinish"));
    content->addSpacing(8);
    content->addWidget(ui.lblFinish);
    makePage(tabs, kPageTitles[3], content);
}

QLayout* makeButtonRow(ConnWizUi& ui) {
    ui.cmdBack = makeNamedButton(QStringLiteral("< &Back"), QStringLiteral("cmdBack"));
    ui.cmdNext = makeNamedButton(QStringLiteral("&Next >"), QStringLiteral("cmdNext"));
    ui.cmdFinish = makeNamedButton(QStringLiteral("Connec&t"), QStringLiteral("cmdFinish"));
    ui.cmdCancel = makeNamedButton(QStringLiteral("&Cancel"), QStringLiteral("cmdCancel"));
    auto* row = new QHBoxLayout;
    row->setContentsMargins(12, 10, 12, 12);
    row->setSpacing(6);
    row->addStretch();
    row->addWidget(ui.cmdBack);
    row->addWidget(ui.cmdNext);
    row->addWidget(ui.cmdFinish);
    row->addSpacing(12);
    row->addWidget(ui.cmdCancel);
    return row;
}

} // namespace

ConnWizUi buildConnWizUi(QDialog& window) {
    ConnWizUi ui;
    ui.tabWiz = new QTabWidget;
    ui.tabWiz->setObjectName(QStringLiteral("tabWiz"));
    // The pages are reached with Back and Next only, so no page is skipped unchecked.
    ui.tabWiz->tabBar()->hide();
    ui.tabWiz->setFocusPolicy(Qt::NoFocus);
    ui.tabWiz->setDocumentMode(true);
    ui.tabWiz->setFixedSize(kPageWidth, kPageHeight);
    buildWelcomePage(*ui.tabWiz, ui);
    buildStavikInformationPage(*ui.tabWiz, ui);
    buildConnectionPage(*ui.tabWiz, ui);
    buildFinishPage(*ui.tabWiz, ui);

    auto* body = new QHBoxLayout;
    body->setContentsMargins(0, 0, 0, 0);
    body->setSpacing(0);
    body->addWidget(makeSidePanel(ui));
    body->addWidget(ui.tabWiz);

    auto* divider = new QFrame;
    divider->setFrameShape(QFrame::HLine);
    divider->setFrameShadow(QFrame::Sunken);

    auto* layout = new QVBoxLayout(&window);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addLayout(body);
    layout->addWidget(divider);
    layout->addLayout(makeButtonRow(ui));
    layout->setSizeConstraint(QLayout::SetFixedSize);
    return ui;
}

} // namespace tarnwick
