#include "interface/reset_stats.h"

#include "interface/host_version.h"
#include "interface/module_state.h"
#include "platform/settings.h"
#include "platform/text_util.h"
#include "scoring/bad_qso_report.h"
#include "scoring/contest_rules.h"
#include "scoring/log_ops.h"
#include "windows/window_thread.h"

void ResetStats(const ResetArgs& a) {
    const Settings settings = ModuleSettings();
    g_periodStartDayMonth = a.periodStart.Format("%d.%m");
    g_periodEndDate = a.periodEnd.Format("%d.%m.%Y");
    g_scoringPeriod = ScoringPeriod(a.periodStart, a.periodEnd);
    g_hostVersion = LookUpHostVersion(a.pathPrefix, g_hostVersion);

    g_ownCountry = a.ownCountry;
    g_ownContinent = a.ownContinent;
    g_ownCall = a.ownCall;
    {
        // Everything a window started below reads is in place before it starts.
        std::lock_guard<std::mutex> lock(g_storeLock);
        g_periodYear = a.periodStart.Format("%Y");
        g_periodEndFileDate = a.periodEnd.Format("%d_%m_%Y");
        if (UsesRussianTexts(a.ownCountry)) g_altLanguage = 1;
        ResetStore(&g_store);
    }
    // The contest window writes the weekend there. Before the operator has
    // chosen one (a first start: no key, or the empty text the window copies
    // from its unchecked boxes) the period tells: January is the CW weekend.
    const std::string mode = settings.ReadText("Mode");
    g_cwContest = mode.empty() ? (g_scoringPeriod.StartsInJanuary() ? 1 : 0)
                               : ParseLeadingInt(mode);

    g_reportMode = a.reportMode;
    if (g_reportMode) {
        // A cancelled header dialog abandons the export.
        if (!g_cabrilloExport.beginExport(a.ownCall, a.periodStart, a.periodEnd, settings,
                                          g_cwContest)) {
            g_reportMode = 0;
        }
        settings.WriteText("Start", "1");
    }

    // The toggle alternates: a reset that starts the window leaves "1", so
    // the next reset only clears it; a report-mode reset set it above and
    // so never starts the window.
    g_startToggle = settings.ReadInt("Start");
    if (g_startToggle) {
        settings.WriteText("Start", "0");
    } else if (!MainWindowExists()) {
        StartWindowThread(ModuleData{&g_storeLock, &g_store, &g_run, &g_refreshArmed});
        settings.WriteText("Start", "1");
    }

    std::string path;
    {
        std::lock_guard<std::mutex> lock(g_storeLock);
        path = ResetReportName(g_periodEndFileDate);
        g_badQsoPath = path;
    }
    CreateReport(path, ResetReportHeader(g_cwContest != 0));
}
