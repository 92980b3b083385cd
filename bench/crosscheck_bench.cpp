// The cross-check of a whole weekend at scale: a generated weekend
// (tools/cq160/tests/synthetic_contest.h) written to a folder, then
// `cq160 crosscheck` run on it as its own process, timed by the wall clock
// and measured by its peak resident memory (wait4's rusage).
//
//   crosscheck_bench CQ160 [--logs=N] [--lines=N] [--seed=N] [--csv]
//   crosscheck_bench --write=DIR [--logs=N] [--lines=N] [--seed=N]
//
// Defaults: 3,000 logs and 1,000,000 QSO lines, the size the check is
// built for (under 30 s and 2 GB on two cores). --csv also has every
// verdict written as CSV. The folders go below $TMPDIR (else /tmp) and are
// removed afterwards. The exit status is cq160's. --write only writes the
// weekend into DIR (an existing folder), for a look or a profile.
#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

#include "tools/cq160/tests/synthetic_contest.h"

extern char** environ;

namespace {

namespace fs = std::filesystem;

bool Flag(const char* arg, const char* name, long long* value) {
    const std::size_t n = std::strlen(name);
    if (std::strncmp(arg, name, n) != 0 || arg[n] != '=') return false;
    *value = std::atoll(arg + n + 1);
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: crosscheck_bench CQ160 [--logs=N] [--lines=N] [--seed=N] [--csv]\n");
        return 2;
    }
    long long logs = 3000, lines = 1000000, seed = 160;
    bool csv = false;
    const bool writeOnly = std::strncmp(argv[1], "--write=", 8) == 0;
    for (int i = 2; i < argc; ++i) {
        if (std::strcmp(argv[i], "--csv") == 0) {
            csv = true;
        } else if (!Flag(argv[i], "--logs", &logs) && !Flag(argv[i], "--lines", &lines) &&
                   !Flag(argv[i], "--seed", &seed)) {
            std::fprintf(stderr, "crosscheck_bench: unknown argument %s\n", argv[i]);
            return 2;
        }
    }
    SyntheticOptions o;
    o.seed = static_cast<unsigned>(seed);
    o.logs = static_cast<int>(logs);
    o.silent = static_cast<int>(logs / 3);
    o.qsoLines = lines;
    if (writeOnly) return WriteSyntheticContest(MakeSyntheticContest(o), argv[1] + 8) ? 0 : 2;

    const char* tmp = std::getenv("TMPDIR");
    const fs::path root = fs::path(tmp && *tmp ? tmp : "/tmp") /
                          ("cq160-crosscheck-bench-" + std::to_string(::getpid()));
    fs::create_directories(root / "logs");

    const auto made = std::chrono::steady_clock::now();
    const SyntheticContest contest = MakeSyntheticContest(o);
    if (!WriteSyntheticContest(contest, (root / "logs").string())) {
        std::fprintf(stderr, "crosscheck_bench: cannot write the logs below %s\n", root.c_str());
        fs::remove_all(root);
        return 2;
    }
    const double makeSeconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - made).count();

    std::vector<std::string> args = {argv[1], "crosscheck", (root / "logs").string(), "--out",
                                     (root / "out").string()};
    if (csv) {
        args.push_back("--csv");
        args.push_back((root / "verdicts.csv").string());
    }
    std::vector<char*> argvChild;
    for (std::string& a : args) argvChild.push_back(&a[0]);
    argvChild.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    const auto start = std::chrono::steady_clock::now();
    pid_t child = 0;
    if (posix_spawn(&child, argvChild[0], &actions, nullptr, argvChild.data(), environ) != 0) {
        std::perror(argvChild[0]);
        fs::remove_all(root);
        return 2;
    }
    int status = 0;
    struct rusage usage {};
    wait4(child, &status, 0, &usage);
    const double seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    posix_spawn_file_actions_destroy(&actions);
    fs::remove_all(root);

    std::printf("crosscheck of %zu logs, %lld QSO lines (made and written in %.1f s):\n",
                contest.logs.size(), contest.qsoLines, makeSeconds);
    std::printf("  %.2f s wall, %.2f s user, %.2f s system, peak memory %.0f MB\n", seconds,
                usage.ru_utime.tv_sec + usage.ru_utime.tv_usec / 1e6,
                usage.ru_stime.tv_sec + usage.ru_stime.tv_usec / 1e6, usage.ru_maxrss / 1024.0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : 2;
}
