#include "tools/cq160/crosscheck/crosscheck_command.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <system_error>

#if !defined(_WIN32)
#include <unistd.h>
#endif

#include "tools/cq160/contest/contest_run.h"
#include "tools/cq160/crosscheck/check_report.h"
#include "tools/cq160/crosscheck/weekend_check.h"
#include "tools/cq160/host/module_loader.h"
#include "tools/cq160/host/module_place.h"
#include "tools/cq160/logs/file_util.h"
#include "tools/cq160/logs/log_text.h"

namespace {

// As for score: done, but a file asked for could not be written.
constexpr int kNotWritten = 3;

int Fail(const std::string& message) {
    std::fprintf(stderr, "cq160: %s\n", message.c_str());
    return 2;
}

// The module's working folder. Nothing the module leaves there is kept
// (its results and reports are read as it goes), and it flushes each of
// its whole-file writes to the disk, three for every reset, which the
// check makes once or twice per log: so in memory where the system has a
// folder for it, else below the output folder.
std::string ScratchFolder(const std::string& out, bool* temporary) {
#if !defined(_WIN32)
    if (FolderExists("/dev/shm")) {
        *temporary = true;
        return "/dev/shm/cq160-crosscheck-" + std::to_string(::getpid());
    }
#endif
    *temporary = false;
    return JoinPath(out, "module");
}

}  // namespace

std::vector<std::string> LogFilesIn(const std::string& folder) {
    std::vector<std::string> logs;
    for (const std::string& name : FileNamesIn(folder)) {
        const std::string upper = UpperAscii(name);
        for (const char* ext : {".LOG", ".CBR", ".ADI", ".ADIF"}) {
            if (upper.size() > std::string(ext).size() && EndsWith(upper, ext)) {
                logs.push_back(name);
                break;
            }
        }
    }
    return logs;
}

int RunCrosscheck(const Options& o) {
    if (!FolderExists(o.log)) return Fail("crosscheck takes a folder of logs, not " + o.log);
    std::string looked;
    const std::string module = o.module.empty() ? DefaultModule(&looked) : o.module;
    if (module.empty()) return Fail("no module found (looked for " + looked + "): give --module");
    if (!FileExists(module)) return Fail("cannot open the module " + module);

    WeekendCheckRequest request;
    for (const std::string& name : LogFilesIn(o.log)) {
        const std::string path = JoinPath(o.log, name);
        request.paths.push_back(AbsolutePath(path));
        request.shown.push_back(name);
    }
    if (request.paths.empty()) return Fail("no log in " + o.log);
    const std::string out = AbsolutePath(o.out.empty() ? "cq160-out/crosscheck" : o.out);
    const std::string json = o.json.empty() ? o.json : AbsolutePath(o.json);
    const std::string csv = o.csv.empty() ? o.csv : AbsolutePath(o.csv);
    request.cty = AbsolutePath(o.cty.empty() ? DefaultCountryFile() : o.cty);
    bool temporary = false;
    request.moduleFolder = ScratchFolder(out, &temporary);
    request.cwWeekend = o.cwWeekend;
    request.windowMinutes = o.windowMinutes;
    request.penalty = o.penalty;
    request.sent = o.sent;

    ModuleApi api;
    std::string error;
    if (!LoadModule(AbsolutePath(module), &api, &error)) return Fail(error);
    WeekendCheck check;
    const bool checked = CheckWeekend(request, api, &check, &error);
    if (temporary) {
        std::error_code ec;
        std::filesystem::current_path(std::filesystem::temp_directory_path(ec), ec);
        std::filesystem::remove_all(request.moduleFolder, ec);
    }
    if (!checked) {
        for (const LeftOutLog& left : check.leftOut)
            std::fprintf(stderr, "cq160: %s left out: %s\n", left.shown.c_str(), left.reason.c_str());
        return Fail(error);
    }

    std::string made;
    if (!MakeFolders(out, &made)) return Fail(made);
    int status = check.leftOut.empty() ? 0 : 1;
    for (const LeftOutLog& left : check.leftOut)
        std::fprintf(stderr, "cq160: %s left out: %s\n", left.shown.c_str(), left.reason.c_str());
    CheckSettings settings;
    settings.windowMinutes = o.windowMinutes;
    settings.penalty = o.penalty;
    const auto write = [&status](const std::string& path, const std::string& shown,
                                 const std::string& text) {
        if (WriteWholeFile(path, text)) return;
        std::fprintf(stderr, "cq160: cannot write %s\n", shown.c_str());
        status = kNotWritten;
    };
    for (std::size_t l = 0; l < check.logs.size(); ++l) {
        if (!check.logs[l].unreadable.empty()) status = std::max(status, 1);
        const std::string name = UbnReportName(check.logs[l].call);
        write(JoinPath(out, name), JoinPath(o.out.empty() ? "cq160-out/crosscheck" : o.out, name),
              UbnReport(check, l, settings));
    }
    if (!json.empty()) write(json, o.json, CheckJson(check, settings));
    if (!csv.empty()) write(csv, o.csv, CheckCsv(check));
    std::string text = "cq160 " + std::string(kCq160Version) + ": " + SummaryTable(check, settings);
    text += "UBN reports: " + (o.out.empty() ? std::string("cq160-out/crosscheck") : o.out) + "\n";
    std::fwrite(text.data(), 1, text.size(), stdout);
    return status;
}
