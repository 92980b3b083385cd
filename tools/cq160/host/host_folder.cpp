#include "tools/cq160/host/host_folder.h"

#include <map>
#include <set>
#include <sstream>

#include "resources/resource.h"
#include "tools/cq160/host/ini_text.h"
#include "tools/cq160/logs/file_util.h"
#include "tools/cq160/logs/log_text.h"

const char kHostIniName[] = "Harlo2.ini";
const char kSettingsName[] = "Plugins/CQ-WW-160-CW-SSB.ini";

std::string HostIniText(const std::string& hostVersion) {
    return "[Main]\r\nHarlo=" + hostVersion + "\r\n";
}

namespace {

// A Harlo2.ini as cq160 writes it, of any cq160 version. The host's own
// has many more lines and no "cq160" in its version.
bool IsCq160HostIni(const std::string& text) {
    const std::string head = "[Main]\r\nHarlo=cq160 ";
    if (text.compare(0, head.size(), head) != 0) return false;
    // The version line, and nothing after it.
    const std::size_t end = text.find_first_of("\r\n", head.size());
    return end != std::string::npos && text.compare(end, std::string::npos, "\r\n") == 0;
}

}  // namespace

std::string WorkingFolderRefusal(const std::string& folder, const std::vector<std::string>& names,
                                 const std::vector<std::string>& inputs) {
    for (const std::string& name : names) {
        const std::string path = JoinPath(folder, name);
        for (const std::string& input : inputs) {
            if (SameFile(path, input))
                return "the module would write " + path + ", which is " + input +
                       ", read by this run: give --out another folder";
        }
    }
    std::string hostIni;
    const std::string hostIniPath = JoinPath(folder, kHostIniName);
    if (ReadWholeFile(hostIniPath, &hostIni) && IsCq160HostIni(hostIni)) return std::string();
    for (const std::string& name : names) {
        const std::string path = JoinPath(folder, name);
        if (FileExists(path) || FolderExists(path))
            return path + " is there already and was not made by cq160 (" + folder +
                   " has no Harlo2.ini of cq160's): cq160 writes over no file of another "
                   "program; give --out a folder of its own";
    }
    return std::string();
}

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
        // A key the log has no tag for is emptied: nothing of an earlier
        // export in the same folder may stand in the header as the log's.
        std::string value;
        TagValue(header, field.tag, field.joiner, &value);
        if (value.size() > kLongest) value.resize(kLongest);
        values.push_back({field.key, value});
    }
    return values;
}

namespace {

// The one CATEGORY line of a Cabrillo 2.0 log, "operator band power
// [mode]", in the 3.0 fields it stands for: CATEGORY-OPERATOR, with
// -ASSISTED or -TRANSMITTER where the operator category says them, -BAND,
// -POWER and -MODE. Words it does not know (SWL, the VHF categories, a
// contest's own additions) are left out.
std::map<int, std::string> CategoryFields(const std::string& category) {
    static const struct {
        const char* word;
        const char* op;
        int otherId;  // 0, or the control the word also sets
        const char* other;
    } kOperators[] = {
        {"SINGLE-OP", "SINGLE-OP", 0, ""},
        {"SINGLE-OP-ASSISTED", "SINGLE-OP", IDC_CABRILLO_CATEGORY_ASSISTED, "ASSISTED"},
        {"MULTI-ONE", "MULTI-OP", IDC_CABRILLO_CATEGORY_TRANSMITTER, "ONE"},
        {"MULTI-TWO", "MULTI-OP", IDC_CABRILLO_CATEGORY_TRANSMITTER, "TWO"},
        {"MULTI-MULTI", "MULTI-OP", IDC_CABRILLO_CATEGORY_TRANSMITTER, "UNLIMITED"},
        {"CHECKLOG", "CHECKLOG", 0, ""},
    };
    static const std::set<std::string> kBands = {"ALL", "160M", "80M", "40M",
                                                 "20M", "15M",  "10M"};
    static const std::set<std::string> kPowers = {"HIGH", "LOW", "QRP"};
    static const std::set<std::string> kModes = {"CW", "SSB", "MIXED"};
    std::map<int, std::string> fields;
    std::istringstream words(category);
    std::string word;
    while (words >> word) {
        word = UpperAscii(word);
        for (const auto& op : kOperators) {
            if (word != op.word) continue;
            fields[IDC_CABRILLO_CATEGORY_OPERATOR] = op.op;
            if (op.otherId) fields[op.otherId] = op.other;
        }
        if (kBands.count(word)) fields[IDC_CABRILLO_CATEGORY_BAND] = word;
        if (kPowers.count(word)) fields[IDC_CABRILLO_CATEGORY_POWER] = word;
        if (kModes.count(word)) fields[IDC_CABRILLO_CATEGORY_MODE] = word;
    }
    return fields;
}

}  // namespace

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
    std::string category;
    const std::map<int, std::string> older =
        TagValue(header, "CATEGORY", " ", &category) ? CategoryFields(category)
                                                     : std::map<int, std::string>();
    std::vector<DialogEdit> edits;
    for (const auto& field : kFields) {
        DialogEdit edit;
        edit.controlId = field.controlId;
        // A 3.0 tag says more than the 2.0 line where a log has both.
        if (TagValue(header, field.tag, " ", &edit.text)) {
            edits.push_back(edit);
        } else if (older.count(field.controlId)) {
            edit.text = older.at(field.controlId);
            edits.push_back(edit);
        }
    }
    return edits;
}

bool PrepareHostFolder(const std::string& folder, bool cwWeekend,
                       const std::string& hostVersion, std::string* error,
                       const IniValues& extra) {
    const std::string plugins = JoinPath(folder, "Plugins");
    if (!MakeFolders(plugins, error)) return false;
    const std::string settings = JoinPath(folder, kSettingsName);
    std::string text;
    if (FileExists(settings) && !ReadWholeFile(settings, &text)) {
        *error = "cannot read " + settings;
        return false;
    }
    if (!WriteWholeFile(settings, SettingsText(text, cwWeekend, extra))) {
        *error = "cannot write " + settings;
        return false;
    }
    const std::string hostIni = JoinPath(folder, kHostIniName);
    if (!WriteWholeFile(hostIni, HostIniText(hostVersion))) {
        *error = "cannot write " + hostIni;
        return false;
    }
    return true;
}
