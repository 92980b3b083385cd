#include "tools/cq160/cli/command_status.h"

#include <algorithm>
#include <cstdio>

#include "tools/cq160/logs/file_util.h"

int Fail(const std::string& message) {
    std::fprintf(stderr, "cq160: %s\n", message.c_str());
    return 2;
}

// Writes a file the operator asked for; on failure says so and makes the
// run's status kNotWritten.
bool WriteAsked(const std::string& path, const std::string& shown, const std::string& text,
                int* status) {
    if (WriteWholeFile(path, text)) return true;
    std::fprintf(stderr, "cq160: cannot write %s\n", shown.c_str());
    *status = std::max(*status, kNotWritten);
    return false;
}
