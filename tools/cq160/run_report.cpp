#include "tools/cq160/run_report.h"

#include "tools/cq160/results_text.h"
#include "tools/cq160/score_check.h"

namespace {
std::string CountOrNone(std::size_t n) { return n ? std::to_string(n) : std::string("none"); }
}  // namespace

std::string DescribeLocation(const CallLocation& w) {
    if (!w.found) return "no country (" + w.why + ")";
    std::string prefixes = w.countryPrefix;
    if (w.detailedPrefix != w.countryPrefix) prefixes += ", " + w.detailedPrefix;
    return w.entityName + " (" + prefixes + "), " + w.continent + ", CQ zone " +
           std::to_string(w.cqZone);
}

std::string RunHeader(const std::string& logName, const ContestRun& run, int stored) {
    const ContestLog& log = run.log;
    std::string text = logName + ", " + log.format + ", " + std::to_string(log.qsos.size()) +
                       " QSOs read";
    if (log.skippedLines) text += ", " + std::to_string(log.skippedLines) + " X-QSO skipped";
    text += "\nStation: " + run.own.call + ", " + DescribeLocation(run.own.where) + "\n";
    text += std::string("Weekend: ") + (run.cwWeekend ? "CW" : "SSB") + ", " +
            FormatUtc(run.period.start) + " to " + FormatUtc(run.period.end) + " UTC\n";
    text += "Module: " + std::to_string(stored) + " QSOs stored, " +
            std::to_string(log.qsos.size() - static_cast<std::size_t>(stored)) + " refused\n";
    return text;
}

std::string ScoreLine(const ContestRun& run, const std::string& results) {
    const ScoreCount count = CountScore(run.log.qsos, run.where, run.own, run.cwWeekend);
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

std::string ProblemLines(const ContestRun& run) {
    const ContestLog& log = run.log;
    std::string text;
    if (log.endMissing)
        text += "Warning: START-OF-LOG but no END-OF-LOG: the log may be truncated\n";
    text += "Unreadable QSO lines: " + CountOrNone(log.unreadable.size()) + "\n";
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
