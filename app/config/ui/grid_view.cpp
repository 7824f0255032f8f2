#include "grid_view.h"

#include <QAbstractItemDelegate>
#include <QHeaderView>
#include <QLabel>
#include <QTableView>
#include <algorithm>

namespace tarnwick {

namespace {

constexpr int kCellPadding = 12;

// The narrowest width in which `caption` takes at most two lines, broken between words.
int twoLineWidth(const QFontMetrics& metrics, const QString& caption) {
    const QStringList words = caption.split(QLatin1Char(' '));
    int best = metrics.horizontalAdvance(caption);
    for (qsizetype split = 1; split < words.size(); ++split) {
        const int first = metrics.horizontalAdvance(words.mid(0, split).join(QLatin1Char(' ')));
        const int second = metrics.horizontalAdvance(words.mid(split).join(QLatin1Char(' ')));
        best = std::min(best, std::max(first, second));
    }
    return best;
}

} // namespace

void configureGrid(QTableView& grid, const char* objectName) {
    grid.setObjectName(QLatin1String(objectName));
    grid.setSelectionBehavior(QAbstractItemView::SelectItems);
    grid.setSelectionMode(QAbstractItemView::SingleSelection);
    grid.setEditTriggers(QAbstractItemView::AnyKeyPressed | QAbstractItemView::EditKeyPressed |
                         QAbstractItemView::DoubleClicked | QAbstractItemView::SelectedClicked);
    grid.setTabKeyNavigation(true);
    grid.setAlternatingRowColors(true);
    grid.verticalHeader()->hide();
    grid.verticalHeader()->setDefaultSectionSize(grid.fontMetrics().height() + kCellPadding);
    grid.horizontalHeader()->setHighlightSections(false);
    grid.horizontalHeader()->setStretchLastSection(false);
    grid.setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
}

void fitGridColumns(QTableView& grid, int minimumWidth) {
    QHeaderView* header = grid.horizontalHeader();
    // The style draws header captions with these flags, so a caption may wrap.
    header->setDefaultAlignment(Qt::Alignment::fromInt(Qt::AlignCenter | Qt::TextWordWrap));
    const QFontMetrics metrics(header->font());
    bool wrapped = false;
    for (int column = 0; column < header->count(); ++column) {
        const QString caption =
            grid.model()->headerData(column, Qt::Horizontal, Qt::DisplayRole).toString();
        const int captionWidth = twoLineWidth(metrics, caption) + kCellPadding;
        // Room for the editors' frames, so that an open editor never clips its text.
        const int contentsWidth =
            static_cast<const QAbstractItemView&>(grid).sizeHintForColumn(column) + kCellPadding;
        const int width = std::max({captionWidth, contentsWidth, minimumWidth});
        header->resizeSection(column, width);
        wrapped = wrapped || metrics.horizontalAdvance(caption) + kCellPadding > width;
    }
    // Long captions take a second line rather than widening their columns.
    header->setFixedHeight(metrics.lineSpacing() * (wrapped ? 2 : 1) + kCellPadding);
}

void commitOpenEdit(QAbstractItemView& grid) {
    QWidget* editor = grid.indexWidget(grid.currentIndex());
    if (editor == nullptr)
        return;
    QAbstractItemDelegate* delegate = grid.itemDelegateForIndex(grid.currentIndex());
    emit delegate->commitData(editor);
    emit delegate->closeEditor(editor, QAbstractItemDelegate::NoHint);
}

QLabel* makeGridCaption(const QString& text, QWidget* parent) {
    auto* caption = new QLabel(text, parent);
    caption->setTextFormat(Qt::PlainText);
    caption->setAlignment(Qt::AlignCenter);
    caption->setFrameShape(QFrame::StyledPanel);
    caption->setAutoFillBackground(true);
    caption->setBackgroundRole(QPalette::Mid);
    caption->setForegroundRole(QPalette::BrightText);
    QFont font = caption->font();
    font.setBold(true);
    caption->setFont(font);
    caption->setContentsMargins(4, 2, 4, 2);
    caption->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
    return caption;
}

} // namespace tarnwick
