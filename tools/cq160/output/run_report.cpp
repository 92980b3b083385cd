#include "tools/cq160/output/run_report.h"

#include <map>
#include <vector>

#include "tools/cq160/contest/operating_time.h"
#include "tools/cq160/contest/score_check.h"
#include "tools/cq160/logs/log_text.h"
#include "tools/cq160/output/results_text.h"

namespace {

std::string CountOrNone(std::size_t n) { return n ? std::to_string(n) : std::string("none"); }

std::string Plural(std::size_t n, const std::string& one, const std::string& many) {
    return std::to_string(n) + " " + (n == 1 ? one : many);
}

// "bad state or province: 3, dupe: 4" from the problems of some QSOs.
std::string ProblemCounts(const std::map<std::string, int>& counts) {
    std::string text;
    for (const auto& [problem, n] : counts)
        text += (text.empty() ? "" : ", ") + problem + ": " + std::to_string(n);
    return text;
}

// The results' "Dupe" and "Bad QSO" figures in the words of the summary:
// the module counts the QSOs it marked as dupes, and the lines of its
// bad-QSO report that are not dupe lines (one per other problem).
std::string BadQsoExplained(const ReplayOutcome& outcome) {
    std::size_t dupes = 0, bad = 0;
    std::map<std::string, int> problems;
    for (const QsoOutcome& q : outcome.qsos) {
        bool dupe = false;
        for (const std::string& p : q.problems) {
            if (p == "dupe") {
                dupe = true;
            } else {
                ++bad;
                ++problems[p];
            }
        }
        dupes += dupe;
    }
    std::string text = "(Each QSO that does not score has a line in the bad-QSO report. In the "
                       "results, \"Dupe " + std::to_string(dupes) + "\" counts the dupes";
    if (bad) {
        text += ", and \"Bad QSO " + std::to_string(bad) + "\" counts these problems: " +
                ProblemCounts(problems);
    } else {
        text += "; \"Bad QSO 0\": no other problem";
    }
    return text + ".)\n";
}

}  // namespace

std::string DescribeLocation(const CallLocation& w) {
    if (!w.found) return "no country (" + w.why + ")";
    std::string prefixes = w.countryPrefix;
    if (w.detailedPrefix != w.countryPrefix) prefixes += ", " + w.detailedPrefix;
    return w.entityName + " (" + prefixes + "), " + w.continent + ", CQ zone " +
           std::to_string(w.cqZone);
}

std::string RunHeader(const std::string& logName, const ContestRun& run,
                      const ReplayOutcome& outcome) {
    const ContestLog& log = run.log;
    std::string text = logName + ", " + log.format + ", " + std::to_string(log.qsos.size()) +
                       " QSOs read";
    if (log.skippedLines) text += ", " + std::to_string(log.skippedLines) + " X-QSO skipped";
    text += "\nStation: " + run.own.call + ", " + DescribeLocation(run.own.where) + "\n";
    text += std::string("Weekend: ") + (run.cwWeekend ? "CW" : "SSB") + ", " +
            FormatUtc(run.period.start) + " to " + FormatUtc(run.period.end) + " UTC\n";
    text += OperatingTimeLine(run.operating);
    text += "Country file: " + run.ctyPath +
            (run.ctyDate.empty() ? std::string(" (date unknown)") : " (" + run.ctyDate + ")") +
            "\n";
    std::size_t scoring = 0;
    std::map<std::string, int> kept, refused;
    for (const QsoOutcome& q : outcome.qsos) {
        if (q.Counts()) {
            ++scoring;
        } else {
            ++(q.stored ? kept : refused)[q.Status()];
        }
    }
    const std::size_t refusedCount = log.qsos.size() - static_cast<std::size_t>(outcome.stored);
    text += "Module: " + std::to_string(log.qsos.size()) + " QSOs handed over, " +
            std::to_string(scoring) + " score; " +
            std::to_string(static_cast<std::size_t>(outcome.stored) - scoring) +
            " kept but not scoring" + (kept.empty() ? "" : " (" + ProblemCounts(kept) + ")") +
            "; " + std::to_string(refusedCount) + " refused, not kept" +
            (refused.empty() ? "" : " (" + ProblemCounts(refused) + ")") + "\n";
    text += BadQsoExplained(outcome);
    return text;
}

