// Timings of cq160 report (Google Benchmark), for a log of N QSOs and for
// three such logs compared:
//   report_bench [--qsos=N] [--smoke] MODULE [benchmark flags]
// "report_page" is the figures and the page alone, from QSOs as the module
// scored them; "report" is the whole command in-process: the logs read, each
// replayed through the module with its results asked after every QSO, the
// page built and written. --smoke runs every case once, for CI.
#include <benchmark/benchmark.h>
#include <stdlib.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <set>
#include <string>
#include <vector>

#include "bench/synthetic_log.h"
#include "tools/cq160/contest/score_check.h"
#include "tools/cq160/host/ole_time.h"
#include "tools/cq160/report/report_page.h"
#include "tools/cq160/report/report_run.h"

namespace {

namespace fs = std::filesystem;

const char* const kOwnCalls[] = {"DL1ABC", "OK2ABC", "G3ABC"};

// The synthetic log as a Cabrillo file of the own call.
void WriteCabrillo(const std::string& path, const std::string& own, const std::vector<Qso>& log) {
    std::ofstream out(path, std::ios::binary);
    out << "START-OF-LOG: 3.0\r\nCALLSIGN: " << own << "\r\nCONTEST: CQ-160-CW\r\n";
    for (const Qso& q : log) {
        // The synthetic log starts 24 minutes early (21:36): moved into the period.
        const UtcTime t = UtcFromOle(q.time.m_dt + 24.0 / 1440 + 1.0 / 86400 / 2);
        char line[160];
        std::snprintf(line, sizeof line,
                      "QSO: %5u CW %04d-%02d-%02d %02d%02d %-13s 599 14     %-13s 599 %s\r\n",
                      q.band == "160m" ? q.freqHz / 1000 : 3525u, t.year, t.month, t.day, t.hour,
                      t.minute, own.c_str(), q.call.c_str(), q.exchRcvd.c_str());
        out << line;
    }
    out << "END-OF-LOG:\r\n";
}

// What the module makes of the synthetic log, as the report's input:
// the points and multipliers of each QSO worked out the simple way (no
// dupes or bad states here: they change nothing in the page's cost).
ScoredLog Scored(const std::string& own, const std::vector<Qso>& log) {
    ScoredLog s;
    s.call = own;
    s.logName = own + ".log";
    s.weekend = "CW";
    s.periodStart = 46416 + 22.0 / 24;
    std::set<std::string> seen;
    int line = 4;
    for (const Qso& q : log) {
        ScoredQso r;
        r.line = line++;
        r.minute = (q.time.m_dt - s.periodStart) * 1440 + 24;
        r.time = "2027-01-29 2200";
        r.call = q.call;
        r.exchange = q.exchRcvd;
        r.continent = q.continent;
        r.counts = q.band == "160m";
        r.points = r.counts ? (q.continent == "EU" ? 5 : 10) : 0;
        r.status = r.counts ? "counts" : "wrong band";
        const std::string mult = q.country == "K" || q.country == "VE" ? q.exchRcvd : q.country;
        if (r.counts && seen.insert(mult).second) {
            if (q.country == "K" || q.country == "VE") {
                r.newStateProv = mult;
            } else {
                r.newCountry = mult;
                r.newCountryName = mult + " land";
            }
        }
        s.qsos.push_back(r);
    }
    return s;
}

void BmPage(benchmark::State& state, std::size_t qsos, int logs) {
    const std::vector<Qso> log = MakeLog(qsos);
    std::vector<ScoredLog> scored;
    for (int i = 0; i < logs; ++i) scored.push_back(Scored(kOwnCalls[i], log));
    const std::vector<std::string> states = ContestStatesProvinces();
    std::size_t bytes = 0;
    for (auto _ : state) {
        const std::string page =
            logs == 1 ? LogReportPage(scored[0], states) : ComparisonReportPage(scored, states);
        bytes = page.size();
        benchmark::DoNotOptimize(page.data());
    }
    state.counters["page_kB"] = static_cast<double>(bytes) / 1024;
}

void BmReport(benchmark::State& state, const std::string& module, const std::string& folder,
              std::size_t qsos, int logs) {
    Options o;
    o.command = Command::kReport;
    o.module = module;
    o.out = folder + "/work";
    o.output = folder + "/page.html";
    o.todayYear = 2028;  // after the log's weekend: no warnings
    o.todayMonth = 6;
    o.todayDay = 1;
    const std::vector<Qso> log = MakeLog(qsos);
    for (int i = 0; i < logs; ++i) {
        const std::string path = folder + "/" + kOwnCalls[i] + ".log";
        WriteCabrillo(path, kOwnCalls[i], log);
        o.logs.push_back(path);
    }
    o.log = o.logs[0];
    for (auto _ : state) {
        std::string written;
        if (WriteReport(o, &written) > 1) {
            state.SkipWithError("cq160 report failed");
            break;
        }
    }
}

}  // namespace

int main(int argc, char** argv) {
    std::size_t qsos = 2000;
    bool smoke = false;
    std::string module;
    std::vector<char*> rest{argv[0]};
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg.compare(0, 7, "--qsos=") == 0) {
            qsos = std::stoul(arg.substr(7));
        } else if (arg == "--smoke") {
            smoke = true;
        } else if (arg.compare(0, 2, "--") == 0) {
            rest.push_back(argv[i]);
        } else {
            module = fs::absolute(arg).string();
        }
    }
    if (module.empty() || qsos == 0) {
        std::fprintf(stderr, "usage: report_bench [--qsos=N] [--smoke] MODULE\n");
        return 2;
    }
    std::error_code ec;
    std::string pattern = (fs::temp_directory_path(ec) / "report-bench-XXXXXX").string();
    if (!mkdtemp(pattern.data())) {
        std::perror("mkdtemp");
        return 1;
    }
    const std::string root = pattern;
    const fs::path start = fs::current_path(ec);
    for (int logs : {1, 3}) {
        const std::string tail = "/" + std::to_string(logs) + "x" + std::to_string(qsos);
        const std::string folder = root + "/" + std::to_string(logs);
        fs::create_directories(folder, ec);
        auto* page = benchmark::RegisterBenchmark(
            ("report_page" + tail).c_str(),
            [qsos, logs](benchmark::State& s) { BmPage(s, qsos, logs); });
        auto* whole = benchmark::RegisterBenchmark(
            ("report" + tail).c_str(), [module, folder, qsos, logs](benchmark::State& s) {
                BmReport(s, module, folder, qsos, logs);
            });
        for (auto* b : {page, whole}) {
            b->Unit(benchmark::kMillisecond);
            if (smoke) b->Iterations(1);
        }
    }
    int restCount = static_cast<int>(rest.size());
    benchmark::Initialize(&restCount, rest.data());
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    // cq160 moved into its working folders: out of them before they go.
    fs::current_path(start, ec);
    return fs::remove_all(root, ec) != static_cast<std::uintmax_t>(-1) && !ec ? 0 : 1;
}
