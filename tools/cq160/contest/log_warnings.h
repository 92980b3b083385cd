// What cq160 warns an operator about before a log is sent: things the
// sponsor will question that the module's score does not show. Warnings
// never change what is handed to the module.
#ifndef CQ160_LOG_WARNINGS_H_
#define CQ160_LOG_WARNINGS_H_

#include <string>
#include <vector>

#include "tools/cq160/host/ole_time.h"
#include "tools/cq160/logs/contest_log.h"

struct LogWarning {
    int line = 0;      // the log line it is about; 0 for the log as a whole
    std::string text;  // in the operator's words, without the line number
};

struct WarningContext {
    bool cwWeekend = true;
    ContestPeriod period;
    int todayOleDay = 0;      // QSOs on a later day are in the future
    bool callGiven = false;   // --call: the CALLSIGN tag is not relied on
};

// In log order: a log that may be truncated, the CONTEST tag, the CALLSIGN
// tag against the QSO lines' own calls, then per QSO the period and the
// mode, then the future dates.
std::vector<LogWarning> CheckLog(const ContestLog& log, const WarningContext& context);

// The CONTEST tag's weekend when it names this contest: 1 CW, 0 SSB; -1
// when it names another contest or no weekend.
int CqWw160TagMode(const std::string& contest);

// "line 12: text", or the text alone for line 0.
std::string WarningLine(const LogWarning& warning);

#endif  // CQ160_LOG_WARNINGS_H_
