// Which QSOs count, on a module of the test's own (what the exports do): the contest
// period, the own call, US stations in Alaska and Hawaii, the weekend of a
// first start and an own station in an entity counted on its own. One
// table per rule; the bad-QSO report compared whole.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <string>

#include "interface/contest_module.h"
#include "platform/settings.h"
#include "test_util.h"

namespace {

double Utc(int year, int month, int day, int hour, int minute, int second = 0) {
    double date = 0;
    EXPECT_TRUE(OleDateFromParts(year, month, day, hour, minute, second, &date));
    return date;
}

constexpr double kSecond = 1.0 / 86400;

// The CW weekend of 2027: 29 January 22:00 to 31 January 22:00 UTC.
const double kCwStart = Utc(2027, 1, 29, 22, 0), kCwEnd = Utc(2027, 1, 31, 22, 0);
// The SSB weekend of 2027.
const double kSsbStart = Utc(2027, 2, 26, 22, 0), kSsbEnd = Utc(2027, 2, 28, 22, 0);

class CountedQsosTest : public ::testing::Test {
protected:
    void Reset(COleDateTime start, COleDateTime end, const char* country = "DL",
               const char* continent = "EU") {
        ResetArgs args;
        args.ownCall = "DL1ABC";
        args.periodStart = start;
        args.periodEnd = end;
        args.ownCountry = country;
        args.ownContinent = continent;
        module_.Reset(args);
    }
    void ResetCw() { Reset(COleDateTime(kCwStart), COleDateTime(kCwEnd)); }

    // A QSO as the host hands it over, in the weekend's mode; time null = no date.
    int Add(const char* call, COleDateTime* time, const char* exch = "15",
            const char* country = "OK", const char* continent = "EU",
            const char* detailed = nullptr, const char* band = "160m") {
        QsoInput q;
        q.ownCall = "DL1ABC";
        q.call = call;
        q.time = time ? *time : COleDateTime(0.0, COleDateTime::null);
        q.freqHz = 1830000;
        q.mode = Run().cwContest ? "CW" : "SSB";
        q.rstSent = "599";
        q.rstRcvd = "599";
        q.exchSent = "14";
        q.exchRcvd = exch;
        q.detailedPrefix = detailed ? detailed : country;
        q.countryPrefix = country;
        q.continent = continent;
        q.band = band;
        return module_.Add(q);
    }
    RunState Run() const { return module_.Run(); }
    LogStore Log() const { return module_.Store().log; }
    int AddAt(const char* call, double time, const char* exch = "15", const char* country = "OK",
              const char* continent = "EU", const char* detailed = nullptr) {
        COleDateTime when(time);
        return Add(call, &when, exch, country, continent, detailed);
    }

    // The 160 m row of the results: QSOs, points, countries, states/provinces.
    std::string BandRow() {
        const std::string text = module_.Results();
        const std::size_t at = text.find("160m\t");
        return at == std::string::npos ? std::string()
                                       : text.substr(at + 5, text.find('\r', at) - at - 5);
    }

    ScopedTempCwd dir_;
    ContestModule module_;  // its results are text: no version announced
};

const char kCwHeader[] = "CQ WW 160 CW DX Contest UBN file \r\n";

std::string Line(const char* when, const char* call, const char* message) {
    return std::string("QSO:  1830  CW  ") + when + "  DL1ABC  599  14  " + call + "  599  15" +
           message + "\r\n";
}

}  // namespace

TEST_F(CountedQsosTest, OnlyQsosInsideThePeriodCountToTheWholeSecond) {
    ResetCw();
    struct Case {
        const char* call;
        double time;
        int stored;
    } cases[] = {
        {"OK1AA", kCwStart - kSecond, 0},
        {"OK1AB", kCwStart, 1},
        {"OK1AC", kCwStart - 0.5 * kSecond, 1},  // rounds up to the start
        {"OK1AD", kCwStart - 0.6 * kSecond, 0},
        {"OK1AE", kCwStart + 0.5 * kSecond, 1},
        {"OK1AF", kCwEnd - kSecond, 1},
        {"OK1AG", kCwEnd - 1.5 * kSecond, 1},
        {"OK1AH", kCwEnd - 0.5 * kSecond, 0},    // rounds up to the end
        {"OK1AI", kCwEnd, 0},                    // "2200" on Sunday
        {"OK1AJ", kCwEnd + 0.5 * kSecond, 0},
        {"OK1AB", kCwStart - 7, 0},              // a week early: no dupe of the one above
    };
    for (const Case& c : cases) EXPECT_EQ(AddAt(c.call, c.time), c.stored) << c.call;
    // A time the module cannot judge is taken as the host gives it.
    COleDateTime invalid(kCwStart - 1, COleDateTime::invalid);
    EXPECT_EQ(Add("OK1AK", &invalid), 1);
    EXPECT_EQ(Add("OK1AL", nullptr), 1);
    EXPECT_EQ(Log().size(), 7u);
    EXPECT_EQ(BandRow(), " 7\t 35\t 1\t 0");

    const char kOut[] = "   OUTSIDE CONTEST PERIOD !!!";
    EXPECT_EQ(ReadAll(Run().badQsoPath),
              std::string(kCwHeader) + Line("2027-01-29 2159", "OK1AA", kOut) +
                  Line("2027-01-29 2159", "OK1AD", kOut) + Line("2027-01-31 2200", "OK1AH", kOut) +
                  Line("2027-01-31 2200", "OK1AI", kOut) + Line("2027-01-31 2200", "OK1AJ", kOut) +
                  Line("2027-01-22 2200", "OK1AB", kOut));
    // Counted as bad QSOs, like the other refusals.
    EXPECT_NE(module_.Results().find("Bad QSO\t 6\r\n"), std::string::npos);
}

