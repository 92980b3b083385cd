// The figures of a log report: what the charts and tables of the page
// show, computed from the QSOs as the module scored them (ScoredLog). Plain
// functions of their arguments; nothing here reads a file or the module.
//
// Times are minutes since the start of the contest period. The charts
// have one slot per hour of the period; a QSO logged just before the start
// or after the end falls into the first or the last hour, so that the
// running totals end at the module's score.
#ifndef CQ160_REPORT_REPORT_DATA_H_
#define CQ160_REPORT_REPORT_DATA_H_

#include <map>
#include <string>
#include <vector>

// One QSO as the module scored it.
struct ScoredQso {
    int line = 0;       // in the log file
    double minute = 0;  // since the period's start; may be < 0 or past the end
    std::string time;   // "2027-01-29 2204", as the log has it
    std::string call;
    std::string exchange;   // received
    std::string continent;  // "EU", ...; empty when unknown
    long long points = 0;   // what the QSO added to the module's points
    bool counts = false;
    std::string status;  // "counts" or the module's reasons
    // The multiplier the QSO brought, if any: a country (prefix and name)
    // or a state or province (its abbreviation in newStateProv).
    std::string newCountry;
    std::string newCountryName;
    std::string newStateProv;
};

struct ScoredLog {
    std::string call;
    std::string logName;     // the file's name
    std::string weekend;     // "CW" or "SSB"
    double periodStart = 0;  // OLE days
    int periodMinutes = 2880;
    std::string station;  // "Fed. Rep. of Germany (DL), EU, CQ zone 14"
    std::vector<std::pair<std::string, std::string>> header;  // tags shown, as in the log
    bool hasClaimed = false;
    long long claimed = 0;
    bool hasScore = false;
    long long score = 0;                // the module's
    std::vector<ScoredQso> qsos;        // in log order
    // The operating time (the period less its off periods of 30 minutes or
    // more without a QSO) and the category's limit; 0: no limit known.
    int operatingMinutes = 0;
    int operatingLimitMinutes = 0;
    std::string operatorCategory;  // "SINGLE-OP", "MULTI-OP", ...
    std::vector<std::string> warnings;  // cq160's, "line 12: ..."
};

// The hour slot of a time (clamped to the period's hours).
int HourSlot(double minute, int hours);

// The period's whole hours (48 for a weekend).
int PeriodHours(const ScoredLog& log);

// Per hour of the period: QSOs and points that count.
struct HourlyRates {
    std::vector<long long> qsos;
    std::vector<long long> points;
};
HourlyRates RatesPerHour(const ScoredLog& log);

// The totals at the end of each hour: at[h] after hour h (h = 0 .. hours-1).
struct RunningTotals {
    std::vector<long long> points;
    std::vector<long long> countries;
    std::vector<long long> statesProvinces;
    std::vector<long long> score;  // points x (countries + states/provinces)
};
RunningTotals TotalsByHour(const ScoredLog& log);

// A new multiplier, with the totals it brought them to.
struct MultiplierEvent {
    double minute = 0;     // clamped into the period
    bool country = false;  // else a state or province
    std::string name;      // prefix or abbreviation
    std::string title;     // "IT9 Sicily", "MA"
    int countries = 0;
    int statesProvinces = 0;
};
std::vector<MultiplierEvent> MultiplierTimeline(const ScoredLog& log);

// QSOs and points that count per continent, in the order EU NA AS AF SA
// OC, then any other ("?" for unknown); continents without QSOs left out.
struct ContinentTotals {
    std::string continent;
    long long qsos = 0;
    long long points = 0;
};
std::vector<ContinentTotals> TotalsByContinent(const ScoredLog& log);

// The countries worked, by continent (same order), each in the order worked.
struct WorkedCountry {
    std::string prefix;
    std::string name;
};
std::vector<std::pair<std::string, std::vector<WorkedCountry>>> CountriesByContinent(
    const ScoredLog& log);

// The contest's states and provinces, each worked or not.
struct StateProvCell {
    std::string name;
    bool worked = false;
};
std::vector<StateProvCell> StatesProvinces(const ScoredLog& log,
                                           const std::vector<std::string>& all);

// The QSOs that do not count.
std::vector<ScoredQso> NotCounting(const ScoredLog& log);

// Summary figures of a log.
struct LogTotals {
    long long qsos = 0;  // logged
    long long counting = 0;
    long long points = 0;
    long long countries = 0;
    long long statesProvinces = 0;
};
LogTotals TotalsOf(const ScoredLog& log);

// Two or three logs side by side.
struct Comparison {
    // For each log: what it has that none of the others has (sorted).
    std::vector<std::vector<std::string>> uniqueCalls;
    std::vector<std::vector<std::string>> uniqueMultipliers;
    // The calls every log worked (sorted).
    std::vector<std::string> commonCalls;
    // For each log after the first: its running score less the first
    // log's, at the end of each hour.
    std::vector<std::vector<long long>> scoreDifference;
};
// Calls and multipliers are those of QSOs that count; a multiplier is a
// country prefix or a state/province abbreviation.
Comparison Compare(const std::vector<const ScoredLog*>& logs);

#endif  // CQ160_REPORT_REPORT_DATA_H_
