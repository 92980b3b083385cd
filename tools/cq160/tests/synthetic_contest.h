// Synthetic contest weekends with a known truth, for the cross-check's
// tests and benchmark: stations with calls of real formats and countries
// (US states and Canadian provinces, DX CQ zones), QSOs made by pairs of
// stations at one time and written into both logs (a minute later in one
// now and then), then errors injected: a busted call or a wrong exchange in
// one log, a QSO missing from one log, a log whose clock is off by minutes,
// calls that appear once (uniques), stations that send no log, QSOs logged
// twice (dupes) and QSOs on another band (refused). Every QSO line carries
// the verdict the check must give it. Seeded: the same options give the
// same weekend, byte for byte.
#ifndef CQ160_TESTS_SYNTHETIC_CONTEST_H_
#define CQ160_TESTS_SYNTHETIC_CONTEST_H_

#include <string>
#include <vector>

#include "tools/cq160/crosscheck/cross_match.h"

struct SyntheticOptions {
    unsigned seed = 1;
    int logs = 300;            // stations that send a log
    int silent = 100;          // stations that send none
    long long qsoLines = 30000;  // about this many QSO lines in all
    int year = 2027;
    bool cw = true;
    // Shares of the QSOs (between two stations with logs, except unique
    // and dupe) that get each error.
    double bustedCall = 0.01;
    double notInLog = 0.01;
    double bustedExchange = 0.01;
    double unique = 0.005;     // an extra line with a call nobody else has
    double dupe = 0.005;       // a line logged twice
    double refused = 0.003;    // a QSO on 80 m, refused in both logs
    int offClockLogs = 3;      // logs whose clock is 5 to 15 minutes off
    int adifEvery = 10;        // every so many logs is written as ADIF; 0 none
};

struct SyntheticLine {
    int line = 0;
    Verdict truth = Verdict::kConfirmed;
};

struct SyntheticLog {
    std::string call;
    std::string fileName;  // CALL.log or CALL.adi
    std::string text;
    std::vector<SyntheticLine> lines;  // every QSO line, in file order
    int clockOffset = 0;               // minutes ahead
};

struct SyntheticContest {
    std::vector<SyntheticLog> logs;
    long long qsoLines = 0;
};

SyntheticContest MakeSyntheticContest(const SyntheticOptions& options);

// Writes every log into folder (which must exist). False on a write error.
bool WriteSyntheticContest(const SyntheticContest& contest, const std::string& folder);

#endif  // CQ160_TESTS_SYNTHETIC_CONTEST_H_
