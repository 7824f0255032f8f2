#pragma once

#include "config/site_config.h"

#include <QWidget>
#include <array>

class QCheckBox;
class QLineEdit;
class QSpinBox;
class QTableView;

namespace tarnwick {

class Vocabulary;
class WordTableModel;

// Tab 5, "Ovin Settings": calling out and answering, the phone numbers dialled on an alarm
// and the spoken sign-on message.
class OvinSettingsTab final : public QWidget {
    Q_OBJECT

public:
    // The sign-on grid edits `signOnMessage` in place.
    OvinSettingsTab(const Vocabulary& vocabulary,
                    std::array<WordCode, kSignOnWordCount>& signOnMessage,
                    QWidget* parent = nullptr);

    void load(const SiteConfig& config);
    void store(SiteConfig& config) const;
    QTableView& signOnGrid() const { return *m_signOnGrid; }

signals:
    void edited();

private:
    QWidget* makeCallFrame();
    QWidget* makePhoneFrame();
    QWidget* makeSignOnGrid(const Vocabulary& vocabulary);

    std::array<WordCode, kSignOnWordCount>& m_signOnMessage;
    QCheckBox* m_dialOut = nullptr;
    QCheckBox* m_answer = nullptr;
    QSpinBox* m_rings = nullptr;
    std::array<QLineEdit*, kPhoneNumberCount> m_phoneNumbers{};
    QTableView* m_signOnGrid = nullptr;
    WordTableModel* m_signOnModel = nullptr;
};

} // namespace tarnwick