TEST_F(CountedQsosTest, APeriodThatIsNotTwoValidDatesInOrderJudgesNothing) {
    struct Case {
        const char* what;
        COleDateTime start, end;
    } cases[] = {
        {"invalid start", COleDateTime(kSsbStart, COleDateTime::invalid), COleDateTime(kSsbEnd)},
        {"null end", COleDateTime(kSsbStart), COleDateTime(0, COleDateTime::null)},
        {"start after end", COleDateTime(kSsbEnd), COleDateTime(kSsbStart)},
        {"start at end", COleDateTime(kSsbStart), COleDateTime(kSsbStart)},
        {"end out of range", COleDateTime(kSsbStart), COleDateTime(1e10)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Reset(c.start, c.end);
        EXPECT_EQ(Run().cwContest, 0);  // and a first start then scores the SSB weekend
        EXPECT_EQ(AddAt("OK1AA", kSsbStart - 30), 1);
        EXPECT_EQ(AddAt("OK1AB", kSsbEnd + 30), 1);
    }
}

TEST_F(CountedQsosTest, TheOwnCallIsNoQsoInAnyLetterCase) {
    ResetCw();
    const double t = kCwStart + 0.5;
    struct Case {
        const char* call;
        int stored;
    } cases[] = {
        {"DL1ABC", 0}, {"dl1abc", 0}, {"Dl1AbC", 0}, {"DL1ABC/P", 1}, {"DL1AB", 1}, {"DL1ABCD", 1},
    };
    for (const Case& c : cases) EXPECT_EQ(AddAt(c.call, t, "14", "DL"), c.stored) << c.call;
    // Earlier checks come first: another band, then the period.
    COleDateTime when(t);
    EXPECT_EQ(Add("DL1ABC", &when, "14", "DL", "EU", nullptr, "80m"), 0);
    EXPECT_EQ(AddAt("DL1ABC", kCwEnd, "14", "DL"), 0);
    EXPECT_EQ(BandRow(), " 3\t 6\t 1\t 0");

    auto line = [](const char* call, const char* when, const char* message) {
        return std::string("QSO:  1830  CW  ") + when + "  DL1ABC  599  14  " + call +
               "  599  14" + message + "\r\n";
    };
    const char kOwn[] = "   OWN CALL !!!";
    EXPECT_EQ(ReadAll(Run().badQsoPath),
              std::string(kCwHeader) + line("DL1ABC", "2027-01-30 1000", kOwn) +
                  line("dl1abc", "2027-01-30 1000", kOwn) + line("Dl1AbC", "2027-01-30 1000", kOwn) +
                  line("DL1ABC", "2027-01-30 1000", "   WRONG BAND !!!") +
                  line("DL1ABC", "2027-01-31 2200", "   OUTSIDE CONTEST PERIOD !!!"));
}

TEST_F(CountedQsosTest, UsStationsInAlaskaAndHawaiiAreQsosWithThoseCountries) {
    ResetCw();
    struct Case {
        const char* call;
        const char* country;
        const char* exch;
        const char* stored;  // country, continent, state/province, error
    } cases[] = {
        {"K7AA", "K", "AK", "KL NA  0"},
        {"W7AB", "K", " ak ", "KL NA  0"},
        {"K6AA", "K", "HI", "KH6 OC  0"},
        {"KL7AA", "KL", "AK", "KL NA  0"},     // a KL7 call is Alaska by its call
        {"VE3AA", "VE", "AK", "VE NA  1"},     // still no Canadian province
        {"K1AA/MM", "K", "AK", " NA  0"},      // a ship sends a zone
        {"K1AB", "K", "MA", "K NA MA 0"},
    };
    double t = kCwStart;
    for (const Case& c : cases) {
        ASSERT_EQ(AddAt(c.call, t += 60 * kSecond, c.exch, c.country, "NA"), 1) << c.call;
        const CInfo r = Log().back();
        EXPECT_EQ(r.country + " " + r.continent + " " + r.stateProv + " " +
                      std::to_string(r.errorFlag),
                  c.stored)
            << c.call;
        EXPECT_EQ(r.exchRcvd, c.exch);
    }
    // From Germany: KL 10, KL 10, KH6 10, KL 10, the ship 5, MA 10.
    EXPECT_EQ(BandRow(), " 6\t 55\t 2\t 1");
    // The windows mark the KL and KH6 boxes from this list.
    EXPECT_EQ(module_.Store().bandCountries[0], (StringArray{"KL", "KH6", "", "K"}));
    EXPECT_EQ(ReadAll(Run().badQsoPath),
              std::string(kCwHeader) +
                  "QSO:  1830  CW  2027-01-29 2205  DL1ABC  599  14  VE3AA  599  AK  AK State or "
                  "Province not acceptable !!!\r\n");

    // Removal finds such a QSO as any other.
    COleDateTime first(kCwStart + 60 * kSecond);
    QsoInput q;
    q.ownCall = "DL1ABC";
    q.call = "K7AA";
    q.time = first;
    q.freqHz = 1830000;
    q.mode = "CW";
    q.rstSent = "599";
    q.rstRcvd = "599";
    q.exchSent = "14";
    q.exchRcvd = "AK";
    q.detailedPrefix = "K";
    q.countryPrefix = "K";
    q.continent = "NA";
    q.band = "160m";
    module_.Remove(q);
    EXPECT_EQ(Log().size(), 6u);
    EXPECT_EQ(Log()[0].call, "W7AB");
}

TEST_F(CountedQsosTest, AFirstStartTakesTheWeekendFromThePeriod) {
    mkdir("Plugins", 0777);
    struct Case {
        const char* mode;  // null: no key
        double start, end;
        int cw;
    } cases[] = {
        {nullptr, kCwStart, kCwEnd, 1}, {nullptr, kSsbStart, kSsbEnd, 0},
        {"", kCwStart, kCwEnd, 1},      {"", kSsbStart, kSsbEnd, 0},
        {"0", kCwStart, kCwEnd, 0},     {"0", kSsbStart, kSsbEnd, 0},
        {"1", kCwStart, kCwEnd, 1},     {"1", kSsbStart, kSsbEnd, 1},
        {"abc", kCwStart, kCwEnd, 0},   {nullptr, kCwEnd, kCwStart, 0},
    };
    for (const Case& c : cases) {
        std::remove("Plugins/CQ-WW-160-CW-SSB.ini");
        if (c.mode) ModuleSettings().WriteText("Mode", c.mode);
        Reset(COleDateTime(c.start), COleDateTime(c.end));
        EXPECT_EQ(Run().cwContest, c.cw) << (c.mode ? c.mode : "no key") << " " << c.start;
        EXPECT_EQ(ReadAll(Run().badQsoPath), c.cw ? kCwHeader : "CQ WW 160 SSB DX Contest UBN file \r\n");
    }
}

TEST_F(CountedQsosTest, AnOwnStationInAnEntityOfItsOwnScoresItsParentAsAnotherCountry) {
    struct Case {
        const char* own;         // the detailed prefix handed to the reset
        const char* continent;
        const char* parent;      // a station of the country around it
        const char* parentContinent;
        int parentPoints;
        int ownEntityPoints;
    } cases[] = {
        {"IT9", "EU", "I", "EU", 5, 2},
        {"IG9", "AF", "I", "EU", 10, 2},
        {"4U1V", "EU", "OE", "EU", 5, 2},
        {"I", "EU", "I", "EU", 2, 5},  // a host that hands over the parent country
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.own);
        Reset(COleDateTime(kCwStart), COleDateTime(kCwEnd), c.own, c.continent);
        ASSERT_EQ(AddAt("X1AA", kCwStart + 0.1, "15", c.parent, c.parentContinent), 1);
        ASSERT_EQ(AddAt("X1AB", kCwStart + 0.2, "15", c.parent, c.continent,
                        std::string(c.own) == "I" ? "IT9" : c.own),
                  1);
        EXPECT_EQ(BandRow(), " 2\t " + std::to_string(c.parentPoints + c.ownEntityPoints) +
                                 "\t 2\t 0");
    }
}
