// The replay of a whole log through the module, QSO by QSO, and what the
// module made of each QSO: whether it kept it, which lines its bad-QSO
// report gained (the report grows by one line per problem while AddData0
// runs), and, when asked, how its results' totals moved. Nothing here
// judges a QSO by itself: every outcome is read back from the module.
#ifndef CQ160_REPLAY_LOG_H_
#define CQ160_REPLAY_LOG_H_

#include <string>
#include <vector>

#include "tools/cq160/contest/contest_run.h"
#include "tools/cq160/host/replay.h"

// The totals row of the module's results (text or HTML).
struct ResultTotals {
    long long qsos = 0;
    long long points = 0;
    long long countries = 0;
    long long statesProvinces = 0;
};

struct QsoOutcome {
    bool stored = false;                // AddData0 kept it in the module's log
    std::vector<std::string> problems;  // the report's messages, in plain words
    // Only when the totals were tracked: what this QSO added to them.
    long long points = 0;
    bool newCountry = false;
    bool newStateProv = false;

    // A kept QSO without a report line scores.
    bool Counts() const { return stored && problems.empty(); }
    // "counts", or the problems joined ("dupe", "wrong mode", ...).
    std::string Status() const;
};

struct ReplayOutcome {
    int stored = 0;
    bool totalsTracked = false;
    std::vector<QsoOutcome> qsos;  // qsos[i] for run.log.qsos[i]
};

// The module's bad-QSO report of the scoring run that ResetStats0 started
// for this period, in the current folder.
std::string BadQsoReportName(const ContestPeriod& period);

// One AddData0 per QSO after replay->Reset() (not in report mode), the
// lines each adds to the bad-QSO report read as they come. With
// trackTotals, also each QSO's points and new multipliers, from the
// module's results asked for after a QSO that counts and differs in its
// band, country, continent, maritime mobile call or state/province from
// every one before it (a score run only: in report mode each request would
// write the Cabrillo file). The answers are checked against the module's
// final totals; should they not add up, the log is replayed once more
// with a request after every QSO. Linear in the log but for that case;
// *resultsRequests (when given) gets the number of requests made.
ReplayOutcome ReplayLog(Replay* replay, const ContestRun& run, bool trackTotals,
                        int* resultsRequests = nullptr);

// The report's message in the operator's words: "   NO NUMBER !!!" is a
// "missing exchange", and so on.
std::string ProblemInWords(const std::string& reportLine);

// Reads the totals row; false when the results have none.
bool TotalsInResults(const std::string& results, ResultTotals* totals);

#endif  // CQ160_REPLAY_LOG_H_
