#pragma once

#include "config/site_config.h"
#include "config/vocabulary.h"

#include <QAbstractTableModel>
#include <QString>
#include <functional>

namespace tarnwick {

// A table of spoken words (the sign-on message, one site entry's Ovin labels) shown and
// edited as vocabulary texts. The cells live in the window's configuration; the model is
// bound to them and can be bound to another table of the same shape. Optionally column 0
// holds the row number.
class WordTableModel final : public QAbstractTableModel {
    Q_OBJECT

public:
    using CellAccess = std::function<WordCode&(int row, int word)>;

    WordTableModel(const Vocabulary& vocabulary, int rows, int words, bool rowNumbers,
                   QObject* parent = nullptr);

    // Shows the cells reached through `cell`.
    void bind(CellAccess cell);
    // The bound cells were replaced as a whole: show them again.
    void refresh();

    // The column of word 0.
    int firstWordColumn() const { return m_rowNumbers ? 1 : 0; }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    // Edit role: a vocabulary text, stored as the code of the first row with that text; the
    // empty text stores the blank code. A text whose code does not fit 9 bits is refused.
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    bool isWordColumn(int column) const { return column >= firstWordColumn(); }
    WordCode& cell(const QModelIndex& index) const;

    const Vocabulary& m_vocabulary;
    int m_rows;
    int m_words;
    bool m_rowNumbers;
    CellAccess m_cell;
};

} // namespace tarnwick
