// cq160: a stand-in for the logging program that hosts the CQ WW 160-Meter
// scoring module. See run.h and UsageText().
#include <cstdio>
#include <exception>
#include <new>
#include <string>

#include "tools/cq160/cli/command.h"
#include "tools/cq160/cli/console.h"
#include "tools/cq160/cli/options.h"
#include "tools/cq160/crosscheck/crosscheck_command.h"
#include "tools/cq160/report/report_run.h"

namespace {

int Run(int argc, char** argv) {
    Options options;
    std::string error;
    if (!ParseOptions(argc, argv, &options, &error)) {
        std::fprintf(stderr, "cq160: %s\n(cq160 --help tells how to use it)\n", error.c_str());
        return 2;
    }
    if (options.command == Command::kHelp) {
        std::fputs(UsageText(), stdout);
        return 0;
    }
    if (options.command == Command::kReport) return RunReport(options);
    if (options.command == Command::kCrosscheck) return RunCrosscheck(options);
    return RunCommand(options);
}

}  // namespace

int main(int argc, char** argv) {
    SetBinaryConsole();
    // Nothing ends cq160 without its word and the status for "nothing
    // done" (the module's own exports catch everything themselves).
    try {
        return Run(argc, argv);
    } catch (const std::bad_alloc&) {
        std::fputs("cq160: out of memory\n", stderr);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "cq160: %s\n", e.what());
    } catch (...) {
        std::fputs("cq160: unexpected failure\n", stderr);
    }
    return 2;
}
