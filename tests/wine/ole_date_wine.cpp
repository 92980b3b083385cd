// Differential test, run under Wine: OleDateToParts against oleaut32's own
// VarUdateFromDate over pseudo-random dates, the doubles around half-second
// boundaries and calendar boundaries. Prints
//   ole_date_wine: N compared, M excluded, K mismatches
// and exits 0 only when nothing differs and enough values were compared.
//
// Two faults of Wine's conversion are allowed for:
//  - When the time rounds up past midnight its day of week and day of year
//    still describe the day before; those two fields are then not compared.
//  - A rollover out of 30 November lands on 1 January of the next year.
//    Such a case (the input's own day is 30 November, Wine's answer is the
//    next 1 January at 00:00:00) is excluded and counted on its own; our
//    answer must then be 1 December 00:00:00 of the same year.
#include <windows.h>
#include <oleauto.h>

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <initializer_list>
#include <vector>

#include "platform/ole_date.h"

namespace {

constexpr int kMinSerial = -657434;  // 0100-01-01
constexpr int kMaxSerial = 2958465;  // 9999-12-31

struct Fields {
    bool ok = false;
    OleDateParts parts;
};

Fields FromWine(double date) {
    Fields f;
    UDATE u = {};
    f.ok = SUCCEEDED(VarUdateFromDate(date, 0, &u));
    if (f.ok) {
        f.parts.year = u.st.wYear;
        f.parts.month = u.st.wMonth;
        f.parts.day = u.st.wDay;
        f.parts.hour = u.st.wHour;
        f.parts.minute = u.st.wMinute;
        f.parts.second = u.st.wSecond;
        f.parts.dayOfWeek = u.st.wDayOfWeek;
        f.parts.dayOfYear = u.wDayOfYear;
    }
    return f;
}

Fields FromOurs(double date) {
    Fields f;
    f.ok = OleDateToParts(date, &f.parts);
    return f;
}

bool SameDay(const OleDateParts& a, const OleDateParts& b) {
    return a.year == b.year && a.month == b.month && a.day == b.day;
}

bool SameClock(const OleDateParts& a, const OleDateParts& b) {
    return SameDay(a, b) && a.hour == b.hour && a.minute == b.minute &&
           a.second == b.second;
}

// splitmix64: a fixed sequence on every compiler, unlike the standard
// distributions.
class Random {
public:
    explicit Random(std::uint64_t seed) : state_(seed) {}
    std::uint64_t Next() {
        std::uint64_t z = (state_ += 0x9E3779B97F4A7C15ULL);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
        return z ^ (z >> 31);
    }
    double Unit() { return static_cast<double>(Next() >> 11) * 0x1p-53; }  // [0, 1)
    int Between(int lo, int hi) {  // inclusive
        return lo + static_cast<int>(Next() % static_cast<std::uint64_t>(hi - lo + 1));
    }

private:
    std::uint64_t state_;
};

// The date `seconds` into serial day `serial`; a negative day carries the
// time as a fraction of its own sign. `negativeZero` writes day 0 as -0.x.
double At(int serial, double seconds, bool negativeZero = false) {
    const double fraction = seconds / 86400.0;
    return serial < 0 || (serial == 0 && negativeZero) ? serial - fraction
                                                       : serial + fraction;
}

// The doubles `nearest` to `farthest` steps below and above x (x itself
// when nearest is 0).
void AddAround(double x, int nearest, int farthest, std::vector<double>* out) {
    double below = x, above = x;
    for (int step = 0; step <= farthest; ++step) {
        if (step >= nearest) {
            out->push_back(below);
            if (step > 0) out->push_back(above);
        }
        below = std::nextafter(below, -HUGE_VAL);
        above = std::nextafter(above, HUGE_VAL);
    }
}

std::vector<double> Inputs() {
    std::vector<double> in;
    Random random(20240611);

    // Anywhere in the range, negative dates included.
    for (int i = 0; i < 12000; ++i)
        in.push_back(kMinSerial - 1 + random.Unit() * (kMaxSerial - kMinSerial + 2));
    // Small negative dates, where day and time of day run in opposite
    // directions.
    for (int i = 0; i < 1000; ++i) in.push_back(-random.Unit() * 1000.0);

    // Half seconds and the doubles just below and above them, on random
    // days and at random seconds (day 0 also written as -0.x).
    for (int i = 0; i < 2500; ++i) {
        const int serial = i % 5 == 0 ? random.Between(-3, 3)
                                      : random.Between(kMinSerial, kMaxSerial);
        const int second = i % 7 == 0 ? 86399 : random.Between(0, 86399);
        AddAround(At(serial, second + 0.5, i % 2 == 0), 0, 1, &in);
    }

    // Where Windows' slack of 1e-11 day below the half second is wider than
    // the spacing of the doubles (days below 2^16): doubles on either side
    // of the switch. The double computed for the switch itself and its next
    // neighbours are left out: they can lie closer to it than the rounding
    // error of Windows' own arithmetic, which then decides either way.
    for (int i = 0; i < 1000; ++i) {
        const int limit = i % 2 == 0 ? 3 : 65535;
        const int serial = random.Between(-limit, limit);
        const int second = random.Between(0, 86399);
        AddAround(At(serial, second + 0.5 - 0.864e-6, i % 4 == 0), 2, 4, &in);
    }

    // Calendar boundaries: first and last day of every month of years
    // around leap-year and century rules and the ends of the range, at
    // minute, hour and day boundaries and half a second either side.
    const int years[] = {100,  101,  104,  399,  400,  401,  1600, 1700, 1800,
                         1899, 1900, 1901, 1904, 1999, 2000, 2023, 2024, 2025,
                         2026, 2100, 2400, 9998, 9999};
    const double seconds[] = {0.0,     0.4,     0.5,     59.5,    60.0,
                              3599.5,  3600.0,  43199.5, 43200.0, 86399.0,
                              86399.4, 86399.5, 86399.6};
    for (int year : years) {
        for (int month = 1; month <= 12; ++month) {
            double first = 0.0;
            OleDateFromParts(year, month, 1, 0, 0, 0, &first);
            const int firstSerial = static_cast<int>(first);
            for (int serial : {firstSerial - 1, firstSerial}) {
                if (serial < kMinSerial || serial > kMaxSerial) continue;
                for (double s : seconds) AddAround(At(serial, s), 0, 1, &in);
            }
        }
    }

    // The ends of the range and beyond.
    for (double x : {-657435.0, -657434.0, 2958465.0, 2958466.0}) {
        AddAround(x, 0, 3, &in);
    }
    for (double x : {-1e10, 1e10, -HUGE_VAL, HUGE_VAL, -0.0, 0.0}) in.push_back(x);
    return in;
}

void Print(const char* who, const Fields& f) {
    if (!f.ok) {
        std::printf("  %-5s rejected\n", who);
        return;
    }
    const OleDateParts& p = f.parts;
    std::printf("  %-5s %04d-%02d-%02d %02d:%02d:%02d dow %d doy %d\n", who, p.year,
                p.month, p.day, p.hour, p.minute, p.second, p.dayOfWeek, p.dayOfYear);
}

}  // namespace

