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
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <cstring>
#include <random>
#include <string>
#include <vector>

#include "tools/cq160/module_loader.h"

namespace {

struct Qso {
    std::string call, mode, exchRcvd, detailed, country, continent, band;
    COleDateTime time;
    unsigned freqHz = 1830000;
};

// A seeded synthetic log of n QSOs on the CW weekend with a few per cent of
// problem lines: about 2 % dupes, 1 % bad states, 0.5 % wrong band.
std::vector<Qso> MakeLog(std::size_t n) {
    static const char* const kCountries[][2] = {
        {"DL", "EU"}, {"OK", "EU"}, {"G", "EU"},   {"F", "EU"},   {"I", "EU"},   {"SP", "EU"},
        {"UA", "EU"}, {"HA", "EU"}, {"OH", "EU"},  {"SM", "EU"},  {"EA", "EU"},  {"ON", "EU"},
        {"PA", "EU"}, {"OE", "EU"}, {"YU", "EU"},  {"LZ", "EU"},  {"YO", "EU"},  {"S5", "EU"},
        {"9A", "EU"}, {"OM", "EU"}, {"JA", "AS"},  {"UA9", "AS"}, {"BY", "AS"},  {"VK", "OC"},
        {"ZL", "OC"}, {"PY", "SA"}, {"LU", "SA"},  {"CE", "SA"},  {"ZS", "AF"},  {"EA8", "AF"},
        {"CT3", "AF"}, {"XE", "NA"}, {"KP4", "NA"}, {"KH6", "OC"}, {"VP9", "NA"}, {"TF", "EU"},
        {"EI", "EU"}, {"GM", "EU"}, {"GW", "EU"},  {"LA", "EU"}};
    static const char* const kStates[] = {"MA", "NY", "TX", "CA", "OH", "FL", "ON", "QC", "BC", "NF"};
    constexpr std::size_t kCountryCount = sizeof kCountries / sizeof kCountries[0];
    std::mt19937 random(20270130);
    std::vector<Qso> log;
    log.reserve(n);
    const double start = 46416.9;  // Friday 22:00 UTC
    for (std::size_t i = 0; i < n; ++i) {
        Qso q;
        const unsigned pick = random() % 100;
        if (pick < 2 && !log.empty()) {
            q = log[random() % log.size()];  // a dupe
        } else if (pick < 30) {
            const bool ve = random() % 4 == 0;
            q.country = ve ? "VE" : "K";
            q.detailed = q.country;
            q.continent = "NA";
            q.call = (ve ? "VE" : "K") + std::to_string(i % 10) + "Q" + std::to_string(i);
            q.exchRcvd = pick == 29 ? "XX" : kStates[random() % 10];  // XX: a bad state
        } else {
            const auto& c = kCountries[random() % kCountryCount];
            q.country = c[0];
            q.detailed = c[0];
            q.continent = c[1];
            q.call = std::string(c[0]) + std::to_string(i % 10) + "A" + std::to_string(i);
            q.exchRcvd = std::to_string(1 + random() % 40);
        }
        q.mode = "CW";
        q.band = random() % 200 == 0 ? "80m" : "160m";
        // Spread over the 48 hours of the contest, in log order.
        q.time = COleDateTime(start + 2.0 * static_cast<double>(i) / static_cast<double>(n));
        log.push_back(q);
    }
    return log;
}

struct Module {
    std::string label;
    std::string folder;
    ModuleApi api;
    std::size_t loggedQsos = 0;  // the log the module holds now (0 = unknown)
};

void MakeFile(const std::string& path, const char* bytes) {
    if (std::FILE* f = std::fopen(path.c_str(), "wb")) {
        std::fwrite(bytes, 1, std::strlen(bytes), f);
        std::fclose(f);
    }
}

void Enter(const Module& m) {
    if (chdir(m.folder.c_str()) != 0) std::perror(m.folder.c_str());
}

void Reset(Module* m) {
    COleDateTime startTime(46416.9), endTime(46418.9);
    m->api.resetStats("", 0, "DL1ABC", &startTime, &endTime, "", "", "", "", "", "", "", "", "",
                      "DL", 14, 0, 0, 0.0, 0.0, "", "EU", "");
    m->loggedQsos = 0;
}

int Add(const Module& m, const Qso& q) {
    COleDateTime time = q.time;
    return m.api.addData("DL1ABC", q.call.c_str(), &time, nullptr, nullptr, nullptr, 0, q.freqHz,
                         q.mode.c_str(), "599", "599", "14", q.exchRcvd.c_str(), "", "", "", "",
                         "", "", "", "", q.detailed.c_str(), q.country.c_str(), 0, 0, 0, 0.0,
                         0.0, "", q.continent.c_str(), "", q.band.c_str(), "");
}

void Remove(const Module& m, const Qso& q) {
    COleDateTime time = q.time;
    m.api.removeData("DL1ABC", q.call.c_str(), &time, nullptr, nullptr, nullptr, 0, q.freqHz,
                     q.mode.c_str(), "599", "599", "14", q.exchRcvd.c_str(), "", "", "", "", "",
                     "", "", "", q.detailed.c_str(), q.country.c_str(), 0, 0, 0, 0.0, 0.0, "",
                     q.continent.c_str(), "", q.band.c_str(), "");
}

int Check(const Module& m, const Qso& q) {
    char hint[100] = "";
    return m.api.checkCall(q.call.c_str(), 0, 0, q.mode.c_str(), "", "", "", "", "", "", "", "",
                           "", q.country.c_str(), 14, 0, 0, 0.0, 0.0, "", q.continent.c_str(),
                           "", "", "", q.band.c_str(), q.band.c_str(), hint, nullptr);
}

const std::vector<Qso>& LogOf(std::size_t n) {
    static std::vector<std::vector<Qso>> logs;
    for (const auto& log : logs)
        if (log.size() == n) return log;
    logs.push_back(MakeLog(n));
    return logs.back();
}

void Replay(Module* m, const std::vector<Qso>& log) {
    Reset(m);
    for (const Qso& q : log) Add(*m, q);
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
    for (auto _ : state) benchmark::DoNotOptimize(Check(*m, calls[i++ & 1023]));
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
        Remove(*m, q);
        state.PauseTiming();
        Add(*m, q);
        i = (i + 7919) % n;
        state.ResumeTiming();
    }
    m->loggedQsos = 0;  // the same QSOs, in another order
}

