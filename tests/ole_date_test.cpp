#include "platform/ole_date.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <limits>
#include <string>

namespace {

// `seconds` into serial day `serial`; negative days carry the time of day
// as a fraction of their own sign.
double At(int serial, double seconds) {
    return serial < 0 ? serial - seconds / 86400 : serial + seconds / 86400;
}

// The fields as "YYYY-MM-DD hh:mm:ss w<day of week> d<day of year>".
std::string Describe(double date) {
    OleDateParts p;
    if (!OleDateToParts(date, &p)) return "rejected";
    char text[64];
    std::snprintf(text, sizeof(text), "%04d-%02d-%02d %02d:%02d:%02d w%d d%d", p.year,
                  p.month, p.day, p.hour, p.minute, p.second, p.dayOfWeek, p.dayOfYear);
    return text;
}

struct Case {
    double date;
    const char* fields;
};

TEST(OleDateToParts, KnownDates) {
    const double inf = std::numeric_limits<double>::infinity();
    const Case cases[] = {
        {0.0, "1899-12-30 00:00:00 w6 d364"},
        {1.0, "1899-12-31 00:00:00 w0 d365"},
        {2.5, "1900-01-01 12:00:00 w1 d1"},
        {-1.25, "1899-12-29 06:00:00 w5 d363"},
        {-0.5, "1899-12-30 12:00:00 w6 d364"},  // day 0 written as -0.5
        {60.0, "1900-02-28 00:00:00 w3 d59"},   // 1900 is no leap year
        {61.0, "1900-03-01 00:00:00 w4 d60"},
        {36585.75, "2000-02-29 18:00:00 w2 d60"},
        {45657.0, "2024-12-31 00:00:00 w2 d366"},
        {46361.0, "2026-12-05 00:00:00 w6 d339"},
        {At(46088, 9 * 3600 + 5 * 60 + 4), "2026-03-07 09:05:04 w6 d66"},
        {-657434.0, "0100-01-01 00:00:00 w5 d1"},
        {-657434.5, "0100-01-01 12:00:00 w5 d1"},
        {At(2958465, 86399), "9999-12-31 23:59:59 w5 d365"},
        // Just inside the ends, rounding up past midnight; Windows gives
        // 10000-01-01 too.
        {std::nextafter(-657435.0, 0.0), "0100-01-02 00:00:00 w6 d2"},
        {std::nextafter(2958466.0, 0.0), "10000-01-01 00:00:00 w6 d1"},
        {-657435.0, "rejected"},
        {2958466.0, "rejected"},
        {std::nan(""), "rejected"},
        {inf, "rejected"},
        {-inf, "rejected"},
    };
    for (const Case& c : cases) EXPECT_EQ(c.fields, Describe(c.date)) << c.date;
}

TEST(OleDateToParts, RoundsToNearestSecondHalfUp) {
    // Windows rounds a half second up and has a slack of 1e-11 day (0.864
    // microseconds) below it; negative dates round forward in time too.
    const Case cases[] = {
        {At(0, 0.5), "1899-12-30 00:00:01 w6 d364"},
        {At(0, 0.5 - 0.5e-6), "1899-12-30 00:00:01 w6 d364"},
        {At(0, 0.5 - 1.0e-6), "1899-12-30 00:00:00 w6 d364"},
        {At(10, 59.5), "1900-01-09 00:01:00 w2 d9"},
        {At(10, 3599.49), "1900-01-09 00:59:59 w2 d9"},
        {At(-1, 0.5), "1899-12-29 00:00:01 w5 d363"},
        {-(0.5 / 86400), "1899-12-30 00:00:01 w6 d364"},
        {At(2958000, 0.6), "9998-09-22 00:00:01 w2 d265"},
        {At(2958000, 0.4), "9998-09-22 00:00:00 w2 d265"},
        // Past midnight the day, week day and day of the year move on.
        {At(45657, 86399.7), "2025-01-01 00:00:00 w3 d1"},
        {At(-1, 86399.5), "1899-12-30 00:00:00 w6 d364"},
        {At(36584, 86399.5), "2000-02-29 00:00:00 w2 d60"},
        // Wine's own conversion gets these wrong (1 January of the next
        // year).
        {At(45260, 86399.5), "2023-12-01 00:00:00 w5 d335"},
        {At(45626, 86399.9), "2024-12-01 00:00:00 w0 d336"},
        {At(-30, 86399.6), "1899-12-01 00:00:00 w5 d335"},
    };
    for (const Case& c : cases) EXPECT_EQ(c.fields, Describe(c.date)) << c.date;
}

TEST(OleDateFromParts, EveryDayOfTheRange) {
    // Walks the whole range one day at a time: each day must follow the
    // previous one in the calendar and convert back to its serial number.
    OleDateParts prev;
    ASSERT_TRUE(OleDateToParts(-657434.0, &prev));
    for (int serial = -657433; serial <= 2958465; ++serial) {
        OleDateParts p;
        ASSERT_TRUE(OleDateToParts(serial, &p)) << serial;
        const bool newMonth = p.day == 1;
        const bool newYear = newMonth && p.month == 1;
        ASSERT_EQ(newMonth ? 1 : prev.day + 1, p.day) << serial;
        ASSERT_EQ(newYear ? 1 : prev.month + (newMonth ? 1 : 0), p.month) << serial;
        ASSERT_EQ(prev.year + (newYear ? 1 : 0), p.year) << serial;
        ASSERT_EQ((prev.dayOfWeek + 1) % 7, p.dayOfWeek) << serial;
        ASSERT_EQ(newYear ? 1 : prev.dayOfYear + 1, p.dayOfYear) << serial;
        double date;
        if (newMonth) {  // the month just ended had no more days
            ASSERT_FALSE(OleDateFromParts(prev.year, prev.month, prev.day + 1, 0, 0, 0, &date));
        }
        ASSERT_TRUE(OleDateFromParts(p.year, p.month, p.day, 0, 0, 0, &date));
        ASSERT_EQ(static_cast<double>(serial), date);
        prev = p;
    }
}

TEST(OleDateFromParts, TimesRoundTripAndAreCorrectlyRounded) {
    double date;
    ASSERT_TRUE(OleDateFromParts(1899, 12, 29, 6, 0, 0, &date));
    EXPECT_EQ(-1.25, date);
    for (int serial : {-657434, -2, -1, 0, 1, 45000, 2958465}) {
        OleDateParts day, p;
        ASSERT_TRUE(OleDateToParts(serial, &day));
        for (int second = 0; second < 86400; second += 7) {
            ASSERT_TRUE(OleDateFromParts(day.year, day.month, day.day, second / 3600,
                                         second / 60 % 60, second % 60, &date));
            ASSERT_TRUE(OleDateToParts(date, &p));
            ASSERT_EQ(second, p.hour * 3600 + p.minute * 60 + p.second) << date;
            ASSERT_EQ(day.day, p.day) << date;
#if FLT_EVAL_METHOD == 0  // plain double division is correctly rounded here
            const double magnitude = (std::abs(serial) * 86400.0 + second) / 86400.0;
            ASSERT_EQ(serial < 0 ? -magnitude : magnitude, date);
#endif
        }
    }
}

TEST(OleDateFromParts, RejectsFieldsOutOfRange) {
    const int bad[][6] = {
        {99, 12, 31, 0, 0, 0}, {10000, 1, 1, 0, 0, 0}, {2024, 0, 1, 0, 0, 0},
        {2024, 13, 1, 0, 0, 0}, {2024, 1, 0, 0, 0, 0}, {2024, 1, 1, 24, 0, 0},
        {2024, 1, 1, 0, 60, 0}, {2024, 1, 1, 0, 0, 60}, {2024, 1, 1, -1, 0, 0},
    };
    for (const auto& f : bad) {
        double date = 0;
        EXPECT_FALSE(OleDateFromParts(f[0], f[1], f[2], f[3], f[4], f[5], &date)) << f[0];
    }
}

TEST(OleDateFormat, Patterns) {
    const COleDateTime t(At(46088, 9 * 3600 + 5 * 60 + 4));  // 2026-03-07 09:05:04
    const struct { const char* pattern; const char* text; } cases[] = {
        {"%Y-%m-%d %H%M", "2026-03-07 0905"}, {"%H%M", "0905"},
        {"%H:%M", "09:05"}, {"%d.%m", "07.03"}, {"%Y", "2026"},
        {"%d.%m.%Y", "07.03.2026"}, {"%d_%m_%Y", "07_03_2026"}, {"%S", "04"},
        {"", ""}, {"%%", "%"}, {"%%Y", "%Y"}, {"%%%Y", "%2026"}, {"100%", "100%"},
        {"%", "%"}, {"%x%q %y", "%x%q %y"}, {"a%Yb", "a2026b"},
    };
    for (const auto& c : cases) EXPECT_EQ(c.text, t.Format(c.pattern)) << c.pattern;
    EXPECT_EQ("", t.Format(nullptr));

    // The fields shown are the rounded ones, also across a year end.
    EXPECT_EQ("12:01", COleDateTime(At(2, 12 * 3600 + 59.5)).Format("%H:%M"));
    EXPECT_EQ("2025-01-01 0000",
              COleDateTime(At(45657, 86399.5)).Format("%Y-%m-%d %H%M"));
    EXPECT_EQ("100", COleDateTime(-657434.0).Format("%Y"));
}

TEST(OleDateFormat, Status) {
    EXPECT_EQ("Invalid DateTime", COleDateTime(2.5, COleDateTime::invalid).Format("%Y"));
    EXPECT_EQ("", COleDateTime(2.5, COleDateTime::null).Format("%Y"));
    EXPECT_EQ("Invalid DateTime",
              COleDateTime(2.5, static_cast<COleDateTime::DateTimeStatus>(7)).Format("%Y"));
    for (double date : {std::nan(""), 2958466.0, -657435.0})
        EXPECT_EQ("Invalid DateTime", COleDateTime(date).Format("%H%M")) << date;
    EXPECT_EQ("0000", COleDateTime().Format("%H%M"));  // default: 1899-12-30, valid
}

}  // namespace
