// Verdicts while the operator types: on a call (dupe, new multiplier or not,
// refused) and on an exchange. Read-only on the log; the caller holds the
// module lock around CheckCall.
#ifndef STATS_SCORING_CALL_CHECK_H_
#define STATS_SCORING_CALL_CHECK_H_

#include <string>

#include "scoring/qso_record.h"

enum CallVerdict { kDupeCall = 0, kNotNewMultiplier = 1, kNewMultiplier = 2, kRefused = 4 };

struct CallEntry {
    std::string call;           // being entered
    std::string mode;           // "CW", "SSB"
    std::string countryPrefix;  // as the host resolves it; empty when unknown
    int zone = 0;               // CQ zone as the host resolves it
    std::string continent;
    std::string band;           // "160m"
    std::string band2;          // second band text of the host
};

// Returns the verdict; *hint receives the zone hint when the verdict comes
// from the multiplier test (1 or 2 after the dupe test), or for a maritime
// mobile call that is no dupe (always 1, hint "zone?" when the host gave a
// zone), and is left alone otherwise.
int CheckCall(const CallEntry& entry, const LogStore& log, const std::string& hostVersion,
              int cwContest, std::string* hint, bool* hintSet);

// 1 when the typed exchange is acceptable as a CQ zone or a W/VE call area.
int IsValidExchange(const std::string& exchange, const std::string& countryPrefix,
                    int exchangeIndex);

#endif  // STATS_SCORING_CALL_CHECK_H_
