#include "tools/cq160/crosscheck/check_report.h"

#include <climits>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "tools/cq160/logs/file_util.h"

namespace {

// The order of the report's groups: what costs QSOs first.
const Verdict kReportOrder[] = {Verdict::kNotInLog, Verdict::kBustedCall,
                                Verdict::kBustedExchange, Verdict::kUnique,
                                Verdict::kNoLog,    Verdict::kDupe,
                                Verdict::kRefused};

std::string Pad(std::string text, std::size_t width) {
    if (text.size() < width) text.append(width - text.size(), ' ');
    return text;
}

std::string Number(long long n) { return std::to_string(n); }

std::string Percent(double p) {
    char text[32];
    std::snprintf(text, sizeof text, "%.1f %%", p);
    return text;
}

std::string Json(const std::string& text) {
    std::string out = "\"";
    for (unsigned char c : text) {
        if (c == '"' || c == '\\') {
            out += '\\';
            out += static_cast<char>(c);
        } else if (c < 0x20 || c >= 0x80) {
            // Logs are 8-bit text of unknown code page: anything but
            // ASCII is written as the byte's own code point.
            char esc[8];
            std::snprintf(esc, sizeof esc, "\\u%04x", c);
            out += esc;
        } else {
            out += static_cast<char>(c);
        }
    }
    return out + "\"";
}

std::string Csv(const std::string& text) {
    if (text.find_first_of(",\"\r\n") == std::string::npos) return text;
    std::string out = "\"";
    for (char c : text) out += c == '"' ? std::string("\"\"") : std::string(1, c);
    return out + "\"";
}

std::string OrNull(bool has, long long n) { return has ? Number(n) : "null"; }

std::string ScoreText(bool has, long long n) { return has ? Number(n) : "none"; }

// A QSO as the reports show it: "2027-01-29 2301 K1ABC 160m CW sent 14 rcvd MA".
std::string QsoText(const WeekendCheck& check, const MatchQso& q) {
    std::string text = MinuteText(q.minute) + " " + q.call + " " + check.bandNames[q.band] + " " +
                       check.modeNames[q.mode];
    text += " sent " + (q.exchSent.empty() ? std::string("-") : q.exchSent);
    text += " rcvd " + (q.exchRcvd.empty() ? std::string("-") : q.exchRcvd);
    return text;
}

// Minutes between two QSOs of two logs once both clocks are corrected.
long long Apart(const WeekendCheck& check, std::size_t log, const MatchQso& q,
                const QsoVerdict& v) {
    const CheckedLog& other = check.logs[v.otherLog];
    const MatchQso& o = other.match.qsos[v.otherQso];
    return std::llabs((q.minute - check.logs[log].clockOffset) - (o.minute - other.clockOffset));
}

// Why the verdict, in words: the evidence.
std::string Evidence(const WeekendCheck& check, std::size_t log, std::size_t i) {
    const CheckedLog& me = check.logs[log];
    const MatchQso& q = me.match.qsos[i];
    const QsoVerdict& v = me.verdicts[i];
    const CheckedLog* other = v.otherLog >= 0 ? &check.logs[v.otherLog] : nullptr;
    std::string line;
    if (other && v.otherQso >= 0) {
        const MatchQso& o = other->match.qsos[v.otherQso];
        line = other->shown + " line " + Number(o.line) + ": " + QsoText(check, o);
    }
    switch (v.verdict) {
        case Verdict::kConfirmed:
            return std::string();  // the other log and line say it all
        case Verdict::kNotInLog: {
            if (line.empty()) return other->shown + " has no QSO with " + me.call;
            const MatchQso& o = other->match.qsos[v.otherQso];
            std::string why;
            if (o.band != q.band) why = "on " + check.bandNames[o.band];
            else if (o.mode != q.mode) why = "in " + check.modeNames[o.mode];
            else why = Number(Apart(check, log, q, v)) + " min apart";
            return "nearest in " + line + " (" + why + ")";
        }
        case Verdict::kBustedCall:
            return v.rightCall + " logged you then: " + line;
        case Verdict::kBustedExchange:
            return "sent " + other->match.qsos[v.otherQso].exchSent + ": " + line;
        case Verdict::kNoLog:
            return "no log from " + q.call + "; in " + Number(v.logsWithCall) + " other log" +
                   (v.logsWithCall == 1 ? "" : "s");
        case Verdict::kUnique:
            return "in no other log";
        case Verdict::kDupe:
            return v.otherQso >= 0 ? "dupe of line " + Number(me.match.qsos[v.otherQso].line)
                                   : "dupe";
        case Verdict::kRefused:
            return "the module: " + me.refusedWhy[i];
    }
    return line;
}

// A log's QSO lines in file order: read ones as their index, unreadable
// ones as -1 - their index in log.unreadable.
std::vector<int> LineOrder(const CheckedLog& log) {
    std::vector<int> order;
    std::size_t bad = 0;
    for (std::size_t i = 0; i <= log.match.qsos.size(); ++i) {
        const int line = i < log.match.qsos.size() ? log.match.qsos[i].line : INT_MAX;
        while (bad < log.unreadable.size() && log.unreadable[bad].line < line)
            order.push_back(-1 - static_cast<int>(bad++));
        if (i < log.match.qsos.size()) order.push_back(static_cast<int>(i));
    }
    return order;
}

std::string ClockText(const CheckedLog& log) {
    const int off = log.clockOffset;
    return Number(std::abs(off)) + " min " + (off > 0 ? "ahead of" : "behind") +
           " the other logs (from " + Number(log.clockSamples) + " QSOs)";
}

std::string Counts(const CheckedLog& log) {
    std::string text;
    for (int v = 0; v < kVerdictCount; ++v) {
        text += (v ? ", " : "") + std::string(VerdictWords(static_cast<Verdict>(v))) + " " +
                Number(log.count[v]);
    }
    return text;
}

std::string WeekendName(const WeekendCheck& check) {
    return std::string(check.cwWeekend ? "CW" : "SSB") + " weekend of " +
           Number(UtcFromOle(check.period.end).year);
}

}  // namespace

