// Private-profile (INI) access with the observable behaviour of Windows'
// GetPrivateProfileStringA / WritePrivateProfileStringA. On Windows the
// bodies call those functions, and the system does the writing; elsewhere
// they use the module's own INI reader/writer (ini_file.h), which replaces
// the file whole on each write. Reads are self-contained (no shared buffer)
// and need no lock: a reader sees the file before or after a write, never
// half of it. Writes from all threads are serialised here, so that two
// threads setting different keys never lose one of them.
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
// needed and keeping every other line. Values are single-line: CR, LF and
// NUL are dropped before writing, so no value can add a key or a section
// of its own. Returns false when the file could not be written (a missing
// folder, a read-only file, a full disk; the old file then stays).
// Thread-safe.
bool ProfileWriteString(const std::string& path, const std::string& section,
                        const std::string& key, const std::string& value);

// value without its CR, LF and NUL characters.
std::string SingleLineValue(const std::string& value);

// The platform's write, called by ProfileWriteString with the lock held and
// a single-line value (profile_posix.cpp, profile_win.cpp).
bool PlatformProfileWrite(const std::string& path, const std::string& section,
                          const std::string& key, const std::string& value);

#endif  // STATS_PLATFORM_PROFILE_H_
