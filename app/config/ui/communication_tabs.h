#pragma once

#include "config/site_config.h"

#include <QWidget>
#include <array>

class QCheckBox;
class QComboBox;
class QLabel;

namespace tarnwick {

class ErrorReporter;
class SiteEntryRows;

// Tab 2, "Communication" of the "5.4 / 5.5" layout: the port bauds count only on a unit
// modified for 1200 baud, so they are enabled by that box.
class Communication54Tab final : public QWidget {
    Q_OBJECT

public:
    explicit Communication54Tab(ErrorReporter& errors, QWidget* parent = nullptr);

    void load(const SiteConfig& config);
    void store(SiteConfig& config) const;
    void nameSites(std::uint8_t destSL);

signals:
    void edited();

private:
    void enableBauds(bool on);

    ErrorReporter& m_errors;
    QCheckBox* m_modified = nullptr;
    std::array<QLabel*, kPortCount> m_baudLabels{};
    std::array<QComboBox*, kPortCount> m_bauds{};
    SiteEntryRows* m_sites = nullptr;
};

// Tab 3, "Communication" of the "5.6" layout.
class Communication56Tab final : public QWidget {
    Q_OBJECT

public:
    explicit Communication56Tab(QWidget* parent = nullptr);

    void load(const SiteConfig& config);
    void store(SiteConfig& config) const;
    void nameSites(std::uint8_t destSL);

signals:
    void edited();

private:
    std::array<QComboBox*, kPortCount> m_bauds{};
    SiteEntryRows* m_sites = nullptr;
};

} // namespace tarnwick
