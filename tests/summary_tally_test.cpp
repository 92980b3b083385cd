// The tally as data, and the per-band lists the windows get from it.
#include "scoring/summary_tally.h"

#include <gtest/gtest.h>

#include "scoring/band_lists.h"

namespace {

constexpr double kMinute = 1.0 / 1440;
constexpr double kSecond = 1.0 / 86400;
constexpr double kRef = 46417.5;  // 2027-01-30 12:00

CInfo Record(const char* call, const char* country, const char* continent, double when,
             const char* stateProv = "", const char* band = "160m") {
    CInfo r;
    r.call = call;
    r.country = country;
    r.continent = continent;
    r.band = band;
    r.mode = "CW";
    r.stateProv = stateProv;
    r.time = COleDateTime(when);
    return r;
}

class TallyTest : public ::testing::Test {
protected:
    TallyTest() {
        in_.ownCountry = "DL";
        in_.ownContinent = "EU";
        store_.bandsWorked = {"160m", "80m"};
        const CInfo records[] = {
            Record("JA1AA", "JA", "AS", kRef - 100 * kMinute, "", "80m"),  // 10, not rated
            Record("DL2AA", "DL", "EU", kRef - 70 * kMinute),            // 2, an hour ago
            Record("OK1AA", "OK", "EU", kRef - 50 * kMinute),            // 5
            Record("K1AB", "K", "NA", kRef - 30 * kMinute, "MA"),        // 10, a state
            Record("VE3X", "VE", "NA", kRef - 20 * kMinute, "ON"),       // 10, a province
            Record("K2AB", "K", "NA", kRef - 9 * kMinute, "MA"),         // 10, ten minutes
            Record("R1ANF/MM", "", "", kRef - 5 * kMinute),              // 5, no multiplier
        };
        for (const CInfo& r : records) store_.log.push_back(r);
        CInfo dupe = Record("OK1AA", "OK", "EU", kRef);  // the reference, scoring nothing
        dupe.dupeFlag = dupe.excluded = 1;
        store_.log.push_back(dupe);
        CInfo noCall = Record("", "JA", "AS", kRef - kMinute);  // ignored, dupe mark and all
        noCall.dupeFlag = 1;
        store_.log.push_back(noCall);
    }

    SummaryInput in_;
    ContestStore store_;
};

}  // namespace

TEST_F(TallyTest, BandsTotalsAndRatesAsData) {
    const SummaryTally t = TallySummary(in_, store_, 3);
    ASSERT_EQ(t.bands.size(), 2u);
    const BandTally& top = t.bands[0];
    EXPECT_EQ(top.band, "160m");
    EXPECT_EQ(top.qsos, 6);
    EXPECT_EQ(top.points, 42);
    EXPECT_EQ(top.countries, 2);  // DL and OK: W, VE and the ship are no country
    EXPECT_EQ(top.stateProvs, 2);
    EXPECT_EQ(top.countryList, (StringArray{"DL", "OK", "K", "VE", ""}));
    EXPECT_EQ(top.stateProvList, (StringArray{"MA", "ON"}));
    const BandTally& low = t.bands[1];
    EXPECT_EQ(low.band, "80m");
    EXPECT_EQ(low.qsos, 1);
    EXPECT_EQ(low.points, 10);
    EXPECT_EQ(low.countries, 1);
    EXPECT_EQ(low.countryList, StringArray{"JA"});
    EXPECT_TRUE(low.stateProvList.empty());

    EXPECT_EQ(t.qsos, 7);
    EXPECT_EQ(t.points, 52);
    EXPECT_EQ(t.countries, 3);
    EXPECT_EQ(t.stateProvs, 2);
    EXPECT_EQ(t.dupes, 1);
    EXPECT_EQ(t.badQsos, 3);
    EXPECT_EQ(t.score, 52 * 5);
    // Rates on the last record's band only, against its time.
    EXPECT_TRUE(t.rates);
    EXPECT_EQ(t.lastQsoPoints, 5);
    EXPECT_EQ(t.hourQsos, 5);
    EXPECT_EQ(t.hourPoints, 40);
    EXPECT_EQ(t.tenMinuteQsos, 2);
    EXPECT_EQ(t.tenMinutePoints, 15);
}

TEST_F(TallyTest, FinalReportMeasuresNoRatesButKeepsTheLastPoints) {
    in_.reportMode = true;
    const SummaryTally t = TallySummary(in_, store_, 0);
    EXPECT_FALSE(t.rates);
    EXPECT_EQ(t.hourQsos + t.hourPoints + t.tenMinuteQsos + t.tenMinutePoints, 0);
    EXPECT_EQ(t.lastQsoPoints, 5);
    EXPECT_EQ(t.score, 52 * 5);
}

TEST(Tally, EmptyLogHasNoBandsAndNoRates) {
    SummaryInput in;
    ContestStore store;
    const SummaryTally t = TallySummary(in, store, 0);
    EXPECT_TRUE(t.bands.empty());
    EXPECT_FALSE(t.rates);
    EXPECT_EQ(t.qsos + t.points + t.dupes + t.score + t.lastQsoPoints, 0);
}

TEST_F(TallyTest, BandListsReplaceOnlyTheReportedBandsSlots) {
    store_.bandCountries[0] = {"stale"};
    store_.bandZones[0] = {14};
    store_.bandCountries[2] = {"kept"};  // 40 m: not in the tally
    RebuildBandLists(TallySummary(in_, store_, 0), &store_);
    EXPECT_EQ(store_.bandCountries[0], (StringArray{"DL", "OK", "K", "VE", ""}));
    EXPECT_EQ(store_.bandStateProvs[0], (StringArray{"MA", "ON"}));
    EXPECT_TRUE(store_.bandZones[0].empty());
    EXPECT_EQ(store_.bandCountries[1], StringArray{"JA"});
    EXPECT_EQ(store_.bandCountries[2], StringArray{"kept"});
}

TEST(AgeInMinutes, IsExactAcrossDayFractions) {
    long long minutes = -1;
    // 23:59:59.5 minus 00:00 of the next day across many days.
    for (int day = 40000; day < 50000; day += 37) {
        ASSERT_TRUE(AgeInMinutes(COleDateTime(day + 1.0),
                                 COleDateTime(day + 1.0 - 59.5 * kSecond), &minutes));
        EXPECT_EQ(minutes, 1) << day;
        ASSERT_TRUE(AgeInMinutes(COleDateTime(day + 0.75),
                                 COleDateTime(day + 0.75 - 599.4 * kSecond), &minutes));
        EXPECT_EQ(minutes, 9) << day;
    }
    EXPECT_FALSE(AgeInMinutes(COleDateTime(1.0), COleDateTime(1.0, COleDateTime::invalid),
                              &minutes));
    EXPECT_FALSE(AgeInMinutes(COleDateTime(0.0, COleDateTime::null), COleDateTime(1.0), &minutes));
}

TEST(SortBands, PutsLongerWavesFirst) {
    StringArray bands{"10m", "80m", "160m", "15m", "40m", "20m", "160M"};
    SortBands(&bands);
    EXPECT_EQ(bands, (StringArray{"160m", "160M", "80m", "40m", "20m", "15m", "10m"}));
}
