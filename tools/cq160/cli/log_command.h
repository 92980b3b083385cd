// One log through the module for cq160 score, export or check: the log
// read, the host's working folder prepared, the replay, and the text that
// says what came out.
#ifndef CQ160_LOG_COMMAND_H_
#define CQ160_LOG_COMMAND_H_

#include <string>

#include "tools/cq160/cli/session.h"
#include "tools/cq160/output/log_table.h"

// One log through the module, as the host would replay it. *report gets
// the text for standard output; the status is the log's exit status.
int CommandOnLog(Session* s, const std::string& logPath, const std::string& shownLog, bool batch,
                 std::string* report, LogRow* row);

#endif  // CQ160_LOG_COMMAND_H_
