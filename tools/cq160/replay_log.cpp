#include "tools/cq160/replay_log.h"

#include "tools/cq160/file_util.h"
#include "tools/cq160/log_text.h"

namespace {

std::string TwoDigits(int n) { return (n < 10 ? "0" : "") + std::to_string(n); }

// The lines of the report past the first `known` ones; *known moves on.
std::vector<std::string> NewReportLines(const std::string& path, std::size_t* known) {
    std::string text;
    if (!ReadWholeFile(path, &text)) return {};
    std::vector<std::string> lines = SplitLines(text);
    if (!lines.empty() && lines.back().empty()) lines.pop_back();
    std::vector<std::string> fresh;
    for (std::size_t i = *known; i < lines.size(); ++i) fresh.push_back(lines[i]);
    if (lines.size() > *known) *known = lines.size();
    return fresh;
}

}  // namespace

std::string QsoOutcome::Status() const {
    if (Counts()) return "counts";
    std::string text;
    for (const std::string& p : problems) {
        if (text.find(p) != std::string::npos) continue;  // a dupe of two QSOs gives two lines
        text += (text.empty() ? "" : ", ") + p;
    }
    return text.empty() ? std::string("refused") : text;
}

std::string BadQsoReportName(const ContestPeriod& period) {
    const UtcTime end = UtcFromOle(period.end);
    return "BadQSO_StatsCQWW160CWSSB_" + TwoDigits(end.day) + "_" + TwoDigits(end.month) + "_" +
           std::to_string(end.year) + ".txt";
}

std::string ProblemInWords(const std::string& line) {
    static const struct {
        const char* message;
        const char* words;
    } kMessages[] = {
        {"WRONG BAND !!!", "wrong band"},
        {"WRONG MODE !!!", "wrong mode"},
        {"OUTSIDE CONTEST PERIOD !!!", "outside the contest period"},
        {"OWN CALL !!!", "QSO with the own call"},
        {"NO NUMBER !!!", "missing exchange"},
        {"State or Province not acceptable !!!", "bad state or province"},
        {"DUPE !!!", "dupe"},
    };
    for (const auto& m : kMessages) {
        if (EndsWith(line, m.message)) return m.words;
    }
    return "reported: " + TrimBlanks(line);
}

bool TotalsInResults(const std::string& results, ResultTotals* totals) {
    // Text: "Total\t 309\t 2158\t 78\t 43"; HTML: "<th>Total</th><td><center>309
    // </center></td>..." - the four numbers after the label either way.
    std::size_t at = results.find("Total");
    if (at == std::string::npos) return false;
    at += 5;
    long long* fields[] = {&totals->qsos, &totals->points, &totals->countries,
                           &totals->statesProvinces};
    for (long long* field : fields) {
        while (at < results.size() && !(results[at] >= '0' && results[at] <= '9')) {
            if (results[at] == '\n') return false;  // the row ended early
            ++at;
        }
        std::size_t end = at;
        while (end < results.size() && results[end] >= '0' && results[end] <= '9') ++end;
        if (end == at || end - at > 15) return false;
        *field = std::stoll(results.substr(at, end - at));
        at = end;
    }
    return true;
}

ReplayOutcome ReplayLog(Replay* replay, const ContestRun& run, bool trackTotals) {
    ReplayOutcome outcome;
    const std::string report = BadQsoReportName(run.period);
    std::size_t known = 1;  // the heading line
    ResultTotals before;
    outcome.totalsTracked = trackTotals;
    for (std::size_t i = 0; i < run.log.qsos.size(); ++i) {
        QsoOutcome q;
        q.stored = replay->Add(run.log.qsos[i], run.where[i]) == 1;
        outcome.stored += q.stored;
        for (const std::string& line : NewReportLines(report, &known))
            q.problems.push_back(ProblemInWords(line));
        if (trackTotals) {
            ResultTotals after;
            if (TotalsInResults(replay->Results(), &after)) {
                q.points = after.points - before.points;
                q.newCountry = after.countries > before.countries;
                q.newStateProv = after.statesProvinces > before.statesProvinces;
                before = after;
            } else {
                outcome.totalsTracked = false;
            }
        }
        outcome.qsos.push_back(q);
    }
    return outcome;
}
