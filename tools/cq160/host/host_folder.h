// The host's working folder as the module expects to find it when the host
// starts a scoring run: the module's settings file
// "Plugins/CQ-WW-160-CW-SSB.ini" choosing the weekend ([Settings] Mode=1 for
// CW, 0 for SSB) with Start=1, so that the module's next reset starts no
// window of its own, and the host's "Harlo2.ini" whose "Harlo=" line tells
// the module the host version.
#ifndef CQ160_HOST_FOLDER_H_
#define CQ160_HOST_FOLDER_H_

#include <string>
#include <vector>

#include "tools/cq160/host/ini_text.h"
#include "tools/cq160/logs/contest_log.h"

// Creates folder (and its Plugins folder) when missing, sets Mode and Start
// and then the extra keys (which may set Start again) in the settings file,
// keeping everything else in it, and writes Harlo2.ini. Returns false with
// *error on the first failure.
bool PrepareHostFolder(const std::string& folder, bool cwWeekend,
                       const std::string& hostVersion, std::string* error,
                       const IniValues& extra = IniValues());

// The host's Harlo2.ini as cq160 writes it: "[Main]\r\nHarlo=VERSION\r\n".
std::string HostIniText(const std::string& hostVersion);

// The files of a working folder that cq160 itself writes there (the
// module's own files are the caller's to name).
extern const char kHostIniName[];   // "Harlo2.ini"
extern const char kSettingsName[];  // "Plugins/CQ-WW-160-CW-SSB.ini"

// Why cq160 must not work in folder, empty when it may. names are the
// files that cq160 and the module would write there (relative to the
// folder), inputs the files the run reads. Refused: a name that is one of
// the inputs; and, unless the folder's Harlo2.ini is one that cq160 wrote
// (the folder is then one of cq160's working folders), any name that
// exists already: the folder is someone else's, a logger's own, say.
std::string WorkingFolderRefusal(const std::string& folder, const std::vector<std::string>& names,
                                 const std::vector<std::string>& inputs);

// The text of a new settings file: "[Settings]\r\nMode=..\r\nStart=1\r\n",
// or the existing text with those two keys set; then the extra keys.
std::string SettingsText(const std::string& existing, bool cwWeekend,
                         const IniValues& extra = IniValues());

// The settings keys with which the module's next reset opens its contest
// window on the weekend's mode (Start=0, the toggle that lets it), showing
// the Multiplier, Extended Multiplier and State/Prov windows.
IniValues WindowSettings(bool cwWeekend);

// The settings keys from which the module's Cabrillo header dialog is
// prefilled, as the operator would have typed them there, from the log's
// own header: OPERATORS, NAME, ADDRESS (several lines joined by ", "),
// ADDRESS-CITY, -STATE-PROVINCE, -POSTALCODE, -COUNTRY, EMAIL, CLUB and
// SOAPBOX (its lines joined by the settings' "<CR><LF>"); empty for the tags
// the log does not have. A value is cut to the 99 characters the module reads.
IniValues HeaderSettings(const std::vector<HeaderTag>& header);

// Text the operator enters in one control of the module's Cabrillo header
// dialog (controlId: IDC_CABRILLO_*) before pressing OK.
struct DialogEdit {
    int controlId = 0;
    std::string text;
};

// What the operator enters in the header dialog from the log's own header:
// the fields the dialog starts from its fixed defaults at every export
// (CATEGORY-OPERATOR, -ASSISTED, -BAND, -MODE, -POWER, -STATION,
// -TRANSMITTER, -OVERLAY and LOCATION), as the log writes them (several
// lines of a tag joined by " "). Only the tags the log has; the single
// CATEGORY line of a Cabrillo 2.0 log fills the fields it stands for
// (MULTI-ONE: MULTI-OP and transmitter ONE) that no 3.0 tag of the log gives.
std::vector<DialogEdit> HeaderDialogEdits(const std::vector<HeaderTag>& header);

#endif  // CQ160_HOST_FOLDER_H_
