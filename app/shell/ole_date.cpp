#include "ole_date.h"

#include <cmath>

namespace tarnwick {
namespace {
const QDate kEpoch(1899, 12, 30);
constexpr double kMsPerDay = 86400000.0;
constexpr double kMinOle = -657434.0;       // 1 January 100
constexpr double kMaxOle = 2958465.99999999; // 31 December 9999 23:59:59
} // namespace

double toOleDate(const QDateTime& local) {
    const QDateTime t = local.toLocalTime();
    const auto days = static_cast<double>(kEpoch.daysTo(t.date()));
    const double fraction = t.time().msecsSinceStartOfDay() / kMsPerDay;
    // Before the epoch the whole part counts backwards but the fraction still adds time.
    return days >= 0 ? days + fraction : days - fraction;
}

std::optional<QDateTime> fromOleDate(double oleDate) {
    if (!std::isfinite(oleDate) || oleDate < kMinOle || oleDate > kMaxOle) {
        return std::nullopt;
    }
    const double whole = std::trunc(oleDate);
    const double fraction = std::fabs(oleDate - whole);
    auto ms = static_cast<int>(std::llround(fraction * kMsPerDay));
    qint64 days = static_cast<qint64>(whole);
    if (ms >= 86400000) { // rounding reached midnight of the next day
        ms = 0;
        days += 1;
    }
    return QDateTime(kEpoch.addDays(days), QTime::fromMSecsSinceStartOfDay(ms));
}

} // namespace tarnwick
