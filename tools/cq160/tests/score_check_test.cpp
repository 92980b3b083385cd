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
    Add("TA1AA", "20", Where("TA", "TA1", "EU"));
    Add("TA2AA", "20", Where("TA", "TA", "AS"));
    Add("Z61AA", "15", Where("Z6", "Z6", "EU"));
    Add("4U1ITU", "14", Where("4U1I", "4U1", "EU"));
    Add("GM3ZZZ", "14", Where("GM", "GM/s", "EU"));  // Shetland counts as Scotland
    Add("GM3AA", "14", Where("GM", "GM", "EU"));
    EXPECT_EQ(Count().countries, 7);
}

TEST(StateOrProvince, Normalises) {
    EXPECT_EQ(StateOrProvince(" ma "), "MA");
    EXPECT_EQ(StateOrProvince("PE"), "PEI");
    EXPECT_EQ(StateOrProvince("NWT"), "NWT");
    EXPECT_EQ(StateOrProvince("AK"), "");
    EXPECT_EQ(StateOrProvince("HI"), "");
    EXPECT_EQ(StateOrProvince("14"), "");
}

}  // namespace
