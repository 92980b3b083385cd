#include "tools/cq160/output/export_header.h"

#include <algorithm>

#include "resources/resource.h"
#include "tools/cq160/contest/contest_period.h"
#include "tools/cq160/contest/log_warnings.h"
#include "tools/cq160/contest/score_check.h"
#include "tools/cq160/logs/log_text.h"

namespace {

const char kDefault[] = "default, not from the log";

// The entrant's header choices: the option, the Cabrillo tag it sets, the
// dialog control that carries it (0: none does) and the Cabrillo 3.0 list
// of its values (empty: checked otherwise).
struct HeaderOption {
    const char* option;
    const char* tag;
    int controlId;
    std::vector<std::string> values;
};

const std::vector<HeaderOption>& HeaderOptions() {
    static const std::vector<HeaderOption> kOptions = [] {
        std::vector<std::string> locations = {"DX"};
        for (const std::string& s : ContestStatesProvinces()) locations.push_back(s);
        return std::vector<HeaderOption>{
            {"--category-operator", "CATEGORY-OPERATOR", IDC_CABRILLO_CATEGORY_OPERATOR,
             {"SINGLE-OP", "MULTI-OP", "CHECKLOG"}},
            {"--category-assisted", "CATEGORY-ASSISTED", IDC_CABRILLO_CATEGORY_ASSISTED,
             {"ASSISTED", "NON-ASSISTED"}},
            {"--category-power", "CATEGORY-POWER", IDC_CABRILLO_CATEGORY_POWER,
             {"HIGH", "LOW", "QRP"}},
            {"--category-station", "CATEGORY-STATION", IDC_CABRILLO_CATEGORY_STATION,
             {"DISTRIBUTED", "FIXED", "MOBILE", "PORTABLE", "ROVER", "ROVER-LIMITED",
              "ROVER-UNLIMITED", "EXPEDITION", "HQ", "SCHOOL", "EXPLORER"}},
            {"--category-transmitter", "CATEGORY-TRANSMITTER", IDC_CABRILLO_CATEGORY_TRANSMITTER,
             {"ONE", "TWO", "LIMITED", "UNLIMITED", "SWL"}},
            {"--category-overlay", "CATEGORY-OVERLAY", IDC_CABRILLO_CATEGORY_OVERLAY,
             {"CLASSIC", "ROOKIE", "TB-WIRES", "YOUTH", "NOVICE-TECH", "YL"}},
            {"--location", "LOCATION", IDC_CABRILLO_LOCATION, locations},
            {"--grid", "GRID-LOCATOR", 0, {}},
        };
    }();
    return kOptions;
}

// The dialog's fields that start from fixed defaults at every export, by
// the tag each one writes.
const struct {
    const char* tag;
    int controlId;
} kDefaultedFields[] = {
    {"CATEGORY-OPERATOR", IDC_CABRILLO_CATEGORY_OPERATOR},
    {"CATEGORY-ASSISTED", IDC_CABRILLO_CATEGORY_ASSISTED},
    {"CATEGORY-BAND", IDC_CABRILLO_CATEGORY_BAND},
    {"CATEGORY-MODE", IDC_CABRILLO_CATEGORY_MODE},
    {"CATEGORY-POWER", IDC_CABRILLO_CATEGORY_POWER},
    {"CATEGORY-STATION", IDC_CABRILLO_CATEGORY_STATION},
    {"CATEGORY-TRANSMITTER", IDC_CABRILLO_CATEGORY_TRANSMITTER},
    {"CATEGORY-OVERLAY", IDC_CABRILLO_CATEGORY_OVERLAY},
    {"LOCATION", IDC_CABRILLO_LOCATION},
};

// A Maidenhead locator of 4 or 6 characters: FN20, JO62qm.
bool IsGridLocator(const std::string& text) {
    const std::string g = UpperAscii(text);
    if (g.size() != 4 && g.size() != 6) return false;
    auto in = [](char c, char low, char high) { return c >= low && c <= high; };
    if (!in(g[0], 'A', 'R') || !in(g[1], 'A', 'R') || !in(g[2], '0', '9') || !in(g[3], '0', '9'))
        return false;
    return g.size() == 4 || (in(g[4], 'A', 'X') && in(g[5], 'A', 'X'));
}

std::string ListOf(const std::vector<std::string>& values) {
    std::string text;
    for (std::size_t i = 0; i < values.size(); ++i)
        text += (i == 0 ? "" : i + 1 == values.size() ? " or " : ", ") + values[i];
    return text;
}

bool LogHas(const ContestLog& log, const std::string& tag) {
    for (const HeaderTag& h : log.header)
        if (h.tag == tag) return true;
    return false;
}

void SetEdit(std::vector<DialogEdit>* edits, int controlId, const std::string& text) {
    for (DialogEdit& e : *edits) {
        if (e.controlId == controlId) {
            e.text = text;
            return;
        }
    }
    edits->push_back({controlId, text});
}

bool HasEdit(const std::vector<DialogEdit>& edits, int controlId) {
    for (const DialogEdit& e : edits)
        if (e.controlId == controlId) return true;
    return false;
}

std::string Plural(std::size_t n, const std::string& one, const std::string& many) {
    return std::to_string(n) + " " + (n == 1 ? one : many);
}

// The QSOs' first and last times, "2026-11-28 00:00 to 2026-11-29 23:59 UTC".
std::string QsoSpan(const ContestLog& log) {
    double first = 0, last = 0;
    for (std::size_t i = 0; i < log.qsos.size(); ++i) {
        const double t = OleDays(log.qsos[i].time);
        if (i == 0 || t < first) first = t;
        if (i == 0 || t > last) last = t;
    }
    return FormatUtc(first) + " to " + FormatUtc(last) + " UTC";
}

}  // namespace

