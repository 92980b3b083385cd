#include <gtest/gtest.h>
#include <sys/stat.h>

#include "interface/contest_module.h"
#include "platform/settings.h"
#include "scoring/bad_qso_report.h"
#include "scoring/log_ops.h"
#include "test_util.h"

namespace {

double At(int day, int hh, int mm) { return 46416.0 + day + (hh * 60 + mm) / 1440.0; }

QsoInput Qso(const char* call, double when, unsigned hz = 1822000, const char* country = "K",
             const char* exch = "MA") {
    QsoInput q;
    q.ownCall = "DL1ABC";
    q.call = call;
    q.time = COleDateTime(when);
    q.freqHz = hz;
    q.mode = "CW";
    q.rstSent = "599";
    q.rstRcvd = "599";
    q.exchSent = "14";
    q.exchRcvd = exch;
    q.countryPrefix = country;
    q.detailedPrefix = country;
    q.continent = "NA";
    q.band = "160m";
    return q;
}

class RemoveQsoTest : public ::testing::Test {
protected:
    RemoveQsoTest() {
        run_.cwContest = 1;
        run_.badQsoPath = "report.txt";
        CreateReport(run_.badQsoPath, ResetReportHeader(true));
    }
    ScopedTempCwd dir_;
    RunContext run_;
    ContestStore store_;
};

}  // namespace

TEST_F(RemoveQsoTest, DropsOnlyTheLinesOfTheRemovedQso) {
    // K1AB twice at 18:30 (a dupe), K1ABC at 18:30, K1AB at 20:00 on 1830 kHz.
    const QsoInput first = Qso("K1AB", At(0, 22, 5));
    const QsoInput removed = Qso("K1AB", At(1, 18, 30));
    AddQso(first, run_, &store_);
    AddQso(Qso("K1ABC", At(0, 22, 6)), run_, &store_);
    AddQso(removed, run_, &store_);
    AddQso(Qso("K1ABC", At(1, 18, 30)), run_, &store_);
    AddQso(Qso("K1AB", At(1, 20, 0), 1830000), run_, &store_);
    EXPECT_EQ(RemoveQso(removed, run_, &store_), 1);
    EXPECT_EQ(ReadAll("report.txt"),
              "CQ WW 160M CW DX Contest UBN file \r\n"
              "QSO:  1822  CW  2027-01-30 1830  DL1ABC  599  14  K1ABC  599  MA   DUPE !!!\r\n"
              "QSO:  1830  CW  2027-01-30 2000  DL1ABC  599  14  K1AB  599  MA   DUPE !!!\r\n"
              "QSO:  1830  CW  2027-01-30 2000  DL1ABC  599  14  K1AB  599  MA   DUPE !!!\r\n");
    ASSERT_EQ(store_.log.size(), 4u);
    EXPECT_EQ(store_.log[2].call, "K1ABC");
}

TEST_F(RemoveQsoTest, ALineBreakInAHostTextKeepsTheProblemOneReportLine) {
    // An exchange from an ADIF field may carry a line break (and a call a NUL).
    QsoInput broken = Qso("K1AB", At(0, 22, 5), 1822000, "K", "M\r\nA");
    broken.call = std::string("K1AB\0X", 6);
    AddQso(Qso("W1AW", At(0, 22, 0)), run_, &store_);
    AddQso(broken, run_, &store_);
    EXPECT_EQ(ReadAll("report.txt"),
              "CQ WW 160 CW DX Contest UBN file \r\n"
              "QSO:  1822  CW  2027-01-29 2205  DL1ABC  599  14  K1AB X  599  M  A  M  A"
              " State or Province not acceptable !!!\r\n");
    EXPECT_EQ(CountBadQsoLines("report.txt"), 1);
    ASSERT_EQ(store_.log.size(), 2u);
    EXPECT_EQ(store_.log[1].exchRcvd, "M\r\nA");  // the record keeps the text
    EXPECT_EQ(store_.log[1].call, broken.call);

    RemoveQso(broken, run_, &store_);
    EXPECT_EQ(ReadAll("report.txt"), "CQ WW 160M CW DX Contest UBN file \r\n");
    EXPECT_EQ(CountBadQsoLines("report.txt"), 0);
    ASSERT_EQ(store_.log.size(), 1u);
}

