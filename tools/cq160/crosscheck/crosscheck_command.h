// cq160 crosscheck DIR: the logs of one weekend checked against each other
// (weekend_check.h), each log's UBN report written to the output folder
// (--out, default cq160-out/crosscheck), the summary table printed, and
// every verdict written as JSON and CSV when asked (--json, --csv).
#ifndef CQ160_CROSSCHECK_CROSSCHECK_COMMAND_H_
#define CQ160_CROSSCHECK_CROSSCHECK_COMMAND_H_

#include <string>
#include <vector>

#include "tools/cq160/cli/options.h"

// The exit status: 0 done; 1 done, but logs were left out or lines could
// not be read; 2 nothing done; 3 done, but a file could not be written.
int RunCrosscheck(const Options& options);

// The logs of a folder: its .log, .cbr, .adi and .adif files (any letter
// case) in name order.
std::vector<std::string> LogFilesIn(const std::string& folder);

#endif  // CQ160_CROSSCHECK_CROSSCHECK_COMMAND_H_
