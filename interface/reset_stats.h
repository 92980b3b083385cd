// The start of a scoring run (ResetStats0): own station, period texts, host
// version, empty log, contest mode, Cabrillo request, window start and a
// fresh bad-QSO report. Works on the module-wide state; host thread only.
#ifndef STATS_INTERFACE_RESET_STATS_H_
#define STATS_INTERFACE_RESET_STATS_H_

#include <string>

#include "platform/ole_date.h"

struct ResetArgs {
    std::string pathPrefix;  // where the host's settings file is looked for
    int reportMode = 0;      // nonzero = final report (Cabrillo file)
    std::string ownCall;
    COleDateTime periodStart;
    COleDateTime periodEnd;
    std::string ownCountry;
    std::string ownContinent;
};

void ResetStats(const ResetArgs& args);

#endif  // STATS_INTERFACE_RESET_STATS_H_
