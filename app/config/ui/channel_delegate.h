#pragma once

#include <QStyledItemDelegate>

namespace tarnwick {

class ErrorReporter;

// The cell editors of grdChanSettings: txtChanLabel for labels (cut back to 7 characters as
// they are typed), txtAnlgLimit for limits in the range and pattern of the row's decimals,
// txtChanDelay for command durations, txtAlarmDelay for alarm delays, and drop-downs for the
// decimal point and the convert type.
class ChannelDelegate final : public QStyledItemDelegate {
    Q_OBJECT

public:
    explicit ChannelDelegate(ErrorReporter& errors, QObject* parent = nullptr);

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const override;
    void setEditorData(QWidget* editor, const QModelIndex& index) const override;
    void setModelData(QWidget* editor, QAbstractItemModel* model,
                      const QModelIndex& index) const override;

private:
    QWidget* createLabelEditor(QWidget* parent) const;
    QWidget* createLimitEditor(QWidget* parent, const QModelIndex& index) const;

    ErrorReporter& m_errors;
};

} // namespace tarnwick
