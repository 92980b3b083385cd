#include "scoring/contest_rules.h"

#include <unordered_set>

#include "platform/text_util.h"
#include "scoring/qso_record.h"

namespace {

// Exact membership in a null-terminated table.
bool InTable(const char* const* table, const std::string& text) {
    for (const char* const* entry = table; *entry; ++entry) {
        if (text == *entry) return true;
    }
    return false;
}

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

}  // namespace

// ---- Bands, modes and the weekend ----------------------------------------

const char* const kBandSlotNames[kBandSlots] = {"160m", "80m", "40m", "20m", "15m", "10m"};

int BandSlot(const std::string& band) {
    for (int slot = 0; slot < kBandSlots; ++slot) {
        if (band == kBandSlotNames[slot]) return slot;
    }
    return 0;
}

CContestRules::CContestRules(const char* const* table, std::size_t count)
    : entries_(table, table + count) {}

int CContestRules::contains(const std::string& text) const {
    for (const std::string& entry : entries_) {
        if (EqualsNoCase(entry, text)) return 1;
    }
    return 0;
}

namespace {
const char* const kModeTable[] = {"CW", "SSB"};
const char* const kBandTable[] = {"160m"};
}  // namespace

const CContestRules& ModeRules() {
    static const CContestRules rules(kModeTable, 2);
    return rules;
}

const CContestRules& BandRules() {
    static const CContestRules rules(kBandTable, 1);
    return rules;
}

const char* WeekendMode(int cwContest) { return cwContest ? "CW" : "SSB"; }

ScoringPeriod::ScoringPeriod(const COleDateTime& start, const COleDateTime& end) {
    if (start.GetStatus() != COleDateTime::valid || end.GetStatus() != COleDateTime::valid)
        return;
    OleDateParts parts;
    if (!OleDateToSeconds(start.m_dt, &start_) || !OleDateToSeconds(end.m_dt, &end_) ||
        !OleDateToParts(start.m_dt, &parts) || start_ >= end_) {
        return;
    }
    valid_ = true;
    startsInJanuary_ = parts.month == 1;
}

bool ScoringPeriod::Excludes(const COleDateTime& time) const {
    long long t;
    if (!valid_ || time.GetStatus() != COleDateTime::valid || !OleDateToSeconds(time.m_dt, &t))
        return false;
    return t < start_ || t >= end_;
}

bool IsOwnCall(const std::string& ownCall, const std::string& call) {
    return !ownCall.empty() && EqualsNoCase(ownCall, call);
}

// ---- Points ---------------------------------------------------------------

int QsoPoints(const std::string& call, bool sameCountry, bool sameContinent) {
    if (IsMaritimeMobile(call)) return kPointsMaritimeMobile;
    if (sameCountry) return kPointsOwnCountry;
    return sameContinent ? kPointsOwnContinent : kPointsOtherContinent;
}

// ---- Multipliers: countries -----------------------------------------------

namespace {

// Entities with a country of their own under a parent's prefix, by the
// detailed prefix the host's country file gives them.
const char* const kOwnDetailedPrefixes[] = {"Z6",  "TA1",  "4U1",  "IT9", "IG9",
                                            "GM/s", "JW/b", "4U1V", nullptr};

// Countries whose stations send their state or province and count through
// it: the USA and Canada, by the host's country prefixes.
const char* const kStateProvCountries[] = {"K", "VE", nullptr};

}  // namespace

bool IsMaritimeMobile(const std::string& call) {
    // Asked for every record of every summary: no copy of the call.
    const auto space = [](char c) {
        return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
    };
    std::size_t begin = 0, end = call.size();
    while (begin < end && space(call[begin])) ++begin;
    while (end > begin && space(call[end - 1])) --end;
    return end - begin > 3 && call[end - 3] == '/' && (call[end - 2] == 'M' || call[end - 2] == 'm') &&
           (call[end - 1] == 'M' || call[end - 1] == 'm');
}

bool UsesOwnDetailedPrefix(const std::string& prefix) {
    return InTable(kOwnDetailedPrefixes, prefix);
}

std::string QsoCountry(const std::string& call, const std::string& countryPrefix,
                       const std::string& detailedPrefix) {
    // A ship is in no country: whatever the host resolved from the call's
    // home part, the QSO must not count, mark or match as that country (in
    // the results, the call check and the windows alike).
    if (IsMaritimeMobile(call)) return std::string();
    return UsesOwnDetailedPrefix(detailedPrefix) ? detailedPrefix : countryPrefix;
}

const CountryByExchange* CountryOfUsExchange(const std::string& countryPrefix,
                                             const std::string& call,
                                             const std::string& exchRcvd) {
    // The prefixes and continents the host's country file gives KL7 and KH6 calls.
    static const CountryByExchange kCountries[] = {{"AK", "KL", "NA"}, {"HI", "KH6", "OC"}};
    if (countryPrefix != "K" || IsMaritimeMobile(call)) return nullptr;
    const std::string text = UpperTrimmed(exchRcvd);
    for (const CountryByExchange& c : kCountries) {
        if (text == c.exchange) return &c;
    }
    return nullptr;
}

