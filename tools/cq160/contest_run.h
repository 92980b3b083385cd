// What cq160 knows about a log before the module sees it: the log itself,
// the own station, the weekend and its period, and where each worked
// station is.
#ifndef CQ160_CONTEST_RUN_H_
#define CQ160_CONTEST_RUN_H_

#include <string>
#include <vector>

#include "tools/cq160/call_resolver.h"
#include "tools/cq160/contest_log.h"
#include "tools/cq160/country_file.h"
#include "tools/cq160/ole_time.h"
#include "tools/cq160/options.h"
#include "tools/cq160/replay.h"

struct ContestRun {
    ContestLog log;
    CountryFile cty;
    OwnStation own;
    bool cwWeekend = true;
    ContestPeriod period;
    std::vector<CallLocation> where;  // where[i] for log.qsos[i]
};

// Reads the log and the country file and works out the rest: the own call
// from --call, the CALLSIGN tag or the first QSO; the weekend from --mode,
// the CONTEST tag or the QSOs' modes; the period from the earliest QSO.
// False with *error when the log or the country file cannot be used.
bool PrepareContestRun(const Options& options, ContestRun* run, std::string* error);

// The country file used without --cty: cty.dat beside cq160, else the one
// of Debian's hamradio-files package.
std::string DefaultCountryFile();

#endif  // CQ160_CONTEST_RUN_H_
