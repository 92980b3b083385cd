// The state of a scoring run that both threads use. The host thread sets it
// in the reset; the UI thread reads it for captions and report names, and
// the main window's mode switch rewrites cwContest and badQsoPath. Every
// read and write, on either thread, goes under the module lock
// (ContestModule, interface/contest_module.h; ModuleData::lock on the UI
// thread).
#ifndef STATS_SCORING_RUN_STATE_H_
#define STATS_SCORING_RUN_STATE_H_

#include <string>

struct RunState {
    int cwContest = 0;              // 1 = the CW weekend is scored, 0 = SSB
    int altLanguage = 0;            // 1 = Russian window texts; never lowered
    std::string periodYear;         // contest start, "%Y"
    std::string periodEndFileDate;  // contest end, "%d_%m_%Y"
    std::string badQsoPath;         // where bad-QSO lines go
};

#endif  // STATS_SCORING_RUN_STATE_H_
