#include "ovin_settings_tab.h"

#include "config/ui/grid_view.h"
#include "config/ui/word_delegate.h"
#include "config/word_table_model.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpressionValidator>
#include <QSpinBox>
#include <QTableView>
#include <QVBoxLayout>
#include <limits>

namespace tarnwick {

namespace {
constexpr int kPhoneSlotLength = 16;
constexpr int kPhoneRows = 5;
constexpr int kWordColumnWidth = 84;
} // namespace

OvinSettingsTab::OvinSettingsTab(const Vocabulary& vocabulary,
                                 std::array<WordCode, kSignOnWordCount>& signOnMessage,
                                 QWidget* parent)
    : QWidget(parent), m_signOnMessage(signOnMessage) {
    auto* top = new QHBoxLayout;
    top->addWidget(makeCallFrame(), 0, Qt::AlignTop);
    top->addWidget(makePhoneFrame(), 0, Qt::AlignTop);
    top->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addSpacing(8);
    layout->addWidget(makeSignOnGrid(vocabulary));
    layout->addStretch(1);
}

QWidget* OvinSettingsTab::makeCallFrame() {
    auto* frame = new QWidget(this);
    m_dialOut = new QCheckBox(QStringLiteral("Dial out on alarm"), frame);
    m_dialOut->setObjectName(QStringLiteral("chkCall"));
    m_answer = new QCheckBox(QStringLiteral("Answer incoming calls"), frame);
    m_answer->setObjectName(QStringLiteral("chkAnswer"));
    m_rings = new QSpinBox(frame);
    m_rings->setObjectName(QStringLiteral("txtPhRings"));
    m_rings->setRange(0, std::numeric_limits<std::uint8_t>::max());

    auto* ringsRow = new QHBoxLayout;
    ringsRow->addSpacing(20);
    ringsRow->addWidget(new QLabel(QStringLiteral("Answer after"), frame));
    ringsRow->addWidget(m_rings);
    ringsRow->addWidget(new QLabel(QStringLiteral("rings"), frame));
    ringsRow->addStretch();
    auto* layout = new QVBoxLayout(frame);
    layout->addWidget(m_dialOut);
    layout->addWidget(m_answer);
    layout->addLayout(ringsRow);

    connect(m_dialOut, &QCheckBox::toggled, this, &OvinSettingsTab::edited);
    connect(m_answer, &QCheckBox::toggled, this, &OvinSettingsTab::edited);
    connect(m_rings, &QSpinBox::valueChanged, this, &OvinSettingsTab::edited);
    return frame;
}

QWidget* OvinSettingsTab::makePhoneFrame() {
    auto* frame = new QGroupBox(QStringLiteral("Phone Numbers"), this);
    auto* grid = new QGridLayout(frame);
    grid->setHorizontalSpacing(12);
    const QRegularExpression digitsAndSpaces(QStringLiteral("[0-9 ]*"));
    for (std::size_t m = 0; m < kPhoneNumberCount; ++m) {
        auto* box = new QLineEdit(frame);
        box->setObjectName(QStringLiteral("txtPhoneNum"));
        box->setMaxLength(kPhoneSlotLength);
        box->setValidator(new QRegularExpressionValidator(digitsAndSpaces, box));
        box->setMinimumWidth(
            box->fontMetrics().horizontalAdvance(QString(kPhoneSlotLength + 2, QLatin1Char('0'))));
        auto* label = new QLabel(QString::number(m + 1), frame);
        label->setBuddy(box);
        const int n = static_cast<int>(m);
        grid->addWidget(label, n % kPhoneRows, 2 * (n / kPhoneRows), Qt::AlignRight);
        grid->addWidget(box, n % kPhoneRows, 2 * (n / kPhoneRows) + 1);
        connect(box, &QLineEdit::textEdited, this, &OvinSettingsTab::edited);
        m_phoneNumbers[m] = box;
    }
    return frame;
}

QWidget* OvinSettingsTab::makeSignOnGrid(const Vocabulary& vocabulary) {
    auto* frame = new QWidget(this);
    m_signOnGrid = new QTableView(frame);
    configureGrid(*m_signOnGrid, "grdSignOn");
    m_signOnModel =
        new WordTableModel(vocabulary, 1, static_cast<int>(kSignOnWordCount), false, m_signOnGrid);
    m_signOnModel->bind([this](int, int word) -> WordCode& {
        return m_signOnMessage.at(static_cast<std::size_t>(word));
    });
    m_signOnGrid->setModel(m_signOnModel);
    m_signOnGrid->setItemDelegate(new WordDelegate(vocabulary, m_signOnGrid));
    m_signOnGrid->horizontalHeader()->setDefaultSectionSize(kWordColumnWidth);
    m_signOnGrid->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    m_signOnGrid->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_signOnGrid->setFixedHeight(m_signOnGrid->horizontalHeader()->sizeHint().height() +
                                 m_signOnGrid->verticalHeader()->defaultSectionSize() + 4);
    connect(m_signOnModel, &WordTableModel::dataChanged, this, &OvinSettingsTab::edited);

    frame->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
    auto* layout = new QVBoxLayout(frame);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(makeGridCaption(QStringLiteral("Sign-On Message"), frame));
    layout->addWidget(m_signOnGrid);
    return frame;
}

void OvinSettingsTab::load(const SiteConfig& config) {
    m_dialOut->setChecked(config.dialOut);
    m_answer->setChecked(config.answerCalls);
    m_rings->setValue(config.answerRings);
    for (std::size_t m = 0; m < kPhoneNumberCount; ++m)
        m_phoneNumbers[m]->setText(config.phoneNumbers[m]);
    m_signOnModel->refresh();
}

void OvinSettingsTab::store(SiteConfig& config) const {
    config.dialOut = m_dialOut->isChecked();
    config.answerCalls = m_answer->isChecked();
    config.answerRings = static_cast<std::uint8_t>(m_rings->value());
    for (std::size_t m = 0; m < kPhoneNumberCount; ++m)
        config.phoneNumbers[m] = m_phoneNumbers[m]->text();
}

} // namespace tarnwick
