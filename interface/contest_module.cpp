#include "interface/contest_module.h"

#include "interface/host_version.h"
#include "platform/message_box.h"
#include "platform/settings.h"
#include "platform/text_util.h"
#include "scoring/bad_qso_report.h"
#include "scoring/contest_rules.h"
#include "scoring/log_ops.h"
#include "scoring/results_summary.h"
#include "windows/window_thread.h"

void ContestModule::Reset(const ResetArgs& a) {
    const Settings settings = ModuleSettings();
    host_.periodStartDayMonth = a.periodStart.Format("%d.%m");
    host_.periodEndDate = a.periodEnd.Format("%d.%m.%Y");
    host_.scoringPeriod = ScoringPeriod(a.periodStart, a.periodEnd);
    host_.hostVersion = LookUpHostVersion(a.pathPrefix, host_.hostVersion);
    host_.ownCountry = a.ownCountry;
    host_.ownContinent = a.ownContinent;
    host_.ownCall = a.ownCall;
    // The contest window writes the weekend there. Before the operator has
    // chosen one (a first start: no key, or the empty text the window copies
    // from its unchecked boxes) the period tells: January is the CW weekend.
    const std::string mode = settings.ReadText("Mode");
    const int cwContest = mode.empty() ? (host_.scoringPeriod.StartsInJanuary() ? 1 : 0)
                                       : ParseLeadingInt(mode);
    {
        // Everything a window started below reads is in place before it starts.
        MutexLock lock(&mu_);
        run_.periodYear = a.periodStart.Format("%Y");
        run_.periodEndFileDate = a.periodEnd.Format("%d_%m_%Y");
        if (UsesRussianTexts(a.ownCountry)) run_.altLanguage = 1;
        ResetStore(&store_);
        run_.cwContest = cwContest;
    }

    host_.reportMode = a.reportMode;
    if (host_.reportMode) {
        // A cancelled header dialog abandons the export.
        if (!cabrilloExport_.beginExport(a.ownCall, a.periodStart, a.periodEnd, settings,
                                         CwContest())) {
            host_.reportMode = 0;
        }
        settings.WriteText("Start", "1");
    }

    // The toggle alternates: a reset that starts the window leaves "1", so
    // the next reset only clears it; a report-mode reset set it above and
    // so never starts the window.
    host_.startToggle = settings.ReadInt("Start");
    if (host_.startToggle) {
        settings.WriteText("Start", "0");
    } else if (!MainWindowExists()) {
        StartWindowThread(WindowData());
        settings.WriteText("Start", "1");
    }

    std::string path;
    {
        MutexLock lock(&mu_);
        path = ResetReportName(run_.periodEndFileDate);
        run_.badQsoPath = path;
    }
    CreateReport(path, ResetReportHeader(CwContest() != 0));
}

int ContestModule::Add(const QsoInput& qso) {
    MutexLock lock(&mu_);
    return AddQso(qso, CurrentRun(), &store_);
}

void ContestModule::Remove(const QsoInput& qso) {
    MutexLock lock(&mu_);
    RemoveQso(qso, CurrentRun(), &store_);
}

int ContestModule::Check(const CallEntry& entry, std::string* hint, bool* hintSet) {
    if (MainWindowExists() && refreshArmed_.exchange(0)) PostCallInfoRefresh();
    MutexLock lock(&mu_);
    return CheckCall(entry, store_.log, host_.hostVersion, run_.cwContest, hint, hintSet);
}

const std::string& ContestModule::Results() {
    resultText_.clear();
    SummaryInput input;
    input.ownCall = host_.ownCall;
    input.ownCountry = host_.ownCountry;
    input.ownContinent = host_.ownContinent;
    input.periodStartDayMonth = host_.periodStartDayMonth;
    input.periodEndDate = host_.periodEndDate;
    input.html = host_.versionAnnounced != 0;
    input.reportMode = host_.reportMode != 0;
    {
        MutexLock lock(&mu_);
        input.cwContest = run_.cwContest;
        input.badQsoPath = run_.badQsoPath;
    }
    // The report is read outside the lock. Should the UI thread's mode
    // switch name another report meanwhile, ComputeSummary counts that one
    // under the lock.
    const int badQsos = CountBadQsoLines(input.badQsoPath);
    int cwContest;
    {
        MutexLock lock(&mu_);
        if (run_.badQsoPath == input.badQsoPath) input.badQsos = badQsos;
        input.badQsoPath = run_.badQsoPath;
        Summary summary = ComputeSummary(input, &store_);
        resultText_.swap(summary.text);
        host_.claimedScore = summary.score;
        if (host_.reportMode) AddCabrilloLines();
        cwContest = run_.cwContest;
    }
    ModuleSettings().WriteText("Claimed", std::to_string(host_.claimedScore));
    if (host_.reportMode) {
        const std::string message =
            cabrilloExport_.writeFile(cwContest, host_.claimedScore, host_.hostVersion);
        ShowInfoMessageBox(message.c_str(), "Output");
    }
    return resultText_;
}

void ContestModule::AddCabrilloLines() {
    for (const CInfo& r : store_.log) {
        const char* modeText = r.mode == "CW" ? "CW" : r.mode == "SSB" ? "PH" : "??";
        cabrilloExport_.addQsoLine(r.call, static_cast<int>(r.freqKHz), modeText, r.time,
                                   r.rstSent, r.exchSent, r.rstRcvd, r.exchRcvd, run_.cwContest);
    }
}

ModuleData ContestModule::WindowData() {
    ModuleData data;
    data.lock = &mu_;
    data.store = &store_;
    data.run = &run_;
    data.refreshArmed = &refreshArmed_;
    return data;
}

ContestStore ContestModule::Store() const {
    MutexLock lock(&mu_);
    return store_;
}

RunState ContestModule::Run() const {
    MutexLock lock(&mu_);
    return run_;
}

std::size_t ContestModule::LogSize() const {
    MutexLock lock(&mu_);
    return store_.log.size();
}

int ContestModule::CwContest() const {
    MutexLock lock(&mu_);
    return run_.cwContest;
}

RunContext ContestModule::CurrentRun() const {
    RunContext run;
    run.cwContest = run_.cwContest;
    run.badQsoPath = run_.badQsoPath;
    run.period = host_.scoringPeriod;
    return run;
}
