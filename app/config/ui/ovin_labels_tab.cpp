#include "ovin_labels_tab.h"

#include "config/ui/grid_view.h"
#include "config/ui/word_delegate.h"
#include "config/word_table_model.h"
#include "shell/trap_errors.h"

#include <QButtonGroup>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QTableView>
#include <QToolBox>
#include <QToolButton>
#include <QVBoxLayout>

namespace tarnwick {

namespace {

const QString kSelectSiteError =
    QStringLiteral("An error occurred while select the site. Please try again.");
constexpr int kGridsWidth = 900; // eight words of a site label side by side

struct GridShape {
    const char* objectName;
    int rows;
    int words;
    bool rowNumbers;
};
constexpr std::array<GridShape, kOvinGridCount> kShapes{{
    {"grdOvinSite", 1, static_cast<int>(kOvinSiteWordCount), false},
    {"grdOvinChanLabel", static_cast<int>(kOvinRowCount), static_cast<int>(kOvinChannelWordCount),
     true},
    {"grdOvinUnits", static_cast<int>(kOvinRowCount), static_cast<int>(kOvinUnitWordCount), true},
    {"grdOvinStatus", static_cast<int>(kOvinRowCount), static_cast<int>(kOvinStatusWordCount),
     true},
}};

constexpr std::array<OvinGrid, kOvinGridCount> kItemOrder{
    OvinGrid::SiteLabel, OvinGrid::ChannelLabels, OvinGrid::UnitsLabels, OvinGrid::StatusMessages};

std::size_t at(int i) {
    return static_cast<std::size_t>(i);
}

int buttonId(std::size_t entry, OvinGrid grid) {
    return static_cast<int>(entry * kOvinGridCount + static_cast<std::size_t>(grid));
}

} // namespace

OvinLabelsTab::OvinLabelsTab(const Vocabulary& vocabulary,
                             std::array<OvinLabels, kSiteEntryCount>& ovin, ErrorReporter& errors,
                             QWidget* parent)
    : QWidget(parent), m_ovin(ovin), m_errors(errors) {
    auto* layout = new QHBoxLayout(this);
    layout->addWidget(makeListBar());
    layout->addWidget(makeGrids(vocabulary), 1);
    layout->addStretch();
    nameSites(0);
    selectItem(0, OvinGrid::SiteLabel);
}

QWidget* OvinLabelsTab::makeListBar() {
    m_listBar = new QToolBox(this);
    m_listBar->setObjectName(QStringLiteral("olbOvinLabels"));
    m_listBar->setFixedWidth(170);
    m_items = new QButtonGroup(this);
    m_items->setExclusive(true);
    for (std::size_t entry = 0; entry < kSiteEntryCount; ++entry) {
        auto* group = new QWidget(m_listBar);
        auto* items = new QVBoxLayout(group);
        for (const OvinGrid grid : kItemOrder) {
            auto* item = new QToolButton(group);
            item->setObjectName(QStringLiteral("olbItem"));
            item->setText(ovinItemCaption(grid));
            item->setCheckable(true);
            item->setAutoRaise(true);
            item->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
            items->addWidget(item);
            m_items->addButton(item, buttonId(entry, grid));
            connect(item, &QToolButton::clicked, this,
                    [this, entry, grid] { selectItem(entry, grid); });
        }
        items->addStretch();
        m_listBar->addItem(group, QString());
    }
    return m_listBar;
}

QWidget* OvinLabelsTab::makeGrids(const Vocabulary& vocabulary) {
    auto* frame = new QWidget(this);
    frame->setMaximumWidth(kGridsWidth);
    auto* layout = new QVBoxLayout(frame);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    m_caption = makeGridCaption(QString(), frame);
    m_caption->setObjectName(QStringLiteral("lblOvinGrid"));
    layout->addWidget(m_caption);
    auto* delegate = new WordDelegate(vocabulary, this);
    for (std::size_t g = 0; g < kOvinGridCount; ++g) {
        const GridShape& shape = kShapes[g];
        auto* grid = new QTableView(frame);
        configureGrid(*grid, shape.objectName);
        m_models[g] =
            new WordTableModel(vocabulary, shape.rows, shape.words, shape.rowNumbers, grid);
        grid->setModel(m_models[g]);
        grid->setItemDelegate(delegate);
        grid->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
        if (shape.rowNumbers)
            grid->horizontalHeader()->setSectionResizeMode(0, QHeaderView::ResizeToContents);
        grid->hide();
        connect(m_models[g], &WordTableModel::dataChanged, this, &OvinLabelsTab::edited);
        layout->addWidget(grid, 1, Qt::AlignTop);
        m_grids[g] = grid;
    }
    layout->addStretch();
    return frame;
}

void OvinLabelsTab::selectItem(std::size_t entry, OvinGrid grid) {
    trapErrors(m_errors, kSelectSiteError, [&] {
        commitOpenEdit(shownGrid());
        m_items->button(buttonId(entry, grid))->setChecked(true);
        for (QTableView* view : m_grids)
            view->hide();
        m_entry = entry;
        m_grid = grid;
        bindShownGrid();
        m_caption->setText(ovinGridCaption(m_listBar->itemText(static_cast<int>(entry)), grid));
        shownGrid().show();
    });
}

void OvinLabelsTab::bindShownGrid() {
    OvinLabels& labels = m_ovin.at(m_entry);
    WordTableModel& model = *m_models[static_cast<std::size_t>(m_grid)];
    switch (m_grid) {
    case OvinGrid::SiteLabel:
        model.bind([&labels](int, int w) -> WordCode& { return labels.siteLabel.at(at(w)); });
        break;
    case OvinGrid::ChannelLabels:
        model.bind([&labels](int r, int w) -> WordCode& {
            return labels.channelLabels.at(at(r)).at(at(w));
        });
        break;
    case OvinGrid::UnitsLabels:
        model.bind(
            [&labels](int r, int w) -> WordCode& { return labels.unitLabels.at(at(r)).at(at(w)); });
        break;
    case OvinGrid::StatusMessages:
        model.bind([&labels](int r, int w) -> WordCode& {
            return labels.statusMessages.at(at(r)).at(at(w));
        });
        break;
    }
    QTableView& view = shownGrid();
    // Tall enough for every row, so the grid never scrolls.
    int height = view.horizontalHeader()->sizeHint().height() + 2 * view.frameWidth();
    for (int row = 0; row < model.rowCount(); ++row)
        height += view.rowHeight(row);
    view.setFixedHeight(height);
}

void OvinLabelsTab::refresh() {
    m_models[static_cast<std::size_t>(m_grid)]->refresh();
}

void OvinLabelsTab::nameSites(std::uint8_t destSL) {
    for (std::size_t entry = 0; entry < kSiteEntryCount; ++entry)
        m_listBar->setItemText(static_cast<int>(entry), siteEntryName(destSL, entry));
    m_caption->setText(ovinGridCaption(m_listBar->itemText(static_cast<int>(m_entry)), m_grid));
}

} // namespace tarnwick
