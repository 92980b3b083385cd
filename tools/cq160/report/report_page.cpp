#include "tools/cq160/report/report_page.h"

#include <algorithm>

#include "tools/cq160/contest/operating_time.h"
#include "tools/cq160/host/ole_time.h"
#include "tools/cq160/report/report_svg.h"

namespace {

// The code points of Windows-1251's bytes 0x80 to 0xBF (0x98 is unused);
// 0xC0 to 0xFF are U+0410 to U+044F.
const unsigned short kCp1251High[64] = {
    0x0402, 0x0403, 0x201A, 0x0453, 0x201E, 0x2026, 0x2020, 0x2021, 0x20AC, 0x2030, 0x0409,
    0x2039, 0x040A, 0x040C, 0x040B, 0x040F, 0x0452, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0xFFFD, 0x2122, 0x0459, 0x203A, 0x045A, 0x045C, 0x045B, 0x045F, 0x00A0,
    0x040E, 0x045E, 0x0408, 0x00A4, 0x0490, 0x00A6, 0x00A7, 0x0401, 0x00A9, 0x0404, 0x00AB,
    0x00AC, 0x00AD, 0x00AE, 0x0407, 0x00B0, 0x00B1, 0x0406, 0x0456, 0x0491, 0x00B5, 0x00B6,
    0x00B7, 0x0451, 0x2116, 0x0454, 0x00BB, 0x0458, 0x0405, 0x0455, 0x0457};

void AppendUtf8(unsigned code, std::string* out) {
    if (code < 0x80) {
        *out += static_cast<char>(code);
    } else if (code < 0x800) {
        *out += static_cast<char>(0xC0 | (code >> 6));
        *out += static_cast<char>(0x80 | (code & 0x3F));
    } else {
        *out += static_cast<char>(0xE0 | (code >> 12));
        *out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        *out += static_cast<char>(0x80 | (code & 0x3F));
    }
}

// Well-formed UTF-8: no stray continuation bytes, overlong forms,
// surrogates or code points past U+10FFFF.
bool IsUtf8(const std::string& text) {
    const auto* p = reinterpret_cast<const unsigned char*>(text.data());
    const std::size_t n = text.size();
    for (std::size_t i = 0; i < n;) {
        const unsigned c = p[i];
        int more;
        unsigned code;
        if (c < 0x80) {
            ++i;
            continue;
        } else if (c >= 0xC2 && c <= 0xDF) {
            more = 1;
            code = c & 0x1F;
        } else if (c >= 0xE0 && c <= 0xEF) {
            more = 2;
            code = c & 0x0F;
        } else if (c >= 0xF0 && c <= 0xF4) {
            more = 3;
            code = c & 0x07;
        } else {
            return false;
        }
        for (int k = 1; k <= more; ++k) {
            if (i + k >= n || (p[i + k] & 0xC0) != 0x80) return false;
            code = (code << 6) | (p[i + k] & 0x3F);
        }
        if ((more == 2 && code < 0x800) || (more == 3 && (code < 0x10000 || code > 0x10FFFF)) ||
            (code >= 0xD800 && code <= 0xDFFF))
            return false;
        i += more + 1;
    }
    return true;
}

std::string H(const std::string& text) {
    return XmlEscape(ToUtf8(text));
}

const char* const kLogColors[] = {"#1f6fb2", "#d1462f", "#2a9d55"};
const char kQsoColor[] = "#4e79a7";
const char kPointsColor[] = "#f28e2b";
const char kScoreColor[] = "#222222";
const char kCountryColor[] = "#4e79a7";
const char kStateColor[] = "#e15759";

const char kStyle[] =
    "body{font-family:system-ui,-apple-system,'Segoe UI',Roboto,'DejaVu Sans',sans-serif;"
    "margin:0;background:#f4f5f7;color:#1d232b}\n"
    "main{max-width:1000px;margin:0 auto;padding:16px 20px 40px}\n"
    "h1{font-size:1.6em;margin:.4em 0 .1em}h2{font-size:1.2em;margin:1.6em 0 .3em;"
    "border-bottom:1px solid #cfd4da;padding-bottom:.2em}h3{font-size:1em;margin:1em 0 .3em}\n"
    "p.what{margin:.2em 0 .6em;color:#4a5560;font-size:.92em}\n"
    ".sub{color:#4a5560;margin:0 0 1em}\n"
    "section.log{background:#fff;border-radius:6px;padding:4px 16px 16px;margin:20px 0;"
    "box-shadow:0 1px 2px rgba(0,0,0,.08)}\n"
    "table{border-collapse:collapse;font-size:.92em}td,th{padding:3px 10px 3px 0;"
    "text-align:left;vertical-align:top}\n"
    "table.facts th{color:#4a5560;font-weight:normal;padding-right:18px;white-space:nowrap}\n"
    "table.list th{border-bottom:1px solid #cfd4da}table.list td.n,table.list th.n,"
    "table.facts td.n{text-align:right}\n"
    "svg.chart{width:100%;height:auto;display:block;background:#fff}\n"
    ".pair{display:flex;gap:16px;flex-wrap:wrap}.pair>div{flex:1 1 440px}\n"
    "svg .label{font-size:12px;fill:#4a5560}svg .value{font-size:11px;fill:#1d232b}\n"
    "svg .grid{stroke:#e3e6ea;stroke-width:1}svg .axis,svg .tick{stroke:#8a939c;stroke-width:1}\n"
    "svg .zero{stroke:#1d232b;stroke-width:1}\n"
    "svg .cell{fill:#eef0f2;stroke:#cfd4da}svg .cell.worked{fill:#2a9d55;stroke:#1f7a41}\n"
    "svg .cell-label{font-size:12px;fill:#6b747d}svg .cell-label.worked{fill:#fff;"
    "font-weight:bold}\n"
    ".chips span{display:inline-block;background:#e8f0f8;border-radius:3px;padding:1px 6px;"
    "margin:2px 3px 2px 0;font-size:.88em}\n"
    ".chips span.c0{background:#dbe8f5}.chips span.c1{background:#f8e0db}"
    ".chips span.c2{background:#dcf1e3}\n"
    ".cont{margin:.3em 0}.cont b{display:inline-block;width:3.5em}\n"
    ".warn{color:#8a4b00}\n";

std::string Fact(const std::string& label, const std::string& valueHtml) {
    return "<tr><th>" + XmlEscape(label) + "</th><td>" + valueHtml + "</td></tr>\n";
}

std::string Year(const ScoredLog& log) {
    return std::to_string(UtcFromOle(log.periodStart).year);
}

std::string Title(const ScoredLog& log) {
    return "CQ WW 160-Meter " + log.weekend + " " + Year(log);
}

std::string PeriodText(const ScoredLog& log) {
    return FormatUtc(log.periodStart) + " to " +
           FormatUtc(log.periodStart + log.periodMinutes / 1440.0) + " UTC";
}

std::string ScoreText(bool has, long long score) {
    return has ? GroupedNumber(score) : "none";
}

TimeAxis AxisOf(const ScoredLog& log) {
    TimeAxis axis;
    axis.hours = PeriodHours(log);
    axis.startOle = log.periodStart;
    return axis;
}

std::vector<double> AsDoubles(const std::vector<long long>& values) {
    return std::vector<double>(values.begin(), values.end());
}

// Per-hour values as a line: 0 at the start, each value at its hour's end.
std::vector<std::pair<double, double>> HourEnds(const std::vector<long long>& values) {
    std::vector<std::pair<double, double>> points{{0, 0}};
    for (std::size_t h = 0; h < values.size(); ++h)
        points.push_back({(h + 1) * 60.0, double(values[h])});
    return points;
}

std::string Chips(const std::vector<std::string>& items, int colorIndex = -1) {
    if (items.empty()) return "<p class=\"what\">none</p>\n";
    std::string s = "<div class=\"chips\">";
    const std::string cls = colorIndex >= 0 ? " class=\"c" + std::to_string(colorIndex) + "\"" : "";
    for (const std::string& item : items) s += "<span" + cls + ">" + H(item) + "</span>";
    return s + "</div>\n";
}

std::string FactsTable(const ScoredLog& log) {
    const LogTotals t = TotalsOf(log);
    std::string s = "<table class=\"facts\">\n";
    s += Fact("Station", H(log.call) + (log.station.empty() ? "" : ", " + H(log.station)));
    for (const auto& [tag, value] : log.header) s += Fact(ToUtf8(tag), H(value));
    s += Fact("Claimed score", ScoreText(log.hasClaimed, log.claimed));
    std::string module = ScoreText(log.hasScore, log.score);
    if (log.hasScore && log.hasClaimed && log.claimed != log.score)
        module += " (" + GroupedNumber(log.score - log.claimed) + " against the claimed)";
    s += Fact("Module's score", "<b>" + module + "</b>");
    s += Fact("QSOs", GroupedNumber(t.qsos) + " logged, " + GroupedNumber(t.counting) + " count");
    s += Fact("Points", GroupedNumber(t.points));
    s += Fact("Multipliers",
              std::to_string(t.countries) + " countries + " + std::to_string(t.statesProvinces) +
                  " states/provinces = " + std::to_string(t.countries + t.statesProvinces));
    std::string operating = HoursAndMinutes(log.operatingMinutes) + " of " +
                            std::to_string(log.periodMinutes / 60) +
                            " h (off periods: 30 minutes or more without a QSO)";
    if (log.operatingLimitMinutes > 0) {
        const bool over = log.operatingMinutes > log.operatingLimitMinutes;
        operating += std::string(over ? "; <span class=\"warn\">more than the " : "; ") +
                     std::to_string(log.operatingLimitMinutes / 60) + " h " +
                     XmlEscape(ToUtf8(log.operatorCategory)) + " may operate" +
                     (over ? "</span>" : "");
    }
    s += Fact("Operating time", operating);
    return s + "</table>\n";
}

std::string ContinentCharts(const std::string& prefix, const std::vector<const ScoredLog*>& logs) {
    std::vector<std::string> continents;
    std::vector<std::vector<ContinentTotals>> totals;
    for (const ScoredLog* log : logs) {
        totals.push_back(TotalsByContinent(*log));
        for (const ContinentTotals& c : totals.back()) {
            if (std::find(continents.begin(), continents.end(), c.continent) == continents.end())
                continents.push_back(c.continent);
        }
    }
    // The order of TotalsByContinent, across the logs.
    static const std::string kOrder = "EU NA AS AF SA OC";
    std::stable_sort(continents.begin(), continents.end(),
                     [](const std::string& a, const std::string& b) {
                         const std::size_t ra = kOrder.find(a), rb = kOrder.find(b);
                         return ra < rb;
                     });
    std::vector<Series> qsos, points;
    for (std::size_t i = 0; i < logs.size(); ++i) {
        const bool one = logs.size() == 1;
        Series q{one ? "QSOs" : logs[i]->call, one ? kQsoColor : kLogColors[i], {}};
        Series p{one ? "points" : logs[i]->call, one ? kPointsColor : kLogColors[i], {}};
        for (const std::string& c : continents) {
            double nq = 0, np = 0;
            for (const ContinentTotals& t : totals[i]) {
                if (t.continent == c) {
                    nq = double(t.qsos);
                    np = double(t.points);
                }
            }
            q.values.push_back(nq);
            p.values.push_back(np);
        }
        qsos.push_back(q);
        points.push_back(p);
    }
    return "<div class=\"pair\"><div><h3>QSOs that count</h3>" +
           CategoryBarsChart(prefix + "continent-qsos", continents, qsos) +
           "</div><div><h3>Points</h3>" +
           CategoryBarsChart(prefix + "continent-points", continents, points) + "</div></div>\n";
}

// The sections of one log; chart ids start with prefix.
std::string LogSections(const ScoredLog& log, const std::vector<std::string>& allStates,
                        const std::string& prefix, const std::string& heading) {
    const TimeAxis axis = AxisOf(log);
    std::string s = "<section class=\"log\" id=\"" + prefix + "log\">\n";
    s += heading;
    s += FactsTable(log);
    if (!log.warnings.empty()) {
        s += "<h3 class=\"warn\">Warnings</h3><ul class=\"warn\">";
        for (const std::string& w : log.warnings) s += "<li>" + H(w) + "</li>";
        s += "</ul>\n";
    }

    const HourlyRates rates = RatesPerHour(log);
    const RunningTotals running = TotalsByHour(log);
    s += "<h2>QSOs and points per hour</h2>\n<p class=\"what\">Bars: the QSOs that count and "
         "their points in each clock hour of the contest (UTC). Line: the running score at the "
         "end of each hour (right-hand scale), points so far times multipliers so far.</p>\n";
    const std::vector<Series> panels{{"QSOs per hour", kQsoColor, AsDoubles(rates.qsos)},
                                     {"points per hour", kPointsColor, AsDoubles(rates.points)}};
    const Series score{"running score", kScoreColor, AsDoubles(running.score)};
    s += HourBarsChart(prefix + "rates", axis, panels, &score);

    s += "<h2>Multipliers over time</h2>\n<p class=\"what\">Countries and states/provinces "
         "worked so far; each dot is a new one (its name shows when the pointer rests on "
         "it).</p>\n";
    TimeLine countries{"countries", kCountryColor, {{0, 0}}, true, {}, {}, false};
    TimeLine states{"states/provinces", kStateColor, {{0, 0}}, true, {}, {}, false};
    for (const MultiplierEvent& e : MultiplierTimeline(log)) {
        TimeLine& l = e.country ? countries : states;
        const double v = e.country ? e.countries : e.statesProvinces;
        l.points.push_back({e.minute, v});
        l.marks.push_back({e.minute, v});
        l.markTitles.push_back(ToUtf8(e.title));
    }
    countries.points.push_back({log.periodMinutes, countries.points.back().second});
    states.points.push_back({log.periodMinutes, states.points.back().second});
    s += TimeLinesChart(prefix + "multipliers", axis, {countries, states});

    s += "<h2>By continent</h2>\n<p class=\"what\">Where the QSOs that count and their points "
         "came from (\"?\": in no country, as a maritime mobile station).</p>\n";
    s += ContinentCharts(prefix, {&log});

    s += "<h2>Countries worked</h2>\n";
    for (const auto& [continent, list] : CountriesByContinent(log)) {
        s += "<div class=\"cont\"><b>" + H(continent) + "</b> " + std::to_string(list.size()) +
             "<div class=\"chips\">";
        for (const WorkedCountry& c : list)
            s += "<span title=\"" + H(c.name) + "\">" + H(c.prefix) + "</span>";
        s += "</div></div>\n";
    }

    const std::vector<StateProvCell> cells = StatesProvinces(log, allStates);
    std::vector<std::string> labels;
    std::vector<bool> worked;
    int workedCount = 0;
    for (const StateProvCell& c : cells) {
        labels.push_back(c.name);
        worked.push_back(c.worked);
        workedCount += c.worked;
    }
    s += "<h2>States and provinces</h2>\n<p class=\"what\">" + std::to_string(workedCount) +
         " of " + std::to_string(cells.size()) +
         " worked (filled); the empty ones are missing.</p>\n";
    s += CellGrid(prefix + "states", labels, worked, 16);

    const std::vector<ScoredQso> bad = NotCounting(log);
    s += "<h2>QSOs that do not count</h2>\n<p class=\"what\">" + std::to_string(bad.size()) +
         " QSOs, with the module's reason and the line of the log.</p>\n";
    if (!bad.empty()) {
        s += "<table class=\"list\"><tr><th class=\"n\">line</th><th>time (UTC)</th><th>call</th>"
             "<th>exch</th><th>reason</th></tr>\n";
        for (const ScoredQso& q : bad) {
            s += "<tr><td class=\"n\">" + std::to_string(q.line) + "</td><td>" + H(q.time) +
                 "</td><td>" + H(q.call) + "</td><td>" + H(q.exchange) + "</td><td>" + H(q.status) +
                 "</td></tr>\n";
        }
        s += "</table>\n";
    }
    return s + "</section>\n";
}

std::string PageStart(const std::string& title) {
    return "<!DOCTYPE html>\n<html lang=\"en\">\n<head>\n<meta charset=\"utf-8\">\n"
           "<meta name=\"viewport\" content=\"width=device-width, initial-scale=1\">\n"
           "<title>" +
           XmlEscape(title) + "</title>\n<style>\n" + kStyle +
           "</style>\n</head>\n<body>\n<main>\n";
}

const char kPageEnd[] =
    "<p class=\"what\">Written by cq160, which replays the logs through the scoring module: "
    "every figure is the module's.</p>\n</main>\n</body>\n</html>\n";

}  // namespace

