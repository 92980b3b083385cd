// The replay's time where Google Benchmark is not at hand (the DLL under
// Wine): a reset and the whole synthetic log through AddData0, the median
// of several runs in milliseconds, and the results summary after it. No
// operator window is open meanwhile.
//
//   replay_time MODULE [QSOS] [RUNS]
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>

#include "bench/synthetic_log.h"

namespace {

double Milliseconds(std::chrono::steady_clock::duration d) {
    return std::chrono::duration<double, std::milli>(d).count();
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: replay_time MODULE [QSOS] [RUNS]\n");
        return 2;
    }
    const std::size_t qsos = argc > 2 ? std::strtoul(argv[2], nullptr, 10) : 2000;
    const int runs = argc > 3 ? std::atoi(argv[3]) : 21;
    namespace fs = std::filesystem;
    std::error_code error;
    const fs::path module = fs::absolute(argv[1], error);
    ModuleApi api;
    std::string why;
    if (!LoadModule(module.string(), &api, &why)) {
        std::fprintf(stderr, "replay_time: %s\n", why.c_str());
        return 1;
    }
    const fs::path folder =
        fs::temp_directory_path() / ("stats-replay-time-" + std::to_string(std::rand()));
    MakeHostFolder(folder);
    fs::current_path(folder);

    const std::vector<Qso> log = MakeLog(qsos);
    std::vector<double> replay, summary;
    for (int run = 0; run < std::max(runs, 1); ++run) {
        // The settings file anew, window toggle set: the reset then starts
        // no operator windows, whose thread would share the lock and the
        // processor with the replay.
        MakeHostFolder(folder);
        const auto start = std::chrono::steady_clock::now();
        ResetRun(api);
        for (const Qso& q : log) AddQso(api, q);
        const auto replayed = std::chrono::steady_clock::now();
        int out;
        api.getResult(&out);
        const auto summed = std::chrono::steady_clock::now();
        replay.push_back(Milliseconds(replayed - start));
        summary.push_back(Milliseconds(summed - replayed));
    }
    std::sort(replay.begin(), replay.end());
    std::sort(summary.begin(), summary.end());
    std::printf("%zu QSOs: replay %.3f ms, summary %.3f ms (median of %zu)\n", qsos,
                replay[replay.size() / 2], summary[summary.size() / 2], replay.size());
    fs::current_path(folder.parent_path());
    fs::remove_all(folder, error);
    return 0;
}
