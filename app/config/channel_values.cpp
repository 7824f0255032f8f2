#include "channel_values.h"

#include "shell/app_error.h"

#include <algorithm>
#include <cmath>

namespace tarnwick {

namespace {
constexpr double kDurationStepsPerSecond = 4.54;
constexpr double kMaxDurationSeconds = 28.0;
constexpr int kMaxAlarmDelay = 126;
} // namespace

double roundHalfEven(double x) {
    if (std::fabs(x - std::trunc(x)) == 0.5) {
        return 2.0 * std::round(x / 2.0);
    }
    return std::round(x);
}

double durationSeconds(std::uint8_t stored) {
    return roundHalfEven(stored / kDurationStepsPerSecond * 10.0) / 10.0;
}

std::uint8_t durationByte(double seconds) {
    if (std::isnan(seconds)) {
        throw AppError::standard(ErrorNumber::Overflow, QStringLiteral("command duration"));
    }
    const double clamped = std::clamp(seconds, 0.0, kMaxDurationSeconds);
    return static_cast<std::uint8_t>(
        static_cast<int>(roundHalfEven(clamped * kDurationStepsPerSecond)) & 0x7F);
}

std::uint8_t alarmDelayByte(int seconds) {
    return static_cast<std::uint8_t>(std::clamp(seconds, 0, kMaxAlarmDelay));
}

} // namespace tarnwick
