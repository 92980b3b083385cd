// The text helpers' atoi-like parse and the ASCII case rules.
#include "platform/text_util.h"

#include <gtest/gtest.h>

#include <climits>

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
