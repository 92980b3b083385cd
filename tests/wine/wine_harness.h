// What the Wine tests that drive Stats.dll share: checks that count and
// report, whole-file reads, and an operator (tools/driver) that acts on a
// dialog while the main thread is blocked in the module. Windows only.
#ifndef STATS_TESTS_WINE_WINE_HARNESS_H_
#define STATS_TESTS_WINE_WINE_HARNESS_H_

#include <windows.h>

#include <cstdio>
#include <functional>
#include <string>
#include <utility>

#include "tools/driver/dialog_operator_win.h"

namespace harness {

inline int g_passed = 0;
inline int g_failed = 0;

inline void Check(bool ok, const std::string& what) {
    if (ok) {
        ++g_passed;
    } else {
        ++g_failed;
        std::printf("FAIL: %s\n", what.c_str());
        std::fflush(stdout);
    }
}

inline void CheckEqual(const std::string& actual, const std::string& expected,
                       const std::string& what) {
    Check(actual == expected, what + ": got [" + actual + "], expected [" + expected + "]");
}

// Prints the tally; the exit status of the test.
inline int Summary(const char* test) {
    std::printf("%s: %d passed, %d failed\n", test, g_passed, g_failed);
    return g_failed == 0 ? 0 : 1;
}

inline std::string ReadAll(const char* path) {
    std::string bytes;
    if (std::FILE* f = std::fopen(path, "rb")) {
        char buffer[4096];
        std::size_t n;
        while ((n = std::fread(buffer, 1, sizeof buffer, f)) > 0) bytes.append(buffer, n);
        std::fclose(f);
    }
    return bytes;
}

inline void WriteAll(const char* path, const std::string& bytes) {
    if (std::FILE* f = std::fopen(path, "wb")) {
        std::fwrite(bytes.data(), 1, bytes.size(), f);
        std::fclose(f);
    }
}

inline std::string ItemText(HWND window, int id) {
    char buffer[512] = "";
    GetDlgItemTextA(window, id, buffer, sizeof buffer);
    return buffer;
}

inline std::string WindowText(HWND window) {
    char buffer[512] = "";
    GetWindowTextA(window, buffer, sizeof buffer);
    return buffer;
}

inline void Press(HWND window, int id) { PostMessageA(window, WM_COMMAND, id, 0); }

// Runs an operator's action once on the first dialog or message box of this
// process with the given caption, on a thread of its own, while the main
// thread is blocked in the module. Gives up after 5 s.
class Operator {
public:
    Operator(const char* caption, std::function<void(HWND)> action) {
        op_.OnCaption(caption, std::move(action));
        op_.Start();
    }
    ~Operator() {
        op_.WaitForAnswers(1, 5000);
        op_.Stop();
    }
    bool Found() const { return op_.Answered() > 0; }

private:
    driver::DialogOperator op_;
};

}  // namespace harness

#endif  // STATS_TESTS_WINE_WINE_HARNESS_H_
