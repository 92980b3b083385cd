// The check of a weekend's logs against each other, as the sponsor checks
// them: every QSO line of every log gets one verdict, with the other log's
// line as evidence where there is one. Pure data in, data out: the logs are
// read, and the module's dupes and refusals found, before (see
// crosscheck_command.h).
//
// The steps, each linear in the QSOs (lookups by hash of log and worked
// call; the few QSOs of one log with one call are compared by time):
//   1. clock offsets: every pair of logs that worked each other once gives
//      the difference of their times (up to kClockSearchMinutes); each
//      log's offset is the median of its differences against the others'
//      (a pair holds one QSO on this one-band contest, so one pair alone
//      tells nothing), kept when it is more than a minute;
//   2. pairing: a QSO of A with C pairs with a QSO of C with A on the same
//      band and mode within the window once both clocks are corrected,
//      nearest first, QSOs the module kept first, then its dupes;
//   3. near misses: an unpaired QSO of A with C is a busted call when a
//      station whose call is one edit from C (a character substituted,
//      missing, extra, or two neighbours swapped) logged A in the window
//      and that QSO paired with nothing; that station's QSO is confirmed;
//   4. the rest: not in log when C sent a log, no log when C sent none but
//      another log has C too, unique otherwise.
// A paired QSO is a busted exchange when the exchange it received is not
// the one the other log sent (states and provinces by the contest's
// abbreviations, zones as numbers).
#ifndef CQ160_CROSSCHECK_CROSS_MATCH_H_
#define CQ160_CROSSCHECK_CROSS_MATCH_H_

#include <cstdint>
#include <string>
#include <vector>

enum class Verdict : std::uint8_t {
    kConfirmed,
    kNotInLog,
    kBustedCall,
    kBustedExchange,
    kNoLog,
    kUnique,
    kDupe,
    kRefused,
};
constexpr int kVerdictCount = 8;

// "confirmed", "not-in-log", "busted-call", "busted-exchange", "no-log",
// "unique", "dupe", "refused": the names of the CSV and JSON.
const char* VerdictName(Verdict verdict);
// "confirmed", "not in log", "busted call", ...: the same for reading.
const char* VerdictWords(Verdict verdict);

// The window when none is given, in minutes either way.
constexpr int kDefaultWindowMinutes = 3;
// How far apart two logs' times of one QSO may be for the clock estimate.
constexpr int kClockSearchMinutes = 30;

// One QSO line as the check needs it.
struct MatchQso {
    int line = 0;            // in its log file
    std::string call;        // worked call, upper case
    std::string exchSent;    // as logged
    std::string exchRcvd;
    std::int64_t minute = 0; // the log's time, in minutes from any fixed origin
    std::uint8_t band = 0;   // any numbering: equal numbers, equal bands
    std::uint8_t mode = 0;
    bool dupe = false;       // the module's word on it
    bool refused = false;
};

struct MatchLog {
    std::string call;  // the station whose log it is, upper case
    std::vector<MatchQso> qsos;
};

// Where a verdict comes from.
struct QsoVerdict {
    Verdict verdict = Verdict::kConfirmed;
    int otherLog = -1;      // the log with the evidence; -1 for none
    int otherQso = -1;      // its QSO (index), -1 for none
    std::string rightCall;  // busted call: the station that logged this one
    int logsWithCall = 0;   // no log, unique: other logs that have the call
};

struct MatchResult {
    std::vector<std::vector<QsoVerdict>> verdicts;  // [log][qso]
    // Each log's clock against the others' (minutes ahead; 0 when within a
    // minute or when too few QSOs tell), and how many QSOs told.
    std::vector<int> clockOffset;
    std::vector<int> clockSamples;
};

// Logs must have distinct calls (the caller keeps one log per call).
MatchResult CrossCheckLogs(const std::vector<MatchLog>& logs,
                           int windowMinutes = kDefaultWindowMinutes);

// True when the exchange received stands for the one the other station
// sent (call: the sending station, whose state or province it is).
bool SameExchange(const std::string& received, const std::string& sent, const std::string& call);

#endif  // CQ160_CROSSCHECK_CROSS_MATCH_H_
