#include "platform/ole_date.h"

#include <cmath>
#include <cstdio>

// All of the arithmetic below is exact: the double is taken apart with
// trunc/frexp (exact operations) and everything after that is integer
// work. The 32-bit Windows build evaluates doubles on the x87 unit with
// extended precision while the native build uses SSE, so any rounding step
// done in floating point could make the two builds disagree at the very
// boundaries where the results matter.

namespace {

constexpr int kSecondsPerDay = 86400;

// Serial day numbers are counted from 1899-12-30; the calendar code below
// counts days from 0001-01-01 (proleptic Gregorian, day 0), which makes all
// of its divisions work on non-negative numbers across the OLE range.
constexpr int kDaysPer400Years = 146097;
constexpr int kDaysPer100Years = 36524;
constexpr int kDaysPer4Years = 1461;

constexpr bool IsLeap(int year) {
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

constexpr int DaysBeforeYear(int year) {
    const int y = year - 1;
    return y * 365 + y / 4 - y / 100 + y / 400;
}

// Days before the first of each month (and of the next year) in a common
// year.
constexpr int kDaysBeforeMonth[13] = {0,   31,  59,  90,  120, 151, 181,
                                      212, 243, 273, 304, 334, 365};

// month is 1..13, 13 standing for the first of the next year.
constexpr int DaysBeforeMonth(int year, int month) {
    return kDaysBeforeMonth[month - 1] + (month > 2 && IsLeap(year) ? 1 : 0);
}

constexpr int DaysInMonth(int year, int month) {
    return DaysBeforeMonth(year, month + 1) - DaysBeforeMonth(year, month);
}

// 1899-12-30 (serial day 0) counted from 0001-01-01.
constexpr int kEpochDay = DaysBeforeYear(1899) + DaysBeforeMonth(1899, 12) + 29;
static_assert(kEpochDay == 693593, "1899-12-30 is day 693593 after 0001-01-01");

// The OLE range: days -657434 (0100-01-01) to 2958465 (9999-12-31). A
// negative date keeps its day in the integer part, so everything above
// -657435 still falls on 0100-01-01.
constexpr double kMinDate = -657435.0;
constexpr double kMaxDate = 2958466.0;
static_assert(DaysBeforeYear(100) - kEpochDay == -657434, "0100-01-01");
static_assert(DaysBeforeYear(10000) - 1 - kEpochDay == 2958465, "9999-12-31");

// Windows rounds the time of day to the nearest second, half a second going
// up, and it does so with a slack of 1e-11 day (0.864 microseconds): a time
// that far below a half second still rounds up. This is what
// VarUdateFromDate shows when probed with the doubles around half seconds
// (at small day numbers, where the doubles are dense enough to see it, the
// switch sits 8.64e-7 s below the half second). The slack is kept here as
// 0.864e-6 s scaled by 2^63, rounded down.
constexpr std::uint64_t kTwo63 = std::uint64_t{1} << 63;
constexpr std::uint64_t kSlackTimes2To63 =
    kTwo63 / 1000000000 * 864 + kTwo63 % 1000000000 * 864 / 1000000000;

// Whole seconds of the time of day `fraction` (0 <= fraction < 1 day),
// rounded as above; the result is 0..86400.
int RoundedSecondOfDay(double fraction) {
    int exponent = 0;
    const double mantissa = std::frexp(fraction, &exponent);  // [0.5, 1)
    // Below 2^-18 day (0.33 s) nothing rounds up to the first second; this
    // also keeps the shift below within 63 bits.
    if (fraction == 0.0 || exponent < -17) return 0;
    // fraction = m * 2^(exponent - 53) with m a 53-bit integer, so
    // 86400 * fraction = (675 * m) * 2^-(46 - exponent), exactly; 675 * m
    // fits in 63 bits.
    const std::uint64_t m = static_cast<std::uint64_t>(std::ldexp(mantissa, 53));
    const std::uint64_t scaled = 675 * m;
    const int shift = 46 - exponent;  // 46..63
    const std::uint64_t whole = scaled >> shift;
    const std::uint64_t rest = scaled & ((std::uint64_t{1} << shift) - 1);
    const std::uint64_t half = std::uint64_t{1} << (shift - 1);
    const std::uint64_t slack = kSlackTimes2To63 >> (63 - shift);
    return static_cast<int>(whole) + (rest >= half - slack ? 1 : 0);
}

// Fills the calendar fields of `day` (counted from 0001-01-01, >= 0).
void CalendarFromDay(int day, OleDateParts* parts) {
    // 0001-01-01 was a Monday.
    parts->dayOfWeek = (day + 1) % 7;

    const int cycles400 = day / kDaysPer400Years;
    int rest = day % kDaysPer400Years;
    // The last day of a 400-year cycle (31 December of a year divisible by
    // 400) would count as a fifth century and the last day of a leap year
    // as a fifth year; hence the caps at 3.
    int cycles100 = rest / kDaysPer100Years;
    if (cycles100 > 3) cycles100 = 3;
    rest -= cycles100 * kDaysPer100Years;
    const int cycles4 = rest / kDaysPer4Years;
    rest %= kDaysPer4Years;
    int years = rest / 365;
    if (years > 3) years = 3;
    rest -= years * 365;

    const int year = cycles400 * 400 + cycles100 * 100 + cycles4 * 4 + years + 1;
    int month = 1;
    while (month < 12 && rest >= DaysBeforeMonth(year, month + 1)) ++month;
    parts->year = year;
    parts->month = month;
    parts->day = rest - DaysBeforeMonth(year, month) + 1;
    parts->dayOfYear = rest + 1;
}

// The double nearest to numerator / 86400 (0 < numerator < 2^40), found
// with integers so that the x87 build rounds exactly like the SSE build.
double DivideBySecondsPerDay(std::uint64_t numerator) {
    // 86400 = 675 * 2^7. Normalise the numerator to the top bit so that the
    // quotient by 675 carries 54 or 55 significant bits, one or two more
    // than a double holds.
    int shift = 0;
    while ((numerator & kTwo63) == 0) {
        numerator <<= 1;
        ++shift;
    }
    const std::uint64_t quotient = numerator / 675;
    const int extra = quotient >> 54 ? 2 : 1;
    std::uint64_t significand = quotient >> extra;
    const std::uint64_t dropped = quotient & ((std::uint64_t{1} << extra) - 1);
    // Rounding half up is rounding to nearest here: an exact tie would need
    // an exact quotient, and numerator / 86400 is either not exact or a
    // number of fewer than 30 significant bits, with nothing to drop.
    if (dropped >= (std::uint64_t{1} << (extra - 1))) ++significand;
    return std::ldexp(static_cast<double>(significand), extra - shift - 7);
}

void AppendNumber(int value, int minDigits, std::string* out) {
    char buffer[16];
    std::snprintf(buffer, sizeof(buffer), "%0*d", minDigits, value);
    out->append(buffer);
}

}  // namespace

bool OleDateToParts(double date, OleDateParts* parts) {
    if (!(date > kMinDate && date < kMaxDate)) return false;  // also NaN
    const double wholeDays = std::trunc(date);
    // For negative dates the time of day is the size of the fraction,
    // counted forward from the start of the day in the integer part.
    const double fraction = std::fabs(date - wholeDays);  // exact
    int day = static_cast<int>(wholeDays) + kEpochDay;
    int second = RoundedSecondOfDay(fraction);
    if (second == kSecondsPerDay) {
        // Rounded up past midnight: the next calendar day, which for a
        // negative date is the one closer to zero. 9999-12-31 23:59:59.5
        // becomes 10000-01-01, as on Windows.
        ++day;
        second = 0;
    }
    CalendarFromDay(day, parts);
    parts->hour = second / 3600;
    parts->minute = second / 60 % 60;
    parts->second = second % 60;
    return true;
}

bool OleDateFromParts(int year, int month, int day, int hour, int minute,
                      int second, double* date) {
    if (year < 100 || year > 9999 || month < 1 || month > 12 || day < 1 ||
        day > DaysInMonth(year, month) || hour < 0 || hour > 23 || minute < 0 ||
        minute > 59 || second < 0 || second > 59) {
        return false;
    }
    const int serial =
        DaysBeforeYear(year) + DaysBeforeMonth(year, month) + day - 1 - kEpochDay;
    const int secondOfDay = hour * 3600 + minute * 60 + second;
    // A negative date carries its time of day as a fraction of the same
    // sign: 1899-12-29 06:00 is -(1 + 0.25).
    const bool negative = serial < 0;
    const std::uint64_t magnitude =
        static_cast<std::uint64_t>(negative ? -serial : serial) * kSecondsPerDay +
        static_cast<std::uint64_t>(secondOfDay);
    const double value = magnitude == 0 ? 0.0 : DivideBySecondsPerDay(magnitude);
    *date = negative ? -value : value;
    return true;
}

bool OleDateToSeconds(double date, long long* seconds) {
    OleDateParts p;
    if (!OleDateToParts(date, &p)) return false;
    const long long serial =
        DaysBeforeYear(p.year) + DaysBeforeMonth(p.year, p.month) + p.day - 1 - kEpochDay;
    *seconds = serial * kSecondsPerDay + p.hour * 3600 + p.minute * 60 + p.second;
    return true;
}

std::string COleDateTime::Format(const char* pattern) const {
    if (pattern == nullptr || m_status == null) return std::string();
    OleDateParts parts;
    if (m_status != valid || !OleDateToParts(m_dt, &parts))
        return "Invalid DateTime";

    std::string out;
    for (const char* p = pattern; *p != '\0'; ++p) {
        if (*p != '%') {
            out.push_back(*p);
            continue;
        }
        switch (p[1]) {
            case 'Y': AppendNumber(parts.year, 1, &out); break;
            case 'm': AppendNumber(parts.month, 2, &out); break;
            case 'd': AppendNumber(parts.day, 2, &out); break;
            case 'H': AppendNumber(parts.hour, 2, &out); break;
            case 'M': AppendNumber(parts.minute, 2, &out); break;
            case 'S': AppendNumber(parts.second, 2, &out); break;
            case '%': out.push_back('%'); break;
            case '\0':  // a lone '%' at the end stays as it is
                out.push_back('%');
                continue;
            default:  // unknown conversions are copied unchanged
                out.push_back('%');
                out.push_back(p[1]);
                break;
        }
        ++p;
    }
    return out;
}
