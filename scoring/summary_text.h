// The running result as the host shows it: tab-separated text with CR LF
// line ends, or an HTML page. Both render a tally and change nothing.
#ifndef STATS_SCORING_SUMMARY_TEXT_H_
#define STATS_SCORING_SUMMARY_TEXT_H_

#include <string>

#include "scoring/results_summary.h"
#include "scoring/summary_tally.h"

// The heading (weekend, period, own call from in), a row per band, the
// totals, dupes and bad QSOs, the rates and last QSO's points when the
// tally measured rates, and the score.
std::string SummaryText(const SummaryInput& in, const SummaryTally& tally);

// The same as a page: the rate rows are always there (0 when the tally
// measured none), and the last QSO's points row too.
std::string SummaryHtml(const SummaryInput& in, const SummaryTally& tally);

#endif  // STATS_SCORING_SUMMARY_TEXT_H_