bool CountsThroughStateProv(const std::string& country) {
    return InTable(kStateProvCountries, country);
}

bool CountsAsCountry(const std::string& country) {
    return !country.empty() && !CountsThroughStateProv(country);
}

// ---- Multipliers: states and provinces ------------------------------------

// Alaska and Hawaii are not on the list: in this contest they count as DXCC
// entities of their own, not as states. Nor is the old Quebec code "PQ".
const char* const g_stateProvTable[] = {
    "AL", "AZ", "AR", "CA", "CO", "CT", "DC", "DE", "FL", "GA", "ID", "IL", "IN",
    "IA", "KS", "KY", "LA", "ME", "MA", "MD", "MI", "MN", "MS", "MO", "MT", "NE",
    "NV", "NH", "NJ", "NM", "NY", "NC", "ND", "OH", "OK", "OR", "PA", "RI", "SC",
    "SD", "TN", "TX", "UT", "VT", "VA", "WA", "WV", "WI", "WY",
    "NB", "NS", "QC", "ON", "MB", "SK", "AB", "BC", "NWT", "NF", "LB", "NU", "YT",
    "PEI", "PE", nullptr};

namespace {

// Today's postal codes that stand for one of the contest's abbreviations.
// Newfoundland and Labrador send the one code "NL" but are two multipliers
// here: which one is told by the call.
struct StateProvAlias {
    const char* sent;
    const char* countsAs;
    const char* countsAsFromLabrador;
};
const StateProvAlias kStateProvAliases[] = {
    {"PE", "PEI", "PEI"},
    {"NT", "NWT", "NWT"},
    {"NL", "NF", "LB"},
};

// A Labrador call: one that begins with VO2 (VO2AB, VO2AB/P, VO2/K1ABC), or
// has VO2 as the location part after the call (K1ABC/VO2).
bool IsLabradorCall(const std::string& call) {
    const std::string text = UpperTrimmed(call);
    if (text.compare(0, 3, "VO2") == 0) return true;
    std::size_t start = 0;
    while (start <= text.size()) {
        std::size_t slash = text.find('/', start);
        if (slash == std::string::npos) slash = text.size();
        if (text.compare(start, slash - start, "VO2") == 0) return true;
        start = slash + 1;
    }
    return false;
}

}  // namespace

int isStateProv(const std::string& text) {
    // Built on first use (thread-safe), read-only afterwards.
    static const std::unordered_set<std::string> kAll = [] {
        std::unordered_set<std::string> all;
        for (const char* const* entry = g_stateProvTable; *entry; ++entry) all.insert(*entry);
        return all;
    }();
    return kAll.count(text) != 0 ? 1 : 0;
}

bool SendsStateProv(const std::string& countryPrefix, const std::string& call,
                    const std::string& exchRcvd) {
    return CountsThroughStateProv(countryPrefix) && !IsMaritimeMobile(call) &&
           !CountryOfUsExchange(countryPrefix, call, exchRcvd);
}

std::string NormalisedStateProv(const std::string& exchRcvd, const std::string& call) {
    const std::string text = UpperTrimmed(exchRcvd);
    for (const StateProvAlias& alias : kStateProvAliases) {
        if (text == alias.sent)
            return IsLabradorCall(call) ? alias.countsAsFromLabrador : alias.countsAs;
    }
    return text;
}

// ---- The exchange as it is typed ------------------------------------------

namespace {

// The call areas a station may send as a one-digit exchange.
struct CallAreas {
    const char* country;
    int first, last;
};
const CallAreas kCallAreas[] = {
    {"VE", 1, 5},
    {"K", 3, 5},
};

// Countries that span several CQ zones.
const char* const kZoneGuessCountries[] = {"VK", "UA9", "BY", nullptr};

}  // namespace

int IsValidTypedExchange(const std::string& x, const std::string& country) {
    if (x.size() == 2) {
        return IsDigit(x[0]) && IsDigit(x[1]) && (x[0] - '0') * 10 + (x[1] - '0') <= kHighestCqZone;
    }
    if (x.size() == 1 && IsDigit(x[0])) {
        const int n = x[0] - '0';
        for (const CallAreas& areas : kCallAreas) {
            if (country == areas.country) return n >= areas.first && n <= areas.last;
        }
    }
    return 0;
}

std::string ZoneHint(const std::string& countryPrefix, int zone) {
    if (CountsThroughStateProv(countryPrefix)) return std::string();
    if (InTable(kZoneGuessCountries, countryPrefix)) return std::to_string(zone) + "?";
    return std::to_string(zone);
}

std::string MaritimeMobileZoneHint(int zone) {
    return zone > 0 ? std::to_string(zone) + "?" : std::string();
}

// ---- The operator ---------------------------------------------------------

namespace {
const char* const kRussianTextCountries[] = {"UA", "UA2", "UA2/f", "UA9", "UN", "UR", "EU",
                                             nullptr};
}  // namespace

bool UsesRussianTexts(const std::string& ownCountry) {
    return InTable(kRussianTextCountries, ownCountry);
}