int main() {
    int compared = 0, excluded = 0, mismatches = 0;
    for (double date : Inputs()) {
        const Fields wine = FromWine(date);
        const Fields ours = FromOurs(date);

        bool same;
        bool isWineFault = false;
        if (!wine.ok || !ours.ok) {
            same = wine.ok == ours.ok;
        } else {
            // The input's own day, as Wine sees it (no rounding involved).
            const Fields own = FromWine(std::trunc(date));
            const bool rolledOver = own.ok && !SameDay(own.parts, wine.parts);
            isWineFault = rolledOver && own.parts.month == 11 && own.parts.day == 30 &&
                          wine.parts.year == own.parts.year + 1 &&
                          wine.parts.month == 1 && wine.parts.day == 1 &&
                          wine.parts.hour == 0 && wine.parts.minute == 0 &&
                          wine.parts.second == 0;
            if (isWineFault) {
                OleDateParts want = own.parts;
                want.month = 12;
                want.day = 1;
                want.dayOfWeek = (own.parts.dayOfWeek + 1) % 7;
                want.dayOfYear = own.parts.dayOfYear + 1;
                same = SameClock(ours.parts, want) &&
                       ours.parts.dayOfWeek == want.dayOfWeek &&
                       ours.parts.dayOfYear == want.dayOfYear;
            } else {
                same = SameClock(ours.parts, wine.parts) &&
                       (rolledOver || (ours.parts.dayOfWeek == wine.parts.dayOfWeek &&
                                       ours.parts.dayOfYear == wine.parts.dayOfYear));
            }
        }

        if (isWineFault) {
            ++excluded;
        } else {
            ++compared;
        }
        if (!same) {
            if (++mismatches <= 20) {
                std::printf("mismatch at %.17g%s\n", date,
                            isWineFault ? " (30 November rollover)" : "");
                Print("wine", wine);
                Print("ours", ours);
            }
        }
    }
    std::printf("ole_date_wine: %d compared, %d excluded, %d mismatches\n", compared,
                excluded, mismatches);
    return mismatches == 0 && compared >= 10000 ? 0 : 1;
}
