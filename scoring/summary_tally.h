// The count behind the running result, as plain data: per band the scoring
// QSOs, their points, the countries and states/provinces with the lists the
// windows show, then the totals, dupes, the bad-QSO figure, the rates and
// the score. TallySummary only reads the store; the caller holds the module
// lock while it runs.
#ifndef STATS_SCORING_SUMMARY_TALLY_H_
#define STATS_SCORING_SUMMARY_TALLY_H_

#include <string>
#include <vector>

#include "scoring/qso_record.h"
#include "scoring/results_summary.h"

struct BandTally {
    std::string band;  // "160m"
    int qsos = 0;      // scoring QSOs
    int points = 0;
    int countries = 0;   // country multipliers
    int stateProvs = 0;  // state/province multipliers
    // Each distinct country of the band's scoring QSOs once, in first-seen
    // log order, those that are no multiplier included ("K", "VE", "");
    // each distinct state/province the same way.
    StringArray countryList;
    StringArray stateProvList;
};

struct SummaryTally {
    std::vector<BandTally> bands;  // in the order of the store's worked bands
    int qsos = 0;
    int points = 0;
    int countries = 0;
    int stateProvs = 0;
    int dupes = 0;    // marked dupes of every band, scoring nothing
    int badQsos = 0;  // as handed to TallySummary
    int score = 0;    // points x (countries + states/provinces), at most INT_MAX
    // The last scoring QSO on the band of the log's last record.
    int lastQsoPoints = 0;
    // Scoring QSOs on that band within the hour and the ten minutes before
    // the last record, and their points; measured only when rates is true.
    bool rates = false;  // a log to measure, and no final report
    int hourQsos = 0;
    int hourPoints = 0;
    int tenMinuteQsos = 0;
    int tenMinutePoints = 0;
};

// Tallies store's log band by band, in the order of store.bandsWorked, for
// the own country and continent of in; reportMode leaves the rates out.
// badQsos is the figure from the bad-QSO report (CountBadQsoLines).
SummaryTally TallySummary(const SummaryInput& in, const ContestStore& store, int badQsos);

// Sorts band texts so that 160m comes first and 10m last (descending by
// the text left-padded with "0" to 20 characters).
void SortBands(StringArray* bands);

// Age of a record relative to the reference time in whole minutes, the
// span rounded half a second away from zero and then truncated. Computed in
// whole milliseconds so that the day fractions of OLE dates cannot move a
// record across a minute boundary. False when either date is not valid.
bool AgeInMinutes(const COleDateTime& reference, const COleDateTime& record, long long* minutes);

#endif  // STATS_SCORING_SUMMARY_TALLY_H_
