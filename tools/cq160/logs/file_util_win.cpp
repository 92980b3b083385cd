#include "tools/cq160/logs/file_util.h"

#include <windows.h>

bool EnterFolder(const std::string& path, std::string* error) {
    const bool ok = SetCurrentDirectoryA(path.c_str()) != 0;
    if (!ok) *error = "cannot change to the folder " + path;
    return ok;
}

std::string ExecutableFolder() {
    char buffer[MAX_PATH + 1];
    const DWORD n = GetModuleFileNameA(nullptr, buffer, MAX_PATH);
    if (n == 0 || n >= MAX_PATH) return std::string();
    return ParentFolder(std::string(buffer, n));
}

bool SameFile(const std::string& a, const std::string& b) {
    // The volume and the file index name a file; st_ino is 0 on Windows.
    const auto identity = [](const std::string& path, BY_HANDLE_FILE_INFORMATION* info) {
        const HANDLE h = CreateFileA(path.c_str(), 0,
                                     FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                     nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
        if (h == INVALID_HANDLE_VALUE) return false;
        const bool ok = GetFileInformationByHandle(h, info) != 0;
        CloseHandle(h);
        return ok;
    };
    BY_HANDLE_FILE_INFORMATION x, y;
    return identity(a, &x) && identity(b, &y) &&
           x.dwVolumeSerialNumber == y.dwVolumeSerialNumber &&
           x.nFileIndexHigh == y.nFileIndexHigh && x.nFileIndexLow == y.nFileIndexLow;
}
