#pragma once

#include "config/site_config.h"

#include <QAbstractTableModel>
#include <array>

namespace tarnwick {

// The channel table behind grdChanSettings: one row per channel, column 0 the channel number.
// It edits the window's channel settings in place. Limits show in the pattern of their row's
// decimals; changing the decimals moves the point of both limits and keeps their raw values.
class ChannelTableModel final : public QAbstractTableModel {
    Q_OBJECT

public:
    enum Column {
        ChannelNumber,
        Label,
        StatusAlarm,
        InvertStatus,
        DecimalPoint,
        LowLimit,
        HighLimit,
        RaiseDuration,
        LowerDuration,
        HighLowAlarmDelay,
        StatusAlarmDelay,
        ConvertType,
        ColumnCount
    };

    ChannelTableModel(std::array<ChannelSettings, kChannelCount>& channels,
                      QObject* parent = nullptr);

    // The channels were replaced as a whole: show them again.
    void refresh();

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    // Edit role: texts for labels and the two choice columns, numbers for the rest; check
    // state for the two check-box columns. A value the column cannot take is refused.
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    QVariant displayValue(const ChannelSettings& channel, int column) const;
    QVariant editValue(const ChannelSettings& channel, int column) const;
    bool setEditValue(ChannelSettings& channel, int column, const QVariant& value);
    void setDecimals(int row, std::uint8_t decimals);

    std::array<ChannelSettings, kChannelCount>& m_channels;
};

} // namespace tarnwick
