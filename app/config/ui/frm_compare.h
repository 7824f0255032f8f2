#pragma once

#include "config/config_diff.h"

#include <QDialog>
#include <QStringList>

class QLabel;
class QPushButton;
class QTableWidget;

namespace tarnwick {

// Lists each difference between the values in the main window and a settings file, by tab
// and field caption; the user ticks rows and takes the file's values into the window. The
// window does the taking, since the values are its own; the file is only ever read.
class frmCompare final : public QDialog {
    Q_OBJECT

public:
    explicit frmCompare(const QString& filePath, QWidget* parent = nullptr);

    // Replaces the list; nothing is ticked afterwards.
    void showDifferences(const std::vector<FieldDifference>& differences);
    // The paths of the ticked rows, top to bottom.
    QStringList tickedPaths() const;

signals:
    void takeRequested(const QStringList& paths);

private:
    void updateButtons();

    QLabel* m_summary = nullptr;
    QTableWidget* m_grid = nullptr;
    QPushButton* m_selectAll = nullptr;
    QPushButton* m_take = nullptr;
};

} // namespace tarnwick
