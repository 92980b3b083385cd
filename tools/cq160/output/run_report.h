// The text cq160 prints about a run, section by section.
#ifndef CQ160_RUN_REPORT_H_
#define CQ160_RUN_REPORT_H_

#include <string>

#include "tools/cq160/contest/contest_run.h"
#include "tools/cq160/host/replay_log.h"

// "Fed. Rep. of Germany (DL), EU, CQ zone 14", or why there is no country.
std::string DescribeLocation(const CallLocation& where);

// The log, the own station, the weekend and what the module made of the
// QSOs, with one line that says how the counts fit together.
std::string RunHeader(const std::string& logName, const ContestRun& run,
                      const ReplayOutcome& outcome);

// The module's results text for reading: as it is, but without the rate
// lines, which in a replay measure only the hour before the last QSO.
std::string ResultsForReading(const std::string& results);

// The claimed score, the module's and cq160's own count, on one line.
std::string ScoreLine(const ContestRun& run, const std::string& results);

// The warnings, one a line.
std::string WarningLines(const ContestRun& run);

// The QSO lines that could not be read and the calls without a country.
std::string ProblemLines(const ContestRun& run);

// The QSOs the module leaves out of its Cabrillo file (the ones it refused
// and so never kept) and why.
std::string LeftOutLines(const ContestRun& run, const ReplayOutcome& outcome);

#endif  // CQ160_RUN_REPORT_H_
