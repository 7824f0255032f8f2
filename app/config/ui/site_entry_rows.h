#pragma once

#include "config/site_config.h"

#include <QGroupBox>
#include <array>

class QComboBox;
class QLabel;
class QSpinBox;

namespace tarnwick {

// The frame "Remote Site Communication": for each site entry its name, the highest channel
// and where its data is received from, and in the "5.4 / 5.5" layout where data is sent out.
class SiteEntryRows final : public QGroupBox {
    Q_OBJECT

public:
    enum class Layout { Layout54, Layout56 };

    SiteEntryRows(Layout layout, QWidget* parent = nullptr);

    void load(const std::array<SiteEntry, kSiteEntryCount>& entries);
    void store(std::array<SiteEntry, kSiteEntryCount>& entries) const;
    void nameSites(std::uint8_t destSL);

signals:
    void edited();

private:
    std::array<QLabel*, kSiteEntryCount> m_names{};
    std::array<QSpinBox*, kSiteEntryCount> m_highestChannel{};
    std::array<QComboBox*, kSiteEntryCount> m_receivedFrom{};
    std::array<QComboBox*, kSiteEntryCount> m_sentOut{}; // "5.4 / 5.5" only
};

} // namespace tarnwick
