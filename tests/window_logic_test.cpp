// The main window's decisions and the call-information update, driven with
// a fake host link, a fake window layer and the real settings file in a
// temporary folder.
#include <sys/stat.h>

#include <algorithm>
#include <atomic>
#include <memory>
#include <mutex>

#include <gtest/gtest.h>

#include "platform/settings.h"
#include "resources/resource.h"
#include "scoring/log_ops.h"
#include "test_util.h"
#include "windows/entity_pages.h"
#include "windows/main_window.h"
#include "windows/placement.h"
#include "window_fakes.h"

namespace {

class MainWindowTest : public ::testing::Test {
protected:
    MainWindowTest() {
        mkdir("Plugins", 0777);
        run_.periodYear = "2027";
        run_.periodEndFileDate = "31_01_2027";
        ResetStore(&store_);
    }

    SetupCqWw& Start() {
        window_ = std::make_unique<FakeWindow>(WindowKind::kMain, &events_);
        main_ = std::make_unique<SetupCqWw>(*window_, layer_, host_, settings_, data_, state_);
        main_->OnInitDialog();
        writes_.clear();
        return *main_;
    }
    FakeWindow* Child(WindowKind kind) { return static_cast<FakeWindow*>(state_.Child(kind)); }
    void Log(const std::string& call, const std::string& country, int zone,
             const std::string& stateProv, const std::string& time) {
        CInfo r;
        r.call = call;
        r.country = country;
        r.zone = zone;
        r.stateProv = stateProv;
        r.band = "160m";
        r.mode = "CW";
        int h = std::stoi(time.substr(0, 2)), m = std::stoi(time.substr(3, 2));
        r.time = COleDateTime(46417.0 + (h * 60 + m) / 1440.0);
        store_.log.push_back(r);
    }
    bool Count(const std::string& event) {
        return std::count(events_.begin(), events_.end(), event);
    }