std::string ToUtf8(const std::string& text) {
    bool plain = true;
    for (unsigned char c : text) {
        if (c >= 0x80 || (c < 0x20 && c != '\t')) {
            plain = false;
            break;
        }
    }
    if (plain) return text;
    const bool utf8 = IsUtf8(text);
    std::string out;
    for (unsigned char c : text) {
        if (c < 0x20 && c != '\t') {
            out += ' ';  // no control characters in the page
        } else if (c < 0x80 || utf8) {
            out += static_cast<char>(c);
        } else if (c < 0xC0) {
            AppendUtf8(kCp1251High[c - 0x80], &out);
        } else {
            AppendUtf8(0x0410 + (c - 0xC0), &out);
        }
    }
    return out;
}

std::string GroupedNumber(long long n) {
    const std::string digits = std::to_string(n < 0 ? -n : n);
    std::string out;
    for (std::size_t i = 0; i < digits.size(); ++i) {
        if (i && (digits.size() - i) % 3 == 0) out += ',';
        out += digits[i];
    }
    return n < 0 ? "-" + out : out;
}

std::string LogReportPage(const ScoredLog& log, const std::vector<std::string>& allStates) {
    const std::string title = ToUtf8(log.call) + " \xE2\x80\x93 " + Title(log);
    std::string page = PageStart(title);
    const std::string heading = "<h1>" + XmlEscape(title) + "</h1>\n<p class=\"sub\">" +
                                H(log.logName) + ", contest period " + PeriodText(log) + "</p>\n";
    page += LogSections(log, allStates, "", heading);
    return page + kPageEnd;
}

