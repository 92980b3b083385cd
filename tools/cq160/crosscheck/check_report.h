// What `cq160 crosscheck` writes: each log's UBN report, the summary table
// of all logs, and every verdict as JSON and CSV (formats in the README).
#ifndef CQ160_CROSSCHECK_CHECK_REPORT_H_
#define CQ160_CROSSCHECK_CHECK_REPORT_H_

#include <string>

#include "tools/cq160/crosscheck/weekend_check.h"

struct CheckSettings {
    int windowMinutes = kDefaultWindowMinutes;
    int penalty = 0;
};

// The UBN report of check.logs[log]: its figures, then one line per QSO
// line that is not confirmed, grouped by verdict, with the other log's
// line. Lines end in CR LF.
std::string UbnReport(const WeekendCheck& check, std::size_t log, const CheckSettings& settings);

// The report's file name for a call: its letters and digits, "/" as "_".
std::string UbnReportName(const std::string& call);

// One row per log, the logs left out and the clocks that are off.
std::string SummaryTable(const WeekendCheck& check, const CheckSettings& settings);

std::string CheckJson(const WeekendCheck& check, const CheckSettings& settings);

// RFC 4180 (CR LF, quoted where needed), one row per QSO line of every log
// after the header row: log,line,call,verdict,other_log,other_line,
// other_call,time,band,mode,detail.
std::string CheckCsv(const WeekendCheck& check);

#endif  // CQ160_CROSSCHECK_CHECK_REPORT_H_
