#include "scoring/contest_rules.h"

#include <gtest/gtest.h>

#include <climits>

#include "scoring/qso_record.h"
#include "scoring/text_util.h"

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

TEST(ContestRules, StateProvTableIsExactAnd64Long) {
    int count = 0;
    while (g_stateProvTable[count]) ++count;
    EXPECT_EQ(count, 64);
    for (const char* ok : {"ON", "PE", "PEI", "NWT", "DC", "WY", "YT"})
        EXPECT_EQ(isStateProv(ok), 1) << ok;
    for (const char* bad : {"AK", "HI", "on", "", " ON", "PEI ", "P"})
        EXPECT_EQ(isStateProv(bad), 0) << bad;
}

TEST(ContestRules, BandSlots) {
    EXPECT_EQ(BandSlot("160m"), 0);
    EXPECT_EQ(BandSlot("80m"), 1);
    EXPECT_EQ(BandSlot("10m"), 5);
    EXPECT_EQ(BandSlot("160M"), 0);
    EXPECT_EQ(BandSlot("6m"), 0);
}

TEST(TextUtil, ParseLeadingIntFollowsAtoiAndSaturates) {
    struct Case {
        const char* text;
        int value;
    } cases[] = {
        {"", 0}, {"abc", 0}, {"14", 14}, {"  -7x", -7}, {"+3", 3}, {"\t12 3", 12},
        {"- 5", 0}, {"05", 5}, {"2147483647", INT_MAX}, {"2147483648", INT_MAX},
        {"99999999999999999999999", INT_MAX}, {"-2147483648", INT_MIN},
        {"-99999999999999999999", INT_MIN}, {"0000000000000000000000042", 42},
    };
    for (const Case& c : cases) EXPECT_EQ(ParseLeadingInt(c.text), c.value) << c.text;
}

TEST(TextUtil, UpperTrimmedAndEqualsNoCase) {
    EXPECT_EQ(UpperTrimmed(" tx \t"), "TX");
    EXPECT_EQ(UpperTrimmed("\xe0on"), "\xe0ON");  // bytes above 127 stay as they are
    EXPECT_EQ(UpperTrimmed("   "), "");
    EXPECT_TRUE(EqualsNoCase("160m", "160M"));
    EXPECT_FALSE(EqualsNoCase("160m", "160m "));
}
