// The module's own INI reader/writer for platforms without the Windows
// profile functions. Portable C++ on binary stdio, so that it also builds
// for Windows, where the differential tests run it beside the real API.
#ifndef STATS_PLATFORM_INI_FILE_H_
#define STATS_PLATFORM_INI_FILE_H_

#include <string>

// Same contracts as ProfileReadString / ProfileWriteString (profile.h);
// path is taken as the platform's file name (no separator translation).
std::string IniReadString(const std::string& path, const std::string& section,
                          const std::string& key, const std::string& defaultValue,
                          std::size_t bufferSize);
bool IniWriteString(const std::string& path, const std::string& section,
                    const std::string& key, const std::string& value);

#endif  // STATS_PLATFORM_INI_FILE_H_
