// Timings of "cq160 score LOG" with every detail option (--qsos, --mults,
// --hours, --json, --csv) on two synthetic CW logs of each size: a clean
// one, and one with a problem on every QSO (a bad state, a dupe of it, a
// wrong mode, in turn). Each cq160 named on the command line runs as its own
// process, so that two builds, an old and a new one, can be compared in one
// run; its working folders and files go under a temporary folder.
//
//   cq160_bench [--qsos=N,...] [--smoke] [--cty=PATH] CQ160[=LABEL]... [benchmark flags]
//
// --smoke runs every case once, for CI: it shows the benchmark still works
// and says nothing about time. The temporary folder is TMPDIR's (else
// /tmp): the module's settings writes flush to the disk there, as they do
// for a user.
#include <benchmark/benchmark.h>
#include <stdlib.h>
#include <sys/wait.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "bench/bench_sizes.h"

namespace {

namespace fs = std::filesystem;

struct Program {
    std::string label;
    std::string path;
};

// A Cabrillo log of n CW QSOs on the 2027 weekend, one a minute from the
// start and around again. Clean: DX and US stations, each call once, good
// exchanges. With problems: a US station with a state that is none, a dupe
// of it, an SSB QSO, in turn: each QSO gives one line of the bad-QSO report.
std::string MakeLog(std::size_t n, bool problems) {
    static const char* const kPrefixes[] = {"DL", "OK", "G",  "F",  "I",  "SP", "UA", "HA",
                                            "OH", "SM", "EA", "ON", "PA", "OE", "LZ", "YO",
                                            "S5", "9A", "OM", "JA", "VK", "PY", "LU", "ZS"};
    static const char* const kStates[] = {"MA", "NY", "TX", "CA", "OH", "FL", "ON", "QC"};
    std::string text = "START-OF-LOG: 3.0\r\nCALLSIGN: DL1ABC\r\nCONTEST: CQ-160-CW\r\n";
    char line[160];
    for (std::size_t i = 0; i < n; ++i) {
        const int minutes = static_cast<int>(i % 2880);  // 48 hours
        const int day = 29 + (22 * 60 + minutes) / 1440;
        const int hhmm = ((22 * 60 + minutes) % 1440 / 60) * 100 + (22 * 60 + minutes) % 60;
        std::string call, exchange, mode = "CW";
        if (problems) {
            call = "K" + std::to_string(i / 3 % 10) + "Q" + std::to_string(i / 3);
            exchange = "XX";
            if (i % 3 == 2) mode = "PH";
        } else if (i % 3 == 0) {
            call = "K" + std::to_string(i % 10) + "Q" + std::to_string(i);
            exchange = kStates[i % 8];
        } else {
            call = std::string(kPrefixes[i % 24]) + std::to_string(i % 10) + "A" + std::to_string(i);
            exchange = "15";
        }
        std::snprintf(line, sizeof line, "QSO: 1830 %s 2027-01-%02d %04d DL1ABC 599 14 %s 599 %s\r\n",
                      mode.c_str(), day, hhmm, call.c_str(), exchange.c_str());
        text += line;
    }
    return text + "END-OF-LOG:\r\n";
}

void BmScore(benchmark::State& state, const Program& program, const std::string& log,
             const std::string& folder, const std::string& cty) {
    const std::string command = "'" + program.path + "' score '" + log + "' --qsos --mults --hours" +
                                " --json '" + folder + "/out.json' --csv '" + folder +
                                "/out.csv' --out '" + folder + "/work' --today 2028-01-01" +
                                (cty.empty() ? "" : " --cty '" + cty + "'") + " >/dev/null 2>&1";
    for (auto _ : state) {
        const int status = std::system(command.c_str());
        // 0, or 1 for the log with problems (its warnings); 2 would be no score.
        if (status == -1 || !WIFEXITED(status) || WEXITSTATUS(status) > 1) {
            state.SkipWithError("cq160 did not score the log");
            break;
        }
    }
}

}  // namespace

int main(int argc, char** argv) {
    std::vector<std::size_t> sizes{2000, 10000, 40000};
    bool smoke = false;
    std::string cty;
    std::vector<Program> programs;
    std::vector<char*> rest{argv[0]};
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg.compare(0, 7, "--qsos=") == 0) {
            sizes = ParseSizes(argv[i] + 7);
        } else if (arg == "--smoke") {
            smoke = true;
        } else if (arg.compare(0, 6, "--cty=") == 0) {
            cty = arg.substr(6);
        } else if (arg.compare(0, 2, "--") == 0) {
            rest.push_back(argv[i]);
        } else {
            const std::size_t eq = arg.find('=');
            Program p;
            p.path = arg.substr(0, eq);
            p.label = eq == std::string::npos ? "p" + std::to_string(programs.size())
                                              : arg.substr(eq + 1);
            std::error_code ec;
            p.path = fs::absolute(p.path, ec).string();
            programs.push_back(p);
        }
    }
    if (programs.empty() || sizes.empty()) {
        std::fprintf(stderr, "usage: cq160_bench [--qsos=N,...] [--smoke] [--cty=PATH] "
                             "CQ160[=LABEL]...\n");
        return 2;
    }

    std::error_code fsError;
    std::string pattern = (fs::temp_directory_path(fsError) / "cq160-bench-XXXXXX").string();
    if (!mkdtemp(pattern.data())) {
        std::perror("mkdtemp");
        return 1;
    }
    const std::string root = pattern;

    for (std::size_t n : sizes) {
        for (const bool problems : {false, true}) {
            const std::string kind = problems ? "problems" : "clean";
            const std::string log = root + "/" + kind + "-" + std::to_string(n) + ".log";
            std::ofstream(log, std::ios::binary) << MakeLog(n, problems);
            for (const Program& program : programs) {
                const std::string name = program.label + "/" + kind + "/" + std::to_string(n);
                const std::string folder = root + "/" + program.label + "-" + kind + "-" +
                                           std::to_string(n);
                fs::create_directories(folder, fsError);
                auto* b = benchmark::RegisterBenchmark(
                    ("score_details/" + name).c_str(),
                    [program, log, folder, cty](benchmark::State& s) {
                        BmScore(s, program, log, folder, cty);
                    });
                b->Unit(benchmark::kMillisecond)->UseRealTime();
                if (smoke) b->Iterations(1);
            }
        }
    }

    int restCount = static_cast<int>(rest.size());
    benchmark::Initialize(&restCount, rest.data());
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return fs::remove_all(root, fsError) != static_cast<std::uintmax_t>(-1) && !fsError ? 0 : 1;
}
