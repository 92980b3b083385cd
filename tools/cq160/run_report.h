// The text cq160 prints about a run, section by section.
#ifndef CQ160_RUN_REPORT_H_
#define CQ160_RUN_REPORT_H_

#include <string>

#include "tools/cq160/contest_run.h"

// "Fed. Rep. of Germany (DL), EU, CQ zone 14", or why there is no country.
std::string DescribeLocation(const CallLocation& where);

// The log, the own station, the weekend and what the module took.
std::string RunHeader(const std::string& logName, const ContestRun& run, int stored);

// The claimed score, the module's and cq160's own count, on one line.
std::string ScoreLine(const ContestRun& run, const std::string& results);

// A warning when the log may be truncated, the QSO lines that could not be
// read and the calls without a country.
std::string ProblemLines(const ContestRun& run);

#endif  // CQ160_RUN_REPORT_H_
