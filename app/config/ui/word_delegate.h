#pragma once

#include <QStyledItemDelegate>

namespace tarnwick {

class Vocabulary;

// fenGrdOvin: the drop-down of every word cell, listing the vocabulary's texts in table order
// (the empty word first). Typing a word's first letters picks it.
class WordDelegate final : public QStyledItemDelegate {
    Q_OBJECT

public:
    explicit WordDelegate(const Vocabulary& vocabulary, QObject* parent = nullptr);

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const override;
    void setEditorData(QWidget* editor, const QModelIndex& index) const override;
    void setModelData(QWidget* editor, QAbstractItemModel* model,
                      const QModelIndex& index) const override;

private:
    const Vocabulary& m_vocabulary;
};

} // namespace tarnwick
