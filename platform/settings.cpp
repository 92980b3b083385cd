#include "platform/settings.h"

#include "platform/profile.h"
#include "platform/text_util.h"

namespace {
constexpr std::size_t kReadBufferSize = 100;
}

const std::string g_settingsPath = "Plugins\\CQ-WW-160-CW-SSB.ini";
const std::string g_settingsSection = "Settings";

std::string Settings::ReadText(const char* key) const {
    return ProfileReadString(path_, section_, key, "", kReadBufferSize);
}

int Settings::ReadInt(const char* key) const { return ParseLeadingInt(ReadText(key)); }

void Settings::WriteText(const char* key, const std::string& value) const {
    ProfileWriteString(path_, section_, key, value);
}

void Settings::WriteInt(const char* key, int value) const {
    WriteText(key, std::to_string(value));
}

Settings ModuleSettings() { return Settings(g_settingsPath, g_settingsSection); }
