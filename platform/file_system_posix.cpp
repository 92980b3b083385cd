#include <dirent.h>

#include <cctype>

#include "platform/text_file.h"

std::string NativePath(const std::string& path) {
    std::string native = path;
    for (char& c : native) {
        if (c == '\\') c = '/';
    }
    return native;
}

namespace {

// Windows wildcard match: '*' any run, '?' any one character, letters
// compared without case. (Windows also matches 8.3 short names, so there
// "*.ini" can find "x.inix"; long names alone are matched here.)
bool WildcardMatch(const char* pattern, const char* name) {
    if (*pattern == '\0') return *name == '\0';
    if (*pattern == '*') {
        for (const char* n = name;; ++n) {
            if (WildcardMatch(pattern + 1, n)) return true;
            if (*n == '\0') return false;
        }
    }
    if (*name == '\0') return false;
    if (*pattern != '?' &&
        std::tolower(static_cast<unsigned char>(*pattern)) !=
            std::tolower(static_cast<unsigned char>(*name))) {
        return false;
    }
    return WildcardMatch(pattern + 1, name + 1);
}

}  // namespace

std::vector<std::string> FindFileNames(const std::string& pattern) {
    std::vector<std::string> names;
    std::string native = NativePath(pattern);
    std::string::size_type slash = native.rfind('/');
    std::string folder = slash == std::string::npos ? "." : native.substr(0, slash);
    if (folder.empty()) folder = "/";
    std::string mask = slash == std::string::npos ? native : native.substr(slash + 1);
    if (mask.empty()) return names;
    DIR* dir = opendir(folder.c_str());
    if (!dir) return names;
    while (dirent* entry = readdir(dir)) {
        std::string name = entry->d_name;
        if (name == "." || name == "..") continue;
        if (WildcardMatch(mask.c_str(), name.c_str())) names.push_back(name);
    }
    closedir(dir);
    return names;
}
