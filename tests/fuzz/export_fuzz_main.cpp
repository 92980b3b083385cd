// The export fuzzer as the tests run it: a seeded, bounded number of calls
// in a scratch folder of its own (on tmpfs where there is one, so that the
// module's flushes to disk cost nothing).
//   export_fuzz SEED CALLS
#include <stdlib.h>
#include <unistd.h>

#include <cstdio>
#include <string>

#include "tests/fuzz/export_driver.h"

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: export_fuzz SEED CALLS\n");
        return 2;
    }
    const unsigned long long seed = std::strtoull(argv[1], nullptr, 10);
    const long calls = std::strtol(argv[2], nullptr, 10);
    std::string folder = access("/dev/shm", W_OK) == 0 ? "/dev/shm" : "/tmp";
    folder += "/export-fuzz-XXXXXX";
    if (!mkdtemp(folder.data()) || chdir(folder.c_str()) != 0) {
        std::perror("export_fuzz: scratch folder");
        return 2;
    }
    SeededSource source(seed);
    std::string failure;
    const bool ok = RunExportCalls(&source, calls, &failure);
    if (chdir("/") == 0) {
        const std::string command = "rm -rf '" + folder + "'";
        if (std::system(command.c_str()) != 0) std::perror("export_fuzz: rm");
    }
    if (!ok) {
        std::fprintf(stderr, "export_fuzz: seed %llu: %s\n", seed, failure.c_str());
        std::printf("0 passed, 1 failed\n");
        return 1;
    }
    std::printf("export_fuzz: %ld calls, seed %llu\n", calls, seed);
    return 0;
}
