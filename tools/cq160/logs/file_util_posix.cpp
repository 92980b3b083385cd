#include "tools/cq160/logs/file_util.h"

#include <limits.h>
#include <sys/stat.h>
#include <unistd.h>

bool EnterFolder(const std::string& path, std::string* error) {
    const bool ok = chdir(path.c_str()) == 0;
    if (!ok) *error = "cannot change to the folder " + path;
    return ok;
}

std::string ExecutableFolder() {
    char buffer[PATH_MAX + 1];
    const ssize_t n = readlink("/proc/self/exe", buffer, PATH_MAX);
    if (n <= 0) return std::string();
    return ParentFolder(std::string(buffer, static_cast<std::size_t>(n)));
}

bool SameFile(const std::string& a, const std::string& b) {
    struct stat x, y;
    return stat(a.c_str(), &x) == 0 && stat(b.c_str(), &y) == 0 && x.st_dev == y.st_dev &&
           x.st_ino == y.st_ino;
}
