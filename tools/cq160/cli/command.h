// cq160 score, export and check from the logs named to the printed verdict:
// one log with its full report, or several (files, or the logs in the
// folders named) with one row each.
#ifndef CQ160_COMMAND_H_
#define CQ160_COMMAND_H_

#include "tools/cq160/cli/options.h"

// Runs the command; output goes to standard output, complaints to standard
// error. Returns the exit status (see UsageText()).
int RunCommand(const Options& options);

#endif  // CQ160_COMMAND_H_