std::vector<std::size_t> ParseSizes(const char* text) {
    std::vector<std::size_t> sizes;
    for (const char* p = text; *p;) {
        char* end;
        const unsigned long long n = std::strtoull(p, &end, 10);
        if (end == p) break;
        if (n > 0) sizes.push_back(static_cast<std::size_t>(n));
        p = *end == ',' ? end + 1 : end;
    }
    return sizes;
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

    char root[] = "/tmp/stats-bench-XXXXXX";
    const char* tmp = std::getenv("TMPDIR");
    std::string rootPath;
    if (tmp && *tmp) {
        std::string pattern = std::string(tmp) + "/stats-bench-XXXXXX";
        std::vector<char> buffer(pattern.begin(), pattern.end());
        buffer.push_back('\0');
        if (mkdtemp(buffer.data())) rootPath = buffer.data();
    }
    if (rootPath.empty()) {
        if (!mkdtemp(root)) {
            std::perror("mkdtemp");
            return 1;
        }
        rootPath = root;
    }

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
        mkdir(m.folder.c_str(), 0777);
        mkdir((m.folder + "/Plugins").c_str(), 0777);
        MakeFile(m.folder + "/Harlo2.ini", "[Main]\r\nHarlo=stats_bench\r\n");
        MakeFile(m.folder + "/Plugins/CQ-WW-160-CW-SSB.ini", "[Settings]\r\nMode=1\r\nStart=1\r\n");
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
    const std::string cleanup = "rm -rf '" + rootPath + "'";
    return std::system(cleanup.c_str()) == 0 ? 0 : 1;
}
