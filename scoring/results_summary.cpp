#include "scoring/results_summary.h"

#include "scoring/bad_qso_report.h"
#include "scoring/band_lists.h"
#include "scoring/summary_tally.h"
#include "scoring/summary_text.h"

Summary ComputeSummary(const SummaryInput& in, ContestStore* store) {
    // The sorted order stays in the store: the next summary starts from it.
    SortBands(&store->bandsWorked);
    const int badQsos = in.badQsos >= 0 ? in.badQsos : CountBadQsoLines(in.badQsoPath);
    const SummaryTally tally = TallySummary(in, *store, badQsos);
    RebuildBandLists(tally, store);
    Summary summary;
    summary.text = in.html ? SummaryHtml(in, tally) : SummaryText(in, tally);
    summary.score = tally.score;
    return summary;
}
