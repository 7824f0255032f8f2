#pragma once

#include <QDateTime>

#include <optional>

namespace tarnwick {

// Dates in files are OLE automation dates: days since 30 December 1899 00:00 local time,
// the fraction being the time of day. Negative values count days backwards with a positive
// time fraction, as the format defines.
double toOleDate(const QDateTime& local);

// Nothing for NaN, infinities and values outside the years 100 to 9999.
std::optional<QDateTime> fromOleDate(double oleDate);

} // namespace tarnwick