std::string ResultsForReading(const std::string& results) {
    // Lines with their own line ends, so that every kept byte stays as the
    // module wrote it.
    std::vector<std::string> lines;
    for (std::size_t pos = 0; pos < results.size();) {
        std::size_t end = results.find('\n', pos);
        end = end == std::string::npos ? results.size() : end + 1;
        lines.push_back(results.substr(pos, end - pos));
        pos = end;
    }
    auto isRate = [](const std::string& line) { return line.compare(0, 14, "Hourly (10min)") == 0; };
    auto isBlank = [](const std::string& line) { return TrimBlanks(line).empty(); };
    std::string text;
    bool dropped = false;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (!isRate(lines[i])) {
            text += lines[i];
            continue;
        }
        std::size_t j = i;
        while (j < lines.size() && isRate(lines[j])) ++j;
        // One of the blank lines around the block goes with it.
        if (i > 0 && isBlank(lines[i - 1]) && j < lines.size() && isBlank(lines[j])) ++j;
        dropped = true;
        i = j - 1;
    }
    if (dropped) {
        if (!text.empty() && text.back() != '\n') text += "\n";
        text += "(The module's rate lines are left out: in a replay they count only the hour "
                "before the log's last QSO.)\n";
    }
    return text;
}

std::string ScoreLine(const ContestRun& run, const std::string& results) {
    const ScoreCount count = CountScore(run.log.qsos, run.where, run.own, run.cwWeekend, run.period);
    long long claimed = 0, stated = 0;
    std::string text = "Score: claimed ";
    text += ParseClaimedScore(run.log.claimedScore, &claimed) ? std::to_string(claimed) : "none";
    text += ", module ";
    text += ScoreInResults(results, &stated) ? std::to_string(stated) : "none";
    text += ", cq160's own count " + std::to_string(count.score) + " (" +
            std::to_string(count.valid) + " QSOs, " + std::to_string(count.points) + " points x " +
            std::to_string(count.countries + count.statesProvinces) + " multipliers)\n";
    return text;
}

std::string WarningLines(const ContestRun& run) {
    std::string text = "Warnings: " + CountOrNone(run.warnings.size()) + "\n";
    for (const LogWarning& w : run.warnings) text += "  " + WarningLine(w) + "\n";
    return text;
}

std::string ProblemLines(const ContestRun& run) {
    const ContestLog& log = run.log;
    std::string text = "Unreadable QSO lines: " + CountOrNone(log.unreadable.size()) + "\n";
    for (const UnreadableLine& u : log.unreadable)
        text += "  line " + std::to_string(u.line) + ": " + u.text + "  (" + u.reason + ")\n";
    std::string list;
    std::size_t unknown = 0;
    for (std::size_t i = 0; i < log.qsos.size(); ++i) {
        if (run.where[i].found) continue;
        ++unknown;
        list += "  line " + std::to_string(log.qsos[i].line) + ": " + log.qsos[i].call + "  (" +
                run.where[i].why + ")\n";
    }
    text += "Calls without a country (handed over with empty prefixes): " + CountOrNone(unknown) +
            "\n" + list;
    return text;
}

std::string LeftOutLines(const ContestRun& run, const ReplayOutcome& outcome) {
    std::string list;
    std::size_t n = 0;
    for (std::size_t i = 0; i < outcome.qsos.size(); ++i) {
        if (outcome.qsos[i].stored) continue;
        ++n;
        list += "  line " + std::to_string(run.log.qsos[i].line) + ": " + run.log.qsos[i].call +
                "  (" + outcome.qsos[i].Status() + ")\n";
    }
    std::string text = "Left out of the Cabrillo file: " + CountOrNone(n);
    if (n) text += " (the module refused " + std::string(n == 1 ? "it" : "them") +
                   ", so " + (n == 1 ? "it is" : "they are") + " not in its log)";
    text += "\n" + list;
    if (run.log.skippedLines || !run.log.unreadable.empty())
        text += "  and the log's " +
                Plural(run.log.skippedLines, "X-QSO line", "X-QSO lines") + " and " +
                Plural(run.log.unreadable.size(), "unreadable QSO line", "unreadable QSO lines") +
                ", which were never handed over\n";
    return text;
}
