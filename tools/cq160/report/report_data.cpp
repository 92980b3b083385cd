#include "tools/cq160/report/report_data.h"

#include <algorithm>
#include <cmath>
#include <set>

namespace {

const char* const kContinents[] = {"EU", "NA", "AS", "AF", "SA", "OC"};

// The place of a continent in kContinents; unknown ones after them.
int ContinentRank(const std::string& continent) {
    for (int i = 0; i < 6; ++i) {
        if (continent == kContinents[i]) return i;
    }
    return 6;
}

std::string ContinentLabel(const std::string& continent) {
    return continent.empty() ? std::string("?") : continent;
}

bool ByContinent(const std::string& a, const std::string& b) {
    const int ra = ContinentRank(a), rb = ContinentRank(b);
    return ra != rb ? ra < rb : a < b;
}

std::set<std::string> CountingCalls(const ScoredLog& log) {
    std::set<std::string> calls;
    for (const ScoredQso& q : log.qsos) {
        if (q.counts) calls.insert(q.call);
    }
    return calls;
}

std::set<std::string> Multipliers(const ScoredLog& log) {
    std::set<std::string> mults;
    for (const ScoredQso& q : log.qsos) {
        if (!q.newCountry.empty()) mults.insert(q.newCountry);
        if (!q.newStateProv.empty()) mults.insert(q.newStateProv);
    }
    return mults;
}

// What each set has that no other set has.
std::vector<std::vector<std::string>> UniqueTo(const std::vector<std::set<std::string>>& sets) {
    std::vector<std::vector<std::string>> unique(sets.size());
    for (std::size_t i = 0; i < sets.size(); ++i) {
        for (const std::string& item : sets[i]) {
            bool elsewhere = false;
            for (std::size_t j = 0; j < sets.size() && !elsewhere; ++j)
                elsewhere = j != i && sets[j].count(item);
            if (!elsewhere) unique[i].push_back(item);
        }
    }
    return unique;
}

}  // namespace

int PeriodHours(const ScoredLog& log) {
    return std::max(1, (log.periodMinutes + 59) / 60);
}

int HourSlot(double minute, int hours) {
    const int slot = static_cast<int>(std::floor(minute / 60));
    return std::min(std::max(slot, 0), hours - 1);
}

HourlyRates RatesPerHour(const ScoredLog& log) {
    const int hours = PeriodHours(log);
    HourlyRates rates;
    rates.qsos.assign(hours, 0);
    rates.points.assign(hours, 0);
    for (const ScoredQso& q : log.qsos) {
        if (!q.counts) continue;
        const int h = HourSlot(q.minute, hours);
        ++rates.qsos[h];
        rates.points[h] += q.points;
    }
    return rates;
}

RunningTotals TotalsByHour(const ScoredLog& log) {
    const int hours = PeriodHours(log);
    std::vector<long long> points(hours, 0), countries(hours, 0), states(hours, 0);
    // Points of QSOs that do not count are 0 already; a multiplier comes
    // only with a QSO that counts.
    for (const ScoredQso& q : log.qsos) {
        const int h = HourSlot(q.minute, hours);
        points[h] += q.points;
        countries[h] += !q.newCountry.empty();
        states[h] += !q.newStateProv.empty();
    }
    RunningTotals t;
    long long p = 0, c = 0, s = 0;
    for (int h = 0; h < hours; ++h) {
        p += points[h];
        c += countries[h];
        s += states[h];
        t.points.push_back(p);
        t.countries.push_back(c);
        t.statesProvinces.push_back(s);
        t.score.push_back(p * (c + s));
    }
    return t;
}

std::vector<MultiplierEvent> MultiplierTimeline(const ScoredLog& log) {
    std::vector<MultiplierEvent> events;
    for (const ScoredQso& q : log.qsos) {
        if (q.newCountry.empty() && q.newStateProv.empty()) continue;
        MultiplierEvent e;
        e.minute = std::min(std::max(q.minute, 0.0), static_cast<double>(log.periodMinutes));
        e.country = !q.newCountry.empty();
        e.name = e.country ? q.newCountry : q.newStateProv;
        e.title = e.country && !q.newCountryName.empty() ? e.name + " " + q.newCountryName : e.name;
        events.push_back(e);
    }
    // Log order is time order in nearly every log; the chart needs it.
    std::stable_sort(
        events.begin(), events.end(),
        [](const MultiplierEvent& a, const MultiplierEvent& b) { return a.minute < b.minute; });
    int countries = 0, states = 0;
    for (MultiplierEvent& e : events) {
        countries += e.country;
        states += !e.country;
        e.countries = countries;
        e.statesProvinces = states;
    }
    return events;
}

