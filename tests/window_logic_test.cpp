// The main window's decisions and the call-information update, driven with
// a fake host link, a fake window layer and the real settings file in a
// temporary folder.
#include <sys/stat.h>

#include <algorithm>
#include <atomic>
#include <map>
#include <memory>
#include <set>
#include <sstream>

#include <gtest/gtest.h>

#include "platform/settings.h"
#include "resources/entity_pages.h"
#include "resources/resource.h"
#include "scoring/log_ops.h"
#include "test_util.h"
#include "tools/cq160/logs/call_resolver.h"
#include "tools/cq160/logs/country_file.h"
#include "window_fakes.h"
#include "windows/entity_pages.h"
#include "windows/main_window.h"
#include "windows/placement.h"

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
    Mutex lock_;
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
    // The child loads its own keys: its default right of the contest
    // window, not topmost.
    EXPECT_FALSE(Child(WindowKind::kMultiplier)->topmost);
    EXPECT_TRUE(Child(WindowKind::kMultiplier)->closeDisabled);
    EXPECT_TRUE(Count("multiplier move 440,400"));

    main.OnToggleView(WindowKind::kMultiplier);
    EXPECT_EQ(state_.multiplierWindow, nullptr);
    EXPECT_EQ(main.viewMultiplier, 0);
    EXPECT_EQ(layer_.posts, postsBefore + 1);
    EXPECT_EQ(writes_, (Events{"setup_view_multiplier=1", "setup_view_multiplier=0"}));
    EXPECT_EQ(Count("close multiplier"), 1);

    // The State/Province window keeps its close box and opens below the
    // contest window.
    main.OnToggleView(WindowKind::kStatProv);
    EXPECT_FALSE(Child(WindowKind::kStatProv)->closeDisabled);
    EXPECT_TRUE(Count("statprov move 10,530"));
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
    EXPECT_EQ(Checked(Ext(), 0, pages[0]), (Events{"HB0", "UA2"}));
    EXPECT_EQ(Checked(Ext(), 1, pages[1]), (Events{"3Y/b", "5U"}));  // not the hidden 3W
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

// The boxes of every page that a worked list holding name checks, as
// "EU:IT" (tab's continent and label).
std::vector<std::string> BoxesCheckedBy(const std::string& name) {
    std::vector<std::string> found;
    for (const EntityPage& page : ContinentPages()) {
        const std::vector<int> flags = PageFlags(page, StringArray{name});
        for (const EntityBox& box : page.boxes) {
            if (flags[static_cast<std::size_t>(box.flagIndex)]) {
                found.push_back(std::string(page.tabText).substr(3, 2) + ":" + box.label);
            }
        }
    }
    return found;
}

class CountryFileBoxesTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        std::string error;
        cty_ = new CountryFile;
        ASSERT_TRUE(cty_->Load(STATS_COUNTRY_FILE, &error)) << error;
    }
    static void TearDownTestSuite() {
        delete cty_;
        cty_ = nullptr;
    }
    static CountryFile* cty_;
};
CountryFile* CountryFileBoxesTest::cty_ = nullptr;

TEST_F(CountryFileBoxesTest, EveryEntityChecksOneBoxOnItsContinentsPage) {
    ASSERT_GT(cty_->entities().size(), 300u);
    for (const CtyEntity& entity : cty_->entities()) {
        const std::vector<std::string> boxes = BoxesCheckedBy(entity.primaryPrefix);
        ASSERT_EQ(boxes.size(), 1u) << entity.primaryPrefix << " " << entity.name;
        EXPECT_EQ(boxes[0].substr(0, 2), entity.continent) << boxes[0] << " " << entity.name;
    }
}

