// The running contest result: per band QSOs, points, countries and
// states/provinces, the totals, dupes, bad QSOs, score and rates, as
// tab-separated text or as an HTML page. Computing it also rebuilds the
// per-band multiplier lists the operator windows show and sorts the worked
// bands. The caller holds the module lock for the whole computation.
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

// Sorts band texts so that 160m comes first and 10m last (descending by
// the text left-padded with "0" to 20 characters).
void SortBands(StringArray* bands);

// Age of a record relative to the reference time in whole minutes, the
// span rounded half a second away from zero and then truncated. Computed in
// whole milliseconds so that the day fractions of OLE dates cannot move a
// record across a minute boundary. False when either date is not valid.
bool AgeInMinutes(const COleDateTime& reference, const COleDateTime& record, long long* minutes);

#endif  // STATS_SCORING_RESULTS_SUMMARY_H_
