#include "scoring/contest_rules.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "scoring/qso_record.h"
#include "windows/entity_pages.h"

TEST(ContestRules, BandAndModeListsIgnoreCase) {
    EXPECT_EQ(BandRules().contains("160m"), 1);
    EXPECT_EQ(BandRules().contains("160M"), 1);
    EXPECT_EQ(BandRules().contains("80m"), 0);
    EXPECT_EQ(BandRules().contains(""), 0);
    EXPECT_EQ(ModeRules().contains("cw"), 1);
    EXPECT_EQ(ModeRules().contains("Ssb"), 1);
    EXPECT_EQ(ModeRules().contains("RTTY"), 0);
    EXPECT_EQ(ModeRules().contains(""), 0);
}

TEST(ContestRules, StateProvTableIsExact) {
    for (const char* ok : {"ON", "PE", "PEI", "NWT", "DC", "WY", "YT"})
        EXPECT_EQ(isStateProv(ok), 1) << ok;
    for (const char* bad : {"AK", "HI", "PQ", "on", "", " ON", "PEI ", "P"})
        EXPECT_EQ(isStateProv(bad), 0) << bad;
}

// What the operator sees: every state or province the log accepts, as it is
// stored, checks its own box in the State/Prov window.
TEST(ContestRules, EveryAcceptedStateProvChecksItsOwnBox) {
    const EntityPage& page = StatProvPage();
    std::vector<int> seen(page.boxes.size(), 0);
    for (const char* const* entry = g_stateProvTable; *entry; ++entry) {
        const std::string stored = NormalisedStateProv(*entry, "VE1AA");
        const std::vector<int> flags = PageFlags(page, StringArray{stored});
        EXPECT_EQ(std::count(flags.begin(), flags.end(), 1), 1) << *entry << " as " << stored;
        for (std::size_t i = 0; i < flags.size(); ++i) seen[i] |= flags[i];
    }
    // and no box waits for a code the log never accepts
    EXPECT_EQ(std::count(seen.begin(), seen.end(), 0), 0);
}

TEST(ContestRules, BandSlots) {
    EXPECT_EQ(BandSlot("160m"), 0);
    EXPECT_EQ(BandSlot("80m"), 1);
    EXPECT_EQ(BandSlot("10m"), 5);
    EXPECT_EQ(BandSlot("160M"), 0);
    EXPECT_EQ(BandSlot("6m"), 0);
}

TEST(ContestRules, PointsShipThenOwnCountryThenContinent) {
    struct Case {
        const char* call;
        bool sameCountry, sameContinent;
        int points;
    } cases[] = {
        {"DL2AA", true, true, 2},      {"DL2AA", true, false, 2},  // the country wins
        {"OK1AA", false, true, 5},     {"JA1AA", false, false, 10},
        {"DL2AA/MM", true, true, 5},   {"JA1AA/mm ", false, false, 5},
        {"JA1AA/MMX", false, false, 10},
    };
    for (const Case& c : cases)
        EXPECT_EQ(QsoPoints(c.call, c.sameCountry, c.sameContinent), c.points) << c.call;
}

TEST(ContestRules, WAndVeCountOnlyThroughStatesAndProvinces) {
    for (const char* country : {"K", "VE"}) {
        EXPECT_TRUE(CountsThroughStateProv(country)) << country;
        EXPECT_FALSE(CountsAsCountry(country)) << country;
        EXPECT_TRUE(SendsStateProv(country, "W1AW", "MA")) << country;
        EXPECT_FALSE(SendsStateProv(country, "W1AW/MM", "MA")) << country;  // a ship sends a zone
    }
    // Alaska and Hawaii are countries: sent by a US station, not a state.
    EXPECT_FALSE(SendsStateProv("K", "W1AW", " ak "));
    EXPECT_FALSE(SendsStateProv("K", "W1AW", "HI"));
    EXPECT_TRUE(SendsStateProv("VE", "VE3AA", "AK"));
    for (const char* country : {"KL7", "KH6", "VO", "DL", "IT9", "k", "ve"}) {
        EXPECT_FALSE(CountsThroughStateProv(country)) << country;
        EXPECT_TRUE(CountsAsCountry(country)) << country;
    }
    EXPECT_FALSE(CountsAsCountry(""));
}

TEST(ContestRules, QsoCountryTakesOwnEntitiesAndDropsShips) {
    EXPECT_EQ(QsoCountry("IT9AA", "I", "IT9"), "IT9");
    EXPECT_EQ(QsoCountry("GM3AA", "GM", "GM/s"), "GM/s");
    EXPECT_EQ(QsoCountry("IT9AA", "I", "it9"), "I");  // spelled as the host's country file does
    EXPECT_EQ(QsoCountry("I2AA", "I", "I"), "I");
    EXPECT_EQ(QsoCountry("IT9AA/MM", "I", "IT9"), "");
}

// Every code an alias turns a sent exchange into must be accepted, or the
// QSO would be marked as a bad state/province.
TEST(ContestRules, EveryPostalCodeAliasLandsOnAnAcceptedAbbreviation) {
    for (const char* sent : {"PE", "NT", "NL", "pe", " nt "}) {
        for (const char* call : {"VE1AA", "VO2AA", "K1ABC/VO2"}) {
            const std::string counted = NormalisedStateProv(sent, call);
            EXPECT_EQ(isStateProv(counted), 1) << sent << " " << call << " -> " << counted;
        }
    }
    EXPECT_EQ(NormalisedStateProv("NL", "VO1AA"), "NF");
    EXPECT_EQ(NormalisedStateProv("NL", "VO2AA"), "LB");
    EXPECT_EQ(NormalisedStateProv("PQ", "VE2AA"), "PQ");  // the old code is no alias
}

TEST(ContestRules, RussianTextsForTheListedOwnCountriesOnly) {
    for (const char* country : {"UA", "UA2", "UA2/f", "UA9", "UN", "UR", "EU"})
        EXPECT_TRUE(UsesRussianTexts(country)) << country;
    for (const char* country : {"", "ua", "UA2/F", "UA3", "4L", "DL", "YL"})
        EXPECT_FALSE(UsesRussianTexts(country)) << country;
}
