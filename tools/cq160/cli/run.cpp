#include "tools/cq160/cli/run.h"

#include <algorithm>
#include <cstdio>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "tools/cq160/contest/band_plan.h"
#include "tools/cq160/contest/contest_run.h"
#include "tools/cq160/contest/score_check.h"
#include "tools/cq160/host/host_folder.h"
#include "tools/cq160/host/host_operator.h"
#include "tools/cq160/host/host_windows.h"
#include "tools/cq160/host/module_loader.h"
#include "tools/cq160/host/replay.h"
#include "tools/cq160/host/replay_log.h"
#include "tools/cq160/logs/file_util.h"
#include "tools/cq160/logs/log_text.h"
#include "tools/cq160/output/export_header.h"
#include "tools/cq160/output/log_table.h"
#include "tools/cq160/output/results_text.h"
#include "tools/cq160/output/run_report.h"
#include "tools/cq160/output/score_details.h"

const char kCq160Version[] = "1.0";

namespace {

int Fail(const std::string& message) {
    std::fprintf(stderr, "cq160: %s\n", message.c_str());
    return 2;
}

std::string HostVersion() { return std::string("cq160 ") + kCq160Version; }

}  // namespace

std::string DefaultModule(std::string* looked) {
    std::string folder = ExecutableFolder();
    for (int up = 0; up < 3 && !folder.empty(); ++up, folder = ParentFolder(folder)) {
        const std::string path = JoinPath(folder, ModuleFileName());
        if (FileExists(path)) return path;
        *looked += (looked->empty() ? "" : ", ") + path;
    }
    return std::string();
}