bool IsHeaderOption(const std::string& option) {
    for (const HeaderOption& h : HeaderOptions())
        if (option == h.option) return true;
    return false;
}

bool TakeHeaderOption(const std::string& option, const std::string& value,
                      std::map<std::string, std::string>* choices, std::string* error) {
    const std::string upper = UpperAscii(TrimBlanks(value));
    for (const HeaderOption& h : HeaderOptions()) {
        if (option != h.option) continue;
        if (h.values.empty()) {
            if (!IsGridLocator(upper)) {
                *error = option + " takes a Maidenhead locator of 4 or 6 characters (FN20, "
                                  "JO62QM), not " + value;
                return false;
            }
        } else if (std::find(h.values.begin(), h.values.end(), upper) == h.values.end()) {
            *error = option + " takes " + ListOf(h.values) + " (the Cabrillo 3.0 list" +
                     (h.controlId == IDC_CABRILLO_LOCATION
                          ? " for this contest: DX, or the state or province of a US or "
                            "Canadian station"
                          : "") +
                     "), not " + value;
            return false;
        }
        (*choices)[h.tag] = upper;
        return true;
    }
    *error = "unknown option " + option;
    return false;
}

std::string DerivedLocation(const ContestRun& run, std::string* why) {
    const std::string& call = run.own.call;
    if (!run.own.where.found) {
        *why = "the country of " + call + " is not known";
        return std::string();
    }
    if (!SendsStateOrProvince(run.own.where)) {
        *why = "from the log: " + call + " is outside the US and Canada";
        return "DX";
    }
    // The state or province sent most often; the first one sent on a tie.
    std::map<std::string, int> counts;
    std::vector<std::string> order;
    for (const LogQso& q : run.log.qsos) {
        std::string s = StateOrProvince(q.exchSent, call);
        if (s.empty()) s = StateOrProvince(q.sentStateProv, call);
        if (s.empty()) continue;
        if (counts[s]++ == 0) order.push_back(s);
    }
    std::string best;
    for (const std::string& s : order)
        if (best.empty() || counts[s] > counts[best]) best = s;
    if (best.empty()) {
        *why = "the log names no state or province that " + call + " sends";
        return std::string();
    }
    *why = "from the log: the state or province " + call + " sends, in " +
           std::to_string(counts[best]) + " of its " + Plural(run.log.qsos.size(), "QSO", "QSOs");
    return best;
}