TEST_F(RemoveQsoTest, RemovesOnlyTheFirstOfTwoEqualRecords) {
    const QsoInput q = Qso("W1AW", At(0, 23, 0));
    AddQso(q, run_, &store_);
    AddQso(q, run_, &store_);
    RemoveQso(q, run_, &store_);
    ASSERT_EQ(store_.log.size(), 1u);
    EXPECT_EQ(store_.log[0].dupeFlag, 1);
    // Both records wrote the same fields; the rewrite drops every such line.
    EXPECT_EQ(ReadAll("report.txt"), "CQ WW 160M CW DX Contest UBN file \r\n");
}

TEST_F(RemoveQsoTest, TimesMatchOnlyWhenBothValidAndEqualOrBothNull) {
    QsoInput q = Qso("W1AW", At(0, 23, 0));
    AddQso(q, run_, &store_);
    QsoInput other = q;
    other.time.m_dt += 1.0 / 86400;
    RemoveQso(other, run_, &store_);
    other = q;
    other.time.m_status = COleDateTime::invalid;
    RemoveQso(other, run_, &store_);
    other.mode = "cw";
    other.time = q.time;
    RemoveQso(other, run_, &store_);
    EXPECT_EQ(store_.log.size(), 1u);

    QsoInput nullTime = Qso("W2AW", 0);
    nullTime.time = COleDateTime(5.0, COleDateTime::null);
    AddQso(nullTime, run_, &store_);
    nullTime.time.m_dt = 9.0;  // not compared when null
    RemoveQso(nullTime, run_, &store_);
    ASSERT_EQ(store_.log.size(), 1u);
    EXPECT_EQ(store_.log[0].call, "W1AW");
}

TEST_F(RemoveQsoTest, PrunesBandTablesAndEmptiesThemWithTheLog) {
    const QsoInput pe = Qso("VY2ZM", At(0, 22, 0), 1822000, "VE", " pe");
    AddQso(pe, run_, &store_);
    AddQso(Qso("W1AW", At(0, 22, 1)), run_, &store_);
    store_.bandStateProvs[0] = {"MA", "PEI", "PEI"};
    store_.bandCountries[0] = {"VE", "K"};
    store_.bandZones[0] = {7, 3};
    RemoveQso(pe, run_, &store_);
    EXPECT_EQ(store_.bandStateProvs[0], (StringArray{"MA", "PEI"}));
    EXPECT_EQ(store_.bandCountries[0].size(), 2u);
    EXPECT_EQ(store_.bandsWorked, (StringArray{"160m"}));

    RemoveQso(Qso("W1AW", At(0, 22, 1)), run_, &store_);
    EXPECT_TRUE(store_.log.empty());
    EXPECT_TRUE(store_.bandsWorked.empty());
    EXPECT_TRUE(store_.bandCountries[0].empty());
    EXPECT_TRUE(store_.bandZones[0].empty());
    EXPECT_EQ(store_.bandStateProvs[0], (StringArray{"PEI"}));  // not emptied with the log
}

TEST_F(RemoveQsoTest, NoMatchStillRewritesAndAMissingReportLeavesOnlyTheHeader) {
    run_.cwContest = 0;
    RemoveQso(Qso("NOBODY", 1.0), run_, &store_);
    EXPECT_EQ(ReadAll("report.txt"), "CQ WW 160M SSB DX Contest UBN file \r\n");
    run_.badQsoPath = "fresh.txt";
    RemoveQso(Qso("NOBODY", 1.0), run_, &store_);
    EXPECT_EQ(ReadAll("fresh.txt"), "CQ WW 160M SSB DX Contest UBN file \r\n");
}

