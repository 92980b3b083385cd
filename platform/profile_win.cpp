#include "platform/profile.h"

#include <windows.h>

#include <vector>

std::string ProfileReadString(const std::string& path, const std::string& section,
                              const std::string& key, const std::string& defaultValue,
                              std::size_t bufferSize) {
    if (bufferSize == 0) return std::string();
    std::vector<char> buffer(bufferSize, '\0');
    DWORD n = GetPrivateProfileStringA(section.c_str(), key.c_str(), defaultValue.c_str(),
                                       buffer.data(), static_cast<DWORD>(bufferSize),
                                       path.c_str());
    return std::string(buffer.data(), n);
}

// The system writes the file (in place, as Windows keeps its profiles): the
// whole-file replacement of the other build does not apply here.
bool PlatformProfileWrite(const std::string& path, const std::string& section,
                          const std::string& key, const std::string& value) {
    return WritePrivateProfileStringA(section.c_str(), key.c_str(), value.c_str(),
                                      path.c_str()) != 0;
}