ExportHeader PlanExportHeader(const ContestRun& run,
                              const std::map<std::string, std::string>& choices,
                              bool callGiven) {
    const ContestLog& log = run.log;
    ExportHeader p;
    p.settings = HeaderSettings(log.header);
    p.edits = HeaderDialogEdits(log.header);
    int categoryLine = 0;
    for (const HeaderTag& h : log.header)
        if (h.tag == "CATEGORY" && !categoryLine) categoryLine = h.line;
    for (const auto& field : kDefaultedFields) {
        if (LogHas(log, field.tag) || !HasEdit(p.edits, field.controlId)) continue;
        p.origins[field.tag] = "the log's CATEGORY line, line " + std::to_string(categoryLine);
    }
    if (!LogHas(log, "LOCATION") && !choices.count("LOCATION")) {
        std::string why;
        const std::string location = DerivedLocation(run, &why);
        if (location.empty()) {
            p.origins["LOCATION"] = std::string(kDefault) + ": " + why + "; give --location";
        } else {
            SetEdit(&p.edits, IDC_CABRILLO_LOCATION, location);
            p.origins["LOCATION"] = why;
        }
    }
    for (const auto& [tag, value] : choices) {
        for (const HeaderOption& h : HeaderOptions()) {
            if (tag != h.tag) continue;
            if (h.controlId) SetEdit(&p.edits, h.controlId, value);
            p.origins[tag] = h.option;
            if (!h.controlId || h.controlId == IDC_CABRILLO_CATEGORY_OVERLAY)
                p.notCarried.push_back({0, tag, value});
        }
    }
    for (const auto& field : kDefaultedFields) {
        if (!HasEdit(p.edits, field.controlId) && !p.origins.count(field.tag))
            p.origins[field.tag] = kDefault;
    }
    if (!LogHas(log, "OPERATORS")) p.origins["OPERATORS"] = std::string(kDefault) + ": the own call";
    if (callGiven) {
        p.origins["CALLSIGN"] = "--call";
    } else if (log.callsign.empty()) {
        p.origins["CALLSIGN"] = "the own call of the QSO lines";
    }
    return p;
}

