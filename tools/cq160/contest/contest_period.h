// The contest's weekends by the sponsor's rules (cq160.com): the CW weekend
// is the last full weekend of January, the SSB weekend the last full
// weekend of February, each from 22:00 UTC Friday to 22:00 UTC Sunday. A
// full weekend has both its Saturday and its Sunday in the month. When
// February has only three full weekends (it begins on a Sunday in a common
// year, as in 2009 and 2026) the third is taken by the ARRL DX CW contest
// and the SSB weekend is held a week later, ending on Sunday 1 March.
#ifndef CQ160_CONTEST_PERIOD_H_
#define CQ160_CONTEST_PERIOD_H_

#include <vector>

#include "tools/cq160/host/ole_time.h"
#include "tools/cq160/logs/contest_log.h"

ContestPeriod ContestWeekend(int year, bool cwWeekend);

// True when the time (OLE days) is in the period: from its start, up to
// but not including its end.
bool InPeriod(const ContestPeriod& period, double days);

// The weekend of the mode that holds most of the log's QSOs; when none
// holds any, the weekend nearest the log's middle QSO. An empty log gets
// the weekend of year 2000 (no period can be judged without QSOs).
ContestPeriod PeriodOfLog(const std::vector<LogQso>& qsos, bool cwWeekend);

#endif  // CQ160_CONTEST_PERIOD_H_
