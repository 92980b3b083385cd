// The module's settings file: read and written key by key at the moment a
// value is needed, so a value written on one thread is seen by the next read
// on the other. Each call is self-contained (no shared buffer), so the host
// thread and the UI thread may both use it.
#ifndef STATS_PLATFORM_SETTINGS_H_
#define STATS_PLATFORM_SETTINGS_H_

#include <string>

class Settings {
public:
    Settings(std::string path, std::string section)
        : path_(std::move(path)), section_(std::move(section)) {}
    virtual ~Settings() = default;
    Settings(const Settings&) = default;
    Settings& operator=(const Settings&) = default;

    // The value, or "" when the key or the file is missing; at most 99
    // characters, as read into a 100-character buffer.
    virtual std::string ReadText(const char* key) const;
    // ParseLeadingInt of ReadText: 0 for a missing key or a non-number.
    int ReadInt(const char* key) const;
    // Failures (missing folder, read-only file, full disk) are ignored; the
    // old value then stays. The value is kept to one line (CR, LF and NUL
    // dropped). Safe from any thread: writes are serialised below.
    virtual void WriteText(const char* key, const std::string& value) const;
    void WriteInt(const char* key, int value) const;

private:
    std::string path_;
    std::string section_;
};

extern const std::string g_settingsPath;     // "Plugins\CQ-WW-160-CW-SSB.ini"
extern const std::string g_settingsSection;  // "Settings"

// The module's own file: "Plugins\CQ-WW-160-CW-SSB.ini", section "Settings".
Settings ModuleSettings();

#endif  // STATS_PLATFORM_SETTINGS_H_
