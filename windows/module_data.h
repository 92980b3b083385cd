// What the UI thread uses of the module's own state, handed over by the
// reset that starts it. The pointed-to objects live as long as the module.
#ifndef STATS_WINDOWS_MODULE_DATA_H_
#define STATS_WINDOWS_MODULE_DATA_H_

#include <atomic>

#include "platform/mutex.h"
#include "scoring/qso_record.h"
#include "scoring/run_state.h"

struct ModuleData {
    // Guards *store and *run on both threads. The UI thread never holds it
    // while it calls the host or sends a message to a window.
    Mutex* lock = nullptr;
    ContestStore* store PT_GUARDED_BY(lock) = nullptr;
    RunState* run PT_GUARDED_BY(lock) = nullptr;
    // 1 = the host thread's call check may post the next WM_CALLINFO; the
    // update sets it back to 1 whichever way it ends.
    std::atomic<int>* refreshArmed = nullptr;
};

#endif  // STATS_WINDOWS_MODULE_DATA_H_
