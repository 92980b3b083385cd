#include "tools/cq160/host/ole_time.h"

#include <gtest/gtest.h>

#include "tools/cq160/tests/utc_at.h"

namespace {

TEST(OleTime, DaysSince1899) {
    EXPECT_EQ(OleDays(At(1899, 12, 30, 0, 0)), 0.0);
    EXPECT_EQ(OleDays(At(1900, 3, 1, 0, 0)), 61.0);
    EXPECT_EQ(OleDays(At(1970, 1, 1, 0, 0)), 25569.0);
    EXPECT_EQ(OleDays(At(2027, 1, 29, 18, 0)), 46416.75);
    // The same value as whole days plus minutes / 1440, as hosts compute it.
    EXPECT_EQ(OleDays(At(2027, 1, 29, 22, 5)), 46416 + (22 * 60 + 5) / 1440.0);
    const UtcTime back = UtcFromOle(OleDays(At(2028, 2, 29, 23, 59)));
    EXPECT_EQ(FormatUtc(OleDays(back)), "2028-02-29 23:59");
}

TEST(OleTime, Validity) {
    EXPECT_TRUE(IsValidUtcTime(At(2028, 2, 29, 23, 59)));
    EXPECT_FALSE(IsValidUtcTime(At(2027, 2, 29, 0, 0)));
    EXPECT_FALSE(IsValidUtcTime(At(2100, 2, 29, 0, 0)));
    EXPECT_FALSE(IsValidUtcTime(At(2027, 13, 1, 0, 0)));
    EXPECT_FALSE(IsValidUtcTime(At(2027, 1, 1, 24, 0)));
    EXPECT_FALSE(IsValidUtcTime(At(2027, 1, 1, 0, 60)));
}

TEST(OleTime, Weekdays) {
    EXPECT_EQ(WeekdayOf(0), 6);  // 1899-12-30
    EXPECT_EQ(WeekdayOf(OleDayNumber(2027, 1, 31)), 0);
    EXPECT_EQ(WeekdayOf(OleDayNumber(2026, 12, 8)), 2);
    EXPECT_EQ(OleDayNumber(2027, 1, 29), 46416);
}

}  // namespace
