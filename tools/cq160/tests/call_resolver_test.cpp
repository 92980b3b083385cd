#include "tools/cq160/logs/call_resolver.h"

#include <gtest/gtest.h>

#include "tools/cq160/tests/cty_excerpt.h"

namespace {

struct Case {
    const char* call;
    const char* country;   // "" when not found
    const char* detailed;
    const char* continent;
    int zone;
};

class CallResolverTest : public ::testing::Test {
protected:
    void SetUp() override {
        std::string error;
        ASSERT_TRUE(cty_.Parse(kCtyExcerpt, &error)) << error;
    }
    void Check(const Case* cases, std::size_t n) {
        for (std::size_t i = 0; i < n; ++i) {
            const Case& c = cases[i];
            const CallLocation w = ResolveCall(cty_, c.call);
            EXPECT_EQ(w.found, c.country[0] != '\0') << c.call << ": " << w.why;
            EXPECT_EQ(w.countryPrefix, c.country) << c.call;
            EXPECT_EQ(w.detailedPrefix, c.detailed) << c.call;
            EXPECT_EQ(w.continent, c.continent) << c.call;
            EXPECT_EQ(w.cqZone, c.zone) << c.call;
        }
    }
    CountryFile cty_;
};

TEST_F(CallResolverTest, PlainCalls) {
    const Case cases[] = {
        {"DL1ABC", "DL", "DL", "EU", 14},
        {"dk3xy", "DL", "DK", "EU", 14},
        {" W1AW ", "K", "W", "NA", 5},
        {"W6XYZ", "K", "W6", "NA", 3},
        {"KL7ABC", "KL", "KL", "NA", 1},
        {"KL7XX", "K", "K", "NA", 5},  // listed as an exact call of the US
        {"KH6AB", "KH6", "KH6", "OC", 31},
        {"VE3ABC", "VE", "VE", "NA", 5},
        {"UA3ABC", "UA", "U", "EU", 16},
        {"UA9ABC", "UA9", "UA9", "AS", 17},
        {"UA9XAB", "UA", "UA9X", "EU", 17},
        {"TA2ABC", "TA", "TA", "AS", 20},
        {"3D2AB", "3D2", "3D2", "OC", 32},
        {"QQ1ABC", "", "", "", 0},
        {"", "", "", "", 0},
    };
    Check(cases, sizeof cases / sizeof cases[0]);
}

TEST_F(CallResolverTest, EntitiesTheModuleCountsOnTheirOwn) {
    const Case cases[] = {
        {"IT9ABC", "I", "IT9", "EU", 15},   // WAE-only: the country is Italy's
        {"IW9XYZ", "I", "IT9", "EU", 15},   // any Sicilian prefix is "IT9" to the module
        {"I2ABC", "I", "I", "EU", 15},
        {"TA1ABC", "TA", "TA1", "EU", 20},
        {"Z61AB", "Z6", "Z6", "EU", 15},
        {"4U1ITU", "4U1I", "4U1", "EU", 14},
        {"4U2ABC", "I", "4U", "EU", 15},    // plain 4U prefixes are Italy's in the file
        {"GM3ZZZ", "GM", "GM/s", "EU", 14}, // WAE-only entity by exact call
        {"IG9ABC", "I", "IG9", "AF", 33},   // African Italy
        {"IH9ABC", "I", "IG9", "AF", 33},   // its other prefix is "IG9" to the module
        {"JW0BEA", "JW", "JW/b", "EU", 40}, // Bear Island
        {"JW5ABC", "JW", "JW", "EU", 40},
        {"4U1VIC", "OE", "4U1V", "EU", 15}, // Vienna International Centre
        {"Z67AB", "Z6", "Z67", "EU", 15},   // WAE-only without a table entry: the DXCC around it
    };
    Check(cases, sizeof cases / sizeof cases[0]);
}

// The country CheckCall0 is handed must be the one the module stores the
// QSO under, or the new-multiplier verdict compares different things.
TEST_F(CallResolverTest, ModuleCountryIsTheDetailedPrefixOfOwnEntities) {
    const struct {
        const char* call;
        const char* country;
    } cases[] = {
        {"IT9ABC", "IT9"}, {"IW9ABC", "IT9"}, {"IH9ABC", "IG9"}, {"TA1ABC", "TA1"},
        {"Z61AB", "Z6"},   {"4U1ITU", "4U1"}, {"4U1VIC", "4U1V"}, {"GM3ZZZ", "GM/s"},
        {"JW0BEA", "JW/b"}, {"I2ABC", "I"},   {"TA2ABC", "TA"},  {"4U2ABC", "I"},
        {"Z67AB", "Z6"},   {"W6XYZ", "K"},    {"K1ABC/MM", ""},
    };
    for (const auto& c : cases) EXPECT_EQ(ModuleCountry(ResolveCall(cty_, c.call)), c.country) << c.call;
}

// Only KG4 with a two-letter suffix is Guantanamo Bay; the country file's
// exact calls still come first.
TEST_F(CallResolverTest, Kg4IsGuantanamoOnlyWithATwoLetterSuffix) {
    const Case cases[] = {
        {"KG4AA", "KG4", "KG4", "NA", 8},
        {"kg4ab", "KG4", "KG4", "NA", 8},
        {"KG4W", "K", "K", "NA", 5},
        {"KG4WOJ", "K", "K", "NA", 5},
        {"KG4USN", "K", "K", "NA", 5},
        {"KG4AA/P", "KG4", "KG4", "NA", 8},
        {"KG4WOJ/P", "K", "K", "NA", 5},
        {"KG4WOJ/4", "K", "K", "NA", 5},
        {"W1ABC/KG4", "KG4", "KG4", "NA", 8},  // a US operator on Guantanamo
        {"KG4/W1ABC", "KG4", "KG4", "NA", 8},
        {"KG44WW", "KG4", "KG4", "NA", 8},     // exact calls of the file win
        {"W1AW/KG4", "KG4", "KG4", "NA", 8},
    };
    Check(cases, sizeof cases / sizeof cases[0]);
}

TEST_F(CallResolverTest, PortableAndForeignPrefixCalls) {
    const Case cases[] = {
        {"DL/K1ABC", "DL", "DL", "EU", 14},
        {"K1ABC/DL", "DL", "DL", "EU", 14},
        {"VP2E/K1ABC", "VP2E", "VP2E", "NA", 8},
        {"K1ABC/VP2E", "VP2E", "VP2E", "NA", 8},  // as long as the call, but a listed prefix
        {"K1ABC/VP9", "VP9", "VP9", "NA", 5},
        {"W6/DL1ABC", "K", "W6", "NA", 3},
        {"K1ABC/P", "K", "K", "NA", 5},
        {"DL1ABC/M", "DL", "DL", "EU", 14},
        {"XX9/K1ABC", "", "", "", 0},          // a location that is nowhere
        {"DL1ABC/QRP", "DL", "DL", "EU", 14},
        {"DL/K1ABC/P", "DL", "DL", "EU", 14},
        {"K1ABC/6", "K", "K6", "NA", 3},      // another US call area: its zone
        {"K1ABC/6/P", "K", "K6", "NA", 3},
        {"UA3ABC/9", "UA9", "UA9", "AS", 17},  // from European to Asiatic Russia
        {"UA9ABC/3", "UA", "U", "EU", 16},
        {"3D2AB/R", "3D2/r", "3D2/r", "OC", 32},  // a part of the entity
        {"3D2AB/P", "3D2", "3D2", "OC", 32},
        {"3D2RR", "3D2/r", "3D2/r", "OC", 32},
        {"K1ABC/R", "K", "K", "NA", 5},       // no such part: the letter tells nothing
        {"VE2EM/M", "VE", "VE", "NA", 5},     // exact calls win over the rules
        {"N2NL/MM", "K", "K", "NA", 7},
        {"K1ABC/MM", "", "", "", 0},          // maritime mobile: in no country
        {"DL1ABC/AM", "", "", "", 0},
        {"DL1ABC/", "DL", "DL", "EU", 14},
    };
    Check(cases, sizeof cases / sizeof cases[0]);
    EXPECT_EQ(ResolveCall(cty_, "K1ABC/MM").why, "maritime mobile");
}

}  // namespace
