#include "scoring/summary_tally.h"

#include <algorithm>
#include <string_view>
#include <unordered_set>

#include "scoring/contest_rules.h"

namespace {

std::string BandKey(const std::string& band) {
    return band.size() >= 20 ? band : std::string(20 - band.size(), '0') + band;
}

// The age, as AgeInMinutes gives it, of a time referenceMs - spanMs.
long long SpanMinutes(long long span) {
    span += span >= 0 ? 500 : -500;
    return span / 60000;  // truncates toward zero
}

}  // namespace

void SortBands(StringArray* bands) {
    StringArray& b = *bands;
    for (std::size_t i = 0; i < b.size(); ++i) {
        for (std::size_t j = i + 1; j < b.size(); ++j) {
            if (BandKey(b[j]) > BandKey(b[i])) std::swap(b[i], b[j]);
        }
    }
}

bool AgeInMinutes(const COleDateTime& reference, const COleDateTime& record, long long* minutes) {
    long long referenceMs, recordMs;
    if (!LinearMilliseconds(reference, &referenceMs) || !LinearMilliseconds(record, &recordMs))
        return false;
    *minutes = SpanMinutes(referenceMs - recordMs);
    return true;
}

SummaryTally TallySummary(const SummaryInput& in, const ContestStore& store, int badQsos) {
    const LogStore& log = store.log;
    SummaryTally t;
    t.badQsos = badQsos;
    t.rates = !in.reportMode && !log.empty();
    long long referenceMs = 0;
    const bool timedReference = !log.empty() && LinearMilliseconds(log.back().time, &referenceMs);
    const std::string referenceBand = log.empty() ? std::string() : log.back().band;

    // What a band's lists already hold: countries by the store's numbers,
    // states by their texts, which belong to the records.
    std::vector<char> seenCountries;
    std::unordered_set<std::string_view> seenStates;
    for (const std::string& bandText : store.bandsWorked) {
        BandTally band;
        band.band = bandText;
        seenCountries.assign(log.CountryIds(), 0);
        seenStates.clear();
        // The store's numbers stand for the texts: a number per record
        // compares faster than its band or country text.
        const std::uint32_t bandId = log.BandIdOf(bandText);
        const std::uint32_t ownCountryId = log.CountryIdOf(in.ownCountry);
        const bool referenceBandHere = bandText == referenceBand;
        for (std::size_t i = 0; i < log.size(); ++i) {
            const CInfo& r = log[i];
            if (log.BandId(i) != bandId || r.call.empty()) continue;
            t.dupes += r.dupeFlag;
            if (r.excluded) continue;
            ++band.qsos;
            const int p = QsoPoints(r.call, log.CountryId(i) == ownCountryId,
                                    r.continent == in.ownContinent);
            band.points += p;
            if (referenceBandHere) {
                t.lastQsoPoints = p;
                long long ms;
                if (t.rates && timedReference && log.Milliseconds(i, &ms)) {
                    const long long age = SpanMinutes(referenceMs - ms);
                    if (age < 60) {
                        ++t.hourQsos;
                        t.hourPoints += p;
                    }
                    if (age < 10) {
                        ++t.tenMinuteQsos;
                        t.tenMinutePoints += p;
                    }
                }
            }
            if (!seenCountries[log.CountryId(i)]) {
                seenCountries[log.CountryId(i)] = 1;
                band.countryList.push_back(r.country);
                if (CountsAsCountry(r.country)) ++band.countries;
            }
            if (!r.stateProv.empty() && seenStates.insert(r.stateProv).second) {
                band.stateProvList.push_back(r.stateProv);
                ++band.stateProvs;
            }
        }
        t.qsos += band.qsos;
        t.points += band.points;
        t.countries += band.countries;
        t.stateProvs += band.stateProvs;
        t.bands.push_back(std::move(band));
    }
    const long long wideScore = static_cast<long long>(t.points) * (t.countries + t.stateProvs);
    t.score = static_cast<int>(std::min<long long>(wideScore, 2147483647LL));
    return t;
}
