// Module-wide state: one instance per process, created when the module is
// loaded and destroyed when it is unloaded. The host thread runs every
// export; the UI thread reads the store and the per-band tables. Both take
// g_storeLock for every access to g_store (and so to g_log, g_bandsWorked
// and the per-band tables). The lock is never held across a message box, a
// dialog, or a wait for the other thread.
#ifndef STATS_INTERFACE_MODULE_STATE_H_
#define STATS_INTERFACE_MODULE_STATE_H_

#include <atomic>
#include <mutex>
#include <string>

#include "cabrillo/cabrillo_export.h"
#include "scoring/qso_record.h"

extern std::mutex g_storeLock;
extern ContestStore g_store;
extern LogStore& g_log;
extern StringArray& g_bandsWorked;
extern std::array<StringArray, kBandSlots>& g_bandCountries;
extern std::array<StringArray, kBandSlots>& g_bandStateProvs;
extern std::array<std::vector<unsigned>, kBandSlots>& g_bandZones;
extern std::array<StringArray, kBandSlots>& g_prevQsoRows;

// Host thread only (set by ResetStats0 and setVersion).
extern std::atomic<int> g_cwContest;  // also set by the main window's mode switch
extern int g_reportMode;
extern int g_versionAnnounced;
extern int g_altLanguage;
extern int g_startToggle;
extern std::string g_hostVersion;
extern std::string g_ownCall;
extern std::string g_ownCountry;
extern std::string g_ownContinent;
extern std::string g_periodStartDayMonth;
extern std::string g_periodYear;
extern std::string g_periodEndDate;
extern std::string g_periodEndFileDate;
extern std::string g_badQsoPath;  // under g_storeLock: the mode switch rewrites it

// Host thread only: the score of the last summary, and the export that a
// reset in report mode prepared.
extern int g_claimedScore;
extern CabrilloExport g_cabrilloExport;

// 1 = CheckCall0 may post one call-information refresh to the main window.
extern std::atomic<int> g_refreshArmed;

extern const std::string g_settingsPath;     // "Plugins\CQ-WW-160-CW-SSB.ini"
extern const std::string g_settingsSection;  // "Settings"

#endif  // STATS_INTERFACE_MODULE_STATE_H_
