// Timings of the module through its exports, the way the host drives it:
// a replay of a whole log after a reset, the call check on logged and on new
// calls, the results summary, and the removal of one QSO. Each module named
// on the command line is loaded with dlopen (so two builds, an old and a
// new one, can be compared in one run) and works in its own folder under a
// temporary working folder.
//
//   stats_bench [--qsos=N,N,...] [--smoke] MODULE[=LABEL]... [benchmark flags]
//
// --smoke runs every case once, for CI: it shows the benchmark still works
// and says nothing about time. The replay cases also report the heap the
// module holds per logged QSO (malloc statistics).
#include <benchmark/benchmark.h>
#include <malloc.h>
#include <stdlib.h>
#include <unistd.h>

#include <cstdio>
#include <cstring>
#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include "bench/bench_sizes.h"
#include "bench/synthetic_log.h"

namespace {

namespace fs = std::filesystem;

struct Module {
    std::string label;
    std::string folder;
    ModuleApi api;
    std::size_t loggedQsos = 0;  // the log the module holds now (0 = unknown)
};

void Enter(const Module& m) {
    if (chdir(m.folder.c_str()) != 0) std::perror(m.folder.c_str());
}

void Reset(Module* m) {
    ResetRun(m->api);
    m->loggedQsos = 0;
}

// One log per size, made once; a map keeps every log where it is while
// others are made.
const std::vector<Qso>& LogOf(std::size_t n) {
    static std::map<std::size_t, std::vector<Qso>> logs;
    auto it = logs.find(n);
    if (it == logs.end()) it = logs.emplace(n, MakeLog(n)).first;
    return it->second;
}

void Replay(Module* m, const std::vector<Qso>& log) {
    Reset(m);
    for (const Qso& q : log) AddQso(m->api, q);
    m->loggedQsos = log.size();
}

void EnsureLog(Module* m, std::size_t n) {
    Enter(*m);
    if (m->loggedQsos != n) Replay(m, LogOf(n));
}

void BmReplay(benchmark::State& state, Module* m, std::size_t n) {
    Enter(*m);
    const std::vector<Qso>& log = LogOf(n);
    for (auto _ : state) Replay(m, log);
    // What the module holds for the log, beyond what it holds empty.
    // Large blocks are mapped apart from the heap (hblkhd).
    const auto inUse = [] {
        const struct mallinfo2 info = mallinfo2();
        return info.uordblks + info.hblkhd;
    };
    Reset(m);
    const std::size_t before = inUse();
    Replay(m, log);
    const std::size_t after = inUse();
    state.counters["heap_per_qso"] =
        static_cast<double>(after > before ? after - before : 0) / static_cast<double>(n);
}

void BmCheck(benchmark::State& state, Module* m, std::size_t n, bool logged) {
    EnsureLog(m, n);
    std::vector<Qso> calls;
    const std::vector<Qso>& log = LogOf(n);
    for (std::size_t i = 0; i < 1024; ++i) {
        Qso q = log[(i * 7919) % log.size()];
        if (!logged) q.call += "X";  // never logged; its country mostly is
        calls.push_back(q);
    }
    std::size_t i = 0;
    for (auto _ : state) benchmark::DoNotOptimize(CheckCall(m->api, calls[i++ & 1023]));
}

void BmSummary(benchmark::State& state, Module* m, std::size_t n) {
    EnsureLog(m, n);
    for (auto _ : state) {
        int out;
        benchmark::DoNotOptimize(m->api.getResult(&out));
    }
}

// Removes a QSO from the middle of the log (with the report's rewrite) and,
// untimed, logs it again.
void BmRemoval(benchmark::State& state, Module* m, std::size_t n) {
    EnsureLog(m, n);
    const std::vector<Qso>& log = LogOf(n);
    std::size_t i = n / 2;
    for (auto _ : state) {
        const Qso& q = log[i];
        RemoveQso(m->api, q);
        state.PauseTiming();
        AddQso(m->api, q);
        i = (i + 7919) % n;
        state.ResumeTiming();
    }
    m->loggedQsos = 0;  // the same QSOs, in another order
}

}  // namespace

int main(int argc, char** argv) {
    std::vector<std::size_t> sizes{2000, 20000, 100000};
    bool smoke = false;
    std::vector<std::string> modulePaths;
    std::vector<char*> rest{argv[0]};
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg.compare(0, 7, "--qsos=") == 0) {
            sizes = ParseSizes(argv[i] + 7);
        } else if (arg == "--smoke") {
            smoke = true;
        } else if (arg.compare(0, 2, "--") == 0) {
            rest.push_back(argv[i]);
        } else {
            modulePaths.push_back(arg);
        }
    }
    if (modulePaths.empty() || sizes.empty()) {
        std::fprintf(stderr, "usage: stats_bench [--qsos=N,...] [--smoke] MODULE[=LABEL]...\n");
        return 2;
    }

    // The temporary folder (TMPDIR, else /tmp) holds a working folder per module.
    std::error_code fsError;
    std::string pattern = (fs::temp_directory_path(fsError) / "stats-bench-XXXXXX").string();
    if (!mkdtemp(pattern.data())) {
        std::perror("mkdtemp");
        return 1;
    }
    const std::string rootPath = pattern;

    std::vector<Module> modules(modulePaths.size());
    for (std::size_t i = 0; i < modulePaths.size(); ++i) {
        std::string path = modulePaths[i];
        const std::size_t eq = path.find('=');
        Module& m = modules[i];
        m.label = eq == std::string::npos ? "m" + std::to_string(i) : path.substr(eq + 1);
        if (eq != std::string::npos) path.resize(eq);
        char* absolute = realpath(path.c_str(), nullptr);
        std::string error;
        if (!absolute || !LoadModule(absolute, &m.api, &error)) {
            std::fprintf(stderr, "stats_bench: cannot load %s: %s\n", path.c_str(),
                         error.c_str());
            return 1;
        }
        std::free(absolute);
        // The host's folder: its own settings file and the module's.
        m.folder = rootPath + "/" + std::to_string(i);
        MakeHostFolder(m.folder);
    }

    for (std::size_t n : sizes) {
        for (Module& m : modules) {
            const std::string tail = "/" + m.label + "/" + std::to_string(n);
            Module* mp = &m;
            std::vector<benchmark::internal::Benchmark*> added{
                benchmark::RegisterBenchmark(("replay" + tail).c_str(),
                                             [mp, n](benchmark::State& s) { BmReplay(s, mp, n); }),
                benchmark::RegisterBenchmark(
                    ("check_logged" + tail).c_str(),
                    [mp, n](benchmark::State& s) { BmCheck(s, mp, n, true); }),
                benchmark::RegisterBenchmark(
                    ("check_new" + tail).c_str(),
                    [mp, n](benchmark::State& s) { BmCheck(s, mp, n, false); }),
                benchmark::RegisterBenchmark(("summary" + tail).c_str(),
                                             [mp, n](benchmark::State& s) { BmSummary(s, mp, n); }),
                benchmark::RegisterBenchmark(
                    ("removal" + tail).c_str(),
                    [mp, n](benchmark::State& s) { BmRemoval(s, mp, n); }),
            };
            for (auto* b : added) {
                b->Unit(benchmark::kMicrosecond);
                if (smoke) b->Iterations(1);
            }
        }
    }

    int restCount = static_cast<int>(rest.size());
    benchmark::Initialize(&restCount, rest.data());
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    // The working folders go with the run.
    fs::current_path(fs::path(rootPath).parent_path(), fsError);
    return fs::remove_all(rootPath, fsError) != static_cast<std::uintmax_t>(-1) && !fsError ? 0 : 1;
}
