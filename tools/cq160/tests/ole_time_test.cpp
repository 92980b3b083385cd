#include "tools/cq160/ole_time.h"

#include <gtest/gtest.h>

namespace {

UtcTime At(int y, int mo, int d, int h, int mi) {
    UtcTime t;
    t.year = y;
    t.month = mo;
    t.day = d;
    t.hour = h;
    t.minute = mi;
    return t;
}

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

TEST(OleTime, WeekendFromFriday2200ToSunday2200) {
    const ContestPeriod cw = WeekendOf(OleDays(At(2027, 1, 29, 22, 0)));
    EXPECT_EQ(FormatUtc(cw.start), "2027-01-29 22:00");
    EXPECT_EQ(FormatUtc(cw.end), "2027-01-31 22:00");
    EXPECT_EQ(cw.start, OleDays(At(2027, 1, 29, 22, 0)));
    EXPECT_EQ(cw.end, OleDays(At(2027, 1, 31, 22, 0)));
    for (const UtcTime& t :
         {At(2027, 1, 30, 0, 0), At(2027, 1, 31, 21, 59), At(2027, 2, 5, 21, 59)})
        EXPECT_EQ(WeekendOf(OleDays(t)).start, cw.start) << FormatUtc(OleDays(t));
    EXPECT_EQ(FormatUtc(WeekendOf(OleDays(At(2027, 1, 29, 21, 59))).start), "2027-01-22 22:00");
    EXPECT_EQ(FormatUtc(WeekendOf(OleDays(At(2027, 2, 27, 3, 0))).end), "2027-02-28 22:00");
}

}  // namespace
