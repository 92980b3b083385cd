#include "scoring/call_check.h"

#include <gtest/gtest.h>

namespace {

CInfo Logged(const char* call, const char* country, const char* band = "160m") {
    CInfo r;
    r.call = call;
    r.country = country;
    r.band = band;
    r.mode = "CW";
    return r;
}

CallEntry Entry(const char* call, const char* country, int zone, const char* mode = "CW",
                const char* band = "160m", const char* band2 = "160m") {
    CallEntry e;
    e.call = call;
    e.countryPrefix = country;
    e.zone = zone;
    e.mode = mode;
    e.band = band;
    e.band2 = band2;
    return e;
}

}  // namespace

TEST(CheckCall, VerdictsAndHints) {
    CInfo marked = Logged("W1AW", "K");
    marked.dupeFlag = marked.excluded = 1;  // a marked record still makes a dupe
    LogStore log;
    for (const CInfo& r : {Logged("DL2XYZ", "DL"), marked, Logged("JA1ZZ", "JA", "80m")})
        log.push_back(r);
    struct Case {
        CallEntry entry;
        const char* version;
        int verdict;
        const char* hint;  // null: left alone
    } cases[] = {
        {Entry("DL2XYZ", "DL", 14), "Harlo", 0, nullptr},
        {Entry("W1AW", "K", 5), "Harlo", 0, nullptr},
        {Entry("dl2xyz", "DL", 14), "Harlo", 1, "14"},
        {Entry("DL3AAA", "DL", 14, "CW", "160m", "160M"), "Harlo", 1, "14"},
        {Entry("OK1AA", "OK", 15), "Harlo", 2, "15"},
        {Entry("JA2AA", "JA", 25), "Harlo", 2, "25"},  // JA worked on 80 m only
        {Entry("K9ZZ", "K", 4), "Harlo", 1, ""},
        {Entry("VE3ZZ", "VE", 4), "Harlo", 2, ""},
        {Entry("VK2AA", "VK", 30), "Harlo", 2, "30?"},
        {Entry("UA9AA", "UA9", 17), "Harlo", 2, "17?"},
        {Entry("BY1AA", "BY", 24), "Harlo", 2, "24?"},
        {Entry("DL2XYZ", "", 14), "Harlo", 1, nullptr},  // unknown country comes first
        {Entry("OK1AA", "OK", 15, "SSB"), "Harlo", 4, nullptr},
        {Entry("OK1AA", "OK", 15, "cw"), "Harlo", 4, nullptr},
        {Entry("OK1AA", "OK", 15, "CW", "80m", "80m"), "Harlo", 4, nullptr},
        {Entry("OK1AA", "OK", 15, "CW", "160m", "80m"), "Harlo", 4, nullptr},
        {Entry("OK1AA", "OK", 15, "CW", "", ""), "Harlo", 4, nullptr},
        {Entry("OK1AA", "OK", 15, "SSB"), "2.19", 2, "15"},  // the host checks itself
        {Entry("OK1AA", "OK", 15, "CW", "80m", "160m"), "2.20", 2, "15"},
        {Entry("OK1AA", "OK", 15, "SSB"), "2.21", 4, nullptr},
    };
    for (const Case& c : cases) {
        std::string hint = "untouched";
        bool hintSet = false;
        EXPECT_EQ(CheckCall(c.entry, log, c.version, 1, &hint, &hintSet), c.verdict)
            << c.entry.call << " " << c.entry.mode << " " << c.version;
        EXPECT_EQ(hintSet, c.hint != nullptr) << c.entry.call;
        if (c.hint) {
            EXPECT_EQ(hint, c.hint) << c.entry.call;
        }
    }
}

TEST(CheckCall, SsbWeekendWantsSsb) {
    std::string hint;
    bool hintSet;
    EXPECT_EQ(CheckCall(Entry("OK1AA", "OK", 15, "SSB"), {}, "Harlo", 0, &hint, &hintSet), 2);
    EXPECT_EQ(CheckCall(Entry("OK1AA", "OK", 15, "CW"), {}, "Harlo", 0, &hint, &hintSet), 4);
}

TEST(IsValidExchange, ZonesAndCallAreas) {
    struct Case {
        const char* text;
        const char* country;
        int index, valid;
    } cases[] = {
        {"05", "DL", 0, 1}, {"00", "JA", 0, 1}, {"40", "K", 0, 1},  {"41", "DL", 0, 0},
        {"5", "VE", 0, 1},  {"1", "VE", 0, 1},  {"6", "VE", 0, 0},  {"0", "VE", 0, 0},
        {"5", "K", 0, 1},   {"3", "K", 0, 1},   {"2", "K", 0, 0},   {"5", "DL", 0, 0},
        {"TX", "K", 0, 0},  {"", "DL", 0, 0},   {"145", "DL", 0, 0}, {"14", "DL", 1, 0},
        {"1a", "DL", 0, 0}, {"\xb9\x35", "DL", 0, 0}, {" 5", "DL", 0, 0},
    };
    for (const Case& c : cases)
        EXPECT_EQ(IsValidExchange(c.text, c.country, c.index), c.valid) << c.text << c.country;
}
