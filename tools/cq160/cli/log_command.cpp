#include "tools/cq160/cli/log_command.h"

#include <algorithm>
#include <cstdio>

#include "tools/cq160/cli/check_section.h"
#include "tools/cq160/cli/command_status.h"
#include "tools/cq160/contest/contest_run.h"
#include "tools/cq160/host/host_folder.h"
#include "tools/cq160/host/host_operator.h"
#include "tools/cq160/host/module_place.h"
#include "tools/cq160/host/replay.h"
#include "tools/cq160/host/replay_log.h"
#include "tools/cq160/logs/file_util.h"
#include "tools/cq160/logs/log_text.h"
#include "tools/cq160/output/export_header.h"
#include "tools/cq160/output/results_text.h"
#include "tools/cq160/output/run_report.h"
#include "tools/cq160/output/score_details.h"

namespace {

// The module's Cabrillo file for a call: the call without blanks around,
// each character but a letter, a digit, "-" and "_" as "_" ("K1ABC/P" gives
// K1ABC_P.cbr), TAVU.cbr when nothing is left.
std::string CabrilloFileName(const std::string& call) {
    const std::string trimmed = TrimBlanks(call);
    if (trimmed.empty()) return "TAVU.cbr";
    std::string name;
    for (char c : trimmed) {
        const bool kept = (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') ||
                          (c >= '0' && c <= '9') || c == '-' || c == '_';
        name += kept ? c : '_';
    }
    return name + ".cbr";
}

std::string PrintedResults(const std::string& results) {
    std::string text = "\nResults:\n";
    text += results.empty() ? "(the module gave no results text)\n" : ResultsForReading(results);
    if (!results.empty() && text.back() != '\n') text += "\n";
    return text + "\n";
}

// --qsos, --mults, --hours as text; --json and --csv as files.
std::string DetailSections(const Options& o, const Options& given, const ContestRun& run,
                           const ReplayOutcome& outcome, const ResultSummary& summary,
                           int* status) {
    if (!outcome.totalsTracked) {
        std::fprintf(stderr, "cq160: the module's results name no totals: no per-QSO answers\n");
        *status = std::max(*status, 1);
        return std::string();
    }
    std::string text;
    if (o.qsos) text += "\n" + QsoTable(run, outcome);
    if (o.mults) text += "\n" + MultiplierLists(run, outcome);
    if (o.hours) text += "\n" + HourTable(run, outcome);
    if (!o.json.empty()) WriteAsked(o.json, given.json, ResultJson(run, outcome, summary), status);
    if (!o.csv.empty()) WriteAsked(o.csv, given.csv, ResultCsv(run, outcome, summary), status);
    return text.empty() ? text : text + "\n";
}

}  // namespace

// One log through the module, as the host would replay it. *report gets
// the text for standard output; the status is the log's exit status.
int CommandOnLog(Session* s, const std::string& logPath, const std::string& shownLog, bool batch,
                 std::string* report, LogRow* row) {
    const Options& o = s->options;
    Options forLog = o;
    forLog.log = logPath;
    ContestRun run;
    std::string error;
    row->log = shownLog;
    if (!PrepareContestRun(forLog, &run, &error)) {
        row->module = "not scored: " + error;
        return Fail(error);
    }
    const std::string base = o.out.empty() ? "cq160-out" : o.out;
    const std::string name =
        batch ? BatchFolderName(s, run.own.call, logPath) : FolderNameFor(run.own.call);
    const std::string folder = batch || o.out.empty() ? JoinPath(base, name) : o.out;
    // A batch moves from folder to folder: its paths start from outBase.
    const std::string folderPath = batch ? JoinPath(s->outBase, name) : Absolute(folder);
    // An export starts from the station data of the log's own header: in
    // the keys the module's header dialog is prefilled from, and for the
    // fields the dialog starts from its defaults, typed into the dialog.
    const bool exporting = o.command == Command::kExport;
    if (exporting && !o.force) {
        const std::string other = OtherContestReason(run);
        if (!other.empty()) {
            row->module = "not exported: " + other;
            return Fail(shownLog + ": " + other + "; cq160 exports it only with --force");
        }
    }
    // Nothing is written before the folder is known to be free for it.
    std::vector<std::string> written = {kHostIniName, kSettingsName,
                                        BadQsoReportName(run.period)};
    if (exporting) written.push_back(CabrilloFileName(run.own.call));
    const std::string refusal = WorkingFolderRefusal(folderPath, written, s->inputs);
    if (!refusal.empty()) {
        row->call = "-";
        row->module = "refused: " + refusal;
        return Fail(refusal);
    }
    const ExportHeader header =
        exporting ? PlanExportHeader(run, o.header, !o.call.empty()) : ExportHeader();
    IniValues settings = header.settings;
    if (o.windows) {
        const IniValues windows = WindowSettings(run.cwWeekend);
        settings.insert(settings.end(), windows.begin(), windows.end());
    }
    if (!PrepareHostFolder(folderPath, run.cwWeekend, HostVersion(), &error, settings) ||
        !EnterFolder(folderPath, &error) || !LoadModuleOnce(s, &error)) {
        row->module = "not scored: " + error;
        return Fail(error);
    }
    for (const LogWarning& w : run.warnings) {
        std::fprintf(stderr, "cq160: %s%swarning: %s\n", batch ? shownLog.c_str() : "",
                     batch ? ": " : "", WarningLine(w).c_str());
    }

    // The scoring run, as the host makes it.
    const ModuleApi& api = s->api;
    OperatorStandIn standIn(api, header.edits);
    standIn.Start();
    if (o.windows) {
        // Served from this thread, the host's, from before the reset that
        // opens the windows.
        s->windows.reset(new WindowedHost);
        if (!s->windows->Start(o.checkCall, o.freqHz, &error)) {
            s->windows.reset();
            row->module = "not checked: " + error;
            return Fail(error);
        }
    }
    Replay replay(api);
    replay.Reset(exporting ? 1 : 0, run.own, run.period);
    // The per-QSO answers need the module's totals after every QSO.
    const bool details = o.command == Command::kScore && !batch &&
                         (o.qsos || o.mults || o.hours || !o.json.empty() || !o.csv.empty());
    const ReplayOutcome outcome = ReplayLog(&replay, run, details);
    int status = run.log.unreadable.empty() && run.warnings.empty() ? 0 : 1;
    std::string text = "cq160 " + std::string(kCq160Version) + ": " +
                       RunHeader(BaseName(shownLog), run, outcome);
    std::string results;  // none for a check
    long long claimed = 0, stated = 0;
    const bool hasClaimed = ParseClaimedScore(run.log.claimedScore, &claimed);
    bool hasScore = false;
    if (o.command == Command::kCheck) {
        // The host shows its score as the log grows: that results request
        // is where the module builds the per-band lists of worked entities
        // and states that its windows show.
        if (s->windows) replay.Results();
        text += CheckSection(o, run, outcome, &replay, api);
        standIn.Stop();
        if (s->windows) ShowWindowsUpdate(*s->windows, &status);
    } else {
        // In report mode this request also writes the Cabrillo file.
        results = replay.Results();
        hasScore = ScoreInResults(results, &stated);
        if (!o.results.empty()) WriteAsked(o.results, s->given.results, results, &status);
        text += PrintedResults(results);
        if (!o.html.empty() && !batch) {
            // Once the host has told its version the module answers with its
            // HTML page instead of the text. (In report mode this request
            // writes the same Cabrillo file once more.)
            api.setVersion(HostVersion().c_str());
            const std::string html = replay.Results();
            if (WriteAsked(o.html, s->given.html, html, &status)) {
                text += "HTML results: " + s->given.html + "\n";
            } else {
                text += "HTML results (not written to " + s->given.html + "):\n" + html + "\n\n";
            }
        }
        standIn.Stop();
        const std::string badQso = BadQsoReportName(run.period);
        if (FileExists(badQso)) text += "Bad-QSO report: " + JoinPath(folder, badQso) + "\n";
        if (exporting) {
            const std::string cabrillo = CabrilloFileName(run.own.call);
            std::string written;
            const bool exported = ReadWholeFile(cabrillo, &written);
            text += "Cabrillo file: " +
                    (exported ? JoinPath(folder, cabrillo) : "none written") + "\n";
            if (exported) text += HeaderListing(header, run, written);
            text += LeftOutLines(run, outcome);
        }
        text += ScoreLine(run, results);
        if (details) {
            ResultSummary summary;
            if (hasClaimed) summary.claimed = std::to_string(claimed);
            if (hasScore) summary.score = std::to_string(stated);
            text += DetailSections(o, s->given, run, outcome, summary, &status);
        }
    }
    text += WarningLines(run);
    text += ProblemLines(run);
    *report = text;

    row->call = run.own.call;
    row->mode = run.cwWeekend ? "CW" : "SSB";
    row->qsos = std::to_string(run.log.qsos.size());
    row->claimed = hasClaimed ? std::to_string(claimed) : "none";
    row->module = hasScore ? std::to_string(stated) : "none";
    row->difference = hasClaimed && hasScore ? std::to_string(claimed - stated) : "-";
    row->warnings = std::to_string(run.warnings.size());
    return status;
}
