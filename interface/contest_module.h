// The module as one object: the log store and the per-band tables, the run
// state, the own station and what the host told, the Cabrillo export and
// the results text, and what the exports do with them. The exports work on
// one instance (module_state.h); tests make their own.
//
// Threads. The host thread calls every public function; the UI thread, once
// a reset has started it, reads and writes the store and the run state
// through WindowData(), under the same lock. That lock (mu_) is never held
// across anything that waits for the other thread, the operator or the
// host: a message box, a dialog, a window thread's start or stop, a call to
// the host's automation object. The rest is host-thread only and unlocked.
#ifndef STATS_INTERFACE_CONTEST_MODULE_H_
#define STATS_INTERFACE_CONTEST_MODULE_H_

#include <atomic>
#include <cstddef>
#include <string>

#include "cabrillo/cabrillo_export.h"
#include "platform/mutex.h"
#include "platform/ole_date.h"
#include "platform/thread_annotations.h"
#include "scoring/call_check.h"
#include "scoring/contest_rules.h"
#include "scoring/log_ops.h"
#include "scoring/qso_input.h"
#include "scoring/qso_record.h"
#include "scoring/run_state.h"
#include "windows/module_data.h"

// What ResetStats0 is handed that the module uses.
struct ResetArgs {
    std::string pathPrefix;  // where the host's settings file is looked for
    int reportMode = 0;      // nonzero = final report (Cabrillo file)
    std::string ownCall;
    COleDateTime periodStart;
    COleDateTime periodEnd;
    std::string ownCountry;
    std::string ownContinent;
};

// What only the host thread reads and writes, set by the reset and
// setVersion (the module-wide names of the same meaning in brackets).
struct HostState {
    int reportMode = 0;        // g_reportMode: the reset's report request, 0 once cancelled
    int versionAnnounced = 0;  // g_versionAnnounced: 1 = HTML results
    int startToggle = 0;       // g_startToggle: "Start" as the last reset read it
    std::string hostVersion;   // g_hostVersion: from "Harlo2.ini", "Harlo" without one
    std::string ownCall;       // g_ownCall
    std::string ownCountry;    // g_ownCountry
    std::string ownContinent;  // g_ownContinent
    std::string periodStartDayMonth;  // g_periodStartDayMonth: "%d.%m"
    std::string periodEndDate;        // g_periodEndDate: "%d.%m.%Y"
    ScoringPeriod scoringPeriod;      // g_scoringPeriod: the period that judges Add's QSOs
    int claimedScore = 0;      // the score of the last results, also in "Claimed"
};

class ContestModule {
public:
    ContestModule() = default;
    ContestModule(const ContestModule&) = delete;
    ContestModule& operator=(const ContestModule&) = delete;

    // setVersion: from now on the results are an HTML page.
    void AnnounceVersion() { host_.versionAnnounced = 1; }

    // ResetStats0: a new scoring run. Reads the host's version and the
    // weekend, empties the log, shows the Cabrillo header dialog in report
    // mode, starts the UI thread when the "Start" toggle allows it, and
    // starts a fresh bad-QSO report.
    void Reset(const ResetArgs& args) EXCLUDES(mu_);

    // AddData0: 1 stored, 0 refused.
    int Add(const QsoInput& qso) EXCLUDES(mu_);

    // RemoveData0.
    void Remove(const QsoInput& qso) EXCLUDES(mu_);

    // CheckCall0: the verdict (CallVerdict); *hint is the zone hint when
    // *hintSet. Also asks an open main window for one call-information
    // update while the last one has run.
    int Check(const CallEntry& entry, std::string* hint, bool* hintSet) EXCLUDES(mu_);

    // GetResult0: scores the log, rebuilds the windows' per-band lists,
    // keeps the claimed score (also in the settings) and, after a reset in
    // report mode, writes the Cabrillo file and tells the operator. The
    // text is the module's own, valid until the next Results().
    const std::string& Results() EXCLUDES(mu_);
    const std::string& ResultText() const { return resultText_; }

    // What the UI thread is handed: the lock and what it guards.
    ModuleData WindowData();

    // Copies taken under the lock, for tests and checks.
    ContestStore Store() const EXCLUDES(mu_);
    RunState Run() const EXCLUDES(mu_);
    std::size_t LogSize() const EXCLUDES(mu_);
    const HostState& Host() const { return host_; }

private:
    int CwContest() const EXCLUDES(mu_);
    RunContext CurrentRun() const REQUIRES(mu_);
    // The Cabrillo QSO lines of every record, scoring or not.
    void AddCabrilloLines() REQUIRES(mu_);

    mutable Mutex mu_;
    ContestStore store_ GUARDED_BY(mu_);  // g_log, g_bandsWorked, the per-band tables
    // g_cwContest, g_altLanguage, g_periodYear, g_periodEndFileDate, g_badQsoPath
    RunState run_ GUARDED_BY(mu_);
    // g_refreshArmed: 1 = Check may post the next WM_CALLINFO. Cleared by
    // the host thread, set again by the UI thread's update.
    std::atomic<int> refreshArmed_{1};

    HostState host_;                   // host thread only
    CabrilloExport cabrilloExport_;    // host thread only: from a report-mode reset to Results
    std::string resultText_;           // host thread only: what Results() returned last
};

#endif  // STATS_INTERFACE_CONTEST_MODULE_H_
