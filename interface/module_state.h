// Module-wide state: one instance per process, created when the module is
// loaded and destroyed when it is unloaded. The host thread runs every
// export; the UI thread reads the store, the per-band tables and the run
// state (g_run).
//
// g_storeLock guards g_store (and so g_log, g_bandsWorked and the per-band
// tables) and g_run, on both threads. It is never held across anything that
// waits for the other thread, the operator or the host: a message box, a
// dialog, a SendMessage to a window of the other thread, a call to the
// host's automation object (it waits for the host thread, which may be
// waiting for this lock), a wait for a thread.
#ifndef STATS_INTERFACE_MODULE_STATE_H_
#define STATS_INTERFACE_MODULE_STATE_H_

#include <atomic>
#include <mutex>
#include <string>

#include "cabrillo/cabrillo_export.h"
#include "scoring/contest_rules.h"
#include "scoring/qso_record.h"
#include "scoring/run_state.h"

extern std::mutex g_storeLock;
extern ContestStore g_store;
extern LogStore& g_log;
extern StringArray& g_bandsWorked;
extern std::array<StringArray, kBandSlots>& g_bandCountries;
extern std::array<StringArray, kBandSlots>& g_bandStateProvs;
extern std::array<std::vector<unsigned>, kBandSlots>& g_bandZones;
extern std::array<StringArray, kBandSlots>& g_prevQsoRows;

// Under g_storeLock on the UI thread and wherever the host thread writes
// them; the host thread's own reads need no lock. g_cwContest is atomic.
extern RunState g_run;
extern std::atomic<int>& g_cwContest;  // also set by the main window's mode switch
extern int& g_altLanguage;
extern std::string& g_periodYear;
extern std::string& g_periodEndFileDate;
extern std::string& g_badQsoPath;  // the mode switch rewrites it

// Host thread only (set by ResetStats0 and setVersion).
extern int g_reportMode;
extern int g_versionAnnounced;
extern int g_startToggle;
extern std::string g_hostVersion;
extern std::string g_ownCall;
extern std::string g_ownCountry;
extern std::string g_ownContinent;
extern std::string g_periodStartDayMonth;
extern std::string g_periodEndDate;
extern ScoringPeriod g_scoringPeriod;  // the period that judges AddData0's QSOs

// Host thread only: the score of the last summary, and the export that a
// reset in report mode prepared.
extern int g_claimedScore;
extern CabrilloExport g_cabrilloExport;

// 1 = CheckCall0 may post one call-information refresh to the main window.
extern std::atomic<int> g_refreshArmed;

#endif  // STATS_INTERFACE_MODULE_STATE_H_
