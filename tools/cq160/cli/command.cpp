#include "tools/cq160/cli/command.h"

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "tools/cq160/cli/command_status.h"
#include "tools/cq160/cli/log_command.h"
#include "tools/cq160/cli/session.h"
#include "tools/cq160/contest/contest_run.h"
#include "tools/cq160/host/module_place.h"
#include "tools/cq160/logs/file_util.h"
#include "tools/cq160/logs/log_text.h"
#include "tools/cq160/output/log_table.h"

namespace {

// A log in a folder named on the command line: a .log, .cbr, .adi or
// .adif file (any letter case) with a name before the extension.
bool IsLogFileName(const std::string& name) {
    const std::string upper = UpperAscii(name);
    for (const std::string ext : {".LOG", ".CBR", ".ADI", ".ADIF"}) {
        if (upper.size() > ext.size() && EndsWith(upper, ext)) return true;
    }
    return false;
}

}  // namespace

int RunCommand(const Options& o) {
    Session s;
    s.given = o;
    s.options = o;
    std::string looked;
    std::string module = o.module.empty() ? DefaultModule(&looked) : o.module;
    if (module.empty()) return Fail("no module found (looked for " + looked + "): give --module");
    if (!FileExists(module)) return Fail("cannot open the module " + module);
    // The module writes into the current folder, so cq160 moves there:
    // every path the user gave must still hold afterwards.
    s.modulePath = AbsolutePath(module);
    Options& a = s.options;
    a.cty = Absolute(o.cty);
    a.ctyShown = o.cty;
    a.html = Absolute(o.html);
    a.results = Absolute(o.results);
    a.json = Absolute(o.json);
    a.csv = Absolute(o.csv);
    s.outBase = Absolute(o.out.empty() ? "cq160-out" : o.out);

    // The logs: the files named, and the logs in the folders named.
    std::vector<std::string> logs;
    bool folderGiven = false;
    for (const std::string& given : o.logs) {
        if (!FolderExists(given)) {
            logs.push_back(given);
            continue;
        }
        folderGiven = true;
        for (const std::string& name : FileNamesIn(given)) {
            if (IsLogFileName(name)) logs.push_back(JoinPath(given, name));
        }
    }
    if (logs.empty()) return Fail("no log in " + o.log);
    // What the run reads must not be what it writes.
    for (const std::string& log : logs) s.inputs.push_back(Absolute(log));
    s.inputs.push_back(a.cty.empty() ? Absolute(DefaultCountryFile()) : a.cty);
    const struct {
        const char* option;
        const std::string& path;
    } kOutputs[] = {{"--html", a.html}, {"--results", a.results}, {"--json", a.json},
                    {"--csv", a.csv}};
    for (const auto& output : kOutputs) {
        for (const std::string& input : s.inputs) {
            if (!output.path.empty() && SameFile(output.path, input))
                return Fail(std::string(output.option) + " " + output.path + " is " + input +
                            ", read by this run: cq160 does not write over its input");
        }
    }
    if (logs.size() == 1 && !folderGiven) {
        std::string report;
        LogRow row;
        const int status = CommandOnLog(&s, Absolute(o.log), o.log, false, &report, &row);
        std::fwrite(report.data(), 1, report.size(), stdout);
        if (s.windows) {
            std::fflush(stdout);
            if (o.holdSeconds >= 0) {
                std::fprintf(stderr, "cq160: the windows stay up %d s (Enter ends them sooner)\n",
                             o.holdSeconds);
            } else {
                std::fprintf(stderr, "cq160: the windows stay up until Enter is pressed\n");
            }
            std::fflush(stderr);
            s.windows->Hold(o.holdSeconds);
            s.windows.reset();  // closes them and revokes the host object
        }
        return status;
    }
    if (!o.html.empty() || !o.results.empty() || o.qsos || o.mults || o.hours) {
        return Fail("--html, --results, --qsos, --mults and --hours take one log");
    }
    // One row per log; the full reports are those of "cq160 score LOG".
    std::vector<std::string> paths;  // before the first log moves into its folder
    for (const std::string& log : logs) paths.push_back(Absolute(log));
    std::vector<LogRow> rows;
    int worst = 0;
    for (std::size_t i = 0; i < logs.size(); ++i) {
        std::string report;
        LogRow row;
        row.status = CommandOnLog(&s, paths[i], logs[i], true, &report, &row);
        worst = std::max(worst, row.status);
        rows.push_back(row);
    }
    std::string text = "cq160 " + std::string(kCq160Version) + ": " + std::to_string(rows.size()) +
                       " logs\n" + LogTableText(rows);
    int written = 0;
    if (!a.csv.empty()) WriteAsked(a.csv, o.csv, LogTableCsv(rows), &written);
    if (!a.json.empty()) WriteAsked(a.json, o.json, LogTableJson(rows, worst), &written);
    text += "Exit status: " + std::to_string(std::max(worst, written)) +
            (written > worst ? " (a file asked for could not be written)\n"
                             : " (the worst of the logs)\n");
    worst = std::max(worst, written);
    std::fwrite(text.data(), 1, text.size(), stdout);
    return worst;
}
