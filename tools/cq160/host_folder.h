// The host's working folder as the module expects to find it when the host
// starts a scoring run: the module's settings file
// "Plugins/CQ-WW-160-CW-SSB.ini" choosing the weekend ([Settings] Mode=1 for
// CW, 0 for SSB) with Start=1, so that the module's next reset starts no
// window of its own, and the host's "Harlo2.ini" whose "Harlo=" line tells
// the module the host version.
#ifndef CQ160_HOST_FOLDER_H_
#define CQ160_HOST_FOLDER_H_

#include <string>

// Creates folder (and its Plugins folder) when missing, sets Mode and Start
// in the settings file (keeping everything else in it) and writes
// Harlo2.ini. Returns false with *error on the first failure.
bool PrepareHostFolder(const std::string& folder, bool cwWeekend,
                       const std::string& hostVersion, std::string* error);

// The text of a new settings file: "[Settings]\r\nMode=..\r\nStart=1\r\n",
// or the existing text with those two keys set.
std::string SettingsText(const std::string& existing, bool cwWeekend);

#endif  // CQ160_HOST_FOLDER_H_
