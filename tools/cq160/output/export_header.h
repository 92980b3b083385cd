// The header of the Cabrillo file that `cq160 export` has the module write,
// line by line accounted for: the log's own lines, the entrant's choices on
// the command line (--category-*, --location, --grid, checked against the
// Cabrillo 3.0 lists), LOCATION worked out from the log when it has none,
// and the header dialog's defaults where neither gives a value. The module
// writes a fixed set of lines; the log's tags outside that set (GRID-LOCATOR,
// CATEGORY-OVERLAY, CATEGORY-TIME, OFFTIME, ...) cannot reach the file and
// are listed as such.
#ifndef CQ160_EXPORT_HEADER_H_
#define CQ160_EXPORT_HEADER_H_

#include <map>
#include <string>
#include <vector>

#include "tools/cq160/contest/contest_run.h"
#include "tools/cq160/host/host_folder.h"
#include "tools/cq160/host/ini_text.h"

// The header options of export: "--category-power" and the like.
bool IsHeaderOption(const std::string& option);

// Checks an option's value against the Cabrillo 3.0 list of its tag (letter
// case ignored) and sets (*choices)[tag] to it in upper case; false with
// *error naming the values it takes.
bool TakeHeaderOption(const std::string& option, const std::string& value,
                      std::map<std::string, std::string>* choices, std::string* error);

// What cq160 hands the module for its header, and where each value comes
// from for the lines that are not the log's.
struct ExportHeader {
    IniValues settings;              // the keys the dialog is prefilled from
    std::vector<DialogEdit> edits;   // what the operator's stand-in enters
    std::map<std::string, std::string> origins;  // tag -> where its value comes from
    std::vector<HeaderTag> notCarried;  // log tags and choices the file has no line for
};

// choices: tag -> value, from TakeHeaderOption(); callGiven: --call.
ExportHeader PlanExportHeader(const ContestRun& run,
                              const std::map<std::string, std::string>& choices,
                              bool callGiven);

// The LOCATION a log without one stands for: the state or province a US or
// Canadian station sends most often (its sent exchange, an ADIF log's
// MY_STATE), "DX" for every other station; empty when a US or Canadian
// station sends none. *why says where it was found.
std::string DerivedLocation(const ContestRun& run, std::string* why);

// Every header line of the written file that is not the log's, with where
// it came from, the lines left empty because the log has none, and the log's
// lines the file cannot carry.
std::string HeaderListing(const ExportHeader& plan, const ContestRun& run,
                          const std::string& written);

// Why an export of this log is refused: a CONTEST tag of another contest,
// or no QSO in a weekend of this contest. Empty when it is this contest's.
std::string OtherContestReason(const ContestRun& run);

#endif  // CQ160_EXPORT_HEADER_H_
