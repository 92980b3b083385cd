#include "tools/cq160/host_folder.h"

#include "tools/cq160/file_util.h"
#include "tools/cq160/ini_text.h"

std::string SettingsText(const std::string& existing, bool cwWeekend, const IniValues& extra) {
    IniValues values = {{"Mode", cwWeekend ? "1" : "0"}, {"Start", "1"}};
    values.insert(values.end(), extra.begin(), extra.end());
    return SetIniValues(existing, "Settings", values);
}

IniValues HeaderSettings(const std::vector<HeaderTag>& header) {
    static const struct {
        const char* tag;
        const char* key;
        const char* joiner;  // between the values of several lines
    } kFields[] = {
        {"OPERATORS", "Operators", " "},
        {"NAME", "Name", " "},
        {"ADDRESS", "Address", ", "},
        {"ADDRESS-CITY", "Address_City", " "},
        {"ADDRESS-STATE-PROVINCE", "Address_St_Prov", " "},
        {"ADDRESS-POSTALCODE", "Address_PostalCode", " "},
        {"ADDRESS-COUNTRY", "Address_Country", " "},
        {"EMAIL", "Email", " "},
        {"CLUB", "Club", " "},
        {"SOAPBOX", "SoapBox", "<CR><LF>"},
    };
    constexpr std::size_t kLongest = 99;  // the module reads 100-byte buffers
    IniValues values;
    for (const auto& field : kFields) {
        bool found = false;
        std::string value;
        for (const HeaderTag& h : header) {
            if (h.tag != field.tag) continue;
            if (found) value += field.joiner;
            value += h.value;
            found = true;
        }
        if (!found) continue;
        if (value.size() > kLongest) value.resize(kLongest);
        values.push_back({field.key, value});
    }
    return values;
}

bool PrepareHostFolder(const std::string& folder, bool cwWeekend,
                       const std::string& hostVersion, std::string* error,
                       const IniValues& extra) {
    const std::string plugins = JoinPath(folder, "Plugins");
    if (!MakeFolders(plugins, error)) return false;
    const std::string settings = JoinPath(plugins, "CQ-WW-160-CW-SSB.ini");
    std::string text;
    if (FileExists(settings) && !ReadWholeFile(settings, &text)) {
        *error = "cannot read " + settings;
        return false;
    }
    if (!WriteWholeFile(settings, SettingsText(text, cwWeekend, extra))) {
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
