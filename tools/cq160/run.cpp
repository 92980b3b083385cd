#include "tools/cq160/run.h"

#include <cstdio>
#include <string>
#include <vector>

#include "tools/cq160/band_plan.h"
#include "tools/cq160/contest_run.h"
#include "tools/cq160/file_util.h"
#include "tools/cq160/host_folder.h"
#include "tools/cq160/host_operator.h"
#include "tools/cq160/module_loader.h"
#include "tools/cq160/replay.h"
#include "tools/cq160/run_report.h"

const char kCq160Version[] = "1.0";

namespace {

int Fail(const std::string& message) {
    std::fprintf(stderr, "cq160: %s\n", message.c_str());
    return 2;
}

std::string HostVersion() { return std::string("cq160 ") + kCq160Version; }

// The module built beside cq160: in its own folder, or one or two folders
// up (the build folder, when cq160 sits in tools/cq160 below it).
std::string DefaultModule(std::string* looked) {
    std::string folder = ExecutableFolder();
    for (int up = 0; up < 3 && !folder.empty(); ++up, folder = ParentFolder(folder)) {
        const std::string path = JoinPath(folder, ModuleFileName());
        if (FileExists(path)) return path;
        *looked += (looked->empty() ? "" : ", ") + path;
    }
    return std::string();
}

// The working folder's name below cq160-out: call-sign characters only
// (letters, digits, "/" as "_"), so that no CALLSIGN line can name a folder
// outside it ("..", "../x", "C:\\x") or a device.
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

std::string TwoDigits(int n) { return (n < 10 ? "0" : "") + std::to_string(n); }

// The bad-QSO reports the module left for the weekend in the current
// folder: their names end in the period's last day as dd_mm_yyyy.
std::vector<std::string> BadQsoReports(const ContestPeriod& period) {
    const UtcTime end = UtcFromOle(period.end);
    const std::string tail =
        TwoDigits(end.day) + "_" + TwoDigits(end.month) + "_" + std::to_string(end.year) + ".txt";
    std::vector<std::string> found;
    for (const std::string& name : FileNamesIn(".")) {
        if (name.compare(0, 7, "BadQSO_") == 0 && name.size() > tail.size() &&
            name.compare(name.size() - tail.size(), tail.size(), tail) == 0) {
            found.push_back(name);
        }
    }
    return found;
}

// cq160 check: the verdict on a call as the operator types it.
std::string CheckSection(const Options& o, const ContestRun& run, Replay* replay) {
    const CallLocation at = ResolveCall(run.cty, o.checkCall);
    const int zone = o.zone > 0 ? o.zone : at.cqZone;
    const std::string band = BandOfKHz(o.freqHz / 1000.0);
    const std::string mode = run.cwWeekend ? "CW" : "SSB";
    std::string hint;
    const int verdict = replay->Check(o.checkCall, mode, at, zone, band, &hint);
    return "\nCheck: " + o.checkCall + " on " + std::to_string(o.freqHz / 1000) + " kHz (" +
           (band.empty() ? "no band" : band) + "), " + mode + "\n" +
           "Country: " + DescribeLocation(at) + "\n" + "Verdict: " + VerdictText(verdict) + "\n" +
           "Zone hint: " + (hint.empty() ? std::string("none") : hint) + "\n";
}

// Where the results go: standard output, or the --html page; a copy to
// --results. Paths are absolute (the current folder has changed).
std::string ResultsSection(const std::string& results, const Options& o,
                           const std::string& htmlPath, const std::string& resultsPath,
                           int* status) {
    std::string text;
    if (!resultsPath.empty() && !WriteWholeFile(resultsPath, results)) {
        std::fprintf(stderr, "cq160: cannot write %s\n", o.results.c_str());
        *status = 2;
    }
    if (!htmlPath.empty()) {
        // Once the host has told its version the module answers with its
        // HTML page instead of the text.
        if (WriteWholeFile(htmlPath, results)) {
            text += "\nHTML results: " + o.html + "\n";
        } else {
            std::fprintf(stderr, "cq160: cannot write %s\n", o.html.c_str());
            *status = 2;
        }
    } else {
        text += "\nResults:\n";
        text += results.empty() ? "(the module gave no results text)\n" : results;
        if (!results.empty() && results.back() != '\n') text += "\n";
    }
    return text + "\n";
}

}  // namespace

int RunCommand(const Options& o) {
    ContestRun run;
    std::string error;
    if (!PrepareContestRun(o, &run, &error)) return Fail(error);

    std::string looked;
    std::string module = o.module.empty() ? DefaultModule(&looked) : o.module;
    if (module.empty()) return Fail("no module found (looked for " + looked + "): give --module");
    if (!FileExists(module)) return Fail("cannot open the module " + module);
    // The module writes into the current folder, so cq160 moves there:
    // every path the user gave must still hold afterwards.
    module = AbsolutePath(module);
    const std::string htmlPath = o.html.empty() ? std::string() : AbsolutePath(o.html);
    const std::string resultsPath = o.results.empty() ? std::string() : AbsolutePath(o.results);
    const std::string folder = o.out.empty() ? "cq160-out/" + FolderNameFor(run.own.call) : o.out;
    if (!PrepareHostFolder(folder, run.cwWeekend, HostVersion(), &error) ||
        !EnterFolder(folder, &error)) {
        return Fail(error);
    }
    ModuleApi api;
    if (!LoadModule(module, &api, &error)) return Fail(error);

    // The scoring run, as the host makes it.
    OperatorStandIn standIn;
    standIn.Start();
    if (!htmlPath.empty()) api.setVersion(HostVersion().c_str());
    Replay replay(api);
    replay.Reset(o.command == Command::kExport ? 1 : 0, run.own, run.period);
    int stored = 0;
    for (std::size_t i = 0; i < run.log.qsos.size(); ++i) {
        stored += replay.Add(run.log.qsos[i], run.where[i]);
    }
    int status = run.log.unreadable.empty() ? 0 : 1;
    std::string report = "cq160 " + std::string(kCq160Version) + ": " +
                         RunHeader(BaseName(o.log), run, stored);
    if (o.command == Command::kCheck) {
        report += CheckSection(o, run, &replay);
        standIn.Stop();
    } else {
        // In report mode this request also writes the Cabrillo file.
        const std::string results = replay.Results();
        standIn.Stop();
        report += ResultsSection(results, o, htmlPath, resultsPath, &status);
        for (const std::string& name : BadQsoReports(run.period))
            report += "Bad-QSO report: " + JoinPath(folder, name) + "\n";
        if (o.command == Command::kExport) {
            const std::string cabrillo = run.own.call + ".cbr";
            report += "Cabrillo file: " +
                      (FileExists(cabrillo) ? JoinPath(folder, cabrillo) : "none written") + "\n";
        }
        report += ScoreLine(run, results);
    }
    report += ProblemLines(run);
    std::fwrite(report.data(), 1, report.size(), stdout);
    return status;
}
