// UTC times as the host's date objects hold them: OLE automation dates,
// days since 1899-12-30 00:00 with the time of day as the fraction.
#ifndef CQ160_OLE_TIME_H_
#define CQ160_OLE_TIME_H_

#include <string>

struct UtcTime {
    int year = 0;
    int month = 0;
    int day = 0;
    int hour = 0;
    int minute = 0;
    int second = 0;
};

// True for a real calendar date (years 1900 to 9999) and time of day.
bool IsValidUtcTime(const UtcTime& t);

// The OLE date of a valid time. Computed as whole days plus
// seconds / 86400, so that the same time always gives the same double.
double OleDays(const UtcTime& t);

// The time of an OLE date (on or after 1899-12-30), to the second.
UtcTime UtcFromOle(double days);

// "2027-01-29 22:00" (the seconds only when not zero).
std::string FormatUtc(double days);

// "2027-01-29 2205", a QSO's time as the logs write it.
std::string LogTimeText(const UtcTime& t);

// Year, month and day of "2027-01-29" (four, two and two digits); the rest
// of *t is left alone. False for any other form; a form that is right
// (2027-02-30) may still be no calendar date: see IsValidUtcTime().
bool ParseDateText(const std::string& text, UtcTime* t);

// The days of a civil date (to its midnight), for date arithmetic.
long OleDayNumber(int year, int month, int day);

// The days of a month (1 to 12) of a year.
int DaysInMonth(int year, int month);

// 0 for Sunday ... 6 for Saturday.
int WeekdayOf(long oleDay);

struct ContestPeriod {
    double start = 0;  // 22:00 UTC Friday
    double end = 0;    // 22:00 UTC Sunday
};

#endif  // CQ160_OLE_TIME_H_
