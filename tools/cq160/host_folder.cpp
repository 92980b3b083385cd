#include "tools/cq160/host_folder.h"

#include "tools/cq160/file_util.h"
#include "tools/cq160/ini_text.h"

std::string SettingsText(const std::string& existing, bool cwWeekend) {
    return SetIniValues(existing, "Settings", {{"Mode", cwWeekend ? "1" : "0"}, {"Start", "1"}});
}

bool PrepareHostFolder(const std::string& folder, bool cwWeekend,
                       const std::string& hostVersion, std::string* error) {
    const std::string plugins = JoinPath(folder, "Plugins");
    if (!MakeFolders(plugins, error)) return false;
    const std::string settings = JoinPath(plugins, "CQ-WW-160-CW-SSB.ini");
    std::string text;
    if (FileExists(settings) && !ReadWholeFile(settings, &text)) {
        *error = "cannot read " + settings;
        return false;
    }
    if (!WriteWholeFile(settings, SettingsText(text, cwWeekend))) {
        *error = "cannot write " + settings;
        return false;
    }
    const std::string hostIni = JoinPath(folder, "Harlo2.ini");
    if (!WriteWholeFile(hostIni, "[Main]\r\nHarlo=" + hostVersion + "\r\n")) {
        *error = "cannot write " + hostIni;
        return false;
    }
    return true;
}
