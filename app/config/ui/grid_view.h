#pragma once

#include <QString>

class QAbstractItemView;
class QLabel;
class QTableView;
class QWidget;

namespace tarnwick {

// A grid of the main window: cell by cell selection, editing by typing, F2 or a double
// click, Tab and the arrow keys moving between cells.
void configureGrid(QTableView& grid, const char* objectName);

// Columns as wide as their caption and contents need, at least `minimumWidth`.
void fitGridColumns(QTableView& grid, int minimumWidth = 0);

// Hands the cell edit still open in `grid`, if any, to its table and closes the editor, as
// before the window reads the tables.
void commitOpenEdit(QAbstractItemView& grid);

// The title bar over a grid.
QLabel* makeGridCaption(const QString& text, QWidget* parent);

} // namespace tarnwick
