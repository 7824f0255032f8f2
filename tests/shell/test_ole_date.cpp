#include "shell/ole_date.h"

#include <gtest/gtest.h>

#include <limits>

using namespace tarnwick;

TEST(OleDate, KnownValuesConvertBothWays) {
    const QDateTime epoch(QDate(1899, 12, 30), QTime(0, 0));
    EXPECT_DOUBLE_EQ(toOleDate(epoch), 0.0);
    const QDateTime noon(QDate(2026, 12, 7), QTime(12, 0));
    EXPECT_DOUBLE_EQ(toOleDate(noon), 46363.5);
    EXPECT_EQ(*fromOleDate(46363.5), noon);
    // Before the epoch the day counts back while the fraction still adds time.
    const QDateTime before(QDate(1899, 12, 29), QTime(6, 0));
    EXPECT_DOUBLE_EQ(toOleDate(before), -1.25);
    EXPECT_EQ(*fromOleDate(-1.25), before);
}

TEST(OleDate, RoundTripKeepsMilliseconds) {
    const QDateTime t(QDate(2003, 4, 5), QTime(23, 59, 59, 999));
    EXPECT_EQ(*fromOleDate(toOleDate(t)), t);
}

TEST(OleDate, RejectsValuesNoCalendarHolds) {
    EXPECT_FALSE(fromOleDate(std::numeric_limits<double>::quiet_NaN()));
    EXPECT_FALSE(fromOleDate(std::numeric_limits<double>::infinity()));
    EXPECT_FALSE(fromOleDate(1e300));
    EXPECT_FALSE(fromOleDate(-1e7));
}
