#include "tools/cq160/report/report_run.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <system_error>
#include <vector>

#include "tools/cq160/contest/contest_run.h"
#include "tools/cq160/contest/score_check.h"
#include "tools/cq160/host/host_folder.h"
#include "tools/cq160/host/module_loader.h"
#include "tools/cq160/host/module_place.h"
#include "tools/cq160/host/replay.h"
#include "tools/cq160/host/replay_log.h"
#include "tools/cq160/logs/file_util.h"
#include "tools/cq160/logs/log_text.h"
#include "tools/cq160/output/results_text.h"
#include "tools/cq160/output/run_report.h"
#include "tools/cq160/report/report_page.h"

namespace {

int Fail(const std::string& message) {
    std::fprintf(stderr, "cq160: %s\n", message.c_str());
    return 2;
}

// The header lines the report shows, as the log has them.
std::vector<std::pair<std::string, std::string>> ShownHeader(const std::vector<HeaderTag>& tags) {
    std::string category;
    std::vector<std::pair<std::string, std::string>> shown;
    for (const HeaderTag& t : tags) {
        const bool categoryTag =
            t.tag == "CATEGORY" || (t.tag.compare(0, 9, "CATEGORY-") == 0 &&
                                    t.tag != "CATEGORY-BAND" && t.tag != "CATEGORY-MODE");
        if (categoryTag && !t.value.empty()) category += (category.empty() ? "" : " ") + t.value;
    }
    if (!category.empty()) shown.push_back({"Category", category});
    static const struct {
        const char* tag;
        const char* label;
    } kShown[] = {
        {"OPERATORS", "Operators"}, {"NAME", "Name"}, {"CLUB", "Club"}, {"LOCATION", "Location"}};
    for (const auto& s : kShown) {
        for (const HeaderTag& t : tags) {
            if (t.tag == s.tag && !t.value.empty()) {
                shown.push_back({s.label, t.value});
                break;
            }
        }
    }
    return shown;
}

std::string WeekendText(const ContestRun& run) {
    return std::string(run.cwWeekend ? "CW" : "SSB") + " weekend of " +
           std::to_string(UtcFromOle(run.period.start).year);
}

// The page's default name: report-CALL[-CALL...].html.
std::string DefaultOutput(const std::vector<ContestRun>& runs) {
    std::string name = "report";
    for (const ContestRun& run : runs) name += "-" + FolderNameFor(run.own.call);
    return name + ".html";
}

}  // namespace

ScoredLog ScoredLogOf(const ContestRun& run, const ReplayOutcome& outcome,
                      const std::string& logName) {
    ScoredLog log;
    log.call = run.own.call;
    log.logName = logName;
    log.weekend = run.cwWeekend ? "CW" : "SSB";
    log.periodStart = run.period.start;
    log.periodMinutes = static_cast<int>(std::lround((run.period.end - run.period.start) * 1440));
    log.station = DescribeLocation(run.own.where);
    log.header = ShownHeader(run.log.header);
    log.hasClaimed = ParseClaimedScore(run.log.claimedScore, &log.claimed);
    for (std::size_t i = 0; i < outcome.qsos.size() && i < run.log.qsos.size(); ++i) {
        const LogQso& q = run.log.qsos[i];
        const QsoOutcome& o = outcome.qsos[i];
        ScoredQso s;
        s.line = q.line;
        // To the second: OLE days carry rounding noise below it.
        s.minute = std::round((OleDays(q.time) - run.period.start) * 86400) / 60;
        s.time = LogTimeText(q.time);
        s.call = q.call;
        s.exchange = q.exchRcvd;
        // Where the station scores: a US station sending AK is in Alaska.
        const CallLocation at = ScoringLocation(run.where[i], q.call, q.exchRcvd);
        s.continent = at.continent;
        s.points = o.points;
        s.counts = o.Counts();
        s.status = o.Status();
        if (o.newStateProv) {
            s.newStateProv = StateOrProvince(q.exchRcvd, q.call);
        } else if (o.newCountry) {
            s.newCountry = ModuleCountry(at);
            s.newCountryName = at.entityName;
        }
        log.qsos.push_back(s);
    }
    log.operatingMinutes = run.operating.minutes;
    log.operatingLimitMinutes = run.operating.limitMinutes;
    log.operatorCategory = run.operating.category;
    for (const LogWarning& w : run.warnings) log.warnings.push_back(WarningLine(w));
    for (const UnreadableLine& u : run.log.unreadable)
        log.warnings.push_back("line " + std::to_string(u.line) + ": not read (" + u.reason + ")");
    return log;
}

bool WriteFileWhole(const std::string& path, const std::string& text, std::string* error) {
    namespace fs = std::filesystem;
    const std::string temporary = path + ".tmp";
    std::error_code ec;
    if (!WriteWholeFile(temporary, text)) {
        fs::remove(fs::path(temporary), ec);
        *error = "cannot write " + temporary;
        return false;
    }
    fs::rename(fs::path(temporary), fs::path(path), ec);
    if (ec) {
        fs::remove(fs::path(temporary), ec);
        *error = "cannot write " + path;
        return false;
    }
    return true;
}

