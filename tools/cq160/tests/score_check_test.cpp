#include "tools/cq160/score_check.h"

#include <gtest/gtest.h>

namespace {

CallLocation Where(const char* country, const char* detailed, const char* continent) {
    CallLocation w;
    w.found = country[0] != '\0';
    w.countryPrefix = country;
    w.detailedPrefix = detailed;
    w.continent = continent;
    return w;
}

class ScoreCheckTest : public ::testing::Test {
protected:
    void Add(const char* call, const char* exch, const CallLocation& w, const char* band = "160m",
             const char* mode = "CW") {
        LogQso q;
        q.call = call;
        q.exchSent = "14";
        q.exchRcvd = exch;
        q.band = band;
        q.mode = mode;
        qsos_.push_back(q);
        where_.push_back(w);
    }
    ScoreCount Count() {
        OwnStation own;
        own.call = "DL1ABC";
        own.where = Where("DL", "DL", "EU");
        return CountScore(qsos_, where_, own, /*cwWeekend=*/true);
    }
    std::vector<LogQso> qsos_;
    std::vector<CallLocation> where_;
};

TEST_F(ScoreCheckTest, PointsByCountryAndContinent) {
    Add("DL2AA", "14", Where("DL", "DL", "EU"));     // 2
    Add("OK1AA", "15", Where("OK", "OK", "EU"));     // 5
    Add("JA1AA", "25", Where("JA", "JA", "AS"));     // 10
    Add("K1AA", "MA", Where("K", "K", "NA"));        // 10, a state
    Add("W1BB", "MA", Where("K", "W", "NA"));        // 10, the same state
    Add("VE3AA", "ON", Where("VE", "VE3", "NA"));    // 10, a province
    Add("VY2AA", "PE", Where("VE", "VY2", "NA"));    // 10, PEI
    Add("VY2BB", "PEI", Where("VE", "VY2", "NA"));   // 10, the same
    const ScoreCount c = Count();
    EXPECT_EQ(c.valid, 8);
    EXPECT_EQ(c.points, 2 + 5 + 10 + 10 + 10 + 10 + 10 + 10);
    EXPECT_EQ(c.countries, 3);        // DL, OK, JA; not K and VE
    EXPECT_EQ(c.statesProvinces, 3);  // MA, ON, PEI
    EXPECT_EQ(c.score, 67 * 6);
}

TEST_F(ScoreCheckTest, WhatScoresNothing) {
    Add("OK1AA", "15", Where("OK", "OK", "EU"));
    Add("OK1AA", "15", Where("OK", "OK", "EU"));                // dupe
    Add("OK1BB", "15", Where("OK", "OK", "EU"), "80m");         // refused: band
    Add("OK1CC", "15", Where("OK", "OK", "EU"), "160m", "SSB"); // refused: mode
    Add("OK1DD", "", Where("OK", "OK", "EU"));                  // refused: no exchange
    Add("OK1BB", "15", Where("OK", "OK", "EU"));                // no dupe: the first was refused
    Add("N7AA", "AK", Where("K", "N", "NA"));                   // Alaska is no state here
    Add("K6AA", "HI", Where("K", "K", "NA"));
    Add("VE2AA", "PQ", Where("VE", "VE", "NA"));
    Add("KL7AA", "01", Where("KL", "KL", "NA"));                // Alaska as a country
    const ScoreCount c = Count();
    EXPECT_EQ(c.valid, 3);
    EXPECT_EQ(c.dupes, 1);
    EXPECT_EQ(c.refused, 3);
    EXPECT_EQ(c.badStates, 3);
    EXPECT_EQ(c.points, 20);
    EXPECT_EQ(c.countries, 2);
    EXPECT_EQ(c.statesProvinces, 0);
}

TEST_F(ScoreCheckTest, EntitiesCountedOnTheirOwn) {
    Add("I2AA", "15", Where("I", "I", "EU"));
    Add("IT9AA", "15", Where("I", "IT9", "EU"));
    Add("IH9AA", "33", Where("I", "IG9", "AF"));       // African Italy
    Add("TA1AA", "20", Where("TA", "TA1", "EU"));
    Add("TA2AA", "20", Where("TA", "TA", "AS"));
    Add("Z61AA", "15", Where("Z6", "Z6", "EU"));
    Add("4U1ITU", "14", Where("4U1I", "4U1", "EU"));
    Add("4U1VIC", "15", Where("OE", "4U1V", "EU"));
    Add("GM3ZZZ", "14", Where("GM", "GM/s", "EU"));    // Shetland
    Add("GM3AA", "14", Where("GM", "GM", "EU"));
    Add("JW0BEA", "40", Where("JW", "JW/b", "EU"));    // Bear Island
    Add("JW5AA", "40", Where("JW", "JW", "EU"));
    Add("GM3BB", "14", Where("GM", "GM/S", "EU"));     // not the file's spelling: Scotland
    EXPECT_EQ(Count().countries, 12);
}

TEST_F(ScoreCheckTest, MaritimeMobileScoresFiveAndIsNoMultiplier) {
    Add("DL2AA/MM", "14", Where("DL", "DL", "EU"));    // own country: still 5
    Add("JA1AA/MM", "25", Where("JA", "JA", "AS"));    // another continent: 5
    Add("K1AA/MM", "05", Where("K", "K", "NA"));       // no state wanted from a ship
    Add("R1ANF/mm", "16", Where("", "", ""));          // unresolved, lower case
    Add("R1ANF/mm", "16", Where("", "", ""));          // a dupe all the same
    const ScoreCount c = Count();
    EXPECT_EQ(c.valid, 4);
    EXPECT_EQ(c.dupes, 1);
    EXPECT_EQ(c.badStates, 0);
    EXPECT_EQ(c.points, 20);
    EXPECT_EQ(c.countries + c.statesProvinces, 0);
}

TEST(StateOrProvince, NormalisesTodaysPostalCodes) {
    struct Case {
        const char* exchange;
        const char* call;
        const char* stateProv;
    } cases[] = {
        {" ma ", "W1AA", "MA"},    {"PE", "VY2AA", "PEI"},   {"NWT", "VE8AA", "NWT"},
        {"NT", "VE8AA", "NWT"},    {" NT ", "VE8AA", "NWT"}, {"NL", "VO1AA", "NF"},
        {"nl", "VO1AA", "NF"},     {"NL", "VO2AA", "LB"},    {"NL", "VO2AA/P", "LB"},
        {"NL", "K1AA/VO2", "LB"},  {"NL", "VE3AA", "NF"},    {"NF", "VO2AA", "NF"},
        {"AK", "KL7AA", ""},       {"HI", "KH6AA", ""},      {"14", "W1AA", ""},
        {"N L", "VO1AA", ""},
    };
    for (const Case& c : cases)
        EXPECT_EQ(StateOrProvince(c.exchange, c.call), c.stateProv) << c.exchange << " " << c.call;
}

}  // namespace
