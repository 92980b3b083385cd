#include <dirent.h>

#include "platform/text_file.h"
#include "platform/wildcard.h"

std::string NativePath(const std::string& path) {
    std::string native = path;
    for (char& c : native) {
        if (c == '\\') c = '/';
    }
    return native;
}

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
        if (WildcardMatch(mask, name)) names.push_back(name);
    }
    closedir(dir);
    return names;
}
