// OLE automation date as the host hands it over: a pointer to its framework's
// date-time object. The layout must match the host's (MSVC, 4-byte packing):
// the day count at offset 0, the 32-bit status at offset 8, 12 bytes in all.
// Plain value type; not thread-safe beyond what a double is.
#ifndef STATS_PLATFORM_OLE_DATE_H_
#define STATS_PLATFORM_OLE_DATE_H_

#include <cstddef>
#include <cstdint>
#include <string>

// Calendar fields of an OLE date, rounded to the whole second the way
// Windows' own conversion (VarUdateFromDate) rounds.
struct OleDateParts {
    int year = 0;
    int month = 0;      // 1..12
    int day = 0;        // 1..31
    int hour = 0;
    int minute = 0;
    int second = 0;
    int dayOfWeek = 0;  // 0 = Sunday
    int dayOfYear = 0;  // 1..366
};

// Converts days since 1899-12-30 (fraction = time of day; for negative
// dates the fraction counts forward from midnight of the day before zero)
// into calendar fields. Returns false outside the OLE range (years 100 to
// 9999) and for NaN.
bool OleDateToParts(double date, OleDateParts* parts);
// Half a second rounds up, and so does a time up to 1e-11 day short of it;
// the last half second of 9999-12-31 thus gives 10000-01-01, as on Windows.

// The date as whole seconds since 1899-12-30 00:00, rounded as
// OleDateToParts rounds (so 1899-12-29 06:00, the OLE date -1.25, is
// -64800). False where OleDateToParts is. Seconds compare as the shown
// times do, free of the day fraction's binary rounding.
bool OleDateToSeconds(double date, long long* seconds);

// Inverse of OleDateToParts for whole seconds; returns false for fields
// outside their ranges. Used by tests and by whoever builds dates by hand.
bool OleDateFromParts(int year, int month, int day, int hour, int minute,
                      int second, double* date);

#pragma pack(push, 4)
class COleDateTime {
public:
    enum DateTimeStatus : std::int32_t { valid = 0, invalid = 1, null = 2 };

    COleDateTime() = default;
    explicit COleDateTime(double date, DateTimeStatus status = valid)
        : m_dt(date), m_status(status) {}

    // strftime-style formatting of the patterns the module uses (%Y %m %d
    // %H %M %S and %%; other characters are copied). An invalid status or a
    // date outside the OLE range gives "Invalid DateTime"; a null status
    // gives the empty text.
    std::string Format(const char* pattern) const;

    DateTimeStatus GetStatus() const { return m_status; }

    double m_dt = 0.0;
    DateTimeStatus m_status = valid;
};
#pragma pack(pop)

static_assert(sizeof(COleDateTime) == 12, "host layout: double + status, pack 4");
static_assert(offsetof(COleDateTime, m_dt) == 0, "host layout");
static_assert(offsetof(COleDateTime, m_status) == 8, "host layout");

#endif  // STATS_PLATFORM_OLE_DATE_H_
