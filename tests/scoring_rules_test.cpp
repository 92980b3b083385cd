// The contest's scoring rules as the host meets them, on a module of the
// test's own (what the exports do): maritime mobile stations, the WAE entities that count on their own, and
// today's Canadian postal codes. One table per rule, then one small log
// with every case and its whole results text.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>

#include "interface/contest_module.h"
#include "test_util.h"

namespace {

// 2027-02-26 21:36 to 2027-02-28 21:36, the SSB weekend; QSOs from 22:00.
constexpr double kStart = 46444.9, kEnd = 46446.9, kFirstQso = 46444.0 + 22.0 / 24;

class ScoringRulesTest : public ::testing::Test {
protected:
    ScoringRulesTest() { Reset(); }

    void Reset() {
        ResetArgs args;
        args.ownCall = "DL1ABC";
        args.periodStart = COleDateTime(kStart);
        args.periodEnd = COleDateTime(kEnd);
        args.ownCountry = "DL";
        args.ownContinent = "EU";
        module_.Reset(args);
        minute_ = 0;
    }

    // A QSO one minute after the one before; minute, when given, instead.
    int Add(const char* call, const char* detailed, const char* country, const char* continent,
            const char* exch, int minute = -1) {
        return module_.Add(
            Qso(call, detailed, country, continent, exch, minute >= 0 ? minute : minute_++));
    }

    void Remove(const char* call, const char* country, const char* exch, int minute) {
        module_.Remove(Qso(call, country, country, "NA", exch, minute));
    }

    // The verdict; *hint is "-" when the module gave none.
    int Check(const char* call, const char* country, int zone, std::string* hint = nullptr) {
        CallEntry entry;
        entry.call = call;
        entry.mode = "SSB";
        entry.countryPrefix = country;
        entry.zone = zone;
        entry.band = "160m";
        entry.band2 = "160m";
        std::string given;
        bool hintSet = false;
        const int verdict = module_.Check(entry, &given, &hintSet);
        if (hint) *hint = hintSet ? given : "-";
        return verdict;
    }

    std::string Results() { return module_.Results(); }

    // The 160 m row of the results: QSOs, points, countries, states/provinces.
    std::string BandRow() {
        const std::string text = Results();
        const std::size_t at = text.find("160m\t");
        return at == std::string::npos ? std::string()
                                       : text.substr(at + 5, text.find('\r', at) - at - 5);
    }

    // The bad-QSO report without its heading line.
    std::string ReportLines() {
        const std::string report = ReadAll(module_.Run().badQsoPath);
        return report.substr(std::min(report.size(), report.find('\n') + 1));
    }

    const CInfo& Logged(std::size_t i) {
        log_ = module_.Store().log;
        return log_[i];
    }
    StringArray StateProvs() { return module_.Store().bandStateProvs[0]; }

    ScopedTempCwd dir_;
    ContestModule module_;
    LogStore log_;
    int minute_ = 0;

private:
    static QsoInput Qso(const char* call, const char* detailed, const char* country,
                        const char* continent, const char* exch, int minute) {
        QsoInput q;
        q.ownCall = "DL1ABC";
        q.call = call;
        q.time = COleDateTime(kFirstQso + minute / 1440.0);
        q.freqHz = 1850000;
        q.mode = "SSB";
        q.rstSent = "59";
        q.rstRcvd = "59";
        q.exchSent = "14";
        q.exchRcvd = exch;
        q.detailedPrefix = detailed;
        q.countryPrefix = country;
        q.continent = continent;
        q.band = "160m";
        return q;
    }
};

}  // namespace

TEST_F(ScoringRulesTest, MaritimeMobileScoresFiveAndIsNeverACountry) {
    struct Case {
        const char* call;
        const char* country;  // as the host resolves the call's home part
        const char* continent;
        const char* exch;
        int zone;
    } cases[] = {
        {"DL2AA/MM", "DL", "EU", "14", 14},  // the own country would be 2
        {"OK1AA/MM", "OK", "EU", "15", 15},
        {"JA1AA/MM", "JA", "AS", "25", 25},  // another continent would be 10
        {"K1AA/MM", "K", "NA", "05", 5},     // a US call sends a zone, no state
        {"VE3AA/MM", "VE", "NA", "04", 4},
        {"R1ANF/MM", "", "", "16", 0},       // the host resolved nothing
        {"dl3aa/mm", "DL", "EU", "14", 14},
    };
    for (const Case& c : cases) {
        Reset();
        SCOPED_TRACE(c.call);
        ASSERT_EQ(Add(c.call, c.country, c.country, c.continent, c.exch), 1);
        EXPECT_EQ(Logged(0).country, "");
        EXPECT_EQ(Logged(0).errorFlag, 0);
        EXPECT_EQ(BandRow(), " 1\t 5\t 0\t 0");
        EXPECT_EQ(ReportLines(), "");

        std::string hint;
        EXPECT_EQ(Check(c.call, c.country, c.zone, &hint), 0);
        EXPECT_EQ(Check("W9ZZZ/MM", c.country, c.zone, &hint), 1);
        EXPECT_EQ(hint, c.zone ? std::to_string(c.zone) + "?" : "-");
        // The ship did not make its home country worked.
        EXPECT_EQ(Check("XX9ZZ", c.country, c.zone), c.country[0] ? 2 : 1);

        ASSERT_EQ(Add(c.call, c.country, c.country, c.continent, c.exch), 1);
        EXPECT_EQ(Logged(1).dupeFlag, 1);
        EXPECT_EQ(BandRow(), " 1\t 5\t 0\t 0");
    }
}

