#include "scoring/results_summary.h"

#include <gtest/gtest.h>

#include "platform/text_file.h"
#include "scoring/bad_qso_report.h"
#include "test_util.h"

namespace {

constexpr double kMinute = 1.0 / 1440;
constexpr double kSecond = 1.0 / 86400;
constexpr double kRef = 46417.5;  // 2027-01-30 12:00

CInfo Record(const char* call, const char* country, const char* continent, double when,
             const char* stateProv = "") {
    CInfo r;
    r.call = call;
    r.country = country;
    r.continent = continent;
    r.band = "160m";
    r.mode = "CW";
    r.stateProv = stateProv;
    r.time = COleDateTime(when);
    return r;
}

class SummaryTest : public ::testing::Test {
protected:
    SummaryTest() {
        in_.ownCall = "DL1ABC";
        in_.ownCountry = "DL";
        in_.ownContinent = "EU";
        in_.periodStartDayMonth = "29.01";
        in_.periodEndDate = "31.01.2027";
        in_.cwContest = 1;
        in_.badQsoPath = "report.txt";
    }
    void Add(const CInfo& r) {
        store_.log.push_back(r);
        if (store_.bandsWorked.empty()) store_.bandsWorked.push_back("160m");
    }
    std::string Text() { return ComputeSummary(in_, &store_).text; }

    ScopedTempCwd dir_;
    SummaryInput in_;
    ContestStore store_;
};

const char kHeader[] =
    "  CQ WW 160M CW DX Contest 29.01-31.01.2027 \r\n\t    Contestant: DL1ABC\r\n"
    "Band\tQSOs\tPoints\tDXCC\tState/Prov\r\n";

}  // namespace

TEST_F(SummaryTest, EmptyLogHasNoBandsNoRatesAndScoreZero) {
    in_.cwContest = 0;
    EXPECT_EQ(Text(),
              "  CQ WW 160M SSB DX Contest 29.01-31.01.2027 \r\n\t    Contestant: DL1ABC\r\n"
              "Band\tQSOs\tPoints\tDXCC\tState/Prov\r\n"
              "Total\t 0\t 0\t 0\t 0\r\nDupe\t 0\r\nBad QSO\t 0\r\n\r\nScore: 0*(0+0) = 0\r\n");
}

TEST_F(SummaryTest, PointsMultipliersAndTheWholeText) {
    Add(Record("DL2AA", "DL", "EU", kRef - 70 * kMinute));    // own country: 2
    Add(Record("OK1AA", "OK", "EU", kRef - 50 * kMinute));    // own continent: 5
    Add(Record("DL0XX", "DL", "AF", kRef - 40 * kMinute));    // own country wins: 2
    Add(Record("K1AB", "K", "NA", kRef - 30 * kMinute, "MA"));  // 10, a state, no country
    Add(Record("VE3X", "VE", "NA", kRef - 20 * kMinute, "ON"));
    Add(Record("K2AB", "K", "NA", kRef - 9 * kMinute, "MA"));
    CInfo dupe = Record("OK1AA", "OK", "EU", kRef);
    dupe.dupeFlag = dupe.excluded = 1;
    Add(dupe);
    Add(Record("R1ANF/MM", "", "", kRef - 5 * kMinute));     // 5, no multiplier
    CInfo noCall = Record("", "JA", "AS", kRef);
    noCall.dupeFlag = 1;
    Add(noCall);
    EXPECT_EQ(Text(), std::string(kHeader) +
                          "160m\t 7\t 44\t 2\t 2\r\n"
                          "Total\t 7\t 44\t 2\t 2\r\nDupe\t 1\r\nBad QSO\t 0\r\n"
                          "\r\nHourly (10min) QSO rate:     6 (12) QSOs/hour\r\n"
                          "Hourly (10min) pts rate:    42 (90) points/hour\r\n\r\n"
                          "Last QSO: 5 points\r\nScore: 44*(2+2) = 176\r\n");
    // The windows still see W and VE as worked.
    EXPECT_EQ(store_.bandCountries[0], (StringArray{"DL", "OK", "K", "VE", ""}));
    EXPECT_EQ(store_.bandStateProvs[0], (StringArray{"MA", "ON"}));
    EXPECT_EQ(Text(), Text());  // lists rebuilt, not appended to
    EXPECT_EQ(store_.bandCountries[0].size(), 5u);
}

TEST_F(SummaryTest, RateWindowBoundaries) {
    struct Case {
        double age;  // days before the reference
        int hour, ten;
    } cases[] = {
        {60 * kMinute, 0, 0},
        {59 * kMinute + 59.5 * kSecond, 0, 0},  // rounds to 60 minutes
        {59 * kMinute + 59.4 * kSecond, 1, 0},
        {10 * kMinute, 1, 0},
        {9 * kMinute + 59.5 * kSecond, 1, 0},
        {9 * kMinute + 59.4 * kSecond, 1, 1},
        {0, 1, 1},
        {-90 * kMinute, 1, 1},  // later than the reference: counts in both
    };
    for (const Case& c : cases) {
        store_.log.clear();
        Add(Record("OK1AA", "OK", "EU", kRef - c.age));
        CInfo last = Record("OK1AA", "OK", "EU", kRef);
        last.dupeFlag = last.excluded = 1;  // the reference, scoring nothing
        Add(last);
        const std::string text = Text();
        const std::string expected =
            "QSO rate:     " + std::to_string(c.hour) + " (" + std::to_string(6 * c.ten) + ")";
        EXPECT_NE(text.find(expected), std::string::npos) << c.age / kSecond << "\n" << text;
        EXPECT_NE(text.find("Last QSO: 5 points"), std::string::npos);
    }
}

TEST_F(SummaryTest, ReportModeHasNoRatesAndHtmlShowsZero) {
    Add(Record("OK1AA", "OK", "EU", kRef));
    in_.reportMode = true;
    EXPECT_EQ(Text(), std::string(kHeader) +
                          "160m\t 1\t 5\t 1\t 0\r\nTotal\t 1\t 5\t 1\t 0\r\nDupe\t 0\r\n"
                          "Bad QSO\t 0\r\n\r\nScore: 5*(1+0) = 5\r\n");
    in_.html = true;
    const std::string html = Text();
    EXPECT_NE(html.find("<tr><th>Hourly (10min/1 hour) QSO rate:</th><td colspan=4><center>    "
                        "0 /0</center></td></tr>"),
              std::string::npos);
    EXPECT_EQ(html.substr(html.size() - 77),
              "</table><h6 align=\"right\">CQ WW 160M CW/SSB scoring module</h6></body></html>");
}

TEST_F(SummaryTest, BadQsoFigureCountsRejectedQsosNotDupeLines) {
    CreateReport("report.txt", "H ");
    {
        AppendFile report("report.txt");
        report.WriteLine("QSO:  1830  CW  x  WRONG BAND !!!");
        report.WriteLine(std::string("QSO:  1830  CW  y  AK") + kBadStateProv);
        // The third QSO of a call duplicates two: two lines, one dupe.
        report.WriteLine(std::string("QSO:  1830  CW  z") + kDupe);
        report.WriteLine(std::string("QSO:  1830  CW  z") + kDupe);
    }
    CInfo third = Record("OK1AA", "OK", "EU", kRef);
    third.dupeFlag = third.excluded = 1;
    Add(third);
    EXPECT_NE(Text().find("Dupe\t 1\r\nBad QSO\t 2\r\n"), std::string::npos);
    in_.badQsoPath = "missing.txt";
    EXPECT_NE(Text().find("Bad QSO\t 0\r\n"), std::string::npos);
}
