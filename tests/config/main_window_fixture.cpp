#include "main_window_fixture.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QLineEdit>
#include <QTest>

namespace tarnwick::test {

void typeIntoCell(QAbstractItemView& grid, const QModelIndex& index, const QString& keys) {
    grid.setCurrentIndex(index);
    grid.edit(index);
    QWidget* editor = grid.indexWidget(index);
    if (editor == nullptr) {
        ADD_FAILURE() << "no editor for cell " << index.row() << "," << index.column();
        return;
    }
    if (auto* line = qobject_cast<QLineEdit*>(editor)) {
        line->selectAll();
        QTest::keyClicks(line, keys);
    } else if (auto* box = qobject_cast<QComboBox*>(editor)) {
        box->setCurrentIndex(box->findText(keys));
    }
    QTest::keyClick(editor, Qt::Key_Return);
    // The delegate commits and closes the editor from the event queue.
    QCoreApplication::processEvents();
}

} // namespace tarnwick::test
