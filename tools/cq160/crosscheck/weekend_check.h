// A weekend's logs checked against each other, from the folder to each
// log's verdicts and scores. Each log is read, and replayed through the
// module once as logged (where the module's dupes and refusals come from,
// and its score of the log); the logs are then checked against each other
// (cross_match.h); a log that loses QSOs is read and replayed again without
// them, and the module's score of what stays is its checked score.
//
// The module works in one folder (the host's working folder, prepared as
// for `score`), which becomes the current directory.
#ifndef CQ160_CROSSCHECK_WEEKEND_CHECK_H_
#define CQ160_CROSSCHECK_WEEKEND_CHECK_H_

#include <string>
#include <vector>

#include "tools/cq160/crosscheck/cross_match.h"
#include "tools/cq160/host/module_loader.h"
#include "tools/cq160/host/ole_time.h"

struct WeekendCheckRequest {
    std::vector<std::string> paths;   // absolute, in the order to read them
    std::vector<std::string> shown;   // the same as the user named them
    std::string cty;                  // country file (absolute)
    std::string moduleFolder;         // the module's working folder (absolute)
    int cwWeekend = -1;               // 1 CW, 0 SSB, -1 as most logs say
    int windowMinutes = kDefaultWindowMinutes;
    int penalty = 0;                  // extra loss per NIL or busted call, in its points
    std::string sent;                 // --sent: for QSOs that log no sent exchange
};

// A QSO line that could not be read: it reaches neither the module nor the
// check, and is listed as refused with the reason.
struct BadLine {
    int line = 0;
    std::string reason;
};

struct CheckedLog {
    std::string path;
    std::string shown;   // as named, for the reports
    std::string call;
    MatchLog match;      // the QSOs as checked
    std::vector<std::string> refusedWhy;  // by QSO: the module's reasons, when refused
    std::vector<BadLine> unreadable;
    std::vector<QsoVerdict> verdicts;     // by QSO
    int clockOffset = 0;                  // minutes ahead of the others
    int clockSamples = 0;
    bool hasClaimed = false;
    long long claimed = 0;
    bool hasModuleScore = false;
    long long moduleScore = 0;            // the module's, as logged
    bool hasCheckedScore = false;
    long long checkedScore = 0;           // the module's, without the removed QSOs
    long long penaltyPoints = 0;          // taken off the checked points
    int count[kVerdictCount] = {};        // QSOs per verdict (unreadable lines as refused)

    int Count(Verdict v) const { return count[static_cast<int>(v)]; }
    int Lines() const;                    // QSO lines, read or not
    // Not in log, busted call and exchange against the QSOs that were
    // checked (not dupes or refused), in per cent.
    double ErrorRate() const;
};

struct LeftOutLog {
    std::string shown;
    std::string reason;
};

struct WeekendCheck {
    bool cwWeekend = true;
    ContestPeriod period;
    std::vector<CheckedLog> logs;      // in the order read
    std::vector<LeftOutLog> leftOut;   // unreadable, another contest or weekend, replaced
    std::vector<std::string> bandNames;  // by MatchQso::band
    std::vector<std::string> modeNames;  // by MatchQso::mode
};

// The whole check. False with *error when nothing could be checked (no
// country file, no module, no working folder, no readable log).
bool CheckWeekend(const WeekendCheckRequest& request, const ModuleApi& api, WeekendCheck* check,
                  std::string* error);

// The verdicts' removal: the QSOs the checked score leaves out.
bool Removed(Verdict verdict);
// And of those, the ones --penalty costs extra (a busted exchange is only
// removed).
bool Penalised(Verdict verdict);

// A log minute (as MatchQso::minute holds it) as "2027-01-29 2205".
std::string MinuteText(std::int64_t minute);

#endif  // CQ160_CROSSCHECK_WEEKEND_CHECK_H_
