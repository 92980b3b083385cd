// Helpers shared by the native tests.
#ifndef STATS_TESTS_TEST_UTIL_H_
#define STATS_TESTS_TEST_UTIL_H_

#include <limits.h>
#include <stdlib.h>
#include <unistd.h>

#include <cstdio>
#include <string>

// A fresh temporary folder that is the current directory for the life of
// the object (the module works on relative file names).
class ScopedTempCwd {
public:
    ScopedTempCwd() {
        char cwd[PATH_MAX];
        if (getcwd(cwd, sizeof cwd)) old_ = cwd;
        char name[] = "/tmp/stats-test-XXXXXX";
        if (mkdtemp(name)) path_ = name;
        if (chdir(path_.c_str()) != 0) path_.clear();
    }
    ~ScopedTempCwd() {
        if (!old_.empty() && chdir(old_.c_str()) == 0 && !path_.empty()) {
            std::string command = "rm -rf '" + path_ + "'";
            if (std::system(command.c_str()) != 0) std::perror("rm");
        }
    }
    const std::string& path() const { return path_; }

private:
    std::string old_;
    std::string path_;
};

inline std::string ReadAll(const std::string& path) {
    std::string bytes;
    if (std::FILE* f = std::fopen(path.c_str(), "rb")) {
        char buffer[4096];
        std::size_t n;
        while ((n = std::fread(buffer, 1, sizeof buffer, f)) > 0) bytes.append(buffer, n);
        std::fclose(f);
    }
    return bytes;
}

inline void WriteAll(const std::string& path, const std::string& bytes) {
    if (std::FILE* f = std::fopen(path.c_str(), "wb")) {
        std::fwrite(bytes.data(), 1, bytes.size(), f);
        std::fclose(f);
    }
}

inline bool Exists(const std::string& path) { return access(path.c_str(), F_OK) == 0; }

#endif  // STATS_TESTS_TEST_UTIL_H_