std::string HeaderListing(const ExportHeader& plan, const ContestRun& run,
                          const std::string& written) {
    const ContestLog& log = run.log;
    // The log's values by tag, several lines of a tag in file order. An
    // ADIF log's station call and contest stand for its CALLSIGN and CONTEST.
    std::map<std::string, std::vector<std::string>> mine;
    for (const HeaderTag& h : log.header) mine[h.tag].push_back(h.value);
    if (log.format == "ADIF") {
        if (!log.callsign.empty()) mine["CALLSIGN"].push_back(log.callsign);
        if (!log.contest.empty()) mine["CONTEST"].push_back(log.contest);
    }
    // The written header: its lines up to the first QSO line.
    std::vector<HeaderTag> lines;
    std::map<std::string, std::vector<std::string>> theirs;
    for (const std::string& line : SplitLines(written)) {
        const std::size_t colon = line.find(':');
        if (colon == std::string::npos) continue;
        const std::string tag = UpperAscii(TrimBlanks(line.substr(0, colon)));
        if (tag == "QSO" || tag == "X-QSO") break;
        if (tag == "START-OF-LOG" || tag == "END-OF-LOG") continue;
        const std::string value = TrimBlanks(line.substr(colon + 1));
        if (theirs.count(tag) == 0) lines.push_back({0, tag, std::string()});
        theirs[tag].push_back(value);
    }
    auto joined = [](const std::vector<std::string>& values, const std::string& by) {
        std::string text;
        for (std::size_t i = 0; i < values.size(); ++i) text += (i ? by : "") + values[i];
        return text;
    };
    std::string listed, empty;
    std::size_t count = 0;
    for (const HeaderTag& line : lines) {
        const std::string& tag = line.tag;
        const std::vector<std::string>& values = theirs[tag];
        const std::string value = joined(values, " / ");
        const auto it = mine.find(tag);
        const bool logHas = it != mine.end();
        const std::string logValue = logHas ? joined(it->second, " / ") : std::string();
        std::string origin;
        const auto planned = plan.origins.find(tag);
        if (planned != plan.origins.end()) {
            origin = planned->second;
        } else if (tag == "CONTEST") {
            if (logHas && EqualsIgnoringCase(logValue, value)) continue;
            origin = "the module's name for the " + std::string(run.cwWeekend ? "CW" : "SSB") +
                     " weekend";
        } else if (tag == "CLAIMED-SCORE") {
            if (logHas && logValue == value) continue;
            origin = "the module's score";
        } else if (tag == "CREATED-BY") {
            if (logHas && logValue == value) continue;
            origin = "the host program and its version";
        } else if (tag == "ADDRESS" && logHas && it->second.size() > 1 &&
                   value == joined(it->second, ", ")) {
            origin = "the log's " + std::to_string(it->second.size()) +
                     " ADDRESS lines, joined: the module writes one";
        } else if (logHas && logValue == value) {
            continue;
        } else if (!logHas && value.empty()) {
            empty += (empty.empty() ? "" : ", ") + tag;
            continue;
        } else {
            origin = logHas ? "not as in the log" : "not in the log";
        }
        if (logHas && logValue != value && origin.find("the log: ") == std::string::npos)
            origin += "; the log: " + logValue;
        ++count;
        for (const std::string& v : values) listed += "  " + tag + ": " + v + "  (" + origin + ")\n";
    }
    std::string text = "Cabrillo header lines not from the log: " +
                       (count ? std::to_string(count) : std::string("none")) + "\n" + listed;
    if (!empty.empty()) text += "  empty, as the log has none: " + empty + "\n";

    // What the file has no line for: the log's own tags and the choices.
    std::string lost;
    std::size_t lostCount = 0;
    auto addLost = [&](const HeaderTag& h, const std::string& from) {
        ++lostCount;
        lost += "  " + h.tag + ": " + h.value + "  (" + from +
                (h.tag == "CATEGORY-OVERLAY" ? "; kept in the module's settings only" : "") +
                ")\n";
    };
    for (const HeaderTag& h : log.header) {
        if (theirs.count(h.tag) || h.tag == "CATEGORY" || h.tag == "START-OF-LOG" ||
            h.tag == "END-OF-LOG")
            continue;
        if (plan.origins.count(h.tag)) continue;  // a choice replaces it
        addLost(h, "the log, line " + std::to_string(h.line));
    }
    for (const HeaderTag& h : plan.notCarried) addLost(h, plan.origins.at(h.tag));
    text += "Not in the Cabrillo file (the module writes no such line): " +
            (lostCount ? std::to_string(lostCount) : std::string("none")) + "\n" + lost;
    return text;
}

std::string OtherContestReason(const ContestRun& run) {
    const ContestLog& log = run.log;
    if (!log.contest.empty() && CqWw160TagMode(log.contest) < 0) {
        return "the log is of another contest: CONTEST " + log.contest +
               (log.contestLine ? " (line " + std::to_string(log.contestLine) + ")" : "") +
               ", QSOs from " + QsoSpan(log) + "; this one is CQ-160-CW or CQ-160-SSB";
    }
    for (const LogQso& q : log.qsos) {
        const double t = OleDays(q.time);
        if (InPeriod(ContestWeekend(q.time.year, true), t) ||
            InPeriod(ContestWeekend(q.time.year, false), t))
            return std::string();
    }
    return "none of the log's QSOs lies in a CQ 160 weekend: they are from " + QsoSpan(log) +
           (log.contest.empty() ? std::string() : " (CONTEST " + log.contest + ")");
}