TEST_F(ScoringRulesTest, WaeEntitiesCountBesideTheCountryAroundThem) {
    struct Case {
        const char* call;
        const char* detailed;  // what the host hands over as the detailed prefix
        const char* country;
        const char* continent;
        const char* parentCall;
        int countries;
    } cases[] = {
        {"IT9AA", "IT9", "I", "EU", "I2AA", 2},
        {"IG9AA", "IG9", "I", "AF", "I2AA", 2},
        {"IH9AA", "IG9", "I", "AF", "I2AA", 2},
        {"GM3ZZZ", "GM/s", "GM", "EU", "GM3AA", 2},
        {"JW0BEA", "JW/b", "JW", "EU", "JW5AA", 2},
        {"4U1VIC", "4U1V", "OE", "EU", "OE1AA", 2},
        {"TA1AA", "TA1", "TA", "EU", "TA2AA", 2},
        {"GM3ZZY", "GM/S", "GM", "EU", "GM3AA", 1},  // not the country file's spelling
        {"IT9AAA", "IT9A", "I", "EU", "I2AA", 1},    // only begins with a listed prefix
    };
    for (const Case& c : cases) {
        Reset();
        SCOPED_TRACE(c.call);
        ASSERT_EQ(Add(c.parentCall, c.country, c.country, "EU", "15"), 1);
        ASSERT_EQ(Add(c.call, c.detailed, c.country, c.continent, "15"), 1);
        const int points = 5 + (std::strcmp(c.continent, "EU") == 0 ? 5 : 10);
        EXPECT_EQ(BandRow(), " 2\t " + std::to_string(points) + "\t " +
                                 std::to_string(c.countries) + "\t 0");
        // A host that hands CheckCall0 the entity's own prefix gets it
        // judged as its own multiplier.
        if (c.countries == 2) {
            EXPECT_EQ(Check("ZZ9ZZ", c.detailed, 15), 1);
            Reset();
            ASSERT_EQ(Add(c.parentCall, c.country, c.country, "EU", "15"), 1);
            EXPECT_EQ(Check(c.call, c.detailed, 15), 2);
        }
    }
}

TEST_F(ScoringRulesTest, TodaysCanadianPostalCodesCountAsTheContestsProvinces) {
    struct Case {
        const char* call;
        const char* exch;
        const char* stateProv;
    } cases[] = {
        {"VE8AA", "NT", "NWT"},     {"VE8AB", " NT ", "NWT"},  {"VE8AC", "nt", "NWT"},
        {"VO1AA", "NL", "NF"},      {"VO1AB", "nl", "NF"},     {"VE3AA", "NL", "NF"},
        {"VO2AA", "NL", "LB"},      {"VO2AB/P", " nl", "LB"},  {"K1ABC/VO2", "NL", "LB"},
        {"VO2/K1ABC", "NL", "LB"},  {"VY2AA", "PE", "PEI"},    {"VO1AC", "NF", "NF"},
        {"VO2AC", "LB", "LB"},      {"VE8AD", "NWT", "NWT"},
    };
    for (const Case& c : cases) {
        Reset();
        SCOPED_TRACE(c.call);
        ASSERT_EQ(Add(c.call, "VE", "VE", "NA", c.exch, 0), 1);
        EXPECT_EQ(Logged(0).stateProv, c.stateProv);
        EXPECT_EQ(Logged(0).exchRcvd, c.exch);
        EXPECT_EQ(Logged(0).errorFlag, 0);
        EXPECT_EQ(BandRow(), " 1\t 10\t 0\t 1");
        EXPECT_EQ(StateProvs(), (StringArray{c.stateProv}));
        // Removal takes the same province out again.
        ASSERT_EQ(Add("W1AA", "K", "K", "NA", "MA", 1), 1);
        Results();
        Remove(c.call, "VE", c.exch, 0);
        EXPECT_EQ(StateProvs(), (StringArray{"MA"}));
    }
}

