// The host thread and the UI thread at the same time, on a module of the
// test's own: the host thread does what the exports do (reset, add, remove,
// results with their settings write) while the other thread runs the real
// window logic or reads the store under the module lock, as the window
// update does. Under ThreadSanitizer (the tsan preset) every unguarded
// access between the two is a failure. Without it the tests still fail
// when the lock does not hold: the UI thread checks that every state it
// sees is one the host thread left whole, the host thread's results and
// report must be those of the same calls without a second thread, and no
// settings key of either thread may be lost.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <atomic>
#include <functional>
#include <thread>

#include "interface/contest_module.h"
#include "platform/settings.h"
#include "scoring/bad_qso_report.h"
#include "test_util.h"
#include "window_fakes.h"
#include "windows/main_window.h"

namespace {

QsoInput Qso(const char* call, const char* country, const char* exch, double when) {
    QsoInput q;
    q.ownCall = "DL1ABC";
    q.call = call;
    q.time = COleDateTime(when);
    q.freqHz = 1822000;
    q.mode = "CW";
    q.rstSent = "599";
    q.rstRcvd = "599";
    q.exchSent = "14";
    q.exchRcvd = exch;
    q.detailedPrefix = country;
    q.countryPrefix = country;
    q.continent = "NA";
    q.band = "160m";
    return q;
}

ResetArgs RunOf(const char* ownCountry) {
    ResetArgs args;
    args.ownCall = "DL1ABC";
    args.periodStart = COleDateTime(46416.0 + 22.0 / 24);
    args.periodEnd = COleDateTime(46418.0 + 22.0 / 24);
    args.ownCountry = ownCountry;
    args.ownContinent = "EU";
    return args;
}

// The host's side of a contest: rounds of a reset and 40 QSOs, some of them
// removed again, with the results asked for after every tenth. Returns the
// last results text.
std::string PlayHostRounds(ContestModule* module, int rounds, const char* ownCountry) {
    static const char* const calls[] = {"K1AB", "UA9AAA", "K1ABC", "VE3XY", "OK1AA"};
    static const char* const countries[] = {"K", "UA9", "K", "VE", "OK"};
    static const char* const exchanges[] = {"MA", "17", "CT", "ON", "15"};
    std::string results;
    for (int round = 0; round < rounds; ++round) {
        module->Reset(RunOf(ownCountry));
        for (int i = 0; i < 40; ++i) {
            const int k = i % 5;
            const QsoInput q = Qso(calls[k], countries[k], exchanges[k], 46417.0 + i / 1440.0);
            module->Add(q);
            if (i % 7 == 3) module->Remove(q);
            if (i % 10 == 9) results = module->Results();
        }
    }
    return results;
}

// What must hold in every state the host thread leaves between two calls:
// the log's lookups agree with its records, and the worked bands are empty
// exactly when the log is. Empty when it holds.
std::string BrokenInvariant(const ContestStore& store) {
    const LogStore& log = store.log;
    for (std::size_t i = 0; i < log.size(); ++i) {
        const CInfo& r = log[i];
        if (!log.HasCallOnBand(r.call, r.band) || log.FindLast(r.call, r.band) < i ||
            !log.HasCountryOnBand(r.band, r.country)) {
            return "record " + std::to_string(i) + " (" + r.call + ") not in the lookups";
        }
    }
    if (log.empty() != store.bandsWorked.empty()) return "worked bands out of step with the log";
    return "";
}

}  // namespace

TEST(Concurrency, LockedReadsSeeOnlyWholeStatesAndNoSettingsKeyIsLost) {
    ScopedTempCwd dir;
    mkdir("Plugins", 0777);
    ModuleSettings().WriteText("Mode", "1");
    ContestModule module;
    const ModuleData data = module.WindowData();
    std::atomic<bool> done{false};
    std::atomic<int> uiWrites{0};
    std::string broken;

    std::thread ui([&] {
        const Settings settings = ModuleSettings();
        std::size_t seen = 0;
        while (!done.load()) {
            {
                MutexLock lock(data.lock);
                const ContestStore& store = *data.store;
                if (broken.empty()) broken = BrokenInvariant(store);
                seen += store.log.size() + store.bandCountries[0].size() +
                        store.bandStateProvs[0].size() + store.prevQsoRows[0].size() +
                        store.bandZones[0].size() + data.run->badQsoPath.size() +
                        static_cast<std::size_t>(data.run->cwContest);
            }
            const int n = uiWrites.fetch_add(1) + 1;
            settings.WriteInt("dxcc_x", n);
            seen += static_cast<std::size_t>(settings.ReadInt("Mode"));
        }
        EXPECT_GT(seen, 0u);
    });

    const std::string results = PlayHostRounds(&module, 6, "DL");
    // Let the other thread run on for a while after the last host call.
    while (uiWrites.load() < 50) std::this_thread::yield();
    done.store(true);
    ui.join();

    EXPECT_EQ(broken, "");
    const Settings settings = ModuleSettings();
    EXPECT_EQ(settings.ReadInt("dxcc_x"), uiWrites.load());
    EXPECT_EQ(settings.ReadText("Claimed"), std::to_string(module.Host().claimedScore));
    EXPECT_EQ(settings.ReadInt("Mode"), 1);
    // The same calls on a module alone give the same results.
    ContestModule alone;
    EXPECT_EQ(results, PlayHostRounds(&alone, 1, "DL"));
}

