// Changing the log of a scoring run: adding a QSO with its acceptance rules
// and marks, removing one, emptying the store for a new run. The caller holds
// the module lock for the whole call.
#ifndef STATS_SCORING_LOG_OPS_H_
#define STATS_SCORING_LOG_OPS_H_

#include <string>

#include "scoring/contest_rules.h"
#include "scoring/qso_input.h"
#include "scoring/qso_record.h"

// Settings of the run that adding and removing depend on.
struct RunContext {
    int cwContest = 0;        // nonzero = the CW weekend is scored
    std::string badQsoPath;   // report file; empty = report lines are lost
    ScoringPeriod period;     // the reset's contest period
};

// Checks band, mode, weekend, period, the own call and the exchange, marks
// bad states/provinces and dupes, writes one report line per problem and
// appends the record.
// Returns 1 when stored (marked or not), 0 when refused.
int AddQso(const QsoInput& qso, const RunContext& run, ContestStore* store);

// Removes the first record with the same call, mode, band and time, prunes
// the per-band tables and rewrites the report without that QSO's lines.
// Always returns 1.
int RemoveQso(const QsoInput& qso, const RunContext& run, ContestStore* store);

// The record AddQso would store for qso, before marks and the state/province:
// a US station in Alaska or Hawaii already as a QSO with that country.
CInfo RecordFromInput(const QsoInput& qso);

// Empties the log and the worked bands, and resets the previous-QSO row of
// each rule band to the band text and four dashes.
void ResetStore(ContestStore* store);

#endif  // STATS_SCORING_LOG_OPS_H_