std::string ComparisonReportPage(const std::vector<ScoredLog>& logs,
                                 const std::vector<std::string>& allStates) {
    std::vector<const ScoredLog*> refs;
    std::string calls;
    for (const ScoredLog& log : logs) {
        refs.push_back(&log);
        calls += (calls.empty() ? "" : ", ") + ToUtf8(log.call);
    }
    const ScoredLog& first = logs.front();
    const std::string title = calls + " \xE2\x80\x93 " + Title(first);
    std::string page = PageStart(title);
    page += "<h1>" + XmlEscape(title) + "</h1>\n<p class=\"sub\">" + std::to_string(logs.size()) +
            " logs compared, contest period " + PeriodText(first) + "</p>\n";
    page +=
        "<section class=\"log\" id=\"comparison\">\n<h2>The logs</h2>\n<table class=\"list\">"
        "<tr><th></th>";
    for (std::size_t i = 0; i < logs.size(); ++i)
        page += "<th class=\"n\" style=\"color:" + std::string(kLogColors[i]) + "\">" +
                H(logs[i].call) + "</th>";
    page += "</tr>\n";
    std::vector<LogTotals> totals;
    for (const ScoredLog& log : logs) totals.push_back(TotalsOf(log));
    auto row = [&](const std::string& label, auto value) {
        page += "<tr><th>" + label + "</th>";
        for (std::size_t i = 0; i < logs.size(); ++i)
            page += "<td class=\"n\">" + value(i) + "</td>";
        page += "</tr>\n";
    };
    row("log", [&](std::size_t i) { return H(logs[i].logName); });
    row("claimed score",
        [&](std::size_t i) { return ScoreText(logs[i].hasClaimed, logs[i].claimed); });
    row("module's score",
        [&](std::size_t i) { return "<b>" + ScoreText(logs[i].hasScore, logs[i].score) + "</b>"; });
    row("QSOs logged", [&](std::size_t i) { return GroupedNumber(totals[i].qsos); });
    row("QSOs that count", [&](std::size_t i) { return GroupedNumber(totals[i].counting); });
    row("points", [&](std::size_t i) { return GroupedNumber(totals[i].points); });
    row("countries", [&](std::size_t i) { return std::to_string(totals[i].countries); });
    row("states/provinces",
        [&](std::size_t i) { return std::to_string(totals[i].statesProvinces); });
    row("operating time",
        [&](std::size_t i) { return HoursAndMinutes(logs[i].operatingMinutes); });
    page += "</table>\n";

    const TimeAxis axis = AxisOf(first);
    std::vector<TimeLine> rates, scores, mults, diffs;
    for (std::size_t i = 0; i < logs.size(); ++i) {
        const std::string color = kLogColors[i];
        const HourlyRates r = RatesPerHour(logs[i]);
        TimeLine rate{logs[i].call, color, {}, false, {}, {}, false};
        for (std::size_t h = 0; h < r.qsos.size(); ++h)
            rate.points.push_back({h * 60.0 + 30, double(r.qsos[h])});
        rates.push_back(rate);
        const RunningTotals t = TotalsByHour(logs[i]);
        scores.push_back({logs[i].call, color, HourEnds(t.score), false, {}, {}, false});
        std::vector<long long> m;
        for (std::size_t h = 0; h < t.countries.size(); ++h)
            m.push_back(t.countries[h] + t.statesProvinces[h]);
        mults.push_back({logs[i].call, color, HourEnds(m), false, {}, {}, false});
    }
    const Comparison c = Compare(refs);
    for (std::size_t k = 0; k < c.scoreDifference.size(); ++k) {
        diffs.push_back({ToUtf8(logs[k + 1].call) + " \xE2\x88\x92 " + ToUtf8(first.call),
                         kLogColors[k + 1],
                         HourEnds(c.scoreDifference[k]),
                         false,
                         {},
                         {},
                         false});
    }
    page +=
        "<h2>QSOs per hour</h2>\n<p class=\"what\">The QSOs that count in each clock hour "
        "(UTC), one line per log.</p>\n" +
        TimeLinesChart("compare-rates", axis, rates);
    page +=
        "<h2>Running score</h2>\n<p class=\"what\">Each log's score at the end of each "
        "hour.</p>\n" +
        TimeLinesChart("compare-score", axis, scores);
    page +=
        "<h2>Running multipliers</h2>\n<p class=\"what\">Countries plus states/provinces "
        "worked so far.</p>\n" +
        TimeLinesChart("compare-multipliers", axis, mults);
    page += "<h2>Score difference</h2>\n<p class=\"what\">Each log's running score less " +
            H(first.call) + "'s: above zero it is ahead.</p>\n" +
            TimeLinesChart("compare-difference", axis, diffs);
    page += "<h2>By continent</h2>\n" + ContinentCharts("compare-", refs);

    page += "<h2>Calls only one log worked</h2>\n";
    for (std::size_t i = 0; i < logs.size(); ++i) {
        page += "<h3>" + H(logs[i].call) + ": " + std::to_string(c.uniqueCalls[i].size()) +
                "</h3>\n" + Chips(c.uniqueCalls[i], int(i));
    }
    page += "<h2>Multipliers only one log has</h2>\n";
    for (std::size_t i = 0; i < logs.size(); ++i) {
        page += "<h3>" + H(logs[i].call) + ": " + std::to_string(c.uniqueMultipliers[i].size()) +
                "</h3>\n" + Chips(c.uniqueMultipliers[i], int(i));
    }
    page += "<h2>Calls every log worked: " + std::to_string(c.commonCalls.size()) + "</h2>\n" +
            Chips(c.commonCalls);
    page += "</section>\n";

    for (std::size_t i = 0; i < logs.size(); ++i) {
        const std::string heading = "<h1 style=\"color:" + std::string(kLogColors[i]) + "\">" +
                                    H(logs[i].call) + "</h1>\n<p class=\"sub\">" +
                                    H(logs[i].logName) + "</p>\n";
        page += LogSections(logs[i], allStates, "log" + std::to_string(i + 1) + "-", heading);
    }
    return page + kPageEnd;
}
