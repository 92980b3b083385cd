// cq160's own count of a log's score, from the contest rules rather than
// from the module, to check the module's figure against:
//   - only QSOs on 160 m in the weekend's mode, inside the contest period
//     (from its start up to, not including, its end, to the second), with
//     another station than the own call and with both exchanges count;
//   - a repeat QSO with the same call (same band and mode) scores nothing;
//   - a US or Canadian station whose exchange is not one of the 48
//     contiguous states, DC or a Canadian province scores nothing; a US
//     station that sends AK or HI is in Alaska or Hawaii, which count as
//     countries here (KL, KH6), not as states;
//   - a QSO scores 2 points with the own country, 5 with another country of
//     the own continent, 10 otherwise; a maritime mobile station (/MM)
//     scores 5, is no multiplier and sends no state or province;
//   - multipliers are the countries worked (DXCC entities, with the WAE
//     entities the module counts on their own: Sicily, African Italy,
//     European Turkey, Kosovo, the ITU in Geneva, Shetland, Bear Island and
//     the Vienna International Centre) and the US states and Canadian
//     provinces worked; US and Canadian stations count only through their
//     state or province;
//   - the score is the points times the multipliers.
#ifndef CQ160_SCORE_CHECK_H_
#define CQ160_SCORE_CHECK_H_

#include <string>
#include <vector>

#include "tools/cq160/host/replay.h"
#include "tools/cq160/logs/call_resolver.h"
#include "tools/cq160/logs/contest_log.h"

struct ScoreCount {
    int valid = 0;      // QSOs that score
    int refused = 0;    // wrong band or mode, outside the period, the own call, missing exchange
    int dupes = 0;
    int badStates = 0;  // US/Canadian stations without an acceptable exchange
    long long points = 0;
    int countries = 0;
    int statesProvinces = 0;
    long long score = 0;
};

// where[i] is the location of qsos[i].
ScoreCount CountScore(const std::vector<LogQso>& qsos, const std::vector<CallLocation>& where,
                      const OwnStation& own, bool cwWeekend, const ContestPeriod& period);

// Where a worked station scores: a US station (not /MM) that sends AK or HI
// is in Alaska (KL, NA) or Hawaii (KH6, OC); every other station where its
// call puts it.
CallLocation ScoringLocation(const CallLocation& where, const std::string& call,
                             const std::string& exchange);

// A US or Canadian station: its exchange is its state or province.
bool SendsStateOrProvince(const CallLocation& where);

// The exchange of a US or Canadian station (call) as a multiplier ("PE" is
// "PEI", "NT" is "NWT", "NL" is "LB" from a VO2 call and "NF" from any
// other), or empty when it is not an acceptable state or province.
std::string StateOrProvince(const std::string& exchange, const std::string& call);

// The contest's states and provinces, the multipliers a US or Canadian
// station can give, by the abbreviations StateOrProvince() returns.
std::vector<std::string> ContestStatesProvinces();

#endif  // CQ160_SCORE_CHECK_H_