// What the module stores a QSO under for stations of the entities it
// counts on their own is the host's detailed prefix: it checks the same box
// as the entity's prefix in the country file.
TEST_F(CountryFileBoxesTest, DetailedPrefixesTheModuleStoresCheckTheEntitysBox) {
    const struct {
        const char* call;
        const char* box;
    } cases[] = {
        {"IT9ABC", "EU:IT"},  {"IH9ABC", "AF:IG9"}, {"4U1ITU", "EU:4U1I"}, {"TA1ABC", "EU:TA1"},
        {"Z61AB", "EU:Z6"},   {"4U1VIC", "EU:4U1V"}, {"DL1ABC", "EU:DL"},  {"SV2ASP/A", "EU:SV/a"},
        {"CT3AB", "AF:CT3"},  {"9G1AA", "AF:9G"},   {"HB0AA", "EU:HB0"},  {"3D2AB/R", "OC:3D2/r"},
    };
    for (const auto& c : cases) {
        const CallLocation where = ResolveCall(*cty_, c.call);
        ASSERT_TRUE(where.found) << c.call;
        EXPECT_EQ(BoxesCheckedBy(ModuleCountry(where)), (std::vector<std::string>{c.box})) << c.call;
    }
    for (const char* detailed : {"IT9", "IG9", "TA1", "Z6", "4U1", "GM/s", "JW/b", "4U1V"}) {
        EXPECT_EQ(BoxesCheckedBy(detailed).size(), 1u) << detailed;
    }
}

// The names hosts send, as the first pages were keyed.
TEST(EntityPagesTest, EveryHostKeyChecksExactlyOneBox) {
    const char* const keys =
        "1A0 3A 4O 4U1I 4U1V 9A 9H C3 CT CU DL E7 EA EA6 EI ER ES EU F G GD GI GJ GM GU GW HA "
        "HB HV I IS IT JW JX LA LX LY LZ OE OH OH0 OJ0 OK OM ON OY OZ PA R1FJ S5 SM SP SV SV5 "
        "SV9 T7 TA1 TF TK UA UA2 UA2/f UR YL YO YU Z6 Z3 ZA ZB "
        "3B6 3B8 3B9 3C0 3DA 3V 3X 3Y 5A 5H 5N 5R 5T 5V 5X 5Z 6W 7P 7Q 7X 9J 9L 9Q 9U 9X A2 C5 "
        "C9 CN D2 D4 D6 E3 E4 EA8 EA9 EL ET FH FR FT/j FT/t FT/w FT/x FT/z J2 J5 S0 S7 S9 ST SU "
        "T5 TJ TL TN TR TT TU TY TZ VK0H XT Z2 Z8 ZD7 ZD8 ZD9 ZS ZS8 "
        "1S 3W 4J 4L 4S 4X 5B 7O 8Q 9K 9M2 9V A4 A5 A6 A7 A9 BS7 BV BV9P BY EK EP EX EY EZ HL "
        "HS HZ JA JD/o JT JY OD P5 S2 TA UA9 UK UN VR VU VU4 VU7 XU XW XX9 XZ YI YK ZC4 YA "
        "4U1U 6Y 8P C6 CM CY0 CY9 FG FJ FM FO/c FP FS HH HI HK0/a HP HR J3 J6 J7 J8 K KG4 KL "
        "KP1 KP2 KP4 OX PJ5 PJ7 TG TI TI9 V2 V3 V4 VE VP2E VP2M VP2V VP5 VP9 XE XF4 YN YS YV0 "
        "ZF KP5 "
        "8R 9Y CE CE0X CE0Y CE0Z CP CX FY HC HC8 HK HK0 LU OA P4 PJ2 PJ4 PY PY0F PY0P PY0T PZ "
        "VP8 YV ZP VP8/g VP8/h VP8/o VP8/s 3Y/p "
        "3D2 4W 5W 9M6 A3 C2 DU E5 E6 FK FO FO0 KH0 KH1 KH2 KH3 KH4 KH5 KH5K KH6 KH7K KH8 KH8/s "
        "KH9 P2 T2 T30 T31 T32 T33 T8 V6 V7 V8 VK VK0 VK9C VK9L VK9M VK9N VK9W VK9X VP6 YB YJ "
        "ZK3 ZL ZL7 ZL8 ZL9 "
        "HB0 3C 5U 9N AP FW H4 H40 JD/m";
    std::istringstream words(keys);
    std::string key;
    int count = 0;
    for (; words >> key; ++count) EXPECT_EQ(BoxesCheckedBy(key).size(), 1u) << key;
    EXPECT_EQ(count, 332);
    EXPECT_EQ(BoxesCheckedBy("A9"), (std::vector<std::string>{"AS:A9"}));
    EXPECT_EQ(BoxesCheckedBy("UA2/f"), (std::vector<std::string>{"EU:UA2"}));
    EXPECT_EQ(BoxesCheckedBy("3Y"), (std::vector<std::string>{"AF:3Y/b"}));
    EXPECT_EQ(BoxesCheckedBy("SU"), (std::vector<std::string>{"AF:SU"}));
    EXPECT_EQ(BoxesCheckedBy("E4"), (std::vector<std::string>{"AS:E4"}));
    const std::vector<int> states = PageFlags(StatProvPage(), StringArray{"NWT"});
    EXPECT_EQ(std::count(states.begin(), states.end(), 1), 1);
}

