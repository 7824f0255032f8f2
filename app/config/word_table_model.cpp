#include "word_table_model.h"

namespace tarnwick {

WordTableModel::WordTableModel(const Vocabulary& vocabulary, int rows, int words, bool rowNumbers,
                               QObject* parent)
    : QAbstractTableModel(parent), m_vocabulary(vocabulary), m_rows(rows), m_words(words),
      m_rowNumbers(rowNumbers) {}

void WordTableModel::bind(CellAccess cell) {
    beginResetModel();
    m_cell = std::move(cell);
    endResetModel();
}

void WordTableModel::refresh() {
    beginResetModel();
    endResetModel();
}

int WordTableModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() || !m_cell ? 0 : m_rows;
}

int WordTableModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : firstWordColumn() + m_words;
}

WordCode& WordTableModel::cell(const QModelIndex& index) const {
    return m_cell(index.row(), index.column() - firstWordColumn());
}

QVariant WordTableModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid())
        return {};
    if (!isWordColumn(index.column())) {
        if (role == Qt::DisplayRole)
            return index.row() + 1;
        if (role == Qt::TextAlignmentRole)
            return QVariant::fromValue(Qt::AlignRight | Qt::AlignVCenter);
        return {};
    }
    if (role == Qt::DisplayRole || role == Qt::EditRole)
        return m_vocabulary.codeToText(cell(index));
    return {};
}

bool WordTableModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    if (!index.isValid() || role != Qt::EditRole || !isWordColumn(index.column()))
        return false;
    const int code = m_vocabulary.textToCode(value.toString(), Vocabulary::kBlankCode);
    if (code < 0 || code > kMaxWordCode)
        return false;
    cell(index) = static_cast<WordCode>(code);
    emit dataChanged(index, index);
    return true;
}

Qt::ItemFlags WordTableModel::flags(const QModelIndex& index) const {
    if (!index.isValid())
        return Qt::NoItemFlags;
    const Qt::ItemFlags base = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    return isWordColumn(index.column()) ? base | Qt::ItemIsEditable : base;
}

QVariant WordTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (role != Qt::DisplayRole)
        return {};
    if (orientation == Qt::Vertical)
        return section + 1;
    if (!isWordColumn(section))
        return QStringLiteral("Channel");
    return QStringLiteral("Word %1").arg(section - firstWordColumn() + 1);
}

} // namespace tarnwick
