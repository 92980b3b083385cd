#include <gtest/gtest.h>

#include "scoring/bad_qso_report.h"
#include "scoring/log_ops.h"
#include "test_util.h"

namespace {

// 2027-01-29 22:05 UTC as an OLE date.
constexpr double kFriday2205 = 46416.0 + (22 * 60 + 5) / 1440.0;

QsoInput Qso(const char* call, const char* country = "DL", const char* exch = "14") {
    QsoInput q;
    q.ownCall = "DL1ABC";
    q.call = call;
    q.time = COleDateTime(kFriday2205);
    q.freqHz = 1830500;
    q.mode = "CW";
    q.rstSent = "599";
    q.rstRcvd = "579";
    q.exchSent = "14";
    q.exchRcvd = exch;
    q.countryPrefix = country;
    q.detailedPrefix = country;
    q.continent = "EU";
    q.band = "160m";
    return q;
}

class AddQsoTest : public ::testing::Test {
protected:
    AddQsoTest() {
        run_.cwContest = 1;
        run_.badQsoPath = "report.txt";
        CreateReport(run_.badQsoPath, "H ");
    }
    // The report's problem lines, header left out.
    std::string Lines() { return ReadAll("report.txt").substr(4); }

    ScopedTempCwd dir_;
    RunContext run_;
    ContestStore store_;
};

const char kFields[] = "QSO:  1830  CW  2027-01-29 2205  DL1ABC  599  14  ";

}  // namespace

TEST_F(AddQsoTest, StoresAGoodQsoWithItsFields) {
    QsoInput q = Qso("OK1AA", "OK", " 15x");
    EXPECT_EQ(AddQso(q, run_, &store_), 1);
    ASSERT_EQ(store_.log.size(), 1u);
    const CInfo& r = store_.log[0];
    EXPECT_EQ(r.call, "OK1AA");
    EXPECT_EQ(r.country, "OK");
    EXPECT_EQ(r.exchRcvd, " 15x");
    EXPECT_EQ(r.zone, 15);
    EXPECT_EQ(r.freqKHz, 1830u);  // truncated, not rounded
    EXPECT_EQ(r.excluded + r.errorFlag + r.dupeFlag, 0);
    EXPECT_EQ(store_.bandsWorked, (StringArray{"160m"}));
    EXPECT_EQ(Lines(), "");
}

TEST_F(AddQsoTest, RefusalsWriteOneLineAndStoreNothing) {
    struct Case {
        const char* band;
        const char* mode;
        const char* exchRcvd;
        const char* exchSent;
        int cw;
        const char* line;
    } cases[] = {
        {"80m", "CW", "14", "14", 1, "QSO:  1830  CW  2027-01-29 2205  DL1ABC  599  14  X  579  14   WRONG BAND !!!"},
        {"", "CW", "14", "14", 1, "QSO:  1830  CW  2027-01-29 2205  DL1ABC  599  14  X  579  14   WRONG BAND !!!"},
        {"160m", "RTTY", "14", "14", 1, "QSO:  1830  RTTY  2027-01-29 2205  DL1ABC  599  14  X  579  14   WRONG MODE !!!"},
        {"160m", "cw", "14", "14", 1, "QSO:  1830  cw  2027-01-29 2205  DL1ABC  599  14  X  579  14   WRONG MODE !!!"},
        {"160m", "CW", "14", "14", 0, "QSO:  1830  CW  2027-01-29 2205  DL1ABC  599  14  X  579  14   WRONG MODE !!!"},
        {"160m", "SSB", "14", "14", 1, "QSO:  1830  SSB  2027-01-29 2205  DL1ABC  599  14  X  579  14   WRONG MODE !!!"},
        {"160m", "CW", "", "14", 1, "QSO:  1830  CW  2027-01-29 2205  DL1ABC  599  14  X  579     NO NUMBER !!!"},
        {"160m", "CW", "14", "", 1, "QSO:  1830  CW  2027-01-29 2205  DL1ABC  599    X  579  14   NO NUMBER !!!"},
        {"80m", "RTTY", "", "", 1, "QSO:  1830  RTTY  2027-01-29 2205  DL1ABC  599    X  579     WRONG BAND !!!"},
    };
    for (const Case& c : cases) {
        CreateReport("report.txt", "H ");
        QsoInput q = Qso("X");
        q.band = c.band;
        q.mode = c.mode;
        q.exchRcvd = c.exchRcvd;
        q.exchSent = c.exchSent;
        run_.cwContest = c.cw;
        EXPECT_EQ(AddQso(q, run_, &store_), 0) << c.line;
        EXPECT_EQ(Lines(), std::string(c.line) + "\r\n");
    }
    EXPECT_TRUE(store_.log.empty());
    EXPECT_TRUE(store_.bandsWorked.empty());
}

TEST_F(AddQsoTest, BandCaseIsIgnoredButKeptAsGiven) {
    QsoInput q = Qso("G4XYZ", "G");
    q.band = "160M";
    EXPECT_EQ(AddQso(q, run_, &store_), 1);
    EXPECT_EQ(store_.log[0].band, "160M");
}

