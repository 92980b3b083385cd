// The answers an operator looks for in a scored log, each from what the
// module made of every QSO (ReplayLog() with the totals tracked): the QSO
// list with points, new multipliers and why a QSO does not count, the
// multipliers worked and missing, the hours of the contest, and the whole
// result as JSON and CSV (formats in the README).
#ifndef CQ160_SCORE_DETAILS_H_
#define CQ160_SCORE_DETAILS_H_

#include <string>

#include "tools/cq160/contest/contest_run.h"
#include "tools/cq160/host/replay_log.h"

// One row per QSO in log order: line, time, call, received exchange, points,
// the multiplier it brought (empty if none), "counts" or the reasons.
std::string QsoTable(const ContestRun& run, const ReplayOutcome& outcome);

// Countries worked by continent, states and provinces worked and missing.
std::string MultiplierLists(const ContestRun& run, const ReplayOutcome& outcome);

// QSOs and points that score, per clock hour of the contest period (and
// before or after it, when the log has such QSOs).
std::string HourTable(const ContestRun& run, const ReplayOutcome& outcome);

// A text as a JSON string, quotes included, in UTF-8 (JsonString()); a CSV
// field, quoted where it has to be (RFC 4180), in the log's code page.
std::string JsonText(const std::string& text);
std::string CsvField(const std::string& text);

struct ResultSummary {
    std::string claimed;  // as a number, or empty
    std::string score;    // the module's, or empty
};

std::string ResultJson(const ContestRun& run, const ReplayOutcome& outcome,
                       const ResultSummary& summary);
std::string ResultCsv(const ContestRun& run, const ReplayOutcome& outcome,
                      const ResultSummary& summary);

#endif  // CQ160_SCORE_DETAILS_H_
