#include "tools/cq160/contest/operating_time.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "tools/cq160/contest/contest_period.h"
#include "tools/cq160/logs/log_text.h"

namespace {

constexpr int kOffPeriodMinutes = 30;
constexpr int kSingleOpLimit = 30 * 60;
constexpr int kMultiOpLimit = 40 * 60;

int MinutesOf(double days) { return static_cast<int>(std::lround(days * 1440)); }

}  // namespace

std::string LoggedOperatorCategory(const ContestLog& log) {
    std::string category, older;
    for (const HeaderTag& h : log.header) {
        if (h.tag == "CATEGORY-OPERATOR" && category.empty()) category = UpperAscii(h.value);
        if (h.tag == "CATEGORY" && older.empty()) {
            const std::vector<std::string> words = SplitBlanks(UpperAscii(h.value));
            if (!words.empty()) older = words[0];
        }
    }
    if (!category.empty()) return category;
    if (older.compare(0, 9, "SINGLE-OP") == 0) return "SINGLE-OP";
    if (older == "MULTI-ONE" || older == "MULTI-TWO" || older == "MULTI-MULTI") return "MULTI-OP";
    return older;
}

OperatingTime ComputeOperatingTime(const std::vector<LogQso>& qsos, const ContestPeriod& period,
                                   const std::string& category) {
    OperatingTime result;
    result.category = category;
    if (category == "SINGLE-OP") result.limitMinutes = kSingleOpLimit;
    if (category == "MULTI-OP") result.limitMinutes = kMultiOpLimit;
    // Minutes since the period's start of the QSOs inside it, in time order
    // (log order among equal times).
    std::vector<std::pair<int, int>> times;  // minute, index
    for (std::size_t i = 0; i < qsos.size(); ++i) {
        const double t = OleDays(qsos[i].time);
        if (InPeriod(period, t))
            times.push_back({MinutesOf(t - period.start), static_cast<int>(i)});
    }
    std::stable_sort(times.begin(), times.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });
    const int length = MinutesOf(period.end - period.start);
    auto off = [&result](int gap) {
        if (gap < kOffPeriodMinutes) return;
        ++result.offPeriods;
        result.offMinutes += gap;
    };
    int previous = 0;
    for (const auto& [minute, index] : times) {
        off(minute - previous);
        previous = minute;
        const int operated = minute - result.offMinutes;
        if (result.limitMinutes && result.firstPast < 0 && operated > result.limitMinutes)
            result.firstPast = index;
    }
    off(length - previous);
    result.minutes = length - result.offMinutes;
    return result;
}

std::string HoursAndMinutes(int minutes) {
    char text[32];
    std::snprintf(text, sizeof text, "%d h %02d min", minutes / 60, minutes % 60);
    return text;
}

std::string OperatingTimeLine(const OperatingTime& t) {
    std::string text = "Operating time: " + HoursAndMinutes(t.minutes) + " (the period less " +
                       std::to_string(t.offPeriods) +
                       (t.offPeriods == 1 ? " off period" : " off periods") +
                       " of 30 min or more, " + HoursAndMinutes(t.offMinutes) + ")";
    if (t.limitMinutes) {
        text += ", limit " + std::to_string(t.limitMinutes / 60) + " h for " + t.category;
    } else {
        text += t.category.empty() ? ", no operator category in the log"
                                   : ", no limit for " + t.category;
    }
    return text + "\n";
}
