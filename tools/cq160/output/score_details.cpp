#include "tools/cq160/output/score_details.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <map>
#include <set>
#include <vector>

#include "tools/cq160/contest/contest_period.h"
#include "tools/cq160/contest/operating_time.h"
#include "tools/cq160/contest/score_check.h"
#include "tools/cq160/logs/log_text.h"

namespace {

// Where the i-th QSO's station scores (Alaska for a US station sending AK).
CallLocation ScoredAt(const ContestRun& run, std::size_t i) {
    return ScoringLocation(run.where[i], run.log.qsos[i].call, run.log.qsos[i].exchRcvd);
}

// The multiplier a QSO brought, as the module counts it: its state or
// province, else its country.
std::string NewMultiplier(const ContestRun& run, const ReplayOutcome& outcome, std::size_t i) {
    const QsoOutcome& q = outcome.qsos[i];
    if (q.newStateProv) return StateOrProvince(run.log.qsos[i].exchRcvd, run.log.qsos[i].call);
    if (q.newCountry) return ModuleCountry(ScoredAt(run, i));
    return std::string();
}

struct Multipliers {
    std::map<std::string, std::vector<std::pair<std::string, std::string>>> countries;  // continent -> prefix, name
    std::vector<std::string> statesProvinces;
    std::vector<std::string> missing;
};

Multipliers Collect(const ContestRun& run, const ReplayOutcome& outcome) {
    Multipliers m;
    std::set<std::string> worked;
    for (std::size_t i = 0; i < outcome.qsos.size(); ++i) {
        const QsoOutcome& q = outcome.qsos[i];
        if (q.newStateProv) {
            const std::string s = StateOrProvince(run.log.qsos[i].exchRcvd, run.log.qsos[i].call);
            m.statesProvinces.push_back(s);
            worked.insert(s);
        } else if (q.newCountry) {
            const CallLocation w = ScoredAt(run, i);
            m.countries[w.continent.empty() ? "?" : w.continent].push_back(
                {ModuleCountry(w), w.entityName});
        }
    }
    for (const std::string& s : ContestStatesProvinces())
        if (!worked.count(s)) m.missing.push_back(s);
    return m;
}

// For each QSO the module marked as a dupe, the line of the first earlier
// QSO it kept with the same call, band and mode, the one it repeats; 0 for
// the others.
std::vector<int> RepeatedLines(const ContestRun& run, const ReplayOutcome& outcome) {
    std::vector<int> lines(outcome.qsos.size(), 0);
    std::map<std::string, int> first;  // call, band and mode -> line
    for (std::size_t i = 0; i < outcome.qsos.size(); ++i) {
        const QsoOutcome& o = outcome.qsos[i];
        if (!o.stored) continue;
        const LogQso& q = run.log.qsos[i];
        const auto [it, isFirst] = first.insert({q.call + " " + q.band + " " + q.mode, q.line});
        const bool dupe =
            std::find(o.problems.begin(), o.problems.end(), "dupe") != o.problems.end();
        if (!isFirst && dupe) lines[i] = it->second;
    }
    return lines;
}

// "counts" or the problems, a dupe with the line it repeats.
std::string StatusOf(const QsoOutcome& q, int repeated) {
    std::string status = q.Status();
    const std::size_t at = status.find("dupe");
    if (repeated && at != std::string::npos)
        status.insert(at + 4, " of line " + std::to_string(repeated));
    return status;
}

std::string OrNull(const std::string& number) { return number.empty() ? "null" : number; }

}  // namespace

std::string JsonText(const std::string& text) { return JsonString(text); }

std::string CsvField(const std::string& text) {
    if (text.find_first_of(",\"\r\n") == std::string::npos) return text;
    std::string out = "\"";
    for (char c : text) out += c == '"' ? std::string("\"\"") : std::string(1, c);
    return out + "\"";
}