std::vector<ContinentTotals> TotalsByContinent(const ScoredLog& log) {
    std::map<std::string, ContinentTotals> by;
    for (const ScoredQso& q : log.qsos) {
        if (!q.counts) continue;
        ContinentTotals& t = by[ContinentLabel(q.continent)];
        ++t.qsos;
        t.points += q.points;
    }
    std::vector<std::string> names;
    for (const auto& entry : by) names.push_back(entry.first);
    std::sort(names.begin(), names.end(), ByContinent);
    std::vector<ContinentTotals> out;
    for (const std::string& name : names) {
        ContinentTotals t = by[name];
        t.continent = name;
        out.push_back(t);
    }
    return out;
}

std::vector<std::pair<std::string, std::vector<WorkedCountry>>> CountriesByContinent(
    const ScoredLog& log) {
    std::map<std::string, std::vector<WorkedCountry>> by;
    for (const ScoredQso& q : log.qsos) {
        if (!q.newCountry.empty())
            by[ContinentLabel(q.continent)].push_back({q.newCountry, q.newCountryName});
    }
    std::vector<std::string> names;
    for (const auto& entry : by) names.push_back(entry.first);
    std::sort(names.begin(), names.end(), ByContinent);
    std::vector<std::pair<std::string, std::vector<WorkedCountry>>> out;
    for (const std::string& name : names) out.push_back({name, by[name]});
    return out;
}

std::vector<StateProvCell> StatesProvinces(const ScoredLog& log,
                                           const std::vector<std::string>& all) {
    std::set<std::string> worked;
    for (const ScoredQso& q : log.qsos) {
        if (!q.newStateProv.empty()) worked.insert(q.newStateProv);
    }
    std::vector<StateProvCell> cells;
    for (const std::string& name : all) cells.push_back({name, worked.count(name) > 0});
    return cells;
}

std::vector<ScoredQso> NotCounting(const ScoredLog& log) {
    std::vector<ScoredQso> out;
    for (const ScoredQso& q : log.qsos) {
        if (!q.counts) out.push_back(q);
    }
    return out;
}

LogTotals TotalsOf(const ScoredLog& log) {
    LogTotals t;
    for (const ScoredQso& q : log.qsos) {
        ++t.qsos;
        t.counting += q.counts;
        t.points += q.points;
        t.countries += !q.newCountry.empty();
        t.statesProvinces += !q.newStateProv.empty();
    }
    return t;
}

Comparison Compare(const std::vector<const ScoredLog*>& logs) {
    Comparison c;
    std::vector<std::set<std::string>> calls, mults;
    for (const ScoredLog* log : logs) {
        calls.push_back(CountingCalls(*log));
        mults.push_back(Multipliers(*log));
    }
    c.uniqueCalls = UniqueTo(calls);
    c.uniqueMultipliers = UniqueTo(mults);
    if (!calls.empty()) {
        for (const std::string& call : calls[0]) {
            bool everywhere = true;
            for (std::size_t j = 1; j < calls.size() && everywhere; ++j)
                everywhere = calls[j].count(call) > 0;
            if (everywhere) c.commonCalls.push_back(call);
        }
    }
    if (logs.size() > 1) {
        const std::vector<long long> first = TotalsByHour(*logs[0]).score;
        for (std::size_t i = 1; i < logs.size(); ++i) {
            const std::vector<long long> other = TotalsByHour(*logs[i]).score;
            std::vector<long long> diff;
            for (std::size_t h = 0; h < first.size() && h < other.size(); ++h)
                diff.push_back(other[h] - first[h]);
            c.scoreDifference.push_back(diff);
        }
    }
    return c;
}
