#include "tools/cq160/host/replay_log.h"

#include <cstdio>
#include <unordered_map>

#include "tools/cq160/contest/score_check.h"
#include "tools/cq160/logs/file_util.h"
#include "tools/cq160/logs/log_text.h"

namespace {

std::string TwoDigits(int n) { return (n < 10 ? "0" : "") + std::to_string(n); }

// The report's lines as AddData0 appends them: each call reads only what
// the file gained since the last one, from the byte where that one stopped,
// so a replay reads the report once in all.
class ReportTail {
public:
    explicit ReportTail(const std::string& path) : path_(path) {}

    // From here on only what is added counts (the header of a fresh report).
    void SkipToEnd() {
        std::FILE* f = std::fopen(path_.c_str(), "rb");
        if (!f) return;
        if (std::fseek(f, 0, SEEK_END) == 0) offset_ = std::ftell(f);
        std::fclose(f);
    }

    // The complete lines added since; a line still without its LF waits.
    std::vector<std::string> NewLines() {
        std::vector<std::string> lines;
        std::FILE* f = std::fopen(path_.c_str(), "rb");
        if (!f) return lines;
        long size = -1;
        if (std::fseek(f, 0, SEEK_END) == 0) size = std::ftell(f);
        // A report made anew (deleted from outside) is read from its start.
        if (size >= 0 && size < offset_) offset_ = 0;
        if (size > offset_ && std::fseek(f, offset_, SEEK_SET) == 0) {
            std::string text(static_cast<std::size_t>(size - offset_), '\0');
            text.resize(std::fread(&text[0], 1, text.size(), f));
            const std::size_t end = text.rfind('\n');
            if (end != std::string::npos) {
                lines = SplitLines(text.substr(0, end + 1));
                if (!lines.empty() && lines.back().empty()) lines.pop_back();
                offset_ += static_cast<long>(end + 1);
            }
        }
        std::fclose(f);
        return lines;
    }

private:
    std::string path_;
    long offset_ = 0;
};

// Everything of a QSO, as cq160 hands it over, that the module's points and
// multipliers of a QSO that counts can depend on: the band, the country and
// continent, a maritime mobile call (or none at all), and for a US or Canadian station its
// state or province (as sent, and as the contest names it). Two counting
// QSOs with one key score the same points, and the later one brings no
// multiplier: its country and state are the earlier one's.
std::string ScoringKey(const LogQso& q, const CallLocation& where) {
    const std::string call = UpperAscii(TrimBlanks(q.call));
    std::string key = (call.empty() ? "no call\t" : "") + q.band + '\t' + where.countryPrefix + '\t' + where.detailedPrefix + '\t' +
                      where.continent + '\t' + (EndsWith(call, "/MM") ? "MM" : "");
    if (SendsStateOrProvince(where))
        key += '\t' + UpperAscii(TrimBlanks(q.exchRcvd)) + '\t' + StateOrProvince(q.exchRcvd, q.call);
    return key;
}

// The old way, and the fallback: the module's results after every QSO.
// Quadratic in the log (each request is a summary of the whole log).
void TrackTotalsPerQso(Replay* replay, const ContestRun& run, ReplayOutcome* outcome) {
    ReportTail report(BadQsoReportName(run.period));
    report.SkipToEnd();
    ResultTotals before;
    for (std::size_t i = 0; i < run.log.qsos.size(); ++i) {
        QsoOutcome& q = outcome->qsos[i];
        replay->Add(run.log.qsos[i], run.where[i]);
        report.NewLines();
        ResultTotals after;
        if (!TotalsInResults(replay->Results(), &after)) {
            outcome->totalsTracked = false;
            return;
        }
        q.points = after.points - before.points;
        q.newCountry = after.countries > before.countries;
        q.newStateProv = after.statesProvinces > before.statesProvinces;
        before = after;
    }
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

ReplayOutcome ReplayLog(Replay* replay, const ContestRun& run, bool trackTotals,
                        int* resultsRequests) {
    ReplayOutcome outcome;
    outcome.totalsTracked = trackTotals;
    int requests = 0;
    ReportTail report(BadQsoReportName(run.period));
    report.SkipToEnd();
    // The totals are asked for only after a QSO that counts with a scoring
    // key not seen before; the others take the points of their key's first
    // QSO and bring no multiplier. The requests are thus bounded by the
    // countries and states of the log, not by its QSOs.
    std::unordered_map<std::string, long long> keyPoints;
    ResultTotals before;  // the module's totals as last asked, plus the points taken since
    for (std::size_t i = 0; i < run.log.qsos.size(); ++i) {
        QsoOutcome q;
        q.stored = replay->Add(run.log.qsos[i], run.where[i]) == 1;
        outcome.stored += q.stored;
        for (const std::string& line : report.NewLines())
            q.problems.push_back(ProblemInWords(line));
        if (outcome.totalsTracked && q.Counts()) {
            const std::string key = ScoringKey(run.log.qsos[i], run.where[i]);
            const auto known = keyPoints.find(key);
            if (known != keyPoints.end()) {
                q.points = known->second;
                before.points += q.points;
            } else {
                ResultTotals after;
                ++requests;
                if (TotalsInResults(replay->Results(), &after)) {
                    q.points = after.points - before.points;
                    q.newCountry = after.countries > before.countries;
                    q.newStateProv = after.statesProvinces > before.statesProvinces;
                    keyPoints.emplace(key, q.points);
                    before = after;
                } else {
                    outcome.totalsTracked = false;
                }
            }
        }
        outcome.qsos.push_back(q);
    }
    if (outcome.totalsTracked) {
        // The QSOs' answers must add up to the module's own totals; where
        // they do not (the module scores by something the key leaves out),
        // the log is replayed once more with the totals after every QSO.
        ResultTotals total, sum;
        ++requests;
        const bool stated = TotalsInResults(replay->Results(), &total);
        for (const QsoOutcome& q : outcome.qsos) {
            sum.points += q.points;
            sum.countries += q.newCountry;
            sum.statesProvinces += q.newStateProv;
        }
        if (!stated) {
            outcome.totalsTracked = false;
        } else if (sum.points != total.points || sum.countries != total.countries ||
                   sum.statesProvinces != total.statesProvinces) {
            replay->Reset(0, run.own, run.period);
            TrackTotalsPerQso(replay, run, &outcome);
            requests += static_cast<int>(run.log.qsos.size());
        }
    }
    if (resultsRequests) *resultsRequests = requests;
    return outcome;
}
