#pragma once

#include "config/editing_rules.h"
#include "config/site_config.h"
#include "shell/mod_tarnwick.h"

#include <QWidget>
#include <array>

class QCheckBox;
class QLabel;
class QLineEdit;

namespace tarnwick {

class ErrorReporter;

// Tab 1, "Local Options": the site label, limits monitoring, the ten local options and the
// password frame whose boxes an upload takes the new passwords from.
class LocalOptionsTab final : public QWidget {
    Q_OBJECT

public:
    explicit LocalOptionsTab(ErrorReporter& errors, QWidget* parent = nullptr);

    void load(const SiteConfig& config);
    void store(SiteConfig& config) const;
    // "Two Ports" exists only in the "5.6" layout.
    void showTwoPorts(bool visible);
    // Options 4-8 are named after the sites they concern.
    void nameSites(std::uint8_t destSL);

    QString siteLabel() const;
    PasswordEntry passwordEntry() const;
    PasswordChange passwordChange() const;

signals:
    void edited();
    void localOvinToggled(bool on);

private:
    QWidget* makeOptionsFrame();
    QWidget* makePasswordFrame();
    void enablePasswordBoxes(bool on);

    ErrorReporter& m_errors;
    QLineEdit* m_siteLabel = nullptr;
    QCheckBox* m_limitsMonitoring = nullptr;
    std::array<QCheckBox*, kLocalOptionCount> m_options{};
    QCheckBox* m_changePasswords = nullptr;
    QLineEdit* m_oldMaster = nullptr;
    std::array<QLineEdit*, 2> m_newMaster{};
    std::array<QLineEdit*, 2> m_newUser{};
    std::array<QLabel*, 5> m_passwordLabels{};
};

} // namespace tarnwick
