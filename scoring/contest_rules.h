// The contest's rules, all in one place: what is scored (bands, modes, the
// weekend), what a QSO is worth, what counts as a multiplier, which states
// and provinces are accepted and under which codes, what a typed exchange
// may be, and which operators get the Russian window texts. Tables are data
// below or in contest_rules.cpp; the predicates only read them. Every other
// file asks these functions instead of naming a country or a number itself.
// Built once, read-only afterwards, so safe to read from any thread.
#ifndef STATS_SCORING_CONTEST_RULES_H_
#define STATS_SCORING_CONTEST_RULES_H_

#include <cstddef>
#include <string>
#include <vector>

#include "platform/ole_date.h"

// ---- Bands, modes and the weekend ----------------------------------------

// A fixed text list with a case-insensitive membership test.
class CContestRules {
public:
    CContestRules(const char* const* table, std::size_t count);

    // 1 when some entry equals text ignoring letter case, else 0.
    int contains(const std::string& text) const;
    const std::string& at(std::size_t i) const { return entries_[i]; }
    std::size_t size() const { return entries_.size(); }

private:
    std::vector<std::string> entries_;
};

const CContestRules& ModeRules();  // {"CW", "SSB"}
const CContestRules& BandRules();  // {"160m"}

// The one mode the weekend scores: "CW" on the CW weekend, else "SSB"
// (exact, as QSOs and typed calls must carry it).
const char* WeekendMode(int cwContest);

// The contest period the host hands to the reset. A QSO counts from the
// start up to, not including, the end (a QSO logged at 22:00 on Sunday is
// after the contest), each time taken in whole seconds as it is shown. The
// period judges QSOs only when both dates are valid and the start lies
// before the end; a QSO without a valid time is not judged by it either.
class ScoringPeriod {
public:
    ScoringPeriod() = default;  // judges nothing
    ScoringPeriod(const COleDateTime& start, const COleDateTime& end);

    bool valid() const { return valid_; }
    // True when the period is valid, the time is valid and outside it.
    bool Excludes(const COleDateTime& time) const;
    // True when the period is valid and starts in January: the CW weekend
    // (the SSB weekend is in February, or on 1 March at the latest).
    bool StartsInJanuary() const { return valid_ && startsInJanuary_; }

private:
    bool valid_ = false;
    bool startsInJanuary_ = false;
    long long start_ = 0, end_ = 0;  // seconds since 1899-12-30 00:00
};

// True when the worked call is the own call, letter case ignored: the
// station cannot work itself (a "/P" call is another call and counts).
bool IsOwnCall(const std::string& ownCall, const std::string& call);

// ---- Points ---------------------------------------------------------------

constexpr int kPointsOwnCountry = 2;     // a station of the own country
constexpr int kPointsOwnContinent = 5;   // another country of the own continent
constexpr int kPointsOtherContinent = 10;
constexpr int kPointsMaritimeMobile = 5;  // a ship, wherever it comes from

// The points of a scoring QSO with call: sameCountry when its country is the
// own country (this wins over the continent), sameContinent when its
// continent is the own continent.
int QsoPoints(const std::string& call, bool sameCountry, bool sameContinent);

// ---- Multipliers: countries -----------------------------------------------

// True for a maritime mobile call (ending in "/MM", letter case ignored,
// blanks around the call ignored). Such a QSO scores kPointsMaritimeMobile,
// is never a country multiplier and sends a CQ zone, not a state or
// province.
bool IsMaritimeMobile(const std::string& call);

// True for the detailed prefixes of the entities that count as countries of
// their own although the host files them under a parent country prefix:
// Kosovo, European Turkey, the ITU in Geneva, Sicily, and the WAE-only
// African Italy, Shetland, Bear Island and the Vienna International Centre.
// Exact comparison, as the host's country file spells them ("GM/s").
bool UsesOwnDetailedPrefix(const std::string& detailedPrefix);

// The country a QSO counts under: the detailed prefix for the entities
// above, else the host's country prefix; none ("") for a maritime mobile
// call, whatever the host resolved from its home part.
std::string QsoCountry(const std::string& call, const std::string& countryPrefix,
                       const std::string& detailedPrefix);

// A US station that sends "AK" or "HI" is in Alaska or Hawaii, which the
// contest counts as countries (KL7, KH6), not as states. Returns that
// country as the host's country file names it, or null when the QSO is
// none of these (another country prefix than "K", a maritime mobile
// station, any other exchange; blanks and letter case are ignored).
struct CountryByExchange {
    const char* exchange;   // "AK"
    const char* country;    // "KL"
    const char* continent;  // "NA"
};
const CountryByExchange* CountryOfUsExchange(const std::string& countryPrefix,
                                             const std::string& call,
                                             const std::string& exchRcvd);

// True for the countries (exact prefixes "K" and "VE") whose stations are
// multipliers only through their state or province, never as a country.
bool CountsThroughStateProv(const std::string& country);

// True when a QSO's country is a country multiplier: it has one, and it is
// not one that counts through states and provinces.
bool CountsAsCountry(const std::string& country);

// ---- Multipliers: states and provinces ------------------------------------

// The 64 accepted abbreviations followed by a null entry: the 48
// contiguous states and DC, the Canadian areas, and "PE" beside "PEI".
extern const char* const g_stateProvTable[];

// 1 when text equals an entry of g_stateProvTable exactly, else 0.
int isStateProv(const std::string& text);

// True when a QSO's exchange is taken as a state or province: a station of
// a country that counts through them, not maritime mobile, and not a US
// station in Alaska or Hawaii (CountryOfUsExchange).
bool SendsStateProv(const std::string& countryPrefix, const std::string& call,
                    const std::string& exchRcvd);

// The state/province a station's exchange stands for: upper-cased and
// trimmed, with the postal codes operators send today taken as the
// contest's abbreviations (one province, one multiplier): "PE" as "PEI",
// "NT" as "NWT", "NL" as "LB" from a Labrador (VO2) call and as "NF" from
// any other.
std::string NormalisedStateProv(const std::string& exchRcvd, const std::string& call);

// ---- The exchange as it is typed ------------------------------------------

constexpr int kHighestCqZone = 40;

// 1 when a typed exchange is acceptable: a two-digit CQ zone up to
// kHighestCqZone, or a one-digit call area of a country that has them as
// its exchange (VE 1 to 5, K 3 to 5).
int IsValidTypedExchange(const std::string& exchange, const std::string& countryPrefix);

// The CQ zone hint for the host's exchange field of a typed call from a
// station of countryPrefix whose zone the host resolved as zone: "" for the
// countries that send a state or province, the zone with a "?" for the
// countries that span several zones (VK, UA9, BY: the host's zone is only a
// guess there), else the zone.
std::string ZoneHint(const std::string& countryPrefix, int zone);

// The hint for a maritime mobile call: the host's zone comes from the call's
// home part, so it is a guess ("14?"); "" when the host gave none (zone 0
// or less).
std::string MaritimeMobileZoneHint(int zone);

// ---- The operator ---------------------------------------------------------

// True for the own countries whose operators get the Russian window texts:
// UA, UA2, UA2/f, UA9, UN, UR, EU (exact).
bool UsesRussianTexts(const std::string& ownCountry);

#endif  // STATS_SCORING_CONTEST_RULES_H_
