// cq160 check: what the module and the contest make of a call typed as
// the operator types it, after the log, and the module's windows then.
#ifndef CQ160_CHECK_SECTION_H_
#define CQ160_CHECK_SECTION_H_

#include <string>

#include "tools/cq160/cli/options.h"
#include "tools/cq160/contest/contest_run.h"
#include "tools/cq160/host/host_windows.h"
#include "tools/cq160/host/module_loader.h"
#include "tools/cq160/host/replay.h"
#include "tools/cq160/host/replay_log.h"

// cq160 check: the verdict on a call as the operator types it.
std::string CheckSection(const Options& o, const ContestRun& run, const ReplayOutcome& outcome,
                         Replay* replay, const ModuleApi& api);

// After the call check with the windows up: waits for the module's update
// (the windows then show the call and the band) and names the windows.
void ShowWindowsUpdate(WindowedHost& windows, int* status);

#endif  // CQ160_CHECK_SECTION_H_