TEST_F(AddQsoTest, StatesAndProvincesOfKAndVeStations) {
    struct Case {
        const char* country;
        const char* exch;
        const char* stateProv;
        int error;
    } cases[] = {
        {"K", "MA", "MA", 0},   {"K", "on", "ON", 0},   {"K", " tx ", "TX", 0},
        {"VE", "pe", "PEI", 0}, {"VE", "PEI", "PEI", 0}, {"VE", "AK", "", 1},
        {"K", "5", "", 1},      {"KH6", "HI", "", 0},    {"DL", "XX", "", 0},
        {"k", "MA", "", 0},
    };
    for (const Case& c : cases) {
        store_.log.clear();
        EXPECT_EQ(AddQso(Qso("W1X", c.country, c.exch), run_, &store_), 1);
        const CInfo& r = store_.log.back();
        EXPECT_EQ(r.stateProv, c.stateProv) << c.country << " " << c.exch;
        EXPECT_EQ(r.errorFlag, c.error) << c.exch;
        EXPECT_EQ(r.excluded, c.error) << c.exch;
        EXPECT_EQ(r.exchRcvd, c.exch);
    }
    EXPECT_EQ(Lines(), std::string(kFields) + "W1X  579  AK  AK State or Province not acceptable !!!\r\n" +
                           kFields + "W1X  579  5  5 State or Province not acceptable !!!\r\n");
}

TEST_F(AddQsoTest, EveryEarlierQsoOfTheCallMarksADupe) {
    for (int i = 0; i < 3; ++i) EXPECT_EQ(AddQso(Qso("DL2XYZ"), run_, &store_), 1);
    QsoInput ssbCase = Qso("dl2xyz");  // another call: exact comparison
    EXPECT_EQ(AddQso(ssbCase, run_, &store_), 1);
    ASSERT_EQ(store_.log.size(), 4u);
    EXPECT_EQ(store_.log[0].dupeFlag, 0);
    EXPECT_EQ(store_.log[1].dupeFlag, 1);
    EXPECT_EQ(store_.log[2].dupeFlag, 1);
    EXPECT_EQ(store_.log[2].excluded, 1);
    EXPECT_EQ(store_.log[3].dupeFlag, 0);
    const std::string dupe = std::string(kFields) + "DL2XYZ  579  14   DUPE !!!\r\n";
    EXPECT_EQ(Lines(), dupe + dupe + dupe);
}

TEST_F(AddQsoTest, ABadStateDupeWritesBothLines) {
    AddQso(Qso("VE3X", "VE", "AK"), run_, &store_);
    AddQso(Qso("VE3X", "VE", "AK"), run_, &store_);
    const std::string bad = std::string(kFields) + "VE3X  579  AK  AK State or Province not acceptable !!!\r\n";
    EXPECT_EQ(Lines(), bad + bad + kFields + "VE3X  579  AK   DUPE !!!\r\n");
}

TEST_F(AddQsoTest, OwnEntitiesOfDetailedPrefixes) {
    struct Case {
        const char* detailed;
        const char* country;
        const char* stored;
    } cases[] = {{"IT9", "I", "IT9"}, {"TA1", "TA", "TA1"}, {"Z6", "YU", "Z6"},
                 {"4U1", "HB", "4U1"}, {"IT9X", "I", "I"}, {"it9", "I", "I"}, {"", "", ""}};
    for (const Case& c : cases) {
        QsoInput q = Qso("X1X");
        q.detailedPrefix = c.detailed;
        q.countryPrefix = c.country;
        store_.log.clear();
        AddQso(q, run_, &store_);
        EXPECT_EQ(store_.log.back().country, c.stored) << c.detailed;
    }
}

TEST_F(AddQsoTest, AnUnwritableReportChangesNothingElse) {
    run_.badQsoPath = "";
    EXPECT_EQ(AddQso(Qso("A1A", "K", "5"), run_, &store_), 1);
    EXPECT_EQ(store_.log.back().errorFlag, 1);
    run_.badQsoPath = "no/such/folder/report.txt";
    EXPECT_EQ(AddQso(Qso("A1A", "K", "5"), run_, &store_), 1);
    EXPECT_EQ(store_.log.back().dupeFlag, 1);
    EXPECT_EQ(Lines(), "");
}

TEST_F(AddQsoTest, InvalidAndNullTimesAreWrittenAsTheyFormat) {
    QsoInput q = Qso("A1A");
    q.band = "80m";
    q.time = COleDateTime(kFriday2205, COleDateTime::invalid);
    AddQso(q, run_, &store_);
    q.time = COleDateTime(0, COleDateTime::null);
    AddQso(q, run_, &store_);
    EXPECT_EQ(Lines(),
              "QSO:  1830  CW  Invalid DateTime  DL1ABC  599  14  A1A  579  14   WRONG BAND !!!\r\n"
              "QSO:  1830  CW    DL1ABC  599  14  A1A  579  14   WRONG BAND !!!\r\n");
}

TEST_F(AddQsoTest, OnlyAProblemLineOpensTheReport) {
    // A report deleted from outside stays away while the QSOs are good,
    // and comes back, without its header, with the next problem line.
    std::remove("report.txt");
    EXPECT_EQ(AddQso(Qso("OK1AA", "OK"), run_, &store_), 1);
    EXPECT_FALSE(Exists("report.txt"));
    EXPECT_EQ(AddQso(Qso("OK1AA", "OK"), run_, &store_), 1);
    EXPECT_EQ(ReadAll("report.txt"), std::string(kFields) + "OK1AA  579  14   DUPE !!!\r\n");
}
