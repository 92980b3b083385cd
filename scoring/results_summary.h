// The running contest result: per band QSOs, points, countries and
// states/provinces, the totals, dupes, bad QSOs, score and rates, as
// tab-separated text or as an HTML page. Computing it sorts the worked
// bands, tallies the log (summary_tally.h), rebuilds the per-band
// multiplier lists the operator windows show (band_lists.h) and renders the
// tally (summary_text.h). The caller holds the module lock for the whole
// computation.
#ifndef STATS_SCORING_RESULTS_SUMMARY_H_
#define STATS_SCORING_RESULTS_SUMMARY_H_

#include <string>

#include "scoring/qso_record.h"

struct SummaryInput {
    std::string ownCall;
    std::string ownCountry;    // QSOs with this country score 2 points
    std::string ownContinent;  // other QSOs on this continent score 5
    std::string periodStartDayMonth;  // "%d.%m"
    std::string periodEndDate;        // "%d.%m.%Y"
    int cwContest = 0;
    bool html = false;        // the host announced its version
    bool reportMode = false;  // final report: no rates
    std::string badQsoPath;   // its lines give the bad-QSO figure (CountBadQsoLines)
    int badQsos = -1;         // that figure when counted already; -1 = count badQsoPath
};

struct Summary {
    std::string text;
    int score = 0;
};

Summary ComputeSummary(const SummaryInput& input, ContestStore* store);

#endif  // STATS_SCORING_RESULTS_SUMMARY_H_