namespace {

class ResetStatsTest : public ::testing::Test {
protected:
    ResetStatsTest() {
        mkdir("Plugins", 0777);
        args_.ownCall = "UA3AAA";
        args_.periodStart = COleDateTime(At(0, 22, 0));
        args_.periodEnd = COleDateTime(At(2, 22, 0));
        args_.ownCountry = "UA";
        args_.ownContinent = "EU";
    }
    std::string Setting(const char* key) { return ModuleSettings().ReadText(key); }

    ScopedTempCwd dir_;
    ResetArgs args_;
    ContestModule module_;
};

}  // namespace

TEST_F(ResetStatsTest, SetsTheRunAndCreatesTheReport) {
    ModuleSettings().WriteText("Mode", "1");
    module_.Reset(args_);
    ASSERT_EQ(module_.Add(Qso("W1AW", At(1, 0, 0))), 1);
    ASSERT_EQ(module_.Store().bandsWorked, (StringArray{"160m"}));
    module_.Reset(args_);
    const ContestStore store = module_.Store();
    EXPECT_TRUE(store.log.empty());
    EXPECT_TRUE(store.bandsWorked.empty());
    EXPECT_EQ(store.prevQsoRows[0], (StringArray{"160m", "-", "-", "-", "-"}));
    RunState run = module_.Run();
    EXPECT_EQ(run.cwContest, 1);
    EXPECT_EQ(run.altLanguage, 1);
    EXPECT_EQ(module_.Host().ownCall, "UA3AAA");
    EXPECT_EQ(module_.Host().periodStartDayMonth, "29.01");
    EXPECT_EQ(run.periodYear, "2027");
    EXPECT_EQ(module_.Host().periodEndDate, "31.01.2027");
    EXPECT_EQ(run.badQsoPath, "BadQSO_StatsCQWW160CWSSB_31_01_2027.txt");
    EXPECT_EQ(ReadAll(run.badQsoPath), "CQ WW 160 CW DX Contest UBN file \r\n");

    ModuleSettings().WriteText("Mode", "abc");
    args_.ownCountry = "DL";
    module_.Reset(args_);
    run = module_.Run();
    EXPECT_EQ(run.cwContest, 0);
    EXPECT_EQ(run.altLanguage, 1);  // never lowered
    EXPECT_EQ(ReadAll(run.badQsoPath), "CQ WW 160 SSB DX Contest UBN file \r\n");
}

TEST_F(ResetStatsTest, StartToggleAlternatesAndReportModeNeverStarts) {
    module_.Reset(args_);
    EXPECT_EQ(module_.Host().startToggle, 0);
    EXPECT_EQ(Setting("Start"), "1");
    module_.Reset(args_);
    EXPECT_EQ(module_.Host().startToggle, 1);
    EXPECT_EQ(Setting("Start"), "0");
    args_.reportMode = 1;
    module_.Reset(args_);
    EXPECT_EQ(module_.Host().reportMode, 1);
    EXPECT_EQ(module_.Host().startToggle, 1);
    EXPECT_EQ(Setting("Start"), "0");
}

TEST_F(ResetStatsTest, HostVersionFromHarlo2Ini) {
    const std::string& version = module_.Host().hostVersion;
    module_.Reset(args_);
    EXPECT_EQ(version, "Harlo");  // no file
    WriteAll("Harlo2.ini", "[Main]\nOther=1\r\nHarlo=2.20\r\nHarlo=9\r\n");
    module_.Reset(args_);
    EXPECT_EQ(version, "2.20");
    WriteAll("Harlo2.ini", "x Harlo=2.19\r\n");
    module_.Reset(args_);
    EXPECT_EQ(version, "o=2.19");  // six characters off the front, wherever the key is
    WriteAll("Harlo2.ini", "nothing here\r\n");
    module_.Reset(args_);
    EXPECT_EQ(version, "o=2.19");  // kept
    args_.pathPrefix = "elsewhere\\";
    module_.Reset(args_);
    EXPECT_EQ(version, "Harlo");
}
