#include "channel_delegate.h"

#include "config/channel_table_model.h"
#include "config/editing_rules.h"
#include "config/site_config_layout.h"
#include "config/site_config_lists.h"
#include "config/ui/choice_box.h"
#include "config/ui/number_editor.h"
#include "shell/trap_errors.h"

#include <QComboBox>

namespace tarnwick {

namespace {

const QString kLabelTypingError =
    QStringLiteral("An error occurred while changing the channel label. Please try again.");
const QString kDecimalUpdateError =
    QStringLiteral("An error occurred while configuring the channel settings. Please try again.");
const QString kCellMoveError = QStringLiteral("An error occurred while updating channel settings.");

std::uint8_t rowDecimals(const QModelIndex& index) {
    const QModelIndex decimalPoint = index.siblingAtColumn(ChannelTableModel::DecimalPoint);
    return decimalsFromText(decimalPoint.data(Qt::EditRole).toString()).value_or(0);
}

QString numberPattern(const QModelIndex& index) {
    switch (index.column()) {
    case ChannelTableModel::LowLimit:
    case ChannelTableModel::HighLimit:
        return limitFormat(rowDecimals(index)).pattern;
    case ChannelTableModel::RaiseDuration:
    case ChannelTableModel::LowerDuration:
        return kDurationPattern;
    default:
        return kAlarmDelayPattern;
    }
}

NumberEditor* numberEditor(const NumberRange& range, const QString& nullText,
                           const char* objectName, QWidget* parent) {
    auto* editor = new NumberEditor(range, nullText, parent);
    editor->setObjectName(QLatin1String(objectName));
    return editor;
}

} // namespace

ChannelDelegate::ChannelDelegate(ErrorReporter& errors, QObject* parent)
    : QStyledItemDelegate(parent), m_errors(errors) {}

QWidget* ChannelDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                                       const QModelIndex& index) const {
    switch (index.column()) {
    case ChannelTableModel::Label:
        return createLabelEditor(parent);
    case ChannelTableModel::DecimalPoint:
        return makeChoiceBox(kDecimalPointNames, "cboDecimalPoint", parent);
    case ChannelTableModel::ConvertType:
        return makeChoiceBox(kConvertTypeNames, "cboConvertType", parent);
    case ChannelTableModel::LowLimit:
    case ChannelTableModel::HighLimit:
        return createLimitEditor(parent, index);
    case ChannelTableModel::RaiseDuration:
    case ChannelTableModel::LowerDuration:
        return numberEditor(durationRange(), {}, "txtChanDelay", parent);
    case ChannelTableModel::HighLowAlarmDelay:
    case ChannelTableModel::StatusAlarmDelay:
        return numberEditor(alarmDelayRange(), {}, "txtAlarmDelay", parent);
    default:
        return QStyledItemDelegate::createEditor(parent, option, index);
    }
}

QWidget* ChannelDelegate::createLabelEditor(QWidget* parent) const {
    auto* editor = new QLineEdit(parent);
    editor->setObjectName(QStringLiteral("txtChanLabel"));
    connect(editor, &QLineEdit::textEdited, editor, [this, editor](const QString& text) {
        trapErrors(m_errors, kLabelTypingError, [&] {
            if (static_cast<std::size_t>(text.size()) > layout::kLabelLength)
                editor->setText(text.left(static_cast<qsizetype>(layout::kLabelLength)));
        });
    });
    return editor;
}

// The limit format follows the row's decimals each time the editor comes to a cell.
QWidget* ChannelDelegate::createLimitEditor(QWidget* parent, const QModelIndex& index) const {
    NumberEditor* editor = nullptr;
    trapErrors(m_errors, kCellMoveError, [&] {
        const LimitFormat format = limitFormat(rowDecimals(index));
        editor = numberEditor(format.range, formatNumber(std::nullopt, format.editorPattern),
                              "txtAnlgLimit", parent);
    });
    return editor;
}

void ChannelDelegate::setEditorData(QWidget* editor, const QModelIndex& index) const {
    if (auto* box = qobject_cast<QComboBox*>(editor)) {
        box->setCurrentText(index.data(Qt::EditRole).toString());
    } else if (auto* number = qobject_cast<NumberEditor*>(editor)) {
        number->setText(formatNumber(index.data(Qt::EditRole).toDouble(), numberPattern(index)));
    } else {
        QStyledItemDelegate::setEditorData(editor, index);
    }
}

void ChannelDelegate::setModelData(QWidget* editor, QAbstractItemModel* model,
                                   const QModelIndex& index) const {
    if (auto* box = qobject_cast<QComboBox*>(editor)) {
        if (index.column() == ChannelTableModel::DecimalPoint) {
            trapErrors(m_errors, kDecimalUpdateError,
                       [&] { model->setData(index, box->currentText(), Qt::EditRole); });
        } else {
            model->setData(index, box->currentText(), Qt::EditRole);
        }
    } else if (auto* number = qobject_cast<NumberEditor*>(editor)) {
        // An incomplete or emptied entry keeps the cell's value.
        if (const auto value = number->value())
            model->setData(index, *value, Qt::EditRole);
    } else {
        QStyledItemDelegate::setModelData(editor, model, index);
    }
}

} // namespace tarnwick
