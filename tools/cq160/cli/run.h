// A cq160 command from the log to the printed verdict: reads the log and
// the country file, prepares the host's working folder, loads the module,
// replays the log through it and reports what came out.
#ifndef CQ160_RUN_H_
#define CQ160_RUN_H_

#include <string>

#include "tools/cq160/cli/options.h"

// The version cq160 tells the module it is ("Harlo=cq160 <version>").
extern const char kCq160Version[];

// The module built beside cq160: in its own folder, or one or two folders
// up (the build folder, when cq160 sits in tools/cq160 below it). Empty
// when there is none; *looked gets the paths tried.
std::string DefaultModule(std::string* looked);

// The working folder's name below cq160-out: call-sign characters only
// (letters, digits, "/" as "_"), so that no CALLSIGN line can name a folder
// outside it ("..", "../x", "C:\\x") or a device.
std::string FolderNameFor(const std::string& call);

// Runs the command; output goes to standard output, complaints to standard
// error. Returns the exit status (see UsageText()).
int RunCommand(const Options& options);

#endif  // CQ160_RUN_H_