std::string QsoTable(const ContestRun& run, const ReplayOutcome& outcome) {
    std::string text = "QSOs:\n  line  time (UTC)       call          exch   points  new mult  status\n";
    const std::vector<int> repeated = RepeatedLines(run, outcome);
    for (std::size_t i = 0; i < outcome.qsos.size(); ++i) {
        const LogQso& q = run.log.qsos[i];
        char row[256];
        std::snprintf(row, sizeof row, "  %4d  %s  %-12s  %-5s  %6lld  %-8s  %s\n", q.line,
                      LogTimeText(q.time).c_str(), q.call.c_str(), q.exchRcvd.c_str(),
                      outcome.qsos[i].points, NewMultiplier(run, outcome, i).c_str(),
                      StatusOf(outcome.qsos[i], repeated[i]).c_str());
        text += row;
    }
    return text;
}

std::string MultiplierLists(const ContestRun& run, const ReplayOutcome& outcome) {
    const Multipliers m = Collect(run, outcome);
    std::size_t countries = 0;
    for (const auto& entry : m.countries) countries += entry.second.size();
    std::string text = "Countries worked: " + std::to_string(countries) + "\n";
    for (const auto& [continent, list] : m.countries) {
        text += "  " + continent + " (" + std::to_string(list.size()) + "):";
        for (const auto& [prefix, name] : list) text += " " + prefix;
        text += "\n";
    }
    text += "States and provinces worked: " + std::to_string(m.statesProvinces.size()) + "\n ";
    for (const std::string& s : m.statesProvinces) text += " " + s;
    text += "\nStates and provinces not worked: " + std::to_string(m.missing.size()) + "\n ";
    for (const std::string& s : m.missing) text += " " + s;
    return text + "\n";
}

std::string HourTable(const ContestRun& run, const ReplayOutcome& outcome) {
    const int hours = static_cast<int>(std::lround((run.period.end - run.period.start) * 24));
    std::vector<long long> qsos(hours + 2, 0), points(hours + 2, 0);  // [0] before, [hours+1] after
    for (std::size_t i = 0; i < outcome.qsos.size(); ++i) {
        if (!outcome.qsos[i].Counts()) continue;
        const double t = OleDays(run.log.qsos[i].time);
        int slot;
        if (t < run.period.start) {
            slot = 0;
        } else if (t >= run.period.end) {
            slot = hours + 1;
        } else {
            // Whole minutes since the start, so that 22:59 stays in the first hour.
            slot = 1 + static_cast<int>(std::lround((t - run.period.start) * 1440)) / 60;
        }
        ++qsos[slot];
        points[slot] += outcome.qsos[i].points;
    }
    std::string text = "Hours (UTC):   QSOs  points\n";
    auto row = [&](const std::string& label, int slot) {
        char line[96];
        std::snprintf(line, sizeof line, "  %-14s %4lld  %6lld\n", label.c_str(), qsos[slot],
                      points[slot]);
        text += line;
    };
    if (qsos[0]) row("before", 0);
    for (int h = 0; h < hours; ++h) row(FormatUtc(run.period.start + h / 24.0).substr(5), h + 1);
    if (qsos[hours + 1]) row("after", hours + 1);
    return text;
}

