#include "tools/cq160/logs/file_util.h"

#include <algorithm>
#include <cstdio>
#include <ctime>
#include <filesystem>
#include <system_error>

#include <sys/stat.h>

namespace fs = std::filesystem;

const char kMaxInputText[] = "64 MB";

bool ReadWholeFile(const std::string& path, std::string* text, bool* tooLarge) {
    if (tooLarge) *tooLarge = false;
    std::FILE* f = std::fopen(path.c_str(), "rb");
    if (!f) return false;
    text->clear();
    // Devices and pipes have no size to ask for: the bound holds while
    // reading, one buffer past the limit at most.
    std::vector<char> buffer(65536);
    std::size_t n;
    bool large = false;
    while ((n = std::fread(buffer.data(), 1, buffer.size(), f)) > 0) {
        if (text->size() + n > kMaxInputBytes) {
            large = true;
            break;
        }
        text->append(buffer.data(), n);
    }
    const bool ok = !large && !std::ferror(f);
    std::fclose(f);
    if (large) {
        text->clear();
        if (tooLarge) *tooLarge = true;
    }
    return ok;
}

bool WriteWholeFile(const std::string& path, const std::string& text) {
    std::FILE* f = std::fopen(path.c_str(), "wb");
    if (!f) return false;
    const bool written = std::fwrite(text.data(), 1, text.size(), f) == text.size();
    return (std::fclose(f) == 0) && written;
}

bool FileExists(const std::string& path) {
    std::error_code ec;
    return fs::is_regular_file(fs::path(path), ec);
}

bool FolderExists(const std::string& path) {
    std::error_code ec;
    return fs::is_directory(fs::path(path), ec);
}

std::string FileModifiedDate(const std::string& path) {
    struct stat info;
    if (stat(path.c_str(), &info) != 0) return std::string();
    const std::time_t when = info.st_mtime;
    const std::tm* utc = std::gmtime(&when);
    if (!utc) return std::string();
    char text[16];
    std::strftime(text, sizeof text, "%Y-%m-%d", utc);
    return text;
}

bool MakeFolders(const std::string& path, std::string* error) {
    std::error_code ec;
    fs::create_directories(fs::path(path), ec);
    if (ec || !fs::is_directory(fs::path(path), ec)) {
        *error = "cannot create the folder " + path + (ec ? ": " + ec.message() : "");
        return false;
    }
    return true;
}

std::string AbsolutePath(const std::string& path) {
    std::error_code ec;
    fs::path absolute = fs::absolute(fs::path(path), ec);
    if (ec) return path;
    return absolute.lexically_normal().string();
}

std::vector<std::string> FileNamesIn(const std::string& folder) {
    std::vector<std::string> names;
    std::error_code ec;
    for (fs::directory_iterator it(fs::path(folder), ec), end; !ec && it != end; it.increment(ec)) {
        if (it->is_regular_file(ec)) names.push_back(it->path().filename().string());
    }
    std::sort(names.begin(), names.end());
    return names;
}

std::string ParentFolder(const std::string& path) {
    std::size_t end = path.size();
    while (end > 1 && (path[end - 1] == '/' || path[end - 1] == '\\')) --end;
    const std::size_t slash = path.find_last_of("/\\", end - 1);
    if (slash == std::string::npos) return std::string();
    if (slash == 0) return path.substr(0, 1);
    return path.substr(0, slash);
}

std::string JoinPath(const std::string& folder, const std::string& name) {
    if (folder.empty()) return name;
    const char last = folder.back();
    return (last == '/' || last == '\\') ? folder + name : folder + "/" + name;
}

std::string BaseName(const std::string& path) {
    const std::size_t slash = path.find_last_of("/\\");
    return slash == std::string::npos ? path : path.substr(slash + 1);
}
