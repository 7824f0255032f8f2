#include "frm_compare.h"

#include "shell/application_title.h"

#include <QDialogButtonBox>
#include <QDir>
#include <QFileInfo>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace tarnwick {
namespace {

enum Column { kTabColumn, kFieldColumn, kWindowColumn, kFileColumn, kColumnCount };
constexpr int kPathRole = Qt::UserRole;

QString valueText(const QString& text, bool present) {
    return present ? text : QStringLiteral("(not in this layout)");
}

} // namespace

frmCompare::frmCompare(const QString& filePath, QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("frmCompare"));
    setWindowTitle(kApplicationTitle + QStringLiteral(" - Compare with ") +
                   QFileInfo(filePath).fileName());

    auto* heading = new QLabel(
        QStringLiteral("Differences between the values in the window and %1.\nTick the values "
                       "to take from the file; they become unsaved changes in the window. The "
                       "file is not changed.")
            .arg(QDir::toNativeSeparators(filePath)),
        this);
    heading->setObjectName(QStringLiteral("lblCompareFile"));
    heading->setWordWrap(true);

    m_grid = new QTableWidget(0, kColumnCount, this);
    m_grid->setObjectName(QStringLiteral("grdDifferences"));
    m_grid->setHorizontalHeaderLabels(
        {QStringLiteral("Tab"), QStringLiteral("Field"), QStringLiteral("In the Window"),
         QStringLiteral("In the File")});
    m_grid->verticalHeader()->hide();
    m_grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_grid->setSelectionBehavior(QAbstractItemView::SelectRows);
    QHeaderView* header = m_grid->horizontalHeader();
    header->setSectionResizeMode(kTabColumn, QHeaderView::ResizeToContents);
    header->setSectionResizeMode(kFieldColumn, QHeaderView::ResizeToContents);
    header->setSectionResizeMode(kWindowColumn, QHeaderView::Stretch);
    header->setSectionResizeMode(kFileColumn, QHeaderView::Stretch);
    connect(m_grid, &QTableWidget::itemChanged, this, [this] { updateButtons(); });

    m_summary = new QLabel(this);
    m_summary->setObjectName(QStringLiteral("lblSummary"));

    auto* buttons = new QDialogButtonBox(this);
    m_selectAll = buttons->addButton(QStringLiteral("Select &All"), QDialogButtonBox::ActionRole);
    m_selectAll->setObjectName(QStringLiteral("cmdSelectAll"));
    m_take = buttons->addButton(QStringLiteral("&Take Selected"), QDialogButtonBox::ApplyRole);
    m_take->setObjectName(QStringLiteral("cmdTakeSelected"));
    QPushButton* close = buttons->addButton(QStringLiteral("&Close"), QDialogButtonBox::RejectRole);
    close->setObjectName(QStringLiteral("cmdClose"));
    connect(m_selectAll, &QPushButton::clicked, this, [this] {
        for (int row = 0; row < m_grid->rowCount(); ++row) {
            m_grid->item(row, kTabColumn)->setCheckState(Qt::Checked);
        }
    });
    connect(m_take, &QPushButton::clicked, this, [this] { emit takeRequested(tickedPaths()); });
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(heading);
    layout->addWidget(m_grid, 1);
    layout->addWidget(m_summary);
    layout->addWidget(buttons);
    resize(760, 420);
}

void frmCompare::showDifferences(const std::vector<FieldDifference>& differences) {
    const QSignalBlocker quiet(m_grid);
    m_grid->setRowCount(static_cast<int>(differences.size()));
    for (int row = 0; row < m_grid->rowCount(); ++row) {
        const FieldDifference& d = differences[static_cast<std::size_t>(row)];
        auto* tab = new QTableWidgetItem(d.tab);
        tab->setFlags(Qt::ItemIsEnabled | Qt::ItemIsUserCheckable | Qt::ItemIsSelectable);
        tab->setCheckState(Qt::Unchecked);
        tab->setData(kPathRole, d.path);
        m_grid->setItem(row, kTabColumn, tab);
        auto* field = new QTableWidgetItem(d.caption);
        field->setToolTip(d.path);
        m_grid->setItem(row, kFieldColumn, field);
        m_grid->setItem(row, kWindowColumn, new QTableWidgetItem(valueText(d.aText, d.aPresent)));
        m_grid->setItem(row, kFileColumn, new QTableWidgetItem(valueText(d.bText, d.bPresent)));
    }
    m_summary->setText(differences.empty()
                           ? QStringLiteral("The window holds the same values as the file.")
                           : QStringLiteral("%1 difference(s).").arg(differences.size()));
    updateButtons();
}

QStringList frmCompare::tickedPaths() const {
    QStringList paths;
    for (int row = 0; row < m_grid->rowCount(); ++row) {
        const QTableWidgetItem* item = m_grid->item(row, kTabColumn);
        if (item->checkState() == Qt::Checked) {
            paths << item->data(kPathRole).toString();
        }
    }
    return paths;
}

void frmCompare::updateButtons() {
    m_take->setEnabled(!tickedPaths().isEmpty());
    m_selectAll->setEnabled(m_grid->rowCount() > 0);
}

} // namespace tarnwick
