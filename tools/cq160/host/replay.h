// One scoring run through the module's exports, with the host's argument
// lists: a reset with the own station and the contest period, one AddData0
// per logged QSO, call checks, the results request. Arguments the module
// ignores get empty texts, zeros and a zero date, as a host that does not
// fill them would pass.
#ifndef CQ160_REPLAY_H_
#define CQ160_REPLAY_H_

#include <string>

#include "tools/cq160/host/module_loader.h"
#include "tools/cq160/host/ole_time.h"
#include "tools/cq160/logs/call_resolver.h"
#include "tools/cq160/logs/contest_log.h"

struct OwnStation {
    std::string call;
    CallLocation where;
};

// The verdicts of CheckCall0.
enum CheckVerdict { kVerdictDupe = 0, kVerdictNoNewMultiplier = 1, kVerdictNewMultiplier = 2,
                    kVerdictRefused = 4 };

// "dupe", "not a new multiplier", ... ; "verdict N" for others.
std::string VerdictText(int verdict);

class Replay {
public:
    explicit Replay(const ModuleApi& api) : api_(api) {}

    // ResetStats0 with the host path prefix "" (the current folder).
    // reportRequest 1 asks for the Cabrillo export on the next Results().
    void Reset(int reportRequest, const OwnStation& own, const ContestPeriod& period);

    // AddData0 for one QSO: 1 stored, 0 refused. The own call passed is
    // the station's of the reset, as the host passes its own.
    int Add(const LogQso& qso, const CallLocation& where);

    // CheckCall0 for a call being typed; *hint gets the zone hint ("" when
    // the module gives none).
    int Check(const std::string& call, const std::string& mode, const CallLocation& where,
              int zone, const std::string& band, std::string* hint);

    // GetResult0's text (a copy; the module's own stays valid only until
    // its next call).
    std::string Results();

private:
    const ModuleApi& api_;
    std::string ownCall_;
};

#endif  // CQ160_REPLAY_H_
