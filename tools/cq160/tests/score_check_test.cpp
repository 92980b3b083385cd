#include "tools/cq160/contest/score_check.h"

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
        q.time = {2027, 1, 30, 0, minute_++, 0};
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
        return CountScore(qsos_, where_, own, /*cwWeekend=*/true, period_);
    }
    int minute_ = 0;
    // 2027-01-29 22:00 to 2027-01-31 22:00 UTC.
    ContestPeriod period_{OleDays({2027, 1, 29, 22, 0, 0}), OleDays({2027, 1, 31, 22, 0, 0})};
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
    Add("VE2AA", "PQ", Where("VE", "VE", "NA"));
    Add("VE3AA", "AK", Where("VE", "VE", "NA"));                // AK from Canada: no province
    Add("K1AA", "5", Where("K", "K", "NA"));
    const ScoreCount c = Count();
    EXPECT_EQ(c.valid, 2);
    EXPECT_EQ(c.dupes, 1);
    EXPECT_EQ(c.refused, 3);
    EXPECT_EQ(c.badStates, 3);
    EXPECT_EQ(c.points, 10);
    EXPECT_EQ(c.countries, 1);
    EXPECT_EQ(c.statesProvinces, 0);
}

TEST_F(ScoreCheckTest, OnlyQsosInsideThePeriodAndWithAnotherStationCount) {
    struct Case {
        UtcTime time;
        const char* call;
        bool counts;
    } cases[] = {
        {{2027, 1, 29, 21, 59, 59}, "OK1AA", false},  // a second before the start
        {{2027, 1, 29, 22, 0, 0}, "OK1BB", true},     // at the start
        {{2027, 1, 31, 21, 59, 59}, "OK1CC", true},   // the last second
        {{2027, 1, 31, 22, 0, 0}, "OK1DD", false},    // at the end
        {{2027, 1, 22, 23, 0, 0}, "OK1EE", false},    // a week early
        {{2027, 1, 30, 1, 0, 0}, "DL1ABC", false},    // the own call
        {{2027, 1, 30, 1, 1, 0}, "dl1abc", false},    // in any letter case
        {{2027, 1, 30, 1, 2, 0}, "DL1ABC/P", true},   // another call
        {{2027, 1, 30, 1, 3, 0}, "OK1AA", true},      // not a dupe of the early one
    };
    int counted = 0;
    for (const Case& c : cases) {
        Add(c.call, "15", Where("OK", "OK", "EU"));
        qsos_.back().time = c.time;
        counted += c.counts;
    }
    const ScoreCount n = Count();
    EXPECT_EQ(n.valid, counted);
    EXPECT_EQ(n.refused, 9 - counted);
    EXPECT_EQ(n.dupes, 0);
}

TEST_F(ScoreCheckTest, UsStationsInAlaskaAndHawaiiAreCountries) {
    Add("N7AA", "AK", Where("K", "N", "NA"));         // Alaska: 10 points from DL
    Add("K6AA", " hi ", Where("K", "K", "NA"));       // Hawaii
    Add("W7AA", "ak", Where("K", "W", "NA"));         // Alaska again: no new multiplier
    Add("KL7AA", "01", Where("KL", "KL", "NA"));      // Alaska by its call
    Add("K1AA/MM", "AK", Where("K", "K", "NA"));      // a ship sends a zone
    Add("VE3AA", "AK", Where("VE", "VE", "NA"));      // no province
    const ScoreCount c = Count();
    EXPECT_EQ(c.valid, 5);
    EXPECT_EQ(c.badStates, 1);
    EXPECT_EQ(c.points, 45);
    EXPECT_EQ(c.countries, 2);  // KL, KH6
    EXPECT_EQ(c.statesProvinces, 0);
    const CallLocation hawaii = ScoringLocation(Where("K", "K", "NA"), "K6AA", "HI");
    EXPECT_EQ(hawaii.countryPrefix + " " + hawaii.continent + " " + hawaii.entityName,
              "KH6 OC Hawaii");
}

TEST_F(ScoreCheckTest, AnOwnStationInAnEntityOfItsOwnScoresItsParentAsAnotherCountry) {
    OwnStation own;
    own.call = "IT9ABC";
    own.where = Where("I", "IT9", "EU");
    Add("I2AA", "15", Where("I", "I", "EU"));      // 5: mainland Italy
    Add("IT9ZZ", "15", Where("I", "IT9", "EU"));   // 2: Sicily
    Add("IH9AA", "33", Where("I", "IG9", "AF"));   // 10: African Italy
    EXPECT_EQ(CountScore(qsos_, where_, own, true, period_).points, 17);
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
