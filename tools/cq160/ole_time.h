// UTC times as the host's date objects hold them: OLE automation dates,
// days since 1899-12-30 00:00 with the time of day as the fraction. The
// contest weekend runs from 22:00 UTC Friday to 22:00 UTC Sunday.
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

struct ContestPeriod {
    double start = 0;  // 22:00 UTC Friday
    double end = 0;    // 22:00 UTC Sunday
};

// The weekend period that begins at the last Friday 22:00 UTC at or before
// the given time.
ContestPeriod WeekendOf(double days);

#endif  // CQ160_OLE_TIME_H_
