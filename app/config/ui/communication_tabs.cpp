#include "communication_tabs.h"

#include "config/site_config_lists.h"
#include "config/ui/choice_box.h"
#include "config/ui/site_entry_rows.h"
#include "shell/trap_errors.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
#include <QVBoxLayout>

namespace tarnwick {

namespace {

const QString kBaudSettingError =
    QStringLiteral("Unable to change the baud rate setting. Please try again.");
constexpr std::array<const char*, kPortCount> kPortCaptions{"Port 1:", "Port 2:"};

QVBoxLayout* stackFrames(QWidget* tab, QWidget* first, QWidget* second) {
    auto* layout = new QVBoxLayout(tab);
    layout->addWidget(first, 0, Qt::AlignLeft);
    layout->addWidget(second, 0, Qt::AlignLeft);
    layout->addStretch();
    return layout;
}

} // namespace

Communication54Tab::Communication54Tab(ErrorReporter& errors, QWidget* parent)
    : QWidget(parent), m_errors(errors) {
    auto* baudFrame = new QGroupBox(QStringLiteral("Baud Rates"), this);
    m_modified = new QCheckBox(
        QStringLiteral("This Stavik has been modified to operate at 1200 baud"), baudFrame);
    m_modified->setObjectName(QStringLiteral("chkBaud"));
    auto* form = new QFormLayout(baudFrame);
    form->setFieldGrowthPolicy(QFormLayout::FieldsStayAtSizeHint);
    form->addRow(m_modified);
    for (std::size_t p = 0; p < kPortCount; ++p) {
        m_bauds[p] = makeChoiceBox(kBaudNames54, "fenBaud", baudFrame);
        m_baudLabels[p] = new QLabel(QLatin1String(kPortCaptions[p]), baudFrame);
        m_baudLabels[p]->setBuddy(m_bauds[p]);
        form->addRow(m_baudLabels[p], m_bauds[p]);
        connect(m_bauds[p], &QComboBox::currentIndexChanged, this, &Communication54Tab::edited);
    }
    m_sites = new SiteEntryRows(SiteEntryRows::Layout::Layout54, this);
    connect(m_sites, &SiteEntryRows::edited, this, &Communication54Tab::edited);
    stackFrames(this, baudFrame, m_sites);

    connect(m_modified, &QCheckBox::toggled, this, [this](bool on) {
        trapErrors(m_errors, kBaudSettingError, [&] {
            enableBauds(on);
            emit edited();
        });
    });
    enableBauds(false);
}

void Communication54Tab::enableBauds(bool on) {
    for (std::size_t p = 0; p < kPortCount; ++p) {
        m_baudLabels[p]->setEnabled(on);
        m_bauds[p]->setEnabled(on);
    }
}

void Communication54Tab::load(const SiteConfig& config) {
    m_modified->setChecked(config.modifiedFor1200Baud);
    for (std::size_t p = 0; p < kPortCount; ++p)
        showChoice(*m_bauds[p], config.portBaud54[p]);
    m_sites->load(config.siteEntries);
}

void Communication54Tab::store(SiteConfig& config) const {
    config.modifiedFor1200Baud = m_modified->isChecked();
    for (std::size_t p = 0; p < kPortCount; ++p)
        takeChoice(*m_bauds[p], config.portBaud54[p]);
    m_sites->store(config.siteEntries);
}

void Communication54Tab::nameSites(std::uint8_t destSL) {
    m_sites->nameSites(destSL);
}

Communication56Tab::Communication56Tab(QWidget* parent) : QWidget(parent) {
    m_sites = new SiteEntryRows(SiteEntryRows::Layout::Layout56, this);
    connect(m_sites, &SiteEntryRows::edited, this, &Communication56Tab::edited);
    auto* baudFrame = new QGroupBox(QStringLiteral("Baud Rates"), this);
    auto* form = new QFormLayout(baudFrame);
    form->setFieldGrowthPolicy(QFormLayout::FieldsStayAtSizeHint);
    for (std::size_t p = 0; p < kPortCount; ++p) {
        m_bauds[p] = makeChoiceBox(kBaudNames56, "fenBaud56", baudFrame);
        form->addRow(QLatin1String(kPortCaptions[p]), m_bauds[p]);
        connect(m_bauds[p], &QComboBox::currentIndexChanged, this, &Communication56Tab::edited);
    }
    stackFrames(this, m_sites, baudFrame);
}

void Communication56Tab::load(const SiteConfig& config) {
    for (std::size_t p = 0; p < kPortCount; ++p)
        showChoice(*m_bauds[p], config.portBaud56[p]);
    m_sites->load(config.siteEntries);
}

void Communication56Tab::store(SiteConfig& config) const {
    for (std::size_t p = 0; p < kPortCount; ++p)
        takeChoice(*m_bauds[p], config.portBaud56[p]);
    m_sites->store(config.siteEntries);
}

void Communication56Tab::nameSites(std::uint8_t destSL) {
    m_sites->nameSites(destSL);
}

} // namespace tarnwick
