#include "tools/cq160/contest/score_check.h"

#include <cmath>
#include <iterator>
#include <set>

#include "tools/cq160/logs/log_text.h"

namespace {

// The 48 contiguous states and DC; the Canadian provinces and territories
// with the abbreviations the contest uses (NWT, NF, LB, PEI).
const char* const kStatesProvinces[] = {
    "AL", "AZ", "AR", "CA", "CO", "CT", "DC", "DE", "FL", "GA", "ID", "IL", "IN", "IA",
    "KS", "KY", "LA", "ME", "MD", "MA", "MI", "MN", "MS", "MO", "MT", "NE", "NV", "NH",
    "NJ", "NM", "NY", "NC", "ND", "OH", "OK", "OR", "PA", "RI", "SC", "SD", "TN", "TX",
    "UT", "VT", "VA", "WA", "WV", "WI", "WY", "NB", "NS", "QC", "ON", "MB", "SK", "AB",
    "BC", "NWT", "NF", "LB", "NU", "YT", "PEI"};

bool IsMaritimeMobileCall(const std::string& call) {
    const std::string text = UpperAscii(TrimBlanks(call));
    return text.size() > 3 && text.compare(text.size() - 3, 3, "/MM") == 0;
}

bool IsLabrador(const std::string& call) {
    const std::string text = UpperAscii(TrimBlanks(call));
    if (text.compare(0, 3, "VO2") == 0) return true;
    return text.find("/VO2/") != std::string::npos ||
           (text.size() > 4 && text.compare(text.size() - 4, 4, "/VO2") == 0);
}

bool SameCall(const std::string& a, const std::string& b) {
    return !a.empty() && UpperAscii(a) == UpperAscii(b);
}

// Whole seconds since 1899-12-30 00:00: a log's times and the period's
// limits compare as the clock reads them.
long long Seconds(const UtcTime& t) {
    return OleDayNumber(t.year, t.month, t.day) * 86400LL + t.hour * 3600 + t.minute * 60 +
           t.second;
}
long long Seconds(double oleDays) { return std::llround(oleDays * 86400); }

}  // namespace

CallLocation ScoringLocation(const CallLocation& where, const std::string& call,
                             const std::string& exchange) {
    if (where.countryPrefix != "K" || IsMaritimeMobileCall(call)) return where;
    const std::string sent = UpperAscii(TrimBlanks(exchange));
    CallLocation at = where;
    if (sent == "AK") {
        at.countryPrefix = at.detailedPrefix = "KL";
        at.continent = "NA";
        at.cqZone = 1;
        at.entityName = "Alaska";
    } else if (sent == "HI") {
        at.countryPrefix = at.detailedPrefix = "KH6";
        at.continent = "OC";
        at.cqZone = 31;
        at.entityName = "Hawaii";
    }
    return at;
}

bool SendsStateOrProvince(const CallLocation& where) {
    return where.countryPrefix == "K" || where.countryPrefix == "VE";
}

std::string StateOrProvince(const std::string& exchange, const std::string& call) {
    std::string text = UpperAscii(TrimBlanks(exchange));
    // The postal codes sent today for the contest's abbreviations.
    if (text == "PE") text = "PEI";
    if (text == "NT") text = "NWT";
    if (text == "NL") text = IsLabrador(call) ? "LB" : "NF";
    for (const char* entry : kStatesProvinces) {
        if (text == entry) return text;
    }
    return std::string();
}

ScoreCount CountScore(const std::vector<LogQso>& qsos, const std::vector<CallLocation>& where,
                      const OwnStation& own, bool cwWeekend, const ContestPeriod& period) {
    ScoreCount count;
    const std::string ownCountry = ModuleCountry(own.where);
    std::set<std::string> worked;  // call + band of every QSO kept in the log
    std::set<std::string> countries, statesProvinces;
    for (std::size_t i = 0; i < qsos.size(); ++i) {
        const LogQso& q = qsos[i];
        const CallLocation w = ScoringLocation(where[i], q.call, q.exchRcvd);
        const long long t = Seconds(q.time);
        if (q.band != "160m" || q.mode != (cwWeekend ? "CW" : "SSB") ||
            t < Seconds(period.start) || t >= Seconds(period.end) || SameCall(own.call, q.call) ||
            TrimBlanks(q.exchSent).empty() || TrimBlanks(q.exchRcvd).empty()) {
            ++count.refused;
            continue;
        }
        const bool repeat = !worked.insert(q.call + " " + q.band).second;
        const bool maritime = IsMaritimeMobileCall(q.call);
        std::string stateProvince;
        if (SendsStateOrProvince(w) && !maritime) {
            stateProvince = StateOrProvince(q.exchRcvd, q.call);
            if (stateProvince.empty()) {
                ++count.badStates;
                continue;
            }
        }
        if (repeat) {
            ++count.dupes;
            continue;
        }
        ++count.valid;
        const std::string country = maritime ? std::string() : ModuleCountry(w);
        if (maritime) {
            count.points += 5;
        } else if (!country.empty() && country == ownCountry) {
            count.points += 2;
        } else if (!w.continent.empty() && w.continent == own.where.continent) {
            count.points += 5;
        } else {
            count.points += 10;
        }
        if (!stateProvince.empty()) {
            statesProvinces.insert(stateProvince);
        } else if (!country.empty()) {
            countries.insert(country);
        }
    }
    count.countries = static_cast<int>(countries.size());
    count.statesProvinces = static_cast<int>(statesProvinces.size());
    count.score = count.points * (count.countries + count.statesProvinces);
    return count;
}

std::vector<std::string> ContestStatesProvinces() {
    return std::vector<std::string>(std::begin(kStatesProvinces), std::end(kStatesProvinces));
}
