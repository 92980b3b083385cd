#include "tools/cq160/host_folder.h"

#include "resources/resource.h"
#include "tools/cq160/file_util.h"
#include "tools/cq160/ini_text.h"

std::string SettingsText(const std::string& existing, bool cwWeekend, const IniValues& extra) {
    IniValues values = {{"Mode", cwWeekend ? "1" : "0"}, {"Start", "1"}};
    values.insert(values.end(), extra.begin(), extra.end());
    return SetIniValues(existing, "Settings", values);
}

namespace {

// The values of every line of a tag, joined; false when the log has none.
bool TagValue(const std::vector<HeaderTag>& header, const char* tag, const char* joiner,
              std::string* value) {
    bool found = false;
    value->clear();
    for (const HeaderTag& h : header) {
        if (h.tag != tag) continue;
        if (found) *value += joiner;
        *value += h.value;
        found = true;
    }
    return found;
}

}  // namespace

IniValues WindowSettings(bool cwWeekend) {
    // The contest window takes the weekend from setup_mode_cw and writes it
    // to Mode.
    return {{"Start", "0"},
            {"setup_mode_cw", cwWeekend ? "1" : "0"},
            {"setup_mode_ssb", cwWeekend ? "0" : "1"},
            {"setup_view_multiplier", "1"},
            {"setup_view_multiplier_extended", "1"},
            {"setup_view_zone", "1"}};  // the State/Prov window
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
        std::string value;
        if (!TagValue(header, field.tag, field.joiner, &value)) continue;
        if (value.size() > kLongest) value.resize(kLongest);
        values.push_back({field.key, value});
    }
    return values;
}

std::vector<DialogEdit> HeaderDialogEdits(const std::vector<HeaderTag>& header) {
    static const struct {
        const char* tag;
        int controlId;
    } kFields[] = {
        {"CATEGORY-OPERATOR", IDC_CABRILLO_CATEGORY_OPERATOR},
        {"CATEGORY-ASSISTED", IDC_CABRILLO_CATEGORY_ASSISTED},
        {"CATEGORY-BAND", IDC_CABRILLO_CATEGORY_BAND},
        {"CATEGORY-MODE", IDC_CABRILLO_CATEGORY_MODE},
        {"CATEGORY-POWER", IDC_CABRILLO_CATEGORY_POWER},
        {"CATEGORY-STATION", IDC_CABRILLO_CATEGORY_STATION},
        {"CATEGORY-TRANSMITTER", IDC_CABRILLO_CATEGORY_TRANSMITTER},
        {"CATEGORY-OVERLAY", IDC_CABRILLO_CATEGORY_OVERLAY},
        {"LOCATION", IDC_CABRILLO_LOCATION},
    };
    std::vector<DialogEdit> edits;
    for (const auto& field : kFields) {
        DialogEdit edit;
        edit.controlId = field.controlId;
        if (TagValue(header, field.tag, " ", &edit.text)) edits.push_back(edit);
    }
    return edits;
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
