// Export shims: normalise the host's arguments, run the core under a
// catch-all, return the specified value. The module lock is taken here
// around every access to the log store.
#include "interface/exports.h"

#include <algorithm>
#include <mutex>

#include "interface/module_state.h"
#include "interface/reset_stats.h"
#include "platform/message_box.h"
#include "platform/settings.h"
#include "platform/text_util.h"
#include "scoring/bad_qso_report.h"
#include "scoring/call_check.h"
#include "scoring/log_ops.h"
#include "scoring/results_summary.h"
#include "windows/window_thread.h"

namespace {

COleDateTime DateArg(const COleDateTime* date) {
    // A missing date is a date without value (null status).
    return date ? *date : COleDateTime(0.0, COleDateTime::null);
}

QsoInput QsoArgs(Text ownCall, Text call, const COleDateTime* time, unsigned freqHz, Text mode,
                 Text rstSent, Text rstRcvd, Text exchSent, Text exchRcvd, Text detailedPrefix,
                 Text countryPrefix, Text continent, Text band) {
    QsoInput q;
    q.ownCall = TextArg(ownCall);
    q.call = TextArg(call);
    q.time = DateArg(time);
    q.freqHz = freqHz;
    q.mode = TextArg(mode);
    q.rstSent = TextArg(rstSent);
    q.rstRcvd = TextArg(rstRcvd);
    q.exchSent = TextArg(exchSent);
    q.exchRcvd = TextArg(exchRcvd);
    q.detailedPrefix = TextArg(detailedPrefix);
    q.countryPrefix = TextArg(countryPrefix);
    q.continent = TextArg(continent);
    q.band = TextArg(band);
    return q;
}

RunContext CurrentRun() {
    RunContext run;
    run.cwContest = g_cwContest;
    run.badQsoPath = g_badQsoPath;
    run.period = g_scoringPeriod;
    return run;
}

std::string g_resultText;  // owned by GetResult0, valid until its next call

}  // namespace

