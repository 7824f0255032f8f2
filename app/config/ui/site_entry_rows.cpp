#include "site_entry_rows.h"

#include "config/main_window_text.h"
#include "config/site_config_lists.h"
#include "config/ui/choice_box.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QSpinBox>
#include <limits>

namespace tarnwick {

namespace {

constexpr int kNameColumn = 0;
constexpr int kHighestChannelColumn = 1;
constexpr int kReceivedFromColumn = 2;
constexpr int kSentOutColumn = 3;

QLabel* heading(const char* text, QWidget* parent) {
    auto* label = new QLabel(QLatin1String(text), parent);
    QFont font = label->font();
    font.setBold(true);
    label->setFont(font);
    return label;
}

} // namespace

SiteEntryRows::SiteEntryRows(Layout layout, QWidget* parent)
    : QGroupBox(QStringLiteral("Remote Site Communication"), parent) {
    const bool layout56 = layout == Layout::Layout56;
    const auto name = [layout56](const char* base) {
        return layout56 ? QLatin1String(base) + QStringLiteral("56") : QString(QLatin1String(base));
    };
    auto* grid = new QGridLayout(this);
    grid->setHorizontalSpacing(16);
    grid->addWidget(heading("Highest Channel:", this), 0, kHighestChannelColumn);
    grid->addWidget(heading("Data Received From:", this), 0, kReceivedFromColumn);
    if (!layout56)
        grid->addWidget(heading("Data Sent Out:", this), 0, kSentOutColumn);

    for (std::size_t k = 0; k < kSiteEntryCount; ++k) {
        const int row = static_cast<int>(k) + 1;
        m_names[k] = new QLabel(this);
        m_names[k]->setObjectName(name("lblSiteLet"));
        grid->addWidget(m_names[k], row, kNameColumn);

        m_highestChannel[k] = new QSpinBox(this);
        m_highestChannel[k]->setObjectName(name("txtHighChan"));
        m_highestChannel[k]->setRange(0, std::numeric_limits<std::uint8_t>::max());
        grid->addWidget(m_highestChannel[k], row, kHighestChannelColumn);
        connect(m_highestChannel[k], &QSpinBox::valueChanged, this, &SiteEntryRows::edited);

        m_receivedFrom[k] =
            makeChoiceBox(kReceivePortNames, layout56 ? "fenDataRx56" : "fenDataRx", this);
        grid->addWidget(m_receivedFrom[k], row, kReceivedFromColumn);
        connect(m_receivedFrom[k], &QComboBox::currentIndexChanged, this, &SiteEntryRows::edited);

        if (!layout56) {
            m_sentOut[k] = makeChoiceBox(kSendPortNames, "fenDataTx", this);
            grid->addWidget(m_sentOut[k], row, kSentOutColumn);
            connect(m_sentOut[k], &QComboBox::currentIndexChanged, this, &SiteEntryRows::edited);
        }
    }
    grid->setColumnStretch(kSentOutColumn + 1, 1);
    nameSites(0);
}

void SiteEntryRows::load(const std::array<SiteEntry, kSiteEntryCount>& entries) {
    for (std::size_t k = 0; k < kSiteEntryCount; ++k) {
        m_highestChannel[k]->setValue(entries[k].highestChannel);
        showChoice(*m_receivedFrom[k], entries[k].dataReceivedFrom);
        if (m_sentOut[k] != nullptr)
            showChoice(*m_sentOut[k], entries[k].dataSentOut);
    }
}

void SiteEntryRows::store(std::array<SiteEntry, kSiteEntryCount>& entries) const {
    for (std::size_t k = 0; k < kSiteEntryCount; ++k) {
        entries[k].highestChannel = static_cast<std::uint8_t>(m_highestChannel[k]->value());
        takeChoice(*m_receivedFrom[k], entries[k].dataReceivedFrom);
        if (m_sentOut[k] != nullptr)
            takeChoice(*m_sentOut[k], entries[k].dataSentOut);
    }
}

void SiteEntryRows::nameSites(std::uint8_t destSL) {
    for (std::size_t k = 0; k < kSiteEntryCount; ++k)
        m_names[k]->setText(siteEntryName(destSL, k));
}

} // namespace tarnwick
