// Civil UTC dates and times as the host's date objects hold them: OLE
// automation dates, days since 1899-12-30 00:00 with the time of day as the
// fraction. The one conversion that the tools and tests use to make the
// dates they hand the module. Header only.
#ifndef STATS_TOOLS_DRIVER_OLE_DAYS_H_
#define STATS_TOOLS_DRIVER_OLE_DAYS_H_

namespace driver {

// The OLE day number of a civil date (proleptic Gregorian; month 1 to 12).
inline long OleDayNumber(int year, int month, int day) {
    // Days since 1970-01-01 (H. Hinnant's days_from_civil), then 25569,
    // which is 1970-01-01 as an OLE day.
    const int y = year - (month <= 2);
    const long era = (y >= 0 ? y : y - 399) / 400;
    const long yoe = y - era * 400;
    const long doy = (153 * (month + (month > 2 ? -3 : 9)) + 2) / 5 + day - 1;
    const long doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + doe - 719468 + 25569;
}

// The OLE date of a civil date and time: whole days plus seconds / 86400,
// so that the same time always gives the same double.
inline double OleDays(int year, int month, int day, int hour = 0, int minute = 0,
                      int second = 0) {
    return static_cast<double>(OleDayNumber(year, month, day)) +
           (hour * 3600 + minute * 60 + second) / 86400.0;
}

}  // namespace driver

#endif  // STATS_TOOLS_DRIVER_OLE_DAYS_H_