extern "C" {

unsigned long STATS_API setVersion(Text) {
    g_versionAnnounced = 1;
    return 0;
}

int STATS_API GetNumberOfSets() { return 1; }

int STATS_API GetExchgCount0(Text, Text, Text) { return GetNumberOfSets(); }

Text STATS_API GetSetName(int) { return "CQ WW 160M CW/SSB (C)"; }

void STATS_API SetupSet0() {
    try {
        ShowMessageBox("No additional setup for this contest", nullptr);
    } catch (...) {
    }
}

int STATS_API CheckCall0(Text call, unsigned, unsigned, Text mode, Text, Text, Text, Text, Text,
                         Text, Text, Text, Text, Text countryPrefix, int zone, int, int, double,
                         double, Text, Text continent, Text, Text, Text, Text band, Text band2,
                         char* exchangeHint, char*) {
    try {
        if (MainWindowExists() && g_refreshArmed.exchange(0)) PostCallInfoRefresh();
        CallEntry entry;
        entry.call = TextArg(call);
        entry.mode = TextArg(mode);
        entry.countryPrefix = TextArg(countryPrefix);
        entry.zone = zone;
        entry.continent = TextArg(continent);
        entry.band = TextArg(band);
        entry.band2 = TextArg(band2);
        std::string hint;
        bool hintSet = false;
        int verdict;
        {
            std::lock_guard<std::mutex> lock(g_storeLock);
            verdict = CheckCall(entry, g_log, g_hostVersion, g_cwContest, &hint, &hintSet);
        }
        if (hintSet && exchangeHint) {
            // The host's buffer holds 100 bytes; the hint is at most 12.
            hint.resize(std::min<std::size_t>(hint.size(), 99));
            std::copy(hint.begin(), hint.end(), exchangeHint);
            exchangeHint[hint.size()] = '\0';
        }
        return verdict;
    } catch (...) {
        return kNotNewMultiplier;
    }
}

int STATS_API IsValidExchg0(Text exchange, Text, Text countryPrefix, Text, int, int,
                            int exchangeIndex) {
    try {
        return IsValidExchange(TextArg(exchange), TextArg(countryPrefix), exchangeIndex);
    } catch (...) {
        return 0;
    }
}

int STATS_API AddData0(Text ownCall, Text call, COleDateTime* time, COleDateTime*, COleDateTime*,
                       COleDateTime*, unsigned, unsigned freqHz, Text mode, Text rstSent,
                       Text rstRcvd, Text exchSent, Text exchRcvd, Text, Text, Text, Text, Text,
                       Text, Text, Text, Text detailedPrefix, Text countryPrefix, int, int, int,
                       double, double, Text, Text continent, Text, Text band, Text) {
    try {
        const QsoInput qso = QsoArgs(ownCall, call, time, freqHz, mode, rstSent, rstRcvd,
                                     exchSent, exchRcvd, detailedPrefix, countryPrefix,
                                     continent, band);
        std::lock_guard<std::mutex> lock(g_storeLock);
        return AddQso(qso, CurrentRun(), &g_store);
    } catch (...) {
        return 0;
    }
}

int STATS_API RemoveData0(Text ownCall, Text call, COleDateTime* time, COleDateTime*,
                          COleDateTime*, COleDateTime*, unsigned, unsigned freqHz, Text mode,
                          Text rstSent, Text rstRcvd, Text exchSent, Text exchRcvd, Text, Text,
                          Text, Text, Text, Text, Text, Text, Text detailedPrefix,
                          Text countryPrefix, int, int, int, double, double, Text,
                          Text continent, Text, Text band, Text) {
    try {
        const QsoInput qso = QsoArgs(ownCall, call, time, freqHz, mode, rstSent, rstRcvd,
                                     exchSent, exchRcvd, detailedPrefix, countryPrefix,
                                     continent, band);
        std::lock_guard<std::mutex> lock(g_storeLock);
        RemoveQso(qso, CurrentRun(), &g_store);
    } catch (...) {
    }
    return 1;
}

int STATS_API ResetStats0(Text hostPathPrefix, int reportRequest, Text ownCall,
                          COleDateTime* periodStart, COleDateTime* periodEnd, Text, Text, Text,
                          Text, Text, Text, Text, Text, Text, Text ownCountry, int, int, int,
                          double, double, Text, Text ownContinent, Text) {
    try {
        ResetArgs args;
        args.pathPrefix = TextArg(hostPathPrefix);
        args.reportMode = reportRequest;
        args.ownCall = TextArg(ownCall);
        args.periodStart = DateArg(periodStart);
        args.periodEnd = DateArg(periodEnd);
        args.ownCountry = TextArg(ownCountry);
        args.ownContinent = TextArg(ownContinent);
        ResetStats(args);
    } catch (...) {
    }
    return 1;
}

Text STATS_API GetResult0(int* out) {
    if (out) *out = -1;
    try {
        g_resultText.clear();
        SummaryInput input;
        input.ownCall = g_ownCall;
        input.ownCountry = g_ownCountry;
        input.ownContinent = g_ownContinent;
        input.periodStartDayMonth = g_periodStartDayMonth;
        input.periodEndDate = g_periodEndDate;
        input.cwContest = g_cwContest;
        input.html = g_versionAnnounced != 0;
        input.reportMode = g_reportMode != 0;
        {
            // The report is read outside the lock. Should the UI thread's
            // mode switch name another report meanwhile, ComputeSummary
            // counts that one under the lock.
            std::lock_guard<std::mutex> lock(g_storeLock);
            input.badQsoPath = g_badQsoPath;
        }
        const int badQsos = CountBadQsoLines(input.badQsoPath);
        {
            std::lock_guard<std::mutex> lock(g_storeLock);
            if (g_badQsoPath == input.badQsoPath) input.badQsos = badQsos;
            input.badQsoPath = g_badQsoPath;
            Summary summary = ComputeSummary(input, &g_store);
            g_resultText.swap(summary.text);
            g_claimedScore = summary.score;
            // Every record is exported, scoring or not.
            if (g_reportMode) {
                for (const CInfo& r : g_log) {
                    const char* modeText = r.mode == "CW" ? "CW" : r.mode == "SSB" ? "PH" : "??";
                    g_cabrilloExport.addQsoLine(r.call, static_cast<int>(r.freqKHz), modeText,
                                                r.time, r.rstSent, r.exchSent, r.rstRcvd,
                                                r.exchRcvd, g_cwContest);
                }
            }
        }
        ModuleSettings().WriteText("Claimed", std::to_string(g_claimedScore));
        if (g_reportMode) {
            const std::string message =
                g_cabrilloExport.writeFile(g_cwContest, g_claimedScore, g_hostVersion);
            ShowInfoMessageBox(message.c_str(), "Output");
        }
    } catch (...) {
    }
    if (out) *out = -1;
    return g_resultText.c_str();
}

}  // extern "C"
