#include "scoring/band_lists.h"

void RebuildBandLists(const SummaryTally& tally, ContestStore* store) {
    for (const BandTally& band : tally.bands) {
        const int slot = BandSlot(band.band);
        store->bandCountries[slot] = band.countryList;
        store->bandStateProvs[slot] = band.stateProvList;
        store->bandZones[slot].clear();
    }
}
