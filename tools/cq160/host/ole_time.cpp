#include "tools/cq160/host/ole_time.h"

#include <cmath>
#include <cstdio>

#include "tools/cq160/logs/log_text.h"
#include "tools/driver/ole_days.h"

namespace {

bool IsLeap(int y) { return (y % 4 == 0 && y % 100 != 0) || y % 400 == 0; }

void CivilFromDays(long z, int* y, int* m, int* d) {
    z += 719468;
    const long era = (z >= 0 ? z : z - 146096) / 146097;
    const long doe = z - era * 146097;
    const long yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const long doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const long mp = (5 * doy + 2) / 153;
    *d = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
    *m = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
    *y = static_cast<int>(yoe + era * 400 + (*m <= 2));
}

constexpr long kOleDay1970 = 25569;  // 1970-01-01 as an OLE day number

}  // namespace

int DaysInMonth(int y, int m) {
    static const int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return m == 2 && IsLeap(y) ? 29 : kDays[m - 1];
}

bool IsValidUtcTime(const UtcTime& t) {
    if (t.year < 1900 || t.year > 9999 || t.month < 1 || t.month > 12) return false;
    if (t.day < 1 || t.day > DaysInMonth(t.year, t.month)) return false;
    return t.hour >= 0 && t.hour < 24 && t.minute >= 0 && t.minute < 60 && t.second >= 0 &&
           t.second < 60;
}

double OleDays(const UtcTime& t) {
    return driver::OleDays(t.year, t.month, t.day, t.hour, t.minute, t.second);
}

UtcTime UtcFromOle(double days) {
    // 64 bits: seconds since 1899 overflow a 32-bit long (as on Windows).
    const long long total = static_cast<long long>(std::floor(days * 86400.0 + 0.5));
    const long day = static_cast<long>(total / 86400);
    const long second = static_cast<long>(total % 86400);
    UtcTime t;
    CivilFromDays(day - kOleDay1970, &t.year, &t.month, &t.day);
    t.hour = static_cast<int>(second / 3600);
    t.minute = static_cast<int>(second / 60 % 60);
    t.second = static_cast<int>(second % 60);
    return t;
}

std::string FormatUtc(double days) {
    const UtcTime t = UtcFromOle(days);
    char text[32];
    if (t.second) {
        std::snprintf(text, sizeof text, "%04d-%02d-%02d %02d:%02d:%02d", t.year, t.month, t.day,
                      t.hour, t.minute, t.second);
    } else {
        std::snprintf(text, sizeof text, "%04d-%02d-%02d %02d:%02d", t.year, t.month, t.day,
                      t.hour, t.minute);
    }
    return text;
}

long OleDayNumber(int year, int month, int day) {
    return driver::OleDayNumber(year, month, day);
}

int WeekdayOf(long oleDay) {
    // OLE day 0 (1899-12-30) was a Saturday.
    return static_cast<int>(((oleDay + 6) % 7 + 7) % 7);
}

std::string LogTimeText(const UtcTime& t) {
    char text[24];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d %02d%02d", t.year, t.month, t.day, t.hour,
                  t.minute);
    return text;
}

bool ParseDateText(const std::string& text, UtcTime* t) {
    if (text.size() != 10 || text[4] != '-' || text[7] != '-') return false;
    const std::string y = text.substr(0, 4), m = text.substr(5, 2), d = text.substr(8, 2);
    if (!IsDigits(y) || !IsDigits(m) || !IsDigits(d)) return false;
    t->year = std::stoi(y);
    t->month = std::stoi(m);
    t->day = std::stoi(d);
    return true;
}
