#include "word_delegate.h"

#include "config/vocabulary.h"

#include <QComboBox>

namespace tarnwick {

WordDelegate::WordDelegate(const Vocabulary& vocabulary, QObject* parent)
    : QStyledItemDelegate(parent), m_vocabulary(vocabulary) {}

QWidget* WordDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem&,
                                    const QModelIndex&) const {
    auto* box = new QComboBox(parent);
    box->setObjectName(QStringLiteral("fenGrdOvin"));
    for (const VocabularyEntry& row : m_vocabulary.rows())
        box->addItem(row.text);
    box->setMaxVisibleItems(20);
    return box;
}

void WordDelegate::setEditorData(QWidget* editor, const QModelIndex& index) const {
    auto* box = static_cast<QComboBox*>(editor);
    // The first row with the cell's text, as storing it would find.
    box->setCurrentIndex(box->findText(index.data(Qt::EditRole).toString(), Qt::MatchExactly));
}

void WordDelegate::setModelData(QWidget* editor, QAbstractItemModel* model,
                                const QModelIndex& index) const {
    const auto* box = static_cast<QComboBox*>(editor);
    // Leaving the word as it was keeps its code, also one that no vocabulary row carries.
    if (box->currentIndex() >= 0 && box->currentText() != index.data(Qt::EditRole).toString())
        model->setData(index, box->currentText(), Qt::EditRole);
}

} // namespace tarnwick
