#include "tools/cq160/output/log_table.h"

#include <algorithm>

#include "tools/cq160/logs/file_util.h"
#include "tools/cq160/logs/log_text.h"
#include "tools/cq160/output/score_details.h"

namespace {

// The columns of the text table: heading, right-aligned or not.
struct Column {
    const char* heading;
    bool right;
};
const Column kColumns[] = {{"log", false},     {"call", false},       {"mode", false},
                           {"QSOs", true},     {"claimed", true},     {"module", true},
                           {"difference", true}, {"warnings", true}, {"status", true}};

std::vector<std::string> Cells(const LogRow& r) {
    return {BaseName(r.log), r.call,       r.mode,     r.qsos, r.claimed,
            r.module,        r.difference, r.warnings, std::to_string(r.status)};
}

std::string Padded(const std::string& text, std::size_t width, bool right) {
    const std::string fill(width > text.size() ? width - text.size() : 0, ' ');
    return right ? fill + text : text + fill;
}

bool Scored(const LogRow& r) { return !r.call.empty(); }

std::string NumberOrNull(const std::string& text) {
    return IsDigits(text) || (text.size() > 1 && text[0] == '-' && IsDigits(text.substr(1)))
               ? text
               : "null";
}

}  // namespace

std::string LogTableText(const std::vector<LogRow>& rows) {
    constexpr std::size_t kCount = sizeof kColumns / sizeof kColumns[0];
    std::size_t width[kCount];
    for (std::size_t c = 0; c < kCount; ++c) width[c] = std::string(kColumns[c].heading).size();
    for (const LogRow& r : rows) {
        if (!Scored(r)) continue;
        const std::vector<std::string> cells = Cells(r);
        for (std::size_t c = 0; c < kCount; ++c) width[c] = std::max(width[c], cells[c].size());
    }
    auto line = [&](const std::vector<std::string>& cells) {
        std::string text;
        for (std::size_t c = 0; c < kCount; ++c)
            text += (c ? " " : "") + Padded(cells[c], width[c], kColumns[c].right);
        return TrimBlanks(text) + "\n";
    };
    std::vector<std::string> heading;
    for (const Column& c : kColumns) heading.push_back(c.heading);
    std::string text = line(heading);
    for (const LogRow& r : rows) {
        text += Scored(r) ? line(Cells(r))
                          : r.log + ": " + r.module + " (status " + std::to_string(r.status) +
                                ")\n";
    }
    return text;
}

std::string LogTableCsv(const std::vector<LogRow>& rows) {
    std::string csv = "log,call,weekend,qsos,claimed,module,difference,warnings,status\r\n";
    for (const LogRow& r : rows) {
        const bool scored = Scored(r);
        const std::string difference = r.difference == "-" ? std::string() : r.difference;
        csv += CsvField(r.log) + "," + CsvField(r.call) + "," + r.mode + "," + r.qsos + "," +
               (r.claimed == "none" ? std::string() : r.claimed) + "," +
               (scored ? (r.module == "none" ? std::string() : r.module) : CsvField(r.module)) +
               "," + difference + "," + r.warnings + "," + std::to_string(r.status) + "\r\n";
    }
    return csv;
}

std::string LogTableJson(const std::vector<LogRow>& rows, int worst) {
    std::string j = "{\n  \"logs\": [\n";
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const LogRow& r = rows[i];
        const bool scored = Scored(r);
        j += "    {\"log\": " + JsonText(r.log) + ", \"call\": " +
             (scored ? JsonText(r.call) : "null") + ", \"weekend\": " +
             (scored ? JsonText(r.mode) : "null") + ", \"qsos\": " + NumberOrNull(r.qsos) +
             ", \"claimed\": " + NumberOrNull(r.claimed) + ", \"module\": " +
             (scored ? NumberOrNull(r.module) : "null") + ", \"difference\": " +
             NumberOrNull(r.difference) + ", \"warnings\": " + NumberOrNull(r.warnings) +
             ", \"status\": " + std::to_string(r.status) + ", \"error\": " +
             (scored ? "null" : JsonText(r.module)) + "}" + (i + 1 < rows.size() ? ",\n" : "\n");
    }
    return j + "  ],\n  \"status\": " + std::to_string(worst) + "\n}\n";
}
