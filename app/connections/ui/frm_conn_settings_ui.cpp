#include "frm_conn_settings_ui.h"

#include "connections/ui/connection_widgets.h"
#include "connections/ui/digit_box.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QToolButton>
#include <QVBoxLayout>

namespace tarnwick {

namespace {

constexpr int kPasswordLength = 4;
constexpr int kShortBoxWidth = 96;
constexpr int kLetterBoxWidth = 40;
constexpr int kLongBoxWidth = 240;
constexpr int kWindowContentWidth = 400;

QLineEdit* makeDisplayBox(const QString& objectName, int width) {
    auto* box = new QLineEdit;
    box->setObjectName(objectName);
    box->setFixedWidth(width);
    // The boxes show the chosen connection; nothing typed here would be used, so they are
    // read-only and Tab passes them by.
    box->setReadOnly(true);
    box->setFocusPolicy(Qt::ClickFocus);
    return box;
}

void buildChoices(ConnSettingsUi& ui) {
    ui.fraChoose = new QGroupBox(QStringLiteral("How do you want to connect to the Stavik?"));
    ui.fraChoose->setObjectName(QStringLiteral("fraChoose"));
    const std::array<QString, 3> texts = {QStringLiteral("Use the most recent settings."),
                                          QStringLiteral("Load a saved connection."),
                                          QStringLiteral("Create a new connection.")};
    for (std::size_t i = 0; i < texts.size(); ++i) {
        ui.optConn[i] = new QRadioButton(texts[i]);
        ui.optConn[i]->setObjectName(QStringLiteral("optConn"));
    }
    ui.optConn[0]->setChecked(true);

    ui.cboConnList = new QComboBox;
    ui.cboConnList->setObjectName(QStringLiteral("cboConnList"));
    ui.cboConnList->setEditable(true);
    ui.cboConnList->setInsertPolicy(QComboBox::NoInsert);
    ui.cmdBrowse = new QToolButton;
    ui.cmdBrowse->setObjectName(QStringLiteral("cmdBrowse"));
    ui.cmdBrowse->setToolTip(QStringLiteral("Browse for connections"));
    ui.cmdBrowse->setIcon(ui.cmdBrowse->style()->standardIcon(QStyle::SP_DirOpenIcon));

    auto* savedRow = new QHBoxLayout;
    savedRow->setContentsMargins(24, 0, 0, 2);
    savedRow->setSpacing(4);
    savedRow->addWidget(ui.cboConnList, 1);
    savedRow->addWidget(ui.cmdBrowse);

    auto* layout = new QVBoxLayout(ui.fraChoose);
    layout->setSpacing(6);
    layout->addWidget(ui.optConn[0]);
    layout->addWidget(ui.optConn[1]);
    layout->addLayout(savedRow);
    layout->addWidget(ui.optConn[2]);
}

void buildSettings(ConnSettingsUi& ui) {
    ui.fraSettings = new QGroupBox(QStringLiteral("Connection Settings"));
    ui.fraSettings->setObjectName(QStringLiteral("fraSettings"));
    const QString settingsLabel = QStringLiteral("lblSettings");
    ui.lblSettings[0] = makeNamedLabel(QStringLiteral("Serial Number:"), settingsLabel);
    ui.txtSN = makeDisplayBox(QStringLiteral("txtSN"), kShortBoxWidth);
    ui.lblSettings[1] = makeNamedLabel(QStringLiteral("Site Letter:"), settingsLabel);
    ui.txtSL = makeDisplayBox(QStringLiteral("txtSL"), kLetterBoxWidth);
    ui.lblCOM = makeNamedLabel(QStringLiteral("COM Port:"), QStringLiteral("lblCOM"));
    ui.txtDevice = makeDisplayBox(QStringLiteral("txtDevice"), kLongBoxWidth);
    ui.lblPhone = makeNamedLabel(QStringLiteral("Phone Number:"), QStringLiteral("lblPhone"));
    ui.txtPhone = makeDisplayBox(QStringLiteral("txtPhone"), kLongBoxWidth);
    ui.lblSettings[2] = makeNamedLabel(QStringLiteral("Password:"), settingsLabel);
    auto* password = new DigitBox(kPasswordLength, true);
    password->setObjectName(QStringLiteral("txtPassword"));
    password->setFixedWidth(kShortBoxWidth);
    ui.txtPassword = password;
    ui.lblDestLet =
        makeNamedLabel(QStringLiteral("Download from site:"), QStringLiteral("lblDestLet"));
    ui.cboDestLet = makeSiteLetterList(QStringLiteral("cboDestLet"));

    auto* grid = new QGridLayout(ui.fraSettings);
    grid->setHorizontalSpacing(10);
    grid->setVerticalSpacing(8);
    const std::array<std::pair<QLabel*, QWidget*>, 6> rows = {{
        {ui.lblSettings[0], ui.txtSN},
        {ui.lblSettings[1], ui.txtSL},
        {ui.lblCOM, ui.txtDevice},
        {ui.lblPhone, ui.txtPhone},
        {ui.lblSettings[2], ui.txtPassword},
        {ui.lblDestLet, ui.cboDestLet},
    }};
    for (std::size_t i = 0; i < rows.size(); ++i) {
        // The destination stands apart: it is no part of the stored connection.
        const int row = static_cast<int>(i < 5 ? i : i + 1);
        rows[i].first->setBuddy(rows[i].second);
        grid->addWidget(rows[i].first, row, 0);
        grid->addWidget(rows[i].second, row, 1, Qt::AlignLeft);
    }
    grid->setRowMinimumHeight(5, 6);
    const int labelWidth =
        ui.lblDestLet->fontMetrics().horizontalAdvance(QStringLiteral("Download from site:"));
    grid->setColumnMinimumWidth(0, labelWidth);
    grid->setColumnStretch(1, 1);
}

QLayout* buildButtons(ConnSettingsUi& ui) {
    ui.cmdOK = makeNamedButton(QStringLiteral("&OK"), QStringLiteral("cmdOK"));
    ui.cmdCancel = makeNamedButton(QStringLiteral("&Cancel"), QStringLiteral("cmdCancel"));
    ui.cmdHelp = makeNamedButton(QStringLiteral("&Help"), QStringLiteral("cmdHelp"));
    auto* row = new QHBoxLayout;
    row->setSpacing(6);
    row->addStretch();
    row->addWidget(ui.cmdOK);
    row->addWidget(ui.cmdCancel);
    row->addWidget(ui.cmdHelp);
    return row;
}

} // namespace

ConnSettingsUi buildConnSettingsUi(QDialog& window) {
    ConnSettingsUi ui;
    buildChoices(ui);
    buildSettings(ui);

    ui.fraCalib = new QGroupBox;
    ui.fraCalib->setObjectName(QStringLiteral("fraCalib"));
    ui.chkRestCalib = new QCheckBox(QStringLiteral("Restore calibration settings"));
    ui.chkRestCalib->setObjectName(QStringLiteral("chkRestCalib"));
    ui.chkRestCalib->setEnabled(false);
    auto* calibration = new QVBoxLayout(ui.fraCalib);
    calibration->addWidget(ui.chkRestCalib);

    auto* layout = new QVBoxLayout(&window);
    layout->setContentsMargins(14, 14, 14, 12);
    layout->setSpacing(10);
    layout->addWidget(ui.fraChoose);
    layout->addWidget(ui.fraSettings);
    layout->addWidget(ui.fraCalib);
    layout->addSpacing(2);
    layout->addLayout(buildButtons(ui));
    ui.fraChoose->setMinimumWidth(kWindowContentWidth);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    return ui;
}

} // namespace tarnwick
