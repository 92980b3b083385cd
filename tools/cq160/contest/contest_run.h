// What cq160 knows about a log before the module sees it: the log itself,
// the own station, the weekend and its period, and where each worked
// station is.
#ifndef CQ160_CONTEST_RUN_H_
#define CQ160_CONTEST_RUN_H_

#include <string>
#include <vector>

#include "tools/cq160/cli/options.h"
#include "tools/cq160/contest/log_warnings.h"
#include "tools/cq160/contest/operating_time.h"
#include "tools/cq160/host/ole_time.h"
#include "tools/cq160/host/replay.h"
#include "tools/cq160/logs/call_resolver.h"
#include "tools/cq160/logs/contest_log.h"
#include "tools/cq160/logs/country_file.h"

struct ContestRun {
    ContestLog log;
    CountryFile cty;
    OwnStation own;
    bool cwWeekend = true;
    ContestPeriod period;
    std::vector<CallLocation> where;  // where[i] for log.qsos[i]
    std::vector<LogWarning> warnings;  // in line order, whole-log ones first
    OperatingTime operating;
    std::string ctyPath;  // the country file as named (by --cty, or the default)
    std::string ctyDate;  // "version yyyy-mm-dd" or "file date yyyy-mm-dd"; empty if unknown
};

// Reads the log and the country file and works out the rest: the own call
// from --call, the CALLSIGN tag or the first QSO; the weekend from
// --weekend, the CONTEST tag or the QSOs' modes; the period from that
// weekend's rule and the QSOs' dates (see contest_period.h); the exchanges
// an ADIF log gives only as locations (ChooseExchange()) and --sent; the
// warnings, among them the operating time over the category's limit and a
// country file more than a year older than the contest. False with *error
// when the log or the country file cannot be used.
bool PrepareContestRun(const Options& options, ContestRun* run, std::string* error);

// The exchange as the contest has it when the log gives none of its own:
// a US or Canadian station's state or province, any other's CQ zone.
std::string ChooseExchange(const std::string& logged, const std::string& stateProv,
                           const std::string& zone, const CallLocation& where);

// The warning for an ADIF log none of whose QSOs gives a sent exchange:
// it points at --sent, with the CQ zone the own station sends from its
// country where the country file tells it.
std::string NoSentExchangeWarning(const CallLocation& own);

// The system clock's date (UTC) as an OLE day number.
int TodayOleDay();

// The country file used without --cty: cty.dat beside cq160, else the one
// of Debian's hamradio-files package.
std::string DefaultCountryFile();

#endif  // CQ160_CONTEST_RUN_H_
