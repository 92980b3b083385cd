#include "tools/cq160/contest/contest_period.h"

#include <algorithm>
#include <map>

namespace {

const double kTwentyTwo = 22.0 / 24.0;  // 22:00 as a fraction of a day

// Distance in days from t to the period (0 inside it).
double DistanceTo(const ContestPeriod& p, double t) {
    if (t < p.start) return p.start - t;
    if (t >= p.end) return t - p.end;
    return 0;
}

}  // namespace

ContestPeriod ContestWeekend(int year, bool cwWeekend) {
    const int month = cwWeekend ? 1 : 2;
    const long last = OleDayNumber(year, month, DaysInMonth(year, month));
    // The last Sunday of a month is its 22nd or later day, so its Saturday
    // is in the month too: the last full weekend ends on the last Sunday.
    long sunday = last - WeekdayOf(last);
    if (!cwWeekend) {
        int fullWeekends = 0;
        for (long day = OleDayNumber(year, 2, 2); day <= last; ++day) fullWeekends += WeekdayOf(day) == 0;
        if (fullWeekends == 3) sunday += 7;
    }
    ContestPeriod period;
    period.start = static_cast<double>(sunday - 2) + kTwentyTwo;
    period.end = static_cast<double>(sunday) + kTwentyTwo;
    return period;
}

bool InPeriod(const ContestPeriod& period, double days) {
    return days >= period.start && days < period.end;
}

ContestPeriod PeriodOfLog(const std::vector<LogQso>& qsos, bool cwWeekend) {
    if (qsos.empty()) return ContestWeekend(2000, cwWeekend);
    // A QSO can only be in the weekend of its own year (both weekends end
    // by 1 March), so one count per year decides.
    std::map<int, int> inside;
    std::vector<double> times;
    for (const LogQso& q : qsos) {
        const double t = OleDays(q.time);
        times.push_back(t);
        int& count = inside[q.time.year];
        count += InPeriod(ContestWeekend(q.time.year, cwWeekend), t);
    }
    std::nth_element(times.begin(), times.begin() + times.size() / 2, times.end());
    const double middle = times[times.size() / 2];
    const int middleYear = UtcFromOle(middle).year;
    inside.emplace(middleYear - 1, 0);
    inside.emplace(middleYear + 1, 0);
    ContestPeriod best = ContestWeekend(middleYear, cwWeekend);
    int bestCount = -1;
    double bestDistance = 0;
    for (const auto& [year, count] : inside) {
        if (year < 1901 || year > 9998) continue;
        const ContestPeriod period = ContestWeekend(year, cwWeekend);
        const double distance = DistanceTo(period, middle);
        if (count > bestCount || (count == bestCount && distance < bestDistance)) {
            best = period;
            bestCount = count;
            bestDistance = distance;
        }
    }
    return best;
}
