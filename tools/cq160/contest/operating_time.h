// The operating time by the contest's rules: single operators may operate
// 30 of the 48 hours, multi-operator stations 40; an off period is a time
// of at least 30 minutes without a QSO. The operating time is the period's
// time less its off periods, counted from the logged QSO times (to the
// minute): the gaps between QSOs, and those between the period's start and
// the first QSO and between the last QSO and the period's end.
#ifndef CQ160_OPERATING_TIME_H_
#define CQ160_OPERATING_TIME_H_

#include <string>
#include <vector>

#include "tools/cq160/host/ole_time.h"
#include "tools/cq160/logs/contest_log.h"

struct OperatingTime {
    int minutes = 0;       // the period's minutes less the off periods
    int offPeriods = 0;
    int offMinutes = 0;
    std::string category;  // "SINGLE-OP", "MULTI-OP", or empty when not known
    int limitMinutes = 0;  // 0: no limit known for the category
    int firstPast = -1;    // the index of the first QSO past the limit; -1 none
};

// The operator category the log states: CATEGORY-OPERATOR, else the first
// word of a Cabrillo 2.0 CATEGORY line (SINGLE-OP-ASSISTED is SINGLE-OP,
// MULTI-ONE, -TWO and -MULTI are MULTI-OP); empty when it states none.
std::string LoggedOperatorCategory(const ContestLog& log);

// The operating time of the QSOs in the period, and for a SINGLE-OP or
// MULTI-OP category the QSO with which the time first goes past the limit
// (the QSOs taken in time order).
OperatingTime ComputeOperatingTime(const std::vector<LogQso>& qsos, const ContestPeriod& period,
                                   const std::string& category);

// "31 h 05 min".
std::string HoursAndMinutes(int minutes);

// "Operating time: 31 h 05 min (48 h less 3 off periods of 16 h 55 min),
// limit 30 h for SINGLE-OP".
std::string OperatingTimeLine(const OperatingTime& time);

#endif  // CQ160_OPERATING_TIME_H_
