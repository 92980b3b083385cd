#include "platform/profile.h"
#include "platform/ini_file.h"
#include "platform/text_file.h"

std::string ProfileReadString(const std::string& path, const std::string& section,
                              const std::string& key, const std::string& defaultValue,
                              std::size_t bufferSize) {
    return IniReadString(NativePath(path), section, key, defaultValue, bufferSize);
}

bool PlatformProfileWrite(const std::string& path, const std::string& section,
                          const std::string& key, const std::string& value) {
    return IniWriteString(NativePath(path), section, key, value);
}
