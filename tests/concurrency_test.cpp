// The host thread and the UI thread at the same time: the host thread runs
// the exports that change the log (reset, add, remove, results with their
// settings write) while the other thread reads the store, the per-band
// tables and the report name under g_storeLock, as the window update does,
// and writes its window keys to the settings. Run under ThreadSanitizer
// (the tsan preset) every unguarded access between the two is a failure;
// elsewhere the test checks that neither thread's settings keys are lost.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <atomic>
#include <mutex>
#include <thread>

#include "interface/exports.h"
#include "interface/module_state.h"
#include "platform/settings.h"
#include "test_util.h"
#include "window_fakes.h"
#include "windows/main_window.h"

namespace {

int Add(Text call, Text country, Text exch, COleDateTime* time) {
    return AddData0("DL1ABC", call, time, nullptr, nullptr, nullptr, 0, 1822000, "CW", "599",
                    "599", "14", exch, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr,
                    nullptr, nullptr, country, country, 0, 0, 0, 0.0, 0.0, nullptr, "NA",
                    nullptr, "160m", nullptr);
}

int Remove(Text call, Text country, Text exch, COleDateTime* time) {
    return RemoveData0("DL1ABC", call, time, nullptr, nullptr, nullptr, 0, 1822000, "CW", "599",
                       "599", "14", exch, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr,
                       nullptr, nullptr, country, country, 0, 0, 0, 0.0, 0.0, nullptr, "NA",
                       nullptr, "160m", nullptr);
}

// The host's side of a contest: rounds of a reset and 40 QSOs, some of them
// removed again, with the results asked for after every tenth. Returns how
// many results requests gave a text.
int PlayHostRounds(int rounds, Text ownCountry) {
    static const char* const calls[] = {"K1AB", "UA9AAA", "K1ABC", "VE3XY", "OK1AA"};
    static const char* const countries[] = {"K", "UA9", "K", "VE", "OK"};
    static const char* const exchanges[] = {"MA", "17", "CT", "ON", "15"};
    COleDateTime start(46416.0 + 22.0 / 24), end(46418.0 + 22.0 / 24);
    int results = 0;
    for (int round = 0; round < rounds; ++round) {
        ResetStats0(nullptr, 0, "DL1ABC", &start, &end, nullptr, nullptr, nullptr, nullptr,
                    nullptr, nullptr, nullptr, nullptr, nullptr, ownCountry, 0, 0, 0, 0.0, 0.0,
                    nullptr, "EU", nullptr);
        for (int i = 0; i < 40; ++i) {
            COleDateTime at(46417.0 + i / 1440.0);
            const int k = i % 5;
            Add(calls[k], countries[k], exchanges[k], &at);
            if (i % 7 == 3) Remove(calls[k], countries[k], exchanges[k], &at);
            if (i % 10 == 9) {
                int out = 0;
                if (GetResult0(&out) != nullptr) ++results;
            }
        }
    }
    return results;
}

}  // namespace

TEST(Concurrency, HostThreadExportsAgainstLockedReadsAndWindowKeys) {
    ScopedTempCwd dir;
    mkdir("Plugins", 0777);
    ModuleSettings().WriteText("Mode", "1");
    std::atomic<bool> done{false};
    std::atomic<int> uiWrites{0};

    std::thread ui([&] {
        const Settings settings = ModuleSettings();
        std::size_t seen = 0;
        while (!done.load()) {
            {
                std::lock_guard<std::mutex> lock(g_storeLock);
                for (const CInfo& r : g_log) seen += r.call.size() + r.dupeFlag;
                for (const std::string& c : g_bandCountries[0]) seen += c.size();
                for (const std::string& s : g_bandStateProvs[0]) seen += s.size();
                for (const std::string& f : g_prevQsoRows[0]) seen += f.size();
                seen += g_bandsWorked.size() + g_bandZones[0].size() + g_badQsoPath.size();
            }
            seen += static_cast<std::size_t>(g_cwContest.load());
            const int n = uiWrites.fetch_add(1) + 1;
            settings.WriteInt("dxcc_x", n);
            seen += static_cast<std::size_t>(settings.ReadInt("Mode"));
        }
        EXPECT_GT(seen, 0u);
    });

    const int results = PlayHostRounds(6, "DL");
    // Let the other thread run on for a while after the last host call.
    while (uiWrites.load() < 50) std::this_thread::yield();
    done.store(true);
    ui.join();

    const Settings settings = ModuleSettings();
    EXPECT_EQ(settings.ReadInt("dxcc_x"), uiWrites.load());
    EXPECT_NE(settings.ReadText("Claimed"), "");
    EXPECT_EQ(settings.ReadInt("Mode"), 1);
    EXPECT_EQ(results, 24);
}

// The real window logic on the second thread: the call-information update
// (reads of the log, the band lists and the run state, writes of the
// previous-QSO row) and the weekend switch (the report name) against the
// host thread's exports.
TEST(Concurrency, WindowUpdatesAgainstTheHostThread) {
    ScopedTempCwd dir;
    mkdir("Plugins", 0777);
    ModuleSettings().WriteText("setup_view_zone", "1");
    ModuleSettings().WriteText("setup_view_multiplier_extended", "1");
    std::atomic<bool> done{false};
    std::atomic<int> updates{0};
    COleDateTime start(46416.0 + 22.0 / 24), end(46418.0 + 22.0 / 24);
    ResetStats0(nullptr, 0, "DL1ABC", &start, &end, nullptr, nullptr, nullptr, nullptr, nullptr,
                nullptr, nullptr, nullptr, nullptr, "DL", 0, 0, 0, 0.0, 0.0, nullptr, "EU",
                nullptr);

    std::thread ui([&] {
        Events events;
        WindowState state;
        const Settings settings = ModuleSettings();
        FakeLayer layer(&events, settings, &state);
        FakeHost host(&events);
        FakeWindow window(WindowKind::kMain, &events);
        SetupCqWw main(window, layer, host, settings,
                       ModuleData{&g_storeLock, &g_store, &g_run, &g_refreshArmed}, state);
        main.OnInitDialog();
        for (int i = 0; !done.load(); ++i) {
            host.call = i % 3 == 0 ? "" : "K1AB";
            main.OnCallInfo();
            if (i % 50 == 25) main.OnModeSsb();
            if (i % 50 == 0) main.OnModeCw();
            events.clear();
            updates.fetch_add(1);
        }
        main.CloseChildren();
    });

    PlayHostRounds(4, "UA");
    while (updates.load() < 100) std::this_thread::yield();
    done.store(true);
    ui.join();
    EXPECT_GE(updates.load(), 100);
}