std::string UbnReportName(const std::string& call) {
    std::string name;
    for (char c : call) {
        const bool ok = (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9');
        if (ok || c == '/') name += c == '/' ? '_' : c;
        if (name.size() == 64) break;
    }
    return (name.empty() ? "NOCALL" : name) + "-ubn.txt";
}

std::string UbnReport(const WeekendCheck& check, std::size_t index, const CheckSettings& s) {
    const CheckedLog& log = check.logs[index];
    const long long others = static_cast<long long>(check.logs.size()) - 1;
    std::string t = "UBN report of " + log.call + " (" + log.shown + "), " + WeekendName(check) +
                    ", checked against " + Number(others) + " other log" + (others == 1 ? "" : "s") +
                    "\n";
    t += "Time window " + Number(s.windowMinutes) + " min; clock " +
         (log.clockOffset ? ClockText(log) : std::string("in step with the other logs")) + "\n";
    t += "QSO lines " + Number(log.Lines()) + ": " + Counts(log) + "\n";
    t += "Error rate " + Percent(log.ErrorRate()) +
         " (not in log, busted call and exchange, of the QSOs checked)\n";
    int removed = 0;
    for (const QsoVerdict& v : log.verdicts) removed += Removed(v.verdict);
    t += "Claimed score " + ScoreText(log.hasClaimed, log.claimed) + "; the module's score as logged " +
         ScoreText(log.hasModuleScore, log.moduleScore) + "; checked " +
         ScoreText(log.hasCheckedScore, log.checkedScore) + " (" + Number(removed) +
         (removed == 1 ? " QSO" : " QSOs") + " removed";
    if (log.penaltyPoints > 0)
        t += ", penalty " + Number(log.penaltyPoints) + " points (" + Number(s.penalty) +
             " x the points of the not-in-log and busted-call QSOs)";
    t += ")\n";
    for (Verdict verdict : kReportOrder) {
        if (log.Count(verdict) == 0) continue;
        std::string head = VerdictWords(verdict);
        head[0] = static_cast<char>(head[0] - 'a' + 'A');
        t += "\n" + head + " (" + Number(log.Count(verdict)) + ")" +
             (Removed(verdict) ? ", removed" : "") + ":\n";
        for (int i : LineOrder(log)) {
            if (i < 0) {
                if (verdict != Verdict::kRefused) continue;
                const BadLine& bad = log.unreadable[-1 - i];
                t += "  line " + Pad(Number(bad.line), 6) + "cannot be read: " + bad.reason + "\n";
                continue;
            }
            if (log.verdicts[i].verdict != verdict) continue;
            const MatchQso& q = log.match.qsos[i];
            t += "  line " + Pad(Number(q.line), 6) + QsoText(check, q) + " | " +
                 Evidence(check, index, i) + "\n";
        }
    }
    std::string crlf;
    crlf.reserve(t.size() + t.size() / 16);
    for (char c : t) {
        if (c == '\n') crlf += '\r';
        crlf += c;
    }
    return crlf;
}

std::string SummaryTable(const WeekendCheck& check, const CheckSettings& s) {
    std::string t = "Cross-check of " + Number(static_cast<long long>(check.logs.size())) +
                    " logs, " + WeekendName(check) + " (" + FormatUtc(check.period.start) +
                    " to " + FormatUtc(check.period.end) + "), time window " +
                    Number(s.windowMinutes) + " min" +
                    (s.penalty ? ", penalty " + Number(s.penalty) + "x" : std::string()) + "\n";
    char row[512];
    std::snprintf(row, sizeof row, "%-20s %-12s %6s %9s %6s %6s %6s %6s %6s %10s %10s %10s %7s\n",
                  "log", "call", "QSOs", "confirmed", "NIL", "busted", "unique", "no-log", "dupe",
                  "claimed", "module", "checked", "errors");
    t += row;
    for (const CheckedLog& log : check.logs) {
        const int busted = log.Count(Verdict::kBustedCall) + log.Count(Verdict::kBustedExchange);
        std::snprintf(row, sizeof row,
                      "%-20s %-12s %6d %9d %6d %6d %6d %6d %6d %10s %10s %10s %7s\n",
                      BaseName(log.shown).c_str(), log.call.c_str(), log.Lines(),
                      log.Count(Verdict::kConfirmed), log.Count(Verdict::kNotInLog), busted,
                      log.Count(Verdict::kUnique), log.Count(Verdict::kNoLog),
                      log.Count(Verdict::kDupe), ScoreText(log.hasClaimed, log.claimed).c_str(),
                      ScoreText(log.hasModuleScore, log.moduleScore).c_str(),
                      ScoreText(log.hasCheckedScore, log.checkedScore).c_str(),
                      Percent(log.ErrorRate()).c_str());
        t += row;
    }
    for (const LeftOutLog& out : check.leftOut) t += "Left out: " + out.shown + ": " + out.reason + "\n";
    for (const CheckedLog& log : check.logs) {
        if (log.clockOffset)
            t += "Clock: " + log.shown + " (" + log.call + ") " + ClockText(log) + "\n";
    }
    return t;
}

std::string CheckJson(const WeekendCheck& check, const CheckSettings& s) {
    std::string j = "{\n  \"weekend\": " + Json(check.cwWeekend ? "CW" : "SSB") +
                    ",\n  \"period\": {\"start\": " + Json(FormatUtc(check.period.start)) +
                    ", \"end\": " + Json(FormatUtc(check.period.end)) + "},\n" +
                    "  \"windowMinutes\": " + Number(s.windowMinutes) +
                    ",\n  \"penalty\": " + Number(s.penalty) + ",\n  \"leftOut\": [";
    for (std::size_t i = 0; i < check.leftOut.size(); ++i) {
        j += std::string(i ? ", " : "") + "{\"log\": " + Json(check.leftOut[i].shown) +
             ", \"reason\": " + Json(check.leftOut[i].reason) + "}";
    }
    j += "],\n  \"logs\": [";
    for (std::size_t l = 0; l < check.logs.size(); ++l) {
        const CheckedLog& log = check.logs[l];
        j += std::string(l ? "," : "") + "\n    {\"log\": " + Json(log.shown) +
             ", \"call\": " + Json(log.call) + ", \"qsoLines\": " + Number(log.Lines());
        for (int v = 0; v < kVerdictCount; ++v)
            j += ", " + Json(VerdictName(static_cast<Verdict>(v))) + ": " + Number(log.count[v]);
        char rate[32];
        std::snprintf(rate, sizeof rate, "%.2f", log.ErrorRate());
        j += ", \"claimed\": " + OrNull(log.hasClaimed, log.claimed) +
             ", \"module\": " + OrNull(log.hasModuleScore, log.moduleScore) +
             ", \"checked\": " + OrNull(log.hasCheckedScore, log.checkedScore) +
             ", \"penaltyPoints\": " + Number(log.penaltyPoints) + ", \"errorRate\": " + rate +
             ", \"clockOffsetMinutes\": " + Number(log.clockOffset) + ",\n     \"qsos\": [";
        bool first = true;
        for (int i : LineOrder(log)) {
            j += std::string(first ? "" : ",");
            first = false;
            if (i < 0) {
                const BadLine& bad = log.unreadable[-1 - i];
                j += "\n      {\"line\": " + Number(bad.line) +
                     ", \"time\": null, \"call\": null, \"verdict\": \"refused\", "
                     "\"otherLog\": null, \"otherLine\": null, \"detail\": " +
                     Json("cannot be read: " + bad.reason) + "}";
                continue;
            }
            const MatchQso& q = log.match.qsos[i];
            const QsoVerdict& v = log.verdicts[i];
            const bool evidence = v.otherLog >= 0 && v.otherQso >= 0;
            j += "\n      {\"line\": " + Number(q.line) +
                 ", \"time\": " + Json(MinuteText(q.minute)) + ", \"call\": " + Json(q.call) +
                 ", \"verdict\": " + Json(VerdictName(v.verdict)) + ", \"otherLog\": " +
                 (v.otherLog >= 0 ? Json(check.logs[v.otherLog].shown) : "null") +
                 ", \"otherLine\": " +
                 (evidence ? Number(check.logs[v.otherLog].match.qsos[v.otherQso].line) : "null") +
                 ", \"detail\": " + Json(Evidence(check, l, i)) + "}";
        }
        j += "]}";
    }
    return j + "\n  ]\n}\n";
}

std::string CheckCsv(const WeekendCheck& check) {
    std::string c = "log,line,call,verdict,other_log,other_line,other_call,time,band,mode,detail\r\n";
    for (std::size_t l = 0; l < check.logs.size(); ++l) {
        const CheckedLog& log = check.logs[l];
        for (int i : LineOrder(log)) {
            if (i < 0) {
                const BadLine& bad = log.unreadable[-1 - i];
                c += Csv(log.shown) + "," + Number(bad.line) + ",,refused,,,,,,," +
                     Csv("cannot be read: " + bad.reason) + "\r\n";
                continue;
            }
            const MatchQso& q = log.match.qsos[i];
            const QsoVerdict& v = log.verdicts[i];
            const CheckedLog* other = v.otherLog >= 0 ? &check.logs[v.otherLog] : nullptr;
            c += Csv(log.shown) + "," + Number(q.line) + "," + Csv(q.call) + "," +
                 VerdictName(v.verdict) + "," + (other ? Csv(other->shown) : "") + "," +
                 (other && v.otherQso >= 0 ? Number(other->match.qsos[v.otherQso].line) : "") +
                 "," + (other ? Csv(other->call) : "") + "," + MinuteText(q.minute) + "," +
                 Csv(check.bandNames[q.band]) + "," + Csv(check.modeNames[q.mode]) + "," +
                 Csv(Evidence(check, l, i)) + "\r\n";
        }
    }
    return c;
}