std::string Trimmed(const char* label) {
    std::string text = label;
    text.erase(0, text.find_first_not_of(' '));
    text.erase(text.find_last_not_of(' ') + 1);
    return text;
}

// Within one window: the extended window's six pages, the State/Province
// window (whose "PA" is Pennsylvania, not the Netherlands).
void ExpectOneNameOneKeyAndOneCellEach(const std::vector<const EntityPage*>& window) {
    std::set<std::string> labels;
    std::map<std::string, std::string> keyOwner;
    for (const EntityPage* page : window) {
        std::vector<int> flags, ids;
        std::vector<const EntityBox*> shown;
        for (const EntityBox& box : page->boxes) {
            flags.push_back(box.flagIndex);
            ids.push_back(box.controlId);
            std::istringstream words(box.keys);
            std::string key;
            int keys = 0;
            for (; words >> key; ++keys) {
                const std::string owner = std::string(page->tabText) + box.label;
                EXPECT_TRUE(keyOwner.emplace(key, owner).second)
                    << key << " on " << owner << " and " << keyOwner[key];
            }
            if (box.hidden) {
                EXPECT_EQ(keys, 0) << box.label << ": a hidden box checks nothing";
                continue;
            }
            EXPECT_GT(keys, 0) << box.label;
            EXPECT_TRUE(labels.insert(Trimmed(box.label)).second) << box.label;
            shown.push_back(&box);
        }
        std::sort(flags.begin(), flags.end());
        std::sort(ids.begin(), ids.end());
        for (std::size_t i = 0; i < flags.size(); ++i) EXPECT_EQ(flags[i], int(i)) << page->tabText;
        EXPECT_EQ(std::adjacent_find(ids.begin(), ids.end()), ids.end()) << page->tabText;
        // Shown boxes stand apart, inside the page.
        for (std::size_t i = 0; i < shown.size(); ++i) {
            const EntityBox& a = *shown[i];
            if (page != &StatProvPage()) {
                EXPECT_LE(a.x + a.width, ENTITY_PAGE_WIDTH) << a.label;
                EXPECT_LE(a.y + a.height, ENTITY_PAGE_HEIGHT) << a.label;
            }
            for (std::size_t j = i + 1; j < shown.size(); ++j) {
                const EntityBox& b = *shown[j];
                const bool apart = a.x + a.width < b.x || b.x + b.width < a.x ||
                                   a.y + a.height < b.y || b.y + b.height < a.y;
                EXPECT_TRUE(apart) << a.label << " and " << b.label;
            }
        }
    }
}

TEST(EntityPagesTest, BoxesHaveOneNameOneKeyAndOneCellEach) {
    std::vector<const EntityPage*> pages;
    for (const EntityPage& page : ContinentPages()) pages.push_back(&page);
    ExpectOneNameOneKeyAndOneCellEach(pages);
    ExpectOneNameOneKeyAndOneCellEach({&StatProvPage()});
    EXPECT_EQ(std::string(ContinentPages()[0].tabText), "   EU ");
}

}  // namespace