    ScopedTempCwd dir_;
    Events events_;
    Events writes_;
    std::mutex lock_;
    ContestStore store_;
    RunState run_;
    std::atomic<int> armed_{0};
    ModuleData data_{&lock_, &store_, &run_, &armed_};
    WindowState state_;
    RecordingSettings settings_{&writes_};
    FakeLayer layer_{&events_, settings_, &state_};
    FakeHost host_{&events_};
    std::unique_ptr<FakeWindow> window_;
    std::unique_ptr<SetupCqWw> main_;
};

TEST_F(MainWindowTest, FirstStartWithoutSettingsOpensAtDefaultInSsb) {
    window_ = std::make_unique<FakeWindow>(WindowKind::kMain, &events_);
    SetupCqWw main(*window_, layer_, host_, settings_, data_, state_);
    main.OnInitDialog();
    EXPECT_EQ(writes_, (Events{"Mode="}));
    EXPECT_EQ(ReadAll("Plugins/CQ-WW-160-CW-SSB.ini"), "[Settings]\r\nMode=\r\n");
    EXPECT_EQ(events_, (Events{"main caption Setup CQ-WW-160M-SSB-2027", "main move 10,400",
                               "main topmost", "macro <MODE:SSB>", "post"}));
    EXPECT_EQ(window_->items[IDC_SETUP_VIEW_LABEL], "View");
    EXPECT_EQ(window_->items[IDC_SETUP_MODE_LABEL], "Mode");
    EXPECT_TRUE(window_->closeDisabled);
    EXPECT_EQ(window_->checks.size(), 8u);
    for (const auto& box : window_->checks) EXPECT_FALSE(box.second) << box.first;
    EXPECT_EQ(state_.bandNames, (StringArray{"160m", "80m", "40m", "20m", "15m", "10m"}));
    EXPECT_EQ(armed_, 0);  // the first update's post leaves the flag alone

    // Without a host object the update opens nothing and only re-arms.
    host_.present = false;
    SetupCqWw detached(*window_, layer_, host_, settings_, data_, state_);
    settings_.WriteText("setup_view_multiplier", "1");
    detached.OnInitDialog();
    detached.OnCallInfo();
    EXPECT_EQ(armed_, 1);
    EXPECT_EQ(Count("open multiplier"), 0);
}

TEST_F(MainWindowTest, CwStartSendsModeAndBaudRateAndCopiesTheModeKey) {
    WriteAll("Plugins/CQ-WW-160-CW-SSB.ini",
             "[Settings]\r\nsetup_mode_cw=1\r\nsetup_cq_ww_x=abc\r\nsetup_cq_ww_y=-20\r\n"
             "setup_window_on_top=1\r\n");
    window_ = std::make_unique<FakeWindow>(WindowKind::kMain, &events_);
    SetupCqWw main(*window_, layer_, host_, settings_, data_, state_);
    main.OnInitDialog();
    EXPECT_EQ(writes_, (Events{"Mode=1"}));
    EXPECT_EQ(host_.macros, (Events{"<MODE:CW>", "<BAUDRATE:27>"}));
    EXPECT_TRUE(Count("main move 10,-20"));
    EXPECT_TRUE(window_->checks[IDC_SETUP_CW]);
    EXPECT_TRUE(window_->checks[IDC_SETUP_ON_TOP]);
    EXPECT_EQ(state_.windowOnTop, 1);
    EXPECT_EQ(window_->caption, "Setup CQ-WW-160M-CW-2027");
}

TEST_F(MainWindowTest, ModeSwitchesWriteKeysSendMacroAndStartAFreshReport) {
    settings_.WriteText("setup_mode_cw", "1");
    SetupCqWw& main = Start();
    host_.macros.clear();

    // A click on the checked CW box clears it; the window checks it again.
    window_->checks[IDC_SETUP_CW] = false;
    main.OnModeCw();
    EXPECT_TRUE(window_->checks[IDC_SETUP_CW]);
    EXPECT_TRUE(writes_.empty());
    EXPECT_TRUE(host_.macros.empty());

    WriteAll("BadQSO_StatsCQWWCWSSB__31_01_2027.txt", "old lines\r\n");
    run_.cwContest = 1;
    main.OnModeSsb();
    EXPECT_EQ(writes_, (Events{"setup_mode_ssb=1", "Mode=0", "setup_mode_cw=0"}));
    EXPECT_EQ(host_.macros, (Events{"<MODE:SSB>"}));
    EXPECT_EQ(run_.cwContest, 0);
    EXPECT_EQ(run_.badQsoPath, "BadQSO_StatsCQWWCWSSB__31_01_2027.txt");
    EXPECT_EQ(ReadAll(run_.badQsoPath), "CQ WW SSB DX Contest UBN file \r\n");
    EXPECT_TRUE(window_->checks[IDC_SETUP_SSB]);
    EXPECT_FALSE(window_->checks[IDC_SETUP_CW]);
    EXPECT_EQ(window_->caption, "Setup CQ-WW-160M-SSB-2027");

    writes_.clear();
    main.OnModeCw();
    EXPECT_EQ(writes_, (Events{"setup_mode_cw=1", "Mode=1", "setup_mode_ssb=0"}));
    EXPECT_EQ(host_.macros.back(), "<MODE:CW>");  // no baud rate after the start
    EXPECT_EQ(run_.cwContest, 1);
    EXPECT_EQ(ReadAll("BadQSO_StatsCQWW160MCWSSB_31_01_2027.txt"),
              "CQ WW 160M CW DX Contest UBN file \r\n");
}

TEST_F(MainWindowTest, RussianTextsForAltLanguage) {
    run_.altLanguage = 1;
    Start();
    EXPECT_EQ(window_->caption, "\xD3\xF1\xF2\xE0\xED\xEE\xE2\xEA\xE8 CQ-WW-160M-SSB-2027");
    EXPECT_EQ(window_->items[IDC_SETUP_VIEW_LABEL], "\xCE\xF2\xEE\xE1\xF0\xE0\xE6\xE0\xF2\xFC");
    EXPECT_EQ(window_->items[IDC_SETUP_MODE_LABEL],
              "\xC2\xE8\xE4 \xF0\xE0\xE4\xE8\xEE\xF1\xE2\xFF\xE7\xE8");
}

TEST_F(MainWindowTest, ViewToggleOpensThenClosesAndPostsOnlyOnOpen) {
    SetupCqWw& main = Start();
    const int postsBefore = layer_.posts;
    main.OnToggleView(WindowKind::kMultiplier);
    EXPECT_NE(state_.multiplierWindow, nullptr);
    EXPECT_EQ(main.viewMultiplier, 1);
    EXPECT_EQ(armed_, 1);
    EXPECT_EQ(layer_.posts, postsBefore + 1);
    // The child loads its own keys: defaults (10, 400), not topmost.
    EXPECT_FALSE(Child(WindowKind::kMultiplier)->topmost);
    EXPECT_TRUE(Child(WindowKind::kMultiplier)->closeDisabled);
    EXPECT_TRUE(Count("multiplier move 10,400"));

    main.OnToggleView(WindowKind::kMultiplier);
    EXPECT_EQ(state_.multiplierWindow, nullptr);
    EXPECT_EQ(main.viewMultiplier, 0);
    EXPECT_EQ(layer_.posts, postsBefore + 1);
    EXPECT_EQ(writes_, (Events{"setup_view_multiplier=1", "setup_view_multiplier=0"}));
    EXPECT_EQ(Count("close multiplier"), 1);

    // The State/Province window keeps its close box and defaults to y 600.
    main.OnToggleView(WindowKind::kStatProv);
    EXPECT_FALSE(Child(WindowKind::kStatProv)->closeDisabled);
    EXPECT_TRUE(Count("statprov move 10,600"));
}

TEST_F(MainWindowTest, WindowOnTopReopensTheThreeWindowsButNotTheZoneWindow) {
    settings_.WriteText("setup_view_zone", "1");
    settings_.WriteText("setup_view_multiplier", "1");
    settings_.WriteText("setup_view_multiplier_extended", "1");
    SetupCqWw& main = Start();
    main.OnCallInfo();
    main.OnToggleView(WindowKind::kZone);
    ASSERT_TRUE(state_.statProvWindow && state_.multiplierWindow && state_.extMultiplierWindow);
    EXPECT_FALSE(Child(WindowKind::kZone)->topmost);
    FakeWindow* zone = Child(WindowKind::kZone);
    events_.clear();
    writes_.clear();

    main.OnWindowOnTop();
    EXPECT_EQ(events_, (Events{"close ext", "close multiplier", "close statprov", "post"}));
    EXPECT_EQ(writes_, (Events{"setup_window_on_top=1"}));
    EXPECT_EQ(armed_, 1);
    EXPECT_TRUE(window_->checks[IDC_SETUP_ON_TOP]);
    EXPECT_EQ(main.viewMultiplier, 1);  // still wanted

    main.OnCallInfo();
    EXPECT_TRUE(Child(WindowKind::kStatProv)->topmost);
    EXPECT_TRUE(Child(WindowKind::kMultiplier)->topmost);
    EXPECT_TRUE(Child(WindowKind::kMultiplierExt)->topmost);
    EXPECT_EQ(Child(WindowKind::kZone), zone);
    EXPECT_FALSE(zone->topmost);

    main.CloseChildren();
    EXPECT_EQ(std::vector<std::string>(events_.end() - 4, events_.end()),
              (Events{"close ext", "close zone", "close statprov", "close multiplier"}));
    for (WindowKind kind : {WindowKind::kStatProv, WindowKind::kMultiplier,
                            WindowKind::kMultiplierExt, WindowKind::kZone}) {
        EXPECT_EQ(state_.Child(kind), nullptr);
    }
}

TEST_F(MainWindowTest, PositionsAreSavedThroughTheSharedPair) {
    settings_.WriteText("dxcc_x", "300");
    settings_.WriteText("dxcc_y", "500");
    SetupCqWw& main = Start();  // the pair holds (10, 400)
    main.OnToggleView(WindowKind::kMultiplier);  // loads (300, 500) into the pair
    writes_.clear();
    main.OnSetCursor(ScreenRect{300, 120, 500, 200});
    EXPECT_EQ(writes_, (Events{"setup_cq_ww_y=120"}));
    main.OnSetCursor(ScreenRect{300, 120, 500, 200});
    EXPECT_EQ(writes_.size(), 1u);

    SavePlacement(WindowKind::kMultiplierExt, ScreenRect{300, 200, 400, 300}, settings_, state_);
    EXPECT_EQ(writes_.back(), "dxcc_extended_y=200");
    SavePlacement(WindowKind::kMain, ScreenRect{-1280, 200, 0, 300}, settings_, state_);
    EXPECT_EQ(writes_.back(), "setup_cq_ww_x=-1280");
}

// The call-information update.
class CallInfoTest : public MainWindowTest {
protected:
    CallInfoTest() {
        settings_.WriteText("setup_view_zone", "1");
        settings_.WriteText("setup_view_multiplier", "1");
        settings_.WriteText("setup_view_multiplier_extended", "1");
    }
    FakeWindow* Ext() { return Child(WindowKind::kMultiplierExt); }
    FakeWindow* StatProv() { return Child(WindowKind::kStatProv); }
    FakeWindow* Multi() { return Child(WindowKind::kMultiplier); }
    // Labels of the checked boxes of a page, as the flags put them there.
    std::vector<std::string> Checked(FakeWindow* window, int page, const EntityPage& table) {
        std::vector<std::string> labels;
        const std::vector<int>& flags = window->pages.at(page);
        for (const EntityBox& box : table.boxes) {
            if (flags.at(static_cast<std::size_t>(box.flagIndex))) labels.push_back(box.label);
        }
        return labels;
    }
};

TEST_F(CallInfoTest, ShortCallOnlyOpensTheWantedWindows) {
    SetupCqWw& main = Start();
    host_.call = "DL";
    main.OnCallInfo();
    Events opened;
    for (const std::string& e : events_) {
        if (e.rfind("open ", 0) == 0) opened.push_back(e);
    }
    EXPECT_EQ(opened, (Events{"open statprov", "open multiplier", "open ext"}));
    EXPECT_EQ(writes_, (Events{"setup_view_zone=1", "setup_view_multiplier=1",
                               "setup_view_multiplier_extended=1"}));
    EXPECT_EQ(armed_, 1);
    EXPECT_TRUE(host_.macros.size() == 1);  // no "<SP1>": the frequency was not asked
    EXPECT_EQ(store_.prevQsoRows[0], (StringArray{"160m", "-", "-", "-", "-"}));
}

TEST_F(CallInfoTest, EmptyCallResetsTheRowAndCaptionsTheBand) {
    run_.cwContest = 1;
    SetupCqWw& main = Start();
    main.OnCallInfo();
    EXPECT_EQ(store_.prevQsoRows[0], (StringArray{"160m", "   -", "   -", " -", "   -"}));
    EXPECT_EQ(Multi()->caption, "CQ-WW-160M-CW 2027  DXCC worked on 160m");
    EXPECT_EQ(Ext()->caption, "CQ-WW-160M-CW 2027  DXCC worked on 160m");
    EXPECT_EQ(StatProv()->caption, "State/Province worked on 160m");
    EXPECT_EQ(Count("multiplier caption CQ-WW-160M-CW worked with "), 0);
    EXPECT_EQ(state_.currentBand, 0);
    EXPECT_EQ(events_.back(), "multiplier repaint");

    run_.altLanguage = 1;
    main.OnCallInfo();
    EXPECT_EQ(StatProv()->caption,
              "\xD8\xF2\xE0\xF2\xFB/\xCF\xF0\xEE\xE2\xE8\xED\xF6\xE8\xE8 "
              "\xEE\xF2\xF0\xE0\xE1\xEE\xF2\xE0\xED\xEE \xED\xE0 160m");
}

TEST_F(CallInfoTest, TypedCallFillsTheRowFromTheLatestRecord) {
    Log("DL1ABC", "DL", 14, "", "01:00");
    Log("DL1ABC", "DL", 5, "", "02:15");
    Log("W1AW", "K", 5, "MA", "03:00");
    SetupCqWw& main = Start();
    host_.call = "DL1ABC";
    main.OnCallInfo();
    EXPECT_EQ(store_.prevQsoRows[0], (StringArray{"160m", "CW", "02:15", "05", "   -"}));
    EXPECT_EQ(Multi()->caption, "CQ-WW-160M-SSB worked with DL1ABC");
    EXPECT_EQ(Ext()->caption, "");  // band captions only without a call
    host_.call = "W1AW";
    main.OnCallInfo();
    EXPECT_EQ(store_.prevQsoRows[0][3], "MA");
    CInfo changed = store_.log[2];
    changed.country = "W";
    changed.zone = 14;
    store_.log.erase(2);
    store_.log.push_back(changed);
    main.OnCallInfo();
    EXPECT_EQ(store_.prevQsoRows[0][3], "14");
}

TEST_F(CallInfoTest, FrequencyMovesSendSp1AndChooseTheBand) {
    SetupCqWw& main = Start();
    host_.macros.clear();
    for (double hz : {1830000.0, 1830300.0, 1830301.0}) {
        host_.frequency = hz;
        main.OnCallInfo();
    }
    EXPECT_EQ(host_.macros, (Events{"<SP1>", "<SP1>"}));

    armed_ = 0;
    host_.frequency = 29500000;
    main.OnCallInfo();
    EXPECT_EQ(armed_, 1);
    EXPECT_EQ(state_.currentBand, 0);  // kept
    host_.frequency = 28999999;
    main.OnCallInfo();
    EXPECT_EQ(state_.currentBand, 5);
    EXPECT_EQ(Ext()->caption, "CQ-WW-160M-SSB 2027  DXCC worked on 10m");
}

TEST_F(CallInfoTest, WorkedEntitiesAndStatesAreChecked) {
    store_.bandCountries[0] = {"A9", "UA2/f", "3Y", "KP5", "HB0", "5U", "3W", "dl"};
    store_.bandStateProvs[0] = {"NWT", "MD", "DC"};
    SetupCqWw& main = Start();
    main.OnCallInfo();
    const std::vector<EntityPage>& pages = ContinentPages();
    EXPECT_EQ(Checked(Ext(), 0, pages[0]), (Events{"UA2"}));  // HB0 has no key
    EXPECT_EQ(Checked(Ext(), 1, pages[1]), (Events{"3Y/b"}));  // nor 5U or 3W of Africa
    EXPECT_EQ(Checked(Ext(), 2, pages[2]), (Events{"3W", "A9"}));
    EXPECT_EQ(Checked(Ext(), 3, pages[3]), (Events{"KP5"}));
    EXPECT_EQ(Ext()->pages[3][28], 1);  // KP5 follows KP4 in the flags
    EXPECT_EQ(Checked(Ext(), 4, pages[4]), (Events{}));
    EXPECT_EQ(Checked(StatProv(), 0, StatProvPage()), (Events{"MD", "DC", "NWT"}));
    EXPECT_EQ(StatProv()->pages[0][1], 1);   // MD is flag 1
    EXPECT_EQ(StatProv()->pages[0][62], 1);  // DC is the last

    store_.bandCountries[0] = {"3Y/p"};
    main.OnCallInfo();
    EXPECT_EQ(Ext()->pages[4][0], 1);  // 3Y/p is the first flag of South America

    host_.frequency = 3510000;  // 80 m: nothing worked there
    main.OnCallInfo();
    for (int page = 0; page < kContinentPages; ++page) {
        const std::vector<int>& flags = Ext()->pages[page];
        EXPECT_EQ(std::count(flags.begin(), flags.end(), 1), 0) << page;
    }
    EXPECT_EQ(StatProv()->caption, "State/Province worked on 80m");
}

TEST(EntityPagesTest, TablesHoldEveryBoxOnceWithADenseFlagOrder) {
    std::vector<const EntityPage*> all;
    for (const EntityPage& page : ContinentPages()) all.push_back(&page);
    all.push_back(&StatProvPage());
    const std::vector<std::size_t> sizes{70, 73, 56, 50, 31, 54, 63};
    for (std::size_t p = 0; p < all.size(); ++p) {
        const EntityPage& page = *all[p];
        ASSERT_EQ(page.boxes.size(), sizes[p]) << p;
        std::vector<int> flags, ids;
        for (const EntityBox& box : page.boxes) {
            flags.push_back(box.flagIndex);
            ids.push_back(box.controlId);
        }
        std::sort(flags.begin(), flags.end());
        std::sort(ids.begin(), ids.end());
        for (std::size_t i = 0; i < flags.size(); ++i) EXPECT_EQ(flags[i], int(i)) << p;
        EXPECT_EQ(std::adjacent_find(ids.begin(), ids.end()), ids.end()) << p;
    }
    EXPECT_EQ(std::string(ContinentPages()[0].tabText), "   EU ");
}

}  // namespace