// Runs the main window's logic on a second thread, one `step` after
// another, while `host` plays the host thread; the window goes on until the
// host is done and it has made at least `minSteps` steps.
static void RunMainWindowAgainst(ContestModule* module, int minSteps, const std::function<void()>& host,
                          const std::function<void(SetupCqWw&, FakeHost&, int)>& step) {
    std::atomic<bool> done{false};
    std::atomic<int> steps{0};
    std::thread ui([&] {
        Events events;
        WindowState state;
        const Settings settings = ModuleSettings();
        FakeLayer layer(&events, settings, &state);
        FakeHost fakeHost(&events);
        FakeWindow window(WindowKind::kMain, &events);
        SetupCqWw main(window, layer, fakeHost, settings, module->WindowData(), state);
        main.OnInitDialog();
        for (int i = 0; !done.load(); ++i) {
            step(main, fakeHost, i);
            events.clear();
            steps.fetch_add(1);
        }
        main.CloseChildren();
    });
    host();
    while (steps.load() < minSteps) std::this_thread::yield();
    done.store(true);
    ui.join();
}

// The real call-information update on the second thread (reads of the log,
// the band lists and the run state, writes of the previous-QSO row) against
// the host thread: the host's results and report come out as without it.
TEST(Concurrency, WindowUpdatesLeaveTheHostsResultsAndReportAsWithoutThem) {
    ScopedTempCwd dir;
    mkdir("Plugins", 0777);
    ModuleSettings().WriteText("Mode", "1");
    ModuleSettings().WriteText("setup_mode_cw", "1");
    ModuleSettings().WriteText("setup_view_zone", "1");
    ModuleSettings().WriteText("setup_view_multiplier_extended", "1");
    ContestModule alone;
    const std::string expected = PlayHostRounds(&alone, 1, "UA");
    const std::string expectedReport = ReadAll(alone.Run().badQsoPath);
    ASSERT_NE(expectedReport.find("DUPE"), std::string::npos);

    ContestModule module;
    module.Reset(RunOf("UA"));
    std::string results;
    RunMainWindowAgainst(&module, 100, [&] { results = PlayHostRounds(&module, 4, "UA"); },
                         [](SetupCqWw& main, FakeHost& host, int i) {
                             host.call = i % 3 == 0 ? "" : "K1AB";
                             main.OnCallInfo();
                         });
    EXPECT_EQ(results, expected);
    EXPECT_EQ(ReadAll(module.Run().badQsoPath), expectedReport);
}

// The weekend switch of the main window (a new report, under the lock)
// against the host thread: every report file is whole, its header first.
TEST(Concurrency, WeekendSwitchesAgainstTheHostThreadLeaveWholeReports) {
    ScopedTempCwd dir;
    mkdir("Plugins", 0777);
    ContestModule module;
    module.Reset(RunOf("DL"));
    RunMainWindowAgainst(&module, 20, [&] { PlayHostRounds(&module, 4, "DL"); },
                         [](SetupCqWw& main, FakeHost&, int i) {
                             if (i % 2) {
                                 main.OnModeSsb();
                             } else {
                                 main.OnModeCw();
                             }
                         });

    const RunState run = module.Run();
    for (const std::string& name : {CwSwitchReportName(run.periodEndFileDate),
                                    SsbSwitchReportName(run.periodEndFileDate)}) {
        SCOPED_TRACE(name);
        const std::string report = ReadAll(name);
        ASSERT_NE(report.find("UBN file \r\n"), std::string::npos);
        std::size_t at = report.find("\r\n") + 2;
        EXPECT_EQ(report.find("UBN file"), report.find("UBN file \r\n"));  // first line
        for (std::size_t end; at < report.size(); at = end + 2) {
            end = report.find("\r\n", at);
            ASSERT_NE(end, std::string::npos);
            EXPECT_EQ(report.compare(at, 5, "QSO: "), 0) << report.substr(at, end - at);
        }
    }
}
