#include "channel_record.h"

#include "config/channel_values.h"
#include "config/site_config_layout.h"
#include "shell/app_error.h"

#include <array>
#include <cstdint>

namespace tarnwick {

namespace {

constexpr std::array<double, 4> kDecimalScale{1.0, 10.0, 100.0, 1000.0};
constexpr std::uint8_t kDecimalsMask = 0x03;
constexpr std::uint8_t kStatusAlarmBit = 0x10;
constexpr std::uint8_t kInvertStatusBit = 0x20;
constexpr int kConvertTypeShift = 6;
constexpr std::uint8_t kMaxChoice = 3;

QString limitName(std::size_t byteInRecord) {
    return byteInRecord == layout::kHighLimitByte ? QStringLiteral("High Limit")
                                                  : QStringLiteral("Low Limit");
}

AppError limitOverflow(std::size_t channel, std::size_t byteInRecord) {
    return AppError::standard(ErrorNumber::Overflow,
                              QStringLiteral("%1 of channel %2 is outside 0 to %3")
                                  .arg(limitName(byteInRecord))
                                  .arg(channel + 1)
                                  .arg(kMaxLimitRaw));
}

double readLimit(const ConfigImage& image, std::size_t channel, std::size_t byteInRecord,
                 std::uint8_t decimals) {
    const std::size_t at = layout::channelRecord(channel) + byteInRecord;
    const int raw = image[at] * 256 + image[at + 1];
    if (raw > kMaxLimitRaw) {
        throw limitOverflow(channel, byteInRecord);
    }
    return raw / kDecimalScale[decimals];
}

void writeLimit(ConfigImage& image, std::size_t channel, std::size_t byteInRecord, double shown,
                std::uint8_t decimals) {
    const double raw = roundHalfEven(shown * kDecimalScale[decimals]);
    if (!(raw >= 0.0 && raw <= kMaxLimitRaw)) { // also refuses NaN
        throw limitOverflow(channel, byteInRecord);
    }
    const auto value = static_cast<unsigned>(raw);
    const std::size_t at = layout::channelRecord(channel) + byteInRecord;
    image[at] = static_cast<std::uint8_t>(value / 256);
    image[at + 1] = static_cast<std::uint8_t>(value % 256);
}

void requireChoice(std::uint8_t value, const QString& column, std::size_t channel) {
    if (value > kMaxChoice) {
        throw AppError::standard(
            ErrorNumber::InvalidArgument,
            QStringLiteral("%1 %2 of channel %3").arg(column).arg(value).arg(channel + 1));
    }
}

} // namespace

void decodeChannelRecord(const ConfigImage& image, std::size_t channel, ChannelSettings& settings) {
    const std::uint8_t flags = image[layout::channelRecord(channel) + layout::kFlagsByte];
    settings.decimals = flags & kDecimalsMask;
    settings.statusAlarm = (flags & kStatusAlarmBit) != 0;
    settings.invertStatus = (flags & kInvertStatusBit) != 0;
    settings.convertType = static_cast<std::uint8_t>(flags >> kConvertTypeShift);
    settings.highLimit = readLimit(image, channel, layout::kHighLimitByte, settings.decimals);
    settings.lowLimit = readLimit(image, channel, layout::kLowLimitByte, settings.decimals);
}

void encodeChannelRecord(const ChannelSettings& settings, std::size_t channel, ConfigImage& image) {
    requireChoice(settings.decimals, QStringLiteral("Decimal Point"), channel);
    requireChoice(settings.convertType, QStringLiteral("Convert Type"), channel);
    // Bits 2-3 are always written 0.
    image[layout::channelRecord(channel) + layout::kFlagsByte] =
        static_cast<std::uint8_t>(settings.decimals | (settings.statusAlarm ? kStatusAlarmBit : 0) |
                                  (settings.invertStatus ? kInvertStatusBit : 0) |
                                  (settings.convertType << kConvertTypeShift));
    writeLimit(image, channel, layout::kHighLimitByte, settings.highLimit, settings.decimals);
    writeLimit(image, channel, layout::kLowLimitByte, settings.lowLimit, settings.decimals);
}

} // namespace tarnwick