int RunReport(const Options& o) {
    std::string written;
    const int status = WriteReport(o, &written);
    if (status < 2) std::printf("Report: %s\n", written.c_str());
    return status;
}

int WriteReport(const Options& o, std::string* written) {
    std::string looked;
    const std::string module = o.module.empty() ? DefaultModule(&looked) : o.module;
    if (module.empty()) return Fail("no module found (looked for " + looked + "): give --module");
    if (!FileExists(module)) return Fail("cannot open the module " + module);
    const std::string modulePath = AbsolutePath(module);
    Options forLog = o;
    if (!o.cty.empty()) forLog.cty = AbsolutePath(o.cty);
    const std::string outBase = AbsolutePath(o.out.empty() ? "cq160-out" : o.out);

    // Every log read before any is replayed: a log that cannot be used, or
    // one of another weekend, ends the run before anything is written.
    std::vector<ContestRun> runs(o.logs.size());
    for (std::size_t i = 0; i < o.logs.size(); ++i) {
        std::string error;
        if (FolderExists(o.logs[i]))
            return Fail(o.logs[i] + " is a folder: report takes log files");
        forLog.log = AbsolutePath(o.logs[i]);
        if (!PrepareContestRun(forLog, &runs[i], &error)) return Fail(o.logs[i] + ": " + error);
    }
    for (std::size_t i = 1; i < runs.size(); ++i) {
        if (runs[i].cwWeekend != runs[0].cwWeekend || runs[i].period.start != runs[0].period.start)
            return Fail(o.logs[i] + " is a log of the " + WeekendText(runs[i]) + ", " + o.logs[0] +
                        " of the " + WeekendText(runs[0]) +
                        ": logs compared must be of one weekend");
    }
    const std::string output = AbsolutePath(o.output.empty() ? DefaultOutput(runs) : o.output);
    if (FolderExists(output)) return Fail(o.output + " is a folder");
    const std::string outputFolder = ParentFolder(output);
    if (!outputFolder.empty() && !FolderExists(outputFolder))
        return Fail("cannot write " + output + ": no folder " + outputFolder);

    // Each log in a working folder of its own, also for two logs of one call;
    // nothing written over an input or into a folder that is not cq160's.
    std::vector<std::string> inputs;
    for (const std::string& log : o.logs) inputs.push_back(AbsolutePath(log));
    inputs.push_back(AbsolutePath(forLog.cty.empty() ? DefaultCountryFile() : forLog.cty));
    for (const std::string& input : inputs) {
        if (SameFile(output, input))
            return Fail(output + " is " + input + ", read by this run: cq160 does not write "
                        "over its input");
    }
    std::vector<std::string> folders;
    for (const ContestRun& run : runs) {
        std::string folder = JoinPath(outBase, FolderNameFor(run.own.call));
        for (int n = 2; std::find(folders.begin(), folders.end(), folder) != folders.end(); ++n)
            folder = JoinPath(outBase, FolderNameFor(run.own.call) + "_" + std::to_string(n));
        const std::string refusal = WorkingFolderRefusal(
            folder, {kHostIniName, kSettingsName, BadQsoReportName(run.period)}, inputs);
        if (!refusal.empty()) return Fail(refusal);
        folders.push_back(folder);
    }

    ModuleApi api;
    bool loaded = false;
    int status = 0;
    std::vector<ScoredLog> logs;
    for (std::size_t i = 0; i < runs.size(); ++i) {
        const ContestRun& run = runs[i];
        const std::string& folder = folders[i];
        std::string error;
        if (!PrepareHostFolder(folder, run.cwWeekend, std::string("cq160 ") + kCq160Version,
                               &error) ||
            !EnterFolder(folder, &error))
            return Fail(error);
        if (!loaded && !LoadModule(modulePath, &api, &error)) return Fail(error);
        loaded = true;
        for (const LogWarning& w : run.warnings)
            std::fprintf(stderr, "cq160: %s: warning: %s\n", o.logs[i].c_str(),
                         WarningLine(w).c_str());
        if (!run.warnings.empty() || !run.log.unreadable.empty()) status = 1;

        Replay replay(api);
        replay.Reset(0, run.own, run.period);
        const ReplayOutcome outcome = ReplayLog(&replay, run, true);
        if (!outcome.totalsTracked)
            return Fail("the module's results name no totals: no report of " + o.logs[i]);
        ScoredLog log = ScoredLogOf(run, outcome, BaseName(o.logs[i]));
        log.hasScore = ScoreInResults(replay.Results(), &log.score);
        logs.push_back(std::move(log));
    }

    const std::vector<std::string> states = ContestStatesProvinces();
    const std::string page =
        logs.size() == 1 ? LogReportPage(logs[0], states) : ComparisonReportPage(logs, states);
    std::string error;
    if (!WriteFileWhole(output, page, &error)) return Fail(error);
    *written = o.output.empty() ? DefaultOutput(runs) : o.output;
    return status;
}