TEST_F(ScoringRulesTest, ALogWithEveryCaseScoresAsTheRulesGive) {
    Add("DL2AA", "DL", "DL", "EU", "14");        // 2
    Add("OK1AA/MM", "OK", "OK", "EU", "15");     // 5, no multiplier
    Add("K1AA/MM", "K", "K", "NA", "05");        // 5, not a bad state
    Add("I2AA", "I", "I", "EU", "15");           // 5
    Add("IT9AA", "IT9", "I", "EU", "15");        // 5, a country of its own
    Add("IH9AA", "IG9", "I", "AF", "33");        // 10, African Italy
    Add("GM3ZZZ", "GM/s", "GM", "EU", "14");     // 5, Shetland
    Add("JW0BEA", "JW/b", "JW", "EU", "40");     // 5, Bear Island
    Add("4U1VIC", "4U1V", "OE", "EU", "15");     // 5, Vienna International Centre
    Add("TA1AA", "TA1", "TA", "EU", "20");       // 5, European Turkey
    Add("VE8AA", "VE", "VE", "NA", "NT");        // 10, NWT
    Add("VO1AA", "VE", "VE", "NA", "nl");        // 10, NF
    Add("VO2AA", "VE", "VE", "NA", " NL ");      // 10, LB
    Add("OK1AA/MM", "OK", "OK", "EU", "15");     // dupe
    EXPECT_EQ(Results(),
              "  CQ WW 160M SSB DX Contest 26.02-28.02.2027 \r\n\t    Contestant: DL1ABC\r\n"
              "Band\tQSOs\tPoints\tDXCC\tState/Prov\r\n"
              "160m\t 13\t 82\t 8\t 3\r\n"
              "Total\t 13\t 82\t 8\t 3\r\nDupe\t 1\r\nBad QSO\t 0\r\n"
              "\r\nHourly (10min) QSO rate:    13 (54) QSOs/hour\r\n"
              "Hourly (10min) pts rate:    82 (390) points/hour\r\n\r\n"
              "Last QSO: 10 points\r\nScore: 82*(8+3) = 902\r\n");
    EXPECT_EQ(StateProvs(), (StringArray{"NWT", "NF", "LB"}));
    EXPECT_EQ(ReportLines(),
              "QSO:  1850  SSB  2027-02-26 2213  DL1ABC  59  14  OK1AA/MM  59  15   DUPE !!!\r\n");
    EXPECT_EQ(Check("OK1AA/MM", "OK", 15), 0);
    EXPECT_EQ(Check("OK2BB", "OK", 15), 2);   // the ship made no OK worked
    EXPECT_EQ(Check("IT9BB", "IT9", 15), 1);
    EXPECT_EQ(Check("GM4AA", "GM", 14), 2);   // Shetland is not Scotland
    EXPECT_EQ(Check("4U1VIC", "4U1V", 15), 0);
}

// Every state and province of the rules, as operators send them, is one
// multiplier in the results; anything else is a bad QSO in the report.
TEST_F(ScoringRulesTest, EachStateAndProvinceCountsOnceInTheResults) {
    const char* const kSent[] = {
        "AL", "AZ", "AR", "CA", "CO", "CT", "DC", "DE", "FL", "GA", "ID", "IL", "IN", "IA",
        "KS", "KY", "LA", "ME", "MA", "MD", "MI", "MN", "MS", "MO", "MT", "NE", "NV", "NH",
        "NJ", "NM", "NY", "NC", "ND", "OH", "OK", "OR", "PA", "RI", "SC", "SD", "TN", "TX",
        "UT", "VT", "VA", "WA", "WV", "WI", "WY", "nb", "ns", "qc", " on", "MB ", "sk", "AB",
        "BC", "NWT", "NT", "NF", "NL", "LB", "NU", "YT", "PEI", "pe"};
    int n = 0;
    for (const char* sent : kSent) {
        const std::string call = "W" + std::to_string(n++) + "AA";
        ASSERT_EQ(Add(call.c_str(), "K", "K", "NA", sent), 1) << sent;
    }
    // 66 sent, 63 counted: PE is PEI, NT is NWT, NL from a non-Labrador call is NF.
    EXPECT_EQ(BandRow(), " 66	 660	 0	 63");
    EXPECT_EQ(ReportLines(), "");
    for (const char* bad : {"PQ", "XX", "N Y", "O N", "14"}) {
        const std::string call = "W" + std::to_string(n++) + "AA";
        ASSERT_EQ(Add(call.c_str(), "K", "K", "NA", bad), 1) << bad;
    }
    EXPECT_EQ(BandRow(), " 66	 660	 0	 63");
    const std::string report = ReportLines();
    EXPECT_EQ(std::count(report.begin(), report.end(), '\n'), 5) << report;
}
