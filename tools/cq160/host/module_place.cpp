#include "tools/cq160/host/module_place.h"

#include "tools/cq160/host/module_loader.h"
#include "tools/cq160/logs/file_util.h"

const char kCq160Version[] = "1.0";

std::string HostVersion() { return std::string("cq160 ") + kCq160Version; }

std::string DefaultModule(std::string* looked) {
    std::string folder = ExecutableFolder();
    for (int up = 0; up < 3 && !folder.empty(); ++up, folder = ParentFolder(folder)) {
        const std::string path = JoinPath(folder, ModuleFileName());
        if (FileExists(path)) return path;
        *looked += (looked->empty() ? "" : ", ") + path;
    }
    return std::string();
}

std::string FolderNameFor(const std::string& call) {
    constexpr std::size_t kLongest = 32;
    std::string name;
    for (char c : call) {
        const bool letterOrDigit =
            (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9');
        if (letterOrDigit || c == '/') name += c == '/' ? '_' : c;
        if (name.size() == kLongest) break;
    }
    return name.find_first_not_of('_') == std::string::npos ? "NOCALL" : name;
}
