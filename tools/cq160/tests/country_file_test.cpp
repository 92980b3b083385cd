#include "tools/cq160/logs/country_file.h"

#include <gtest/gtest.h>

#include "tools/cq160/tests/cty_excerpt.h"

namespace {

class CountryFileTest : public ::testing::Test {
protected:
    void SetUp() override {
        std::string error;
        ASSERT_TRUE(cty_.Parse(kCtyExcerpt, &error)) << error;
    }
    std::string EntityOf(const CtyPrefix* entry) {
        return entry ? cty_.entity(entry->entity).name : "(none)";
    }
    CountryFile cty_;
};

TEST_F(CountryFileTest, ReadsEntityHeaders) {
    ASSERT_EQ(cty_.entities().size(), 27u);
    const CtyEntity& us = cty_.entity(cty_.FindEntityIndex("k"));
    EXPECT_EQ(us.name, "United States of America");
    EXPECT_EQ(us.cqZone, 5);
    EXPECT_EQ(us.ituZone, 8);
    EXPECT_EQ(us.continent, "NA");
    EXPECT_FALSE(us.waeOnly);
    const CtyEntity& sicily = cty_.entity(cty_.FindEntityIndex("*IT9"));
    EXPECT_TRUE(sicily.waeOnly);
    EXPECT_EQ(sicily.primaryPrefix, "IT9");
    // The file's spelling is kept; the lookup ignores case.
    EXPECT_EQ(cty_.entity(cty_.FindEntityIndex("3D2/R")).primaryPrefix, "3D2/r");
    EXPECT_EQ(cty_.FindEntityIndex("XX"), -1);
}

TEST_F(CountryFileTest, OverridesHoldForTheirPrefixOnly) {
    const CtyPrefix* ua0 = cty_.FindLongestPrefix("UA0ABC");
    ASSERT_NE(ua0, nullptr);
    EXPECT_EQ(ua0->text, "UA0");
    EXPECT_EQ(ua0->cqZone, 19);   // (19)
    EXPECT_EQ(ua0->ituZone, 33);  // [33], after which <lat/long> and ~UTC~ are skipped
    EXPECT_EQ(ua0->continent, "AS");
    const CtyPrefix* ua9 = cty_.FindLongestPrefix("UA9ABC");
    EXPECT_EQ(ua9->cqZone, 17);
    EXPECT_EQ(ua9->ituZone, 30);

    const CtyPrefix* komi = cty_.FindLongestPrefix("UA9XAB");
    EXPECT_EQ(EntityOf(komi), "European Russia");
    EXPECT_EQ(komi->cqZone, 17);
    EXPECT_EQ(komi->continent, "EU");  // {EU}
    const CtyPrefix* ve8 = cty_.FindLongestPrefix("VE8AB");
    EXPECT_EQ(ve8->cqZone, 1);
    EXPECT_EQ(ve8->ituZone, 2);
    EXPECT_EQ(cty_.FindLongestPrefix("W6AB")->cqZone, 3);
    EXPECT_EQ(cty_.FindLongestPrefix("W1AB")->cqZone, 5);

    const CtyPrefix* mm = cty_.FindExactCall("N2NL/MM");
    ASSERT_NE(mm, nullptr);
    EXPECT_TRUE(mm->exactCall);
    EXPECT_EQ(mm->cqZone, 7);
}

TEST_F(CountryFileTest, LongestPrefixAndExactCalls) {
    EXPECT_EQ(EntityOf(cty_.FindLongestPrefix("KH6XX")), "Hawaii");
    EXPECT_EQ(EntityOf(cty_.FindLongestPrefix("KL7AB")), "Alaska");
    EXPECT_EQ(EntityOf(cty_.FindLongestPrefix("K1ABC")), "United States of America");
    EXPECT_EQ(EntityOf(cty_.FindLongestPrefix("it9abc")), "Sicily");
    EXPECT_EQ(EntityOf(cty_.FindLongestPrefix("IT9ABC", /*skipWaeOnly=*/true)), "Italy");
    EXPECT_EQ(cty_.FindLongestPrefix("QQ1ABC"), nullptr);
    // An exact call is no prefix: only the whole call matches.
    EXPECT_EQ(EntityOf(cty_.FindExactCall("KL7XX")), "United States of America");
    EXPECT_EQ(cty_.FindExactCall("KL7XXX"), nullptr);
    EXPECT_EQ(EntityOf(cty_.FindLongestPrefix("KL7XX")), "Alaska");
    EXPECT_EQ(EntityOf(cty_.FindExactCall("4u1itu")), "ITU HQ");
}

TEST(CountryFileParse, LineEndsAndSpacingDoNotMatter) {
    CountryFile a, b;
    std::string error;
    ASSERT_TRUE(a.Parse("Bermuda: 05: 11: NA: 32.32: 64.73: 4.0: VP9:\n VP9,\n\tVP9Z;\n", &error));
    ASSERT_TRUE(b.Parse("Bermuda:05:11:NA:32.32:64.73:4.0:VP9:VP9 , VP9Z ;", &error));
    for (const CountryFile* c : {&a, &b}) {
        ASSERT_NE(c->FindLongestPrefix("VP9ZAB"), nullptr);
        EXPECT_EQ(c->FindLongestPrefix("VP9ZAB")->text, "VP9Z");
    }
}

TEST(CountryFileParse, NamesTheLineOfAMalformedRecord) {
    struct Case {
        const char* text;
        const char* error;
    } cases[] = {
        {"Bermuda: 05: 11: NA: 32.32: 64.73: 4.0: VP9:\n VP9;\nFiji: 32: 56: OC: 1: 2: 3:\n 3D2;",
         "line 3: entity line without its eight fields"},
        {"Bermuda: 05: 11: NA: 32.32: 64.73: 4.0: VP9:\n VP9,\n", "line 1: prefix list without"},
        {"Bermuda: xx: 11: NA: 32.32: 64.73: 4.0: VP9:\n VP9;", "line 1: zone is not a number"},
        {"Bermuda: 05: 11: NA: 32.32: 64.73: 4.0: VP9:\n VP9(5;", "line 1: \"VP9(5\": unreadable"},
        {"Bermuda: 05: 11: NA: 32.32: 64.73: 4.0: VP9:\n VP9{N};", "line 1: \"VP9{N}\": bad over"},
    };
    for (const Case& c : cases) {
        CountryFile cty;
        std::string error;
        EXPECT_FALSE(cty.Parse(c.text, &error)) << c.text;
        EXPECT_EQ(error.compare(0, std::string(c.error).size(), c.error), 0) << error;
    }
    CountryFile missing;
    std::string error;
    EXPECT_FALSE(missing.Load("/no/such/cty.dat", &error));
    EXPECT_NE(error.find("/no/such/cty.dat"), std::string::npos);
}

}  // namespace
