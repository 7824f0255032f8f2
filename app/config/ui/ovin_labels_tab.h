#pragma once

#include "config/main_window_text.h"
#include "config/site_config.h"

#include <QWidget>
#include <array>

class QAbstractButton;
class QButtonGroup;
class QLabel;
class QTableView;
class QToolBox;

namespace tarnwick {

class ErrorReporter;
class Vocabulary;
class WordTableModel;

// Tab 6, "Ovin Labels": the list bar olbOvinLabels with one group per site entry and in each
// the four kinds of label, and beside it the grid of the chosen kind for the chosen entry.
class OvinLabelsTab final : public QWidget {
    Q_OBJECT

public:
    // The grids edit `ovin` in place.
    OvinLabelsTab(const Vocabulary& vocabulary, std::array<OvinLabels, kSiteEntryCount>& ovin,
                  ErrorReporter& errors, QWidget* parent = nullptr);

    // A click on a list-bar item: the grid of `grid` for site entry `entry` is shown.
    void selectItem(std::size_t entry, OvinGrid grid);
    // The labels were replaced as a whole: show them again.
    void refresh();
    void nameSites(std::uint8_t destSL);

    std::array<QTableView*, kOvinGridCount> grids() const { return m_grids; }

signals:
    void edited();

private:
    QWidget* makeListBar();
    QWidget* makeGrids(const Vocabulary& vocabulary);
    void bindShownGrid();
    QTableView& shownGrid() const { return *m_grids[static_cast<std::size_t>(m_grid)]; }

    std::array<OvinLabels, kSiteEntryCount>& m_ovin;
    ErrorReporter& m_errors;
    QToolBox* m_listBar = nullptr;
    QButtonGroup* m_items = nullptr;
    QLabel* m_caption = nullptr;
    std::array<QTableView*, kOvinGridCount> m_grids{};
    std::array<WordTableModel*, kOvinGridCount> m_models{};
    std::size_t m_entry = 0;
    OvinGrid m_grid = OvinGrid::SiteLabel;
};

} // namespace tarnwick
