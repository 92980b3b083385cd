// The per-band multiplier lists the operator windows show, rebuilt from a
// tally. The caller holds the module lock: the UI thread reads the lists.
#ifndef STATS_SCORING_BAND_LISTS_H_
#define STATS_SCORING_BAND_LISTS_H_

#include "scoring/qso_record.h"
#include "scoring/summary_tally.h"

// For every band of the tally, replaces its slot's country and
// state/province lists with the tally's and empties its zone list. Slots of
// bands the tally does not report are left as they are.
void RebuildBandLists(const SummaryTally& tally, ContestStore* store);

#endif  // STATS_SCORING_BAND_LISTS_H_