std::string ResultJson(const ContestRun& run, const ReplayOutcome& outcome,
                       const ResultSummary& summary) {
    const Multipliers m = Collect(run, outcome);
    const std::vector<int> repeated = RepeatedLines(run, outcome);
    long long points = 0;
    std::size_t scoring = 0;
    for (const QsoOutcome& q : outcome.qsos) {
        points += q.points;
        scoring += q.Counts();
    }
    std::string j = "{\n  \"call\": " + JsonText(run.own.call) + ",\n  \"weekend\": " +
                    JsonText(run.cwWeekend ? "CW" : "SSB") + ",\n  \"period\": {\"start\": " +
                    JsonText(FormatUtc(run.period.start)) + ", \"end\": " +
                    JsonText(FormatUtc(run.period.end)) + "},\n";
    j += "  \"summary\": {\"qsos\": " + std::to_string(run.log.qsos.size()) +
         ", \"scoring\": " + std::to_string(scoring) + ", \"points\": " +
         std::to_string(points) + ", \"claimed\": " + OrNull(summary.claimed) +
         ", \"score\": " + OrNull(summary.score) +
         ", \"operatingMinutes\": " + std::to_string(run.operating.minutes) + "},\n";
    j += "  \"warnings\": [";
    for (std::size_t i = 0; i < run.warnings.size(); ++i)
        j += std::string(i ? ", " : "") + "{\"line\": " + std::to_string(run.warnings[i].line) +
             ", \"text\": " + JsonText(run.warnings[i].text) + "}";
    j += "],\n  \"qsos\": [\n";
    for (std::size_t i = 0; i < outcome.qsos.size(); ++i) {
        const LogQso& q = run.log.qsos[i];
        j += "    {\"line\": " + std::to_string(q.line) + ", \"time\": " +
             JsonText(LogTimeText(q.time)) + ", \"call\": " + JsonText(q.call) + ", \"exchange\": " +
             JsonText(q.exchRcvd) + ", \"points\": " + std::to_string(outcome.qsos[i].points) +
             ", \"newMultiplier\": " + JsonText(NewMultiplier(run, outcome, i)) +
             ", \"status\": " + JsonText(StatusOf(outcome.qsos[i], repeated[i])) + "}" +
             (i + 1 < outcome.qsos.size() ? ",\n" : "\n");
    }
    j += "  ],\n  \"multipliers\": {\"countries\": [";
    bool first = true;
    for (const auto& [continent, list] : m.countries) {
        for (const auto& [prefix, name] : list) {
            j += std::string(first ? "" : ", ") + "{\"prefix\": " + JsonText(prefix) +
                 ", \"name\": " + JsonText(name) + ", \"continent\": " + JsonText(continent) + "}";
            first = false;
        }
    }
    j += "],\n    \"statesProvinces\": [";
    for (std::size_t i = 0; i < m.statesProvinces.size(); ++i)
        j += std::string(i ? ", " : "") + JsonText(m.statesProvinces[i]);
    j += "],\n    \"missingStatesProvinces\": [";
    for (std::size_t i = 0; i < m.missing.size(); ++i)
        j += std::string(i ? ", " : "") + JsonText(m.missing[i]);
    return j + "]}\n}\n";
}

std::string ResultCsv(const ContestRun& run, const ReplayOutcome& outcome,
                      const ResultSummary& summary) {
    const Multipliers m = Collect(run, outcome);
    long long points = 0;
    for (const QsoOutcome& q : outcome.qsos) points += q.points;
    const std::vector<int> repeated = RepeatedLines(run, outcome);
    std::string c = "record,line,time,call,exchange,points,multiplier,status\r\n";
    c += "summary,,," + CsvField(run.own.call) + "," + (run.cwWeekend ? "CW" : "SSB") + "," +
         std::to_string(points) + "," + summary.score + ",claimed " +
         (summary.claimed.empty() ? "none" : summary.claimed) + "\r\n";
    std::string operating = OperatingTimeLine(run.operating);
    operating = operating.substr(operating.find(':') + 2);
    operating.pop_back();  // its line end
    c += "operating-time,,,,," + std::to_string(run.operating.minutes) + ",," +
         CsvField(operating) + "\r\n";
    for (const LogWarning& w : run.warnings)
        c += "warning," + std::to_string(w.line) + ",,,,,," + CsvField(w.text) + "\r\n";
    for (std::size_t i = 0; i < outcome.qsos.size(); ++i) {
        const LogQso& q = run.log.qsos[i];
        c += "qso," + std::to_string(q.line) + "," + LogTimeText(q.time) + "," + CsvField(q.call) + "," +
             CsvField(q.exchRcvd) + "," + std::to_string(outcome.qsos[i].points) + "," +
             CsvField(NewMultiplier(run, outcome, i)) + "," + CsvField(StatusOf(outcome.qsos[i], repeated[i])) + "\r\n";
    }
    for (const auto& [continent, list] : m.countries)
        for (const auto& [prefix, name] : list)
            c += "country,,,,," + CsvField(continent) + "," + CsvField(prefix) + "," + CsvField(name) + "\r\n";
    for (const std::string& s : m.statesProvinces) c += "state-province,,,,,," + s + ",worked\r\n";
    for (const std::string& s : m.missing) c += "state-province,,,,,," + s + ",missing\r\n";
    return c;
}
