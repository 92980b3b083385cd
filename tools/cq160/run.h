// A cq160 command from the log to the printed verdict: reads the log and
// the country file, prepares the host's working folder, loads the module,
// replays the log through it and reports what came out.
#ifndef CQ160_RUN_H_
#define CQ160_RUN_H_

#include "tools/cq160/options.h"

// The version cq160 tells the module it is ("Harlo=cq160 <version>").
extern const char kCq160Version[];

// Runs the command; output goes to standard output, complaints to standard
// error. Returns the exit status (see UsageText()).
int RunCommand(const Options& options);

#endif  // CQ160_RUN_H_
