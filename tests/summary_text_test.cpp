// The two renderings of a tally, each compared whole with its expected
// text in golden/summary/.
#include "scoring/summary_text.h"

#include <gtest/gtest.h>

#include "test_util.h"

namespace {

std::string Golden(const char* name) {
    return ReadAll(std::string(STATS_GOLDEN_DIR) + "/summary/" + name);
}

SummaryInput Heading(int cwContest) {
    SummaryInput in;
    in.ownCall = "DL1ABC";
    in.periodStartDayMonth = "29.01";
    in.periodEndDate = "31.01.2027";
    in.cwContest = cwContest;
    return in;
}

BandTally Band(const char* band, int qsos, int points, int countries, int stateProvs) {
    BandTally b;
    b.band = band;
    b.qsos = qsos;
    b.points = points;
    b.countries = countries;
    b.stateProvs = stateProvs;
    return b;
}

// Every figure a different number, so that a swapped column shows.
SummaryTally TwoBands() {
    SummaryTally t;
    t.bands = {Band("160m", 312, 2436, 61, 17), Band("80m", 3, 30, 2, 0)};
    t.qsos = 315;
    t.points = 2466;
    t.countries = 63;
    t.stateProvs = 17;
    t.dupes = 4;
    t.badQsos = 2;
    t.score = 197280;
    t.lastQsoPoints = 10;
    t.rates = true;
    t.hourQsos = 37;
    t.hourPoints = 301;
    t.tenMinuteQsos = 7;
    t.tenMinutePoints = 55;
    return t;
}

}  // namespace

TEST(SummaryRendering, TextWithRates) {
    EXPECT_EQ(SummaryText(Heading(1), TwoBands()), Golden("results.txt"));
}

TEST(SummaryRendering, TextOfTheFinalReportHasNoRateBlock) {
    SummaryTally t = TwoBands();
    t.rates = false;
    t.hourQsos = t.hourPoints = t.tenMinuteQsos = t.tenMinutePoints = 0;
    EXPECT_EQ(SummaryText(Heading(0), t), Golden("results-report.txt"));
}

TEST(SummaryRendering, Html) {
    EXPECT_EQ(SummaryHtml(Heading(1), TwoBands()), Golden("results.html"));
}
