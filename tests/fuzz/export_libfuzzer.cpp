// The export fuzzer as a libFuzzer target (scripts/fuzz.sh builds and runs
// it with clang): each input is a stream of choices for up to 64 export
// calls. The module's state carries over from input to input, as it does
// in the host.
#include <stdlib.h>
#include <unistd.h>

#include <cstdio>
#include <string>

#include "tests/fuzz/export_driver.h"

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    std::string folder = access("/dev/shm", W_OK) == 0 ? "/dev/shm" : "/tmp";
    folder += "/export-libfuzzer-XXXXXX";
    if (!mkdtemp(folder.data()) || chdir(folder.c_str()) != 0) std::abort();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    ByteSource source(data, size);
    std::string failure;
    if (!RunExportCalls(&source, 64, &failure)) {
        std::fprintf(stderr, "export_libfuzzer: %s\n", failure.c_str());
        std::abort();
    }
    return 0;
}
