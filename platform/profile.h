// Private-profile (INI) access with the observable behaviour of Windows'
// GetPrivateProfileStringA / WritePrivateProfileStringA. On Windows the
// bodies call those functions; elsewhere they use the module's own INI
// reader/writer (ini_file.h). Each call is self-contained: it opens, reads
// or rewrites, and closes the file, so calls from two threads do not share
// any buffer.
#ifndef STATS_PLATFORM_PROFILE_H_
#define STATS_PLATFORM_PROFILE_H_

#include <string>

// Value of key in section of the file at path (a relative path resolves
// against the current directory; a backslash separates folders on every
// platform). A missing file, section or key gives defaultValue. At most
// bufferSize - 1 characters are returned, as with a buffer of bufferSize.
std::string ProfileReadString(const std::string& path, const std::string& section,
                              const std::string& key, const std::string& defaultValue,
                              std::size_t bufferSize);

// Sets key in section to value, creating the file and the section when
// needed and keeping every other line. Returns false when the file could not
// be written (a missing folder, a read-only file).
bool ProfileWriteString(const std::string& path, const std::string& section,
                        const std::string& key, const std::string& value);

#endif  // STATS_PLATFORM_PROFILE_H_
