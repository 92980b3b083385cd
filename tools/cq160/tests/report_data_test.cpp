// The report's figures from two small logs worked out by hand.
#include "tools/cq160/report/report_data.h"

#include <gtest/gtest.h>

namespace {

ScoredQso Q(const std::string& call, double minute, const std::string& continent, long long points,
            bool counts, const std::string& country = "", const std::string& stateProv = "") {
    ScoredQso q;
    q.call = call;
    q.minute = minute;
    q.continent = continent;
    q.points = points;
    q.counts = counts;
    q.status = counts ? "counts" : "dupe";
    q.newCountry = country;
    q.newCountryName = country.empty() ? "" : country + " land";
    q.newStateProv = stateProv;
    return q;
}

// Log A, a 48-hour period:
//   OK1AA     10 min  EU 10 pts  new country OK            hour 0
//   W1AW      50 min  NA 10 pts  new state MA              hour 0
//   OK1AA     70 min  dupe, no points                      hour 1
//   DL2AA    130 min  EU  5 pts                            hour 2
//   DL1ZZ     -2 min  EU  2 pts  new country DL (before the start: hour 0)
//   K2NY    2885 min  NA 10 pts  new state NY  (after the end: hour 47)
//   DL5XX/MM 200 min  no continent, 5 pts                  hour 3
ScoredLog LogA() {
    ScoredLog log;
    log.call = "DL1ABC";
    log.periodMinutes = 2880;
    log.qsos = {Q("OK1AA", 10, "EU", 10, true, "OK"), Q("W1AW", 50, "NA", 10, true, "", "MA"),
                Q("OK1AA", 70, "EU", 0, false),       Q("DL2AA", 130, "EU", 5, true),
                Q("DL1ZZ", -2, "EU", 2, true, "DL"),  Q("K2NY", 2885, "NA", 10, true, "", "NY"),
                Q("DL5XX/MM", 200, "", 5, true)};
    return log;
}

// Log B: OK1AA at 100 min (10 pts, OK), W1AW at 200 min (10 pts, MA),
// G3XX after the end (10 pts, G), K2NY not counting.
ScoredLog LogB() {
    ScoredLog log;
    log.call = "OK2ABC";
    log.periodMinutes = 2880;
    log.qsos = {Q("OK1AA", 100, "EU", 10, true, "OK"), Q("W1AW", 200, "NA", 10, true, "", "MA"),
                Q("G3XX", 3000, "EU", 10, true, "G"), Q("K2NY", 300, "NA", 0, false)};
    return log;
}

TEST(ReportData, RatesPerHourCountOnlyScoringQsosWithEdgeQsosInTheFirstAndLastHour) {
    const HourlyRates r = RatesPerHour(LogA());
    ASSERT_EQ(r.qsos.size(), 48u);
    EXPECT_EQ(r.qsos[0], 3);
    EXPECT_EQ(r.points[0], 22);
    EXPECT_EQ(r.qsos[1], 0);  // the dupe
    EXPECT_EQ(r.qsos[2], 1);
    EXPECT_EQ(r.points[2], 5);
    EXPECT_EQ(r.points[3], 5);
    EXPECT_EQ(r.qsos[47], 1);
    EXPECT_EQ(r.points[47], 10);
}

TEST(ReportData, RunningScoreIsPointsTimesMultipliersAtEachHoursEnd) {
    const RunningTotals t = TotalsByHour(LogA());
    ASSERT_EQ(t.score.size(), 48u);
    EXPECT_EQ(t.score[0], 22 * 3);  // OK, DL, MA
    EXPECT_EQ(t.score[1], 66);
    EXPECT_EQ(t.score[2], 27 * 3);
    EXPECT_EQ(t.score[3], 32 * 3);
    EXPECT_EQ(t.score[46], 96);
    EXPECT_EQ(t.score[47], 42 * 4);  // NY
    EXPECT_EQ(t.countries[47], 2);
    EXPECT_EQ(t.statesProvinces[47], 2);
}

TEST(ReportData, MultiplierTimelineInTimeOrderWithRunningCounts) {
    const std::vector<MultiplierEvent> e = MultiplierTimeline(LogA());
    ASSERT_EQ(e.size(), 4u);
    EXPECT_EQ(e[0].name, "DL");  // logged fifth, worked first
    EXPECT_EQ(e[0].minute, 0);
    EXPECT_EQ(e[0].title, "DL DL land");
    EXPECT_EQ(e[1].name, "OK");
    EXPECT_EQ(e[1].countries, 2);
    EXPECT_EQ(e[2].name, "MA");
    EXPECT_FALSE(e[2].country);
    EXPECT_EQ(e[2].statesProvinces, 1);
    EXPECT_EQ(e[3].name, "NY");
    EXPECT_EQ(e[3].minute, 2880);
    EXPECT_EQ(e[3].countries, 2);
    EXPECT_EQ(e[3].statesProvinces, 2);
}

TEST(ReportData, ContinentsInTheirFixedOrderUnknownLast) {
    const std::vector<ContinentTotals> c = TotalsByContinent(LogA());
    ASSERT_EQ(c.size(), 3u);
    EXPECT_EQ(c[0].continent, "EU");
    EXPECT_EQ(c[0].qsos, 3);
    EXPECT_EQ(c[0].points, 17);
    EXPECT_EQ(c[1].continent, "NA");
    EXPECT_EQ(c[1].qsos, 2);
    EXPECT_EQ(c[1].points, 20);
    EXPECT_EQ(c[2].continent, "?");
    EXPECT_EQ(c[2].points, 5);

    const auto countries = CountriesByContinent(LogA());
    ASSERT_EQ(countries.size(), 1u);
    ASSERT_EQ(countries[0].second.size(), 2u);
    EXPECT_EQ(countries[0].second[0].prefix, "OK");  // log order
    EXPECT_EQ(countries[0].second[1].prefix, "DL");
}

TEST(ReportData, StatesWorkedAndMissingAndTheQsosThatDoNotCount) {
    const std::vector<StateProvCell> cells = StatesProvinces(LogA(), {"MA", "NY", "TX"});
    ASSERT_EQ(cells.size(), 3u);
    EXPECT_TRUE(cells[0].worked);
    EXPECT_TRUE(cells[1].worked);
    EXPECT_FALSE(cells[2].worked);

    const std::vector<ScoredQso> bad = NotCounting(LogA());
    ASSERT_EQ(bad.size(), 1u);
    EXPECT_EQ(bad[0].minute, 70);

    const LogTotals t = TotalsOf(LogA());
    EXPECT_EQ(t.qsos, 7);
    EXPECT_EQ(t.counting, 6);
    EXPECT_EQ(t.points, 42);
    EXPECT_EQ(t.countries, 2);
    EXPECT_EQ(t.statesProvinces, 2);
}

TEST(ReportData, ComparisonOfTwoLogs) {
    const ScoredLog a = LogA(), b = LogB();
    const Comparison c = Compare({&a, &b});
    EXPECT_EQ(c.uniqueCalls[0], (std::vector<std::string>{"DL1ZZ", "DL2AA", "DL5XX/MM", "K2NY"}));
    EXPECT_EQ(c.uniqueCalls[1], (std::vector<std::string>{"G3XX"}));
    EXPECT_EQ(c.commonCalls, (std::vector<std::string>{"OK1AA", "W1AW"}));
    EXPECT_EQ(c.uniqueMultipliers[0], (std::vector<std::string>{"DL", "NY"}));
    EXPECT_EQ(c.uniqueMultipliers[1], (std::vector<std::string>{"G"}));
    ASSERT_EQ(c.scoreDifference.size(), 1u);
    const std::vector<long long>& d = c.scoreDifference[0];
    ASSERT_EQ(d.size(), 48u);
    EXPECT_EQ(d[0], 0 - 66);
    EXPECT_EQ(d[1], 10 - 66);
    EXPECT_EQ(d[2], 10 - 81);
    EXPECT_EQ(d[3], 40 - 96);
    EXPECT_EQ(d[47], 90 - 168);
}

TEST(ReportData, ThreeLogsUniqueMeansNoOtherLogHasIt) {
    ScoredLog a = LogA(), b = LogB(), c3 = LogB();
    c3.qsos = {Q("G3XX", 10, "EU", 10, true, "G"), Q("OK1AA", 20, "EU", 10, true, "OK"),
               Q("W1AW", 30, "NA", 10, true, "", "MA")};
    const Comparison c = Compare({&a, &b, &c3});
    EXPECT_TRUE(c.uniqueCalls[1].empty());  // G3XX is in the third log too
    EXPECT_TRUE(c.uniqueCalls[2].empty());
    EXPECT_EQ(c.commonCalls, (std::vector<std::string>{"OK1AA", "W1AW"}));
    ASSERT_EQ(c.scoreDifference.size(), 2u);
    EXPECT_EQ(c.scoreDifference[1][0], 30 * 3 - 66);
}

}  // namespace