std::string FolderNameFor(const std::string& call) {
    constexpr std::size_t kLongest = 32;
    std::string name;
    for (char c : call) {
        const bool letterOrDigit =
            (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9');
        if (letterOrDigit || c == '/') name += c == '/' ? '_' : c;
        if (name.size() == kLongest) break;
    }
    return name.find_first_not_of('_') == std::string::npos ? "NOCALL" : name;
}

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

// The states and provinces of the QSOs that score, by the contest's
// abbreviations (an "NL" counts as "NF" or "LB", as in the module).
std::set<std::string> WorkedStatesProvinces(const ContestRun& run, const ReplayOutcome& outcome) {
    std::set<std::string> worked;
    for (std::size_t i = 0; i < outcome.qsos.size(); ++i) {
        const LogQso& q = run.log.qsos[i];
        if (outcome.qsos[i].Counts() &&
            SendsStateOrProvince(ScoringLocation(run.where[i], q.call, q.exchRcvd)))
            worked.insert(StateOrProvince(q.exchRcvd, q.call));
    }
    return worked;
}

// The countries of the QSOs that score, as the module stores them.
std::set<std::string> WorkedCountries(const ContestRun& run, const ReplayOutcome& outcome) {
    std::set<std::string> worked;
    for (std::size_t i = 0; i < outcome.qsos.size(); ++i) {
        const LogQso& q = run.log.qsos[i];
        if (outcome.qsos[i].Counts())
            worked.insert(ModuleCountry(ScoringLocation(run.where[i], q.call, q.exchRcvd)));
    }
    return worked;
}

// cq160 check: the verdict on a call as the operator types it.
std::string CheckSection(const Options& o, const ContestRun& run, const ReplayOutcome& outcome,
                         Replay* replay, const ModuleApi& api) {
    const CallLocation at = ResolveCall(run.cty, o.checkCall);
    const int zone = o.zone > 0 ? o.zone : at.cqZone;
    const std::string band = BandOfKHz(o.freqHz / 1000.0);
    const std::string mode = !o.checkMode.empty() ? o.checkMode : run.cwWeekend ? "CW" : "SSB";
    std::string hint;
    const int verdict = replay->Check(o.checkCall, mode, at, zone, band, &hint);
    const bool stateProvStation = SendsStateOrProvince(at);
    std::string text = "\nCheck: " + o.checkCall + " on " + std::to_string(o.freqHz / 1000) +
                       " kHz (" + (band.empty() ? "no band" : band) + "), " + mode + "\n" +
                       "Country: " + DescribeLocation(at) + "\n";
    // The module's call check judges the call alone: for a US or Canadian
    // station, whose multiplier is its state or province, "new multiplier"
    // or not says nothing, and the exchange decides.
    if (stateProvStation &&
        (verdict == kVerdictNoNewMultiplier || verdict == kVerdictNewMultiplier)) {
        text += std::string("Verdict: not a dupe; a US or Canadian station's multiplier is its "
                            "state or province, which the call check does not know") +
                (o.exch.empty() ? " (give --exch)\n" : " (see the exchange below)\n");
    } else {
        text += "Verdict: " + VerdictText(verdict) + "\n";
    }
    text += "Zone hint: " + (hint.empty() ? std::string("none") : hint) + "\n";
    if (o.exch.empty()) return text;
    // Two judgements of the exchange: the module's typing check, which takes
    // what the host's exchange field takes (two-digit CQ zones, and the
    // call-area digits of US and Canadian stations), and the contest's.
    const int valid = api.isValidExchg(o.exch.c_str(), "", at.countryPrefix.c_str(), "", 0, 0, 0);
    text += "Exchange " + o.exch + ": the host's exchange field would " +
            (valid ? "" : "not ") +
            "take it as typed (it takes two-digit CQ zones and the call-area digits of "
            "US and Canadian stations)\n";
    const std::string typed = UpperAscii(TrimBlanks(o.exch));
    const CallLocation scoredAt = ScoringLocation(at, o.checkCall, o.exch);
    if (stateProvStation && !SendsStateOrProvince(scoredAt)) {
        // A US station in Alaska or Hawaii: a country, not a state.
        const std::string country = ModuleCountry(scoredAt);
        text += "Contest: " + typed + " is " + scoredAt.entityName + " (" + country +
                "), a country of this contest, not a state, " +
                (WorkedCountries(run, outcome).count(country) ? "already worked"
                                                             : "a new multiplier") +
                "\n";
    } else if (stateProvStation) {
        const std::string mult = StateOrProvince(typed, o.checkCall);
        const std::string named = mult == typed ? typed : typed + " (" + mult + ")";
        const std::string kind = at.countryPrefix == "VE" ? "province" : "state";
        if (mult.empty()) {
            text += "Contest: " + typed +
                    " is no state or province of this contest: the QSO would not count\n";
        } else if (WorkedStatesProvinces(run, outcome).count(mult)) {
            text += "Contest: " + named + " is a " + kind + " of this contest, already worked\n";
        } else {
            text += "Contest: " + named + " is a " + kind + " of this contest, a new multiplier\n";
        }
    } else if (IsDigits(typed) && typed.size() <= 2 && std::stoi(typed) >= 1 &&
               std::stoi(typed) <= 40) {
        const int sent = std::stoi(typed);
        text += "Contest: CQ zone " + std::to_string(sent) + ", not a multiplier";
        if (at.found) {
            text += std::string(" (the country file gives zone ") + std::to_string(at.cqZone) +
                    " for " + o.checkCall + (at.cqZone == sent ? ")" : "; ask again)");
        }
        text += "; the QSO counts\n";
    } else {
        text += "Contest: " + typed +
                " is no CQ zone (1 to 40); the module counts the QSO with any exchange logged\n";
    }
    return text;
}

// After the call check with the windows up: waits for the module's update
// (the windows then show the call and the band) and names the windows.
void ShowWindowsUpdate(WindowedHost& windows, int* status) {
    constexpr int kUpdateWaitMs = 10000;
    if (!windows.WaitForUpdate(kUpdateWaitMs)) {
        std::fprintf(stderr, "cq160: the module's windows did not ask for the call and the "
                             "frequency within 10 s\n");
        *status = std::max(*status, 1);
    }
    std::string list;
    for (const std::string& caption : windows.ShownWindows())
        list += (list.empty() ? "" : ", ") + ("\"" + caption + "\"");
    std::fprintf(stderr, "cq160: the module's windows: %s\n", list.empty() ? "none" : list.c_str());
}

// The exit status for "done, but an output file asked for could not be
// written" (the results are still on standard output).
constexpr int kNotWritten = 3;

// Writes a file the operator asked for; on failure says so and makes the
// run's status kNotWritten.
bool WriteAsked(const std::string& path, const std::string& shown, const std::string& text,
                int* status) {
    if (WriteWholeFile(path, text)) return true;
    std::fprintf(stderr, "cq160: cannot write %s\n", shown.c_str());
    *status = std::max(*status, kNotWritten);
    return false;
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

// What is the same for every log of a run: the module and the paths the
// user gave, made absolute (cq160 moves into each log's working folder).
struct Session {
    Options given;    // as the user wrote them, for messages
    Options options;  // the same with absolute paths
    ModuleApi api;
    bool loaded = false;
    std::string modulePath;
    std::string outBase;  // where the logs' working folders go, absolute
    std::vector<std::string> inputs;       // every file the run reads, absolute
    std::set<std::string> folderNames;     // a batch's working folders so far, upper case
    // check --windows: the host's part while the module's windows are up,
    // from before the reset until they are closed after the report.
    std::unique_ptr<WindowedHost> windows;
};

// A log in a folder named on the command line: a .log, .cbr, .adi or
// .adif file (any letter case) with a name before the extension.
bool IsLogFileName(const std::string& name) {
    const std::string upper = UpperAscii(name);
    for (const std::string ext : {".LOG", ".CBR", ".ADI", ".ADIF"}) {
        if (upper.size() > ext.size() && EndsWith(upper, ext)) return true;
    }
    return false;
}

std::string Absolute(const std::string& path) { return path.empty() ? path : AbsolutePath(path); }

// A batch log's working folder below outBase: the call's (FolderNameFor),
// or, when an earlier log of the batch has that one, the call's and the log
// file's name ("W3ABC_W3ABC_adi"), then a number; never one used before in
// the batch, in any letter case (the same folder on Windows).
std::string BatchFolderName(Session* s, const std::string& call, const std::string& logPath) {
    std::string name = FolderNameFor(call);
    if (s->folderNames.count(UpperAscii(name))) {
        std::string file;
        for (char c : BaseName(logPath)) {
            const bool kept = (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') ||
                              (c >= '0' && c <= '9') || c == '-';
            file += kept ? c : '_';
            if (file.size() == 64) break;
        }
        const std::string stem = name + "_" + file;
        name = stem;
        for (int n = 2; s->folderNames.count(UpperAscii(name)); ++n)
            name = stem + "_" + std::to_string(n);
    }
    s->folderNames.insert(UpperAscii(name));
    return name;
}

bool LoadOnce(Session* s, std::string* error) {
    if (s->loaded) return true;
    if (!LoadModule(s->modulePath, &s->api, error)) return false;
    s->loaded = true;
    return true;
}

// One log through the module, as the host would replay it. *report gets
// the text for standard output; the status is the log's exit status.
int RunLog(Session* s, const std::string& logPath, const std::string& shownLog, bool batch,
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
        !EnterFolder(folderPath, &error) || !LoadOnce(s, &error)) {
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
        const int status = RunLog(&s, Absolute(o.log), o.log, false, &report, &row);
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
        row.status = RunLog(&s, paths[i], logs[i], true, &report, &row);
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
