#include "tools/cq160/contest/log_warnings.h"

#include <cstdio>
#include <map>

#include "tools/cq160/contest/contest_period.h"
#include "tools/cq160/logs/log_text.h"

namespace {

std::string Weekend(bool cw) { return cw ? "CW" : "SSB"; }

std::string QsoName(const LogQso& q) { return q.call + " at " + LogTimeText(q.time); }

}  // namespace

int CqWw160TagMode(const std::string& contest) {
    // Cabrillo and ADIF name it CQ-160-CW / CQ-160-SSB; loggers also write
    // CQ-WW-160M-CW, CQ-160M-SSB, CQ-160-PH and the like.
    const std::string tag = UpperAscii(TrimBlanks(contest));
    for (const char* stem : {"CQ-160-", "CQ-160M-", "CQ-WW-160-", "CQ-WW-160M-", "CQWW160-",
                             "CQ160-"}) {
        const std::string s = stem;
        if (tag.compare(0, s.size(), s) != 0) continue;
        const std::string mode = tag.substr(s.size());
        if (mode == "CW") return 1;
        if (mode == "SSB" || mode == "PH" || mode == "PHONE") return 0;
    }
    return -1;
}

std::string WarningLine(const LogWarning& w) {
    return w.line > 0 ? "line " + std::to_string(w.line) + ": " + w.text : w.text;
}

std::vector<LogWarning> CheckLog(const ContestLog& log, const WarningContext& c) {
    std::vector<LogWarning> warnings;
    if (log.endMissing)
        warnings.push_back({0, "START-OF-LOG but no END-OF-LOG: the log may be truncated"});
    if (!log.contest.empty()) {
        const int tagged = CqWw160TagMode(log.contest);
        if (tagged < 0) {
            warnings.push_back({log.contestLine, "the log is of another contest (CONTEST " +
                                                     log.contest +
                                                     "); this one is CQ-160-CW or CQ-160-SSB"});
        } else if ((tagged == 1) != c.cwWeekend) {
            warnings.push_back({log.contestLine, "CONTEST " + log.contest + " names the " +
                                                     Weekend(tagged == 1) +
                                                     " weekend, but the log is scored as the " +
                                                     Weekend(c.cwWeekend) + " weekend"});
        }
    }
    if (!log.callsign.empty() && !c.callGiven) {
        // One warning per other own call: a wrong tag would otherwise give
        // one line per QSO.
        std::map<std::string, std::pair<int, int>> others;  // call -> first line, count
        std::vector<std::string> order;
        for (const LogQso& q : log.qsos) {
            if (q.ownCall.empty() || q.ownCall == log.callsign) continue;
            auto it = others.find(q.ownCall);
            if (it == others.end()) {
                others[q.ownCall] = {q.line, 1};
                order.push_back(q.ownCall);
            } else {
                ++it->second.second;
            }
        }
        for (const std::string& call : order) {
            const auto& [line, count] = others[call];
            warnings.push_back({line, std::to_string(count) + (count == 1 ? " QSO is" : " QSOs are") +
                                          " sent as " + call + ", but the log's own call is " +
                                          log.callsign +
                                          (log.callsignLine > 0
                                               ? " (CALLSIGN, line " +
                                                     std::to_string(log.callsignLine) + ")"
                                               : std::string())});
        }
    }
    const std::string mode = Weekend(c.cwWeekend);
    for (const LogQso& q : log.qsos) {
        const double t = OleDays(q.time);
        if (t < c.period.start) {
            warnings.push_back({q.line, QsoName(q) + " is before the contest, which starts " +
                                            FormatUtc(c.period.start) + " UTC"});
        } else if (!InPeriod(c.period, t)) {
            warnings.push_back({q.line, QsoName(q) + " is after the contest, which ended " +
                                            FormatUtc(c.period.end) + " UTC"});
        }
        if (q.mode != mode) {
            warnings.push_back({q.line, (q.mode.empty() ? std::string("a") : q.mode) +
                                            " QSO with " + q.call + " in the " + mode +
                                            " weekend: it does not count"});
        }
    }
    int future = 0;
    const LogQso* first = nullptr;
    for (const LogQso& q : log.qsos) {
        if (OleDayNumber(q.time.year, q.time.month, q.time.day) <= c.todayOleDay) continue;
        if (!first) first = &q;
        ++future;
    }
    if (first) {
        const UtcTime today = UtcFromOle(c.todayOleDay);
        char date[16];
        std::snprintf(date, sizeof date, "%04d-%02d-%02d", today.year, today.month, today.day);
        warnings.push_back({first->line, std::to_string(future) +
                                             (future == 1 ? " QSO is" : " QSOs are") +
                                             " dated after today (" + date +
                                             "), the first " + QsoName(*first)});
    }
    return warnings;
}
