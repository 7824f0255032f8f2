#include "channel_table_model.h"

#include "config/editing_rules.h"
#include "config/site_config_lists.h"

namespace tarnwick {

namespace {

constexpr std::array<const char*, ChannelTableModel::ColumnCount> kCaptions{"Channel",
                                                                            "Label",
                                                                            "Status Alarm",
                                                                            "Invert Status",
                                                                            "Decimal Point",
                                                                            "Low Limit",
                                                                            "High Limit",
                                                                            "Raise Duration",
                                                                            "Lower Duration",
                                                                            "High/Low Alarm Delay",
                                                                            "Status Alarm Delay",
                                                                            "Convert Type"};

bool isCheckColumn(int column) {
    return column == ChannelTableModel::StatusAlarm || column == ChannelTableModel::InvertStatus;
}

bool isNumberColumn(int column) {
    return column >= ChannelTableModel::LowLimit && column <= ChannelTableModel::StatusAlarmDelay;
}

template <std::size_t N>
std::optional<std::uint8_t> choiceIndex(const std::array<QLatin1StringView, N>& names,
                                        const QString& text) {
    for (std::size_t i = 0; i < N; ++i) {
        if (text == names[i])
            return static_cast<std::uint8_t>(i);
    }
    return std::nullopt;
}

std::optional<double> numberIn(const QVariant& value, const NumberRange& range) {
    bool ok = false;
    const double number = value.toDouble(&ok);
    if (!ok || number < range.minimum || number > range.maximum)
        return std::nullopt;
    return number;
}

} // namespace

ChannelTableModel::ChannelTableModel(std::array<ChannelSettings, kChannelCount>& channels,
                                     QObject* parent)
    : QAbstractTableModel(parent), m_channels(channels) {}

void ChannelTableModel::refresh() {
    beginResetModel();
    endResetModel();
}

int ChannelTableModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(kChannelCount);
}

int ChannelTableModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant ChannelTableModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid())
        return {};
    const ChannelSettings& channel = m_channels.at(static_cast<std::size_t>(index.row()));
    const int column = index.column();
    switch (role) {
    case Qt::DisplayRole:
        return column == ChannelNumber ? index.row() + 1 : displayValue(channel, column);
    case Qt::EditRole:
        return column == ChannelNumber ? index.row() + 1 : editValue(channel, column);
    case Qt::CheckStateRole:
        if (column == StatusAlarm)
            return channel.statusAlarm ? Qt::Checked : Qt::Unchecked;
        if (column == InvertStatus)
            return channel.invertStatus ? Qt::Checked : Qt::Unchecked;
        return {};
    case Qt::TextAlignmentRole:
        if (column == ChannelNumber || isNumberColumn(column))
            return QVariant::fromValue(Qt::AlignRight | Qt::AlignVCenter);
        return {};
    default:
        return {};
    }
}

QVariant ChannelTableModel::displayValue(const ChannelSettings& channel, int column) const {
    switch (column) {
    case LowLimit:
        return formatNumber(channel.lowLimit, limitFormat(channel.decimals).pattern);
    case HighLimit:
        return formatNumber(channel.highLimit, limitFormat(channel.decimals).pattern);
    case RaiseDuration:
        return formatNumber(channel.raiseDuration, kDurationPattern);
    case LowerDuration:
        return formatNumber(channel.lowerDuration, kDurationPattern);
    case StatusAlarm:
    case InvertStatus:
        return {};
    default:
        return editValue(channel, column);
    }
}

QVariant ChannelTableModel::editValue(const ChannelSettings& channel, int column) const {
    switch (column) {
    case Label:
        return channel.label;
    case DecimalPoint:
        return QString(kDecimalPointNames.at(channel.decimals));
    case LowLimit:
        return channel.lowLimit;
    case HighLimit:
        return channel.highLimit;
    case RaiseDuration:
        return channel.raiseDuration;
    case LowerDuration:
        return channel.lowerDuration;
    case HighLowAlarmDelay:
        return channel.highLowAlarmDelay;
    case StatusAlarmDelay:
        return channel.statusAlarmDelay;
    case ConvertType:
        return QString(kConvertTypeNames.at(channel.convertType));
    default:
        return {};
    }
}

bool ChannelTableModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    if (!index.isValid() || !(flags(index) & (Qt::ItemIsEditable | Qt::ItemIsUserCheckable)))
        return false;
    const int row = index.row();
    ChannelSettings& channel = m_channels.at(static_cast<std::size_t>(row));
    const int column = index.column();
    if (role == Qt::CheckStateRole && isCheckColumn(column)) {
        const bool on = value.value<Qt::CheckState>() == Qt::Checked;
        (column == StatusAlarm ? channel.statusAlarm : channel.invertStatus) = on;
    } else if (role == Qt::EditRole && column == DecimalPoint) {
        const auto decimals = decimalsFromText(value.toString());
        if (!decimals)
            return false;
        setDecimals(row, *decimals);
        return true;
    } else if (role != Qt::EditRole || !setEditValue(channel, column, value)) {
        return false;
    }
    emit dataChanged(index, index);
    return true;
}

bool ChannelTableModel::setEditValue(ChannelSettings& channel, int column, const QVariant& value) {
    switch (column) {
    case Label:
        channel.label = value.toString();
        return true;
    case ConvertType:
        if (const auto type = choiceIndex(kConvertTypeNames, value.toString())) {
            channel.convertType = *type;
            return true;
        }
        return false;
    case LowLimit:
    case HighLimit:
        if (const auto limit = numberIn(value, limitFormat(channel.decimals).range)) {
            (column == LowLimit ? channel.lowLimit : channel.highLimit) = *limit;
            return true;
        }
        return false;
    case RaiseDuration:
    case LowerDuration:
        if (const auto seconds = numberIn(value, durationRange())) {
            (column == RaiseDuration ? channel.raiseDuration : channel.lowerDuration) = *seconds;
            return true;
        }
        return false;
    case HighLowAlarmDelay:
    case StatusAlarmDelay:
        if (const auto seconds = numberIn(value, alarmDelayRange())) {
            (column == HighLowAlarmDelay ? channel.highLowAlarmDelay : channel.statusAlarmDelay) =
                static_cast<int>(*seconds);
            return true;
        }
        return false;
    default:
        return false;
    }
}

void ChannelTableModel::setDecimals(int row, std::uint8_t decimals) {
    ChannelSettings& channel = m_channels.at(static_cast<std::size_t>(row));
    channel.lowLimit = rescaleLimit(channel.lowLimit, channel.decimals, decimals);
    channel.highLimit = rescaleLimit(channel.highLimit, channel.decimals, decimals);
    channel.decimals = decimals;
    emit dataChanged(index(row, DecimalPoint), index(row, HighLimit));
}

Qt::ItemFlags ChannelTableModel::flags(const QModelIndex& index) const {
    if (!index.isValid())
        return Qt::NoItemFlags;
    const Qt::ItemFlags base = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    if (index.column() == ChannelNumber)
        return base;
    if (isCheckColumn(index.column()))
        return base | Qt::ItemIsUserCheckable;
    return base | Qt::ItemIsEditable;
}

QVariant ChannelTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation == Qt::Horizontal && role == Qt::DisplayRole && section >= 0 &&
        section < ColumnCount)
        return QLatin1String(kCaptions.at(static_cast<std::size_t>(section)));
    if (orientation == Qt::Vertical && role == Qt::DisplayRole)
        return section + 1;
    return {};
}

} // namespace tarnwick
