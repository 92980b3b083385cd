#include "tools/cq160/host/replay_log.h"

#include <gtest/gtest.h>

namespace {

TEST(ReplayLog, TotalsFromTheTextAndTheHtmlForm) {
    ResultTotals t;
    ASSERT_TRUE(TotalsInResults("Band\tQSOs\r\n160m\t 3\t 20\t 1\t 1\r\nTotal\t 3\t 20\t 1\t 2\r\n"
                                "Dupe\t 0\r\n",
                                &t));
    EXPECT_EQ(t.qsos, 3);
    EXPECT_EQ(t.points, 20);
    EXPECT_EQ(t.countries, 1);
    EXPECT_EQ(t.statesProvinces, 2);
    ASSERT_TRUE(TotalsInResults("<table><tr><th>Total</th><td><center>309</center></td><td>"
                                "<center>2158</center></td><td><center>78</center></td><td>"
                                "<center>43</center></td></tr><tr><th>Dupe</th>",
                                &t));
    EXPECT_EQ(t.points, 2158);
    EXPECT_EQ(t.statesProvinces, 43);
    EXPECT_FALSE(TotalsInResults("Total\t 3\t 20\r\nDupe\t 0\r\n", &t));  // a short row
    EXPECT_FALSE(TotalsInResults("no totals", &t));
}

TEST(ReplayLog, ReportMessagesInTheOperatorsWords) {
    EXPECT_EQ(ProblemInWords("QSO:  1830  CW  2027-01-29 2205  DL1ABC  599    K1AB  599  MA   "
                             "NO NUMBER !!!"),
              "missing exchange");
    EXPECT_EQ(ProblemInWords("QSO:  ...  AK State or Province not acceptable !!!"),
              "bad state or province");
    EXPECT_EQ(ProblemInWords("QSO:  ...   DUPE !!!"), "dupe");
    EXPECT_EQ(ProblemInWords("QSO:  ...   WRONG BAND !!!"), "wrong band");
    EXPECT_EQ(ProblemInWords("QSO:  ...   WRONG MODE !!!"), "wrong mode");
    EXPECT_EQ(ProblemInWords("  something else "), "reported: something else");

    QsoOutcome twice;  // a dupe of two earlier QSOs has two report lines
    twice.stored = true;
    twice.problems = {"dupe", "dupe"};
    EXPECT_EQ(twice.Status(), "dupe");
    QsoOutcome good;
    good.stored = true;
    EXPECT_TRUE(good.Counts());
    EXPECT_EQ(good.Status(), "counts");
}

}  // namespace

// The replay through the module built beside cq160 (libStats.so).
#include <stdlib.h>
#include <unistd.h>

#include <climits>

#include "tools/cq160/host/host_folder.h"
#include "tools/cq160/logs/file_util.h"
#include "tools/cq160/tests/utc_at.h"

namespace {

// The calls of an export, counted on their way to the module.
template <typename F>
struct Counted;
template <typename R, typename... A>
struct Counted<R (*)(A...) noexcept> {
    static inline R (*real)(A...) noexcept = nullptr;
    static inline int calls = 0;
    static R Call(A... args) noexcept {
        ++calls;
        return real(args...);
    }
};
using CountedResults = Counted<decltype(&GetResult0)>;

// A module that scores by more than cq160 can see: its totals carry a
// point more while the number of QSOs that count is odd.
const char* SkewedResults(int* out) noexcept {
    static std::string text;
    ResultTotals t;
    const char* real = CountedResults::real(out);
    if (!real || !TotalsInResults(real, &t)) return real;
    text = "Total\t " + std::to_string(t.qsos) + "\t " + std::to_string(t.points + t.qsos % 2) +
           "\t " + std::to_string(t.countries) + "\t " + std::to_string(t.statesProvinces) +
           "\r\n";
    return text.c_str();
}

class ModuleReplay : public ::testing::Test {
protected:
    void SetUp() override {
        std::string error;
        ASSERT_TRUE(LoadModule(STATS_MODULE_PATH, &api_, &error)) << error;
        char cwd[PATH_MAX];
        ASSERT_TRUE(getcwd(cwd, sizeof cwd));
        old_ = cwd;
        char name[] = "/tmp/cq160-replay-XXXXXX";
        ASSERT_TRUE(mkdtemp(name));
        folder_ = name;
        ASSERT_TRUE(PrepareHostFolder(folder_, true, "cq160 test", &error)) << error;
        ASSERT_TRUE(EnterFolder(folder_, &error)) << error;
        CountedResults::real = api_.getResult;
        run_ = MakeRun(800);
    }
    void TearDown() override {
        if (!old_.empty() && chdir(old_.c_str()) == 0 && !folder_.empty()) {
            EXPECT_EQ(std::system(("rm -rf '" + folder_ + "'").c_str()), 0);
        }
    }

    // A CW log of n QSOs of every kind: own country, own continent, others,
    // an entity of its own (Sicily), maritime mobile, no country, US and
    // Canadian states (a Labrador NL among them, a bad one), dupes, wrong
    // band and mode, missing exchanges.
    static ContestRun MakeRun(int n) {
        static const char* const kWhere[][3] = {
            {"DL", "DL", "EU"}, {"OK", "OK", "EU"}, {"I", "IT9", "EU"}, {"JA", "JA", "AS"},
            {"K", "W", "NA"},   {"VE", "VE", "NA"}, {"", "", ""},       {"K", "W", "NA"}};
        static const char* const kStates[] = {"MA", " ny", "NL", "XX", "PE", "ON"};
        ContestRun run;
        run.own.call = "DL1ABC";
        run.own.where.countryPrefix = run.own.where.detailedPrefix = "DL";
        run.own.where.continent = "EU";
        run.period.start = OleDays(At(2027, 1, 29, 22, 0));
        run.period.end = OleDays(At(2027, 1, 31, 22, 0));
        for (int i = 0; i < n; ++i) {
            const auto& w = kWhere[(i * 7) % 8];
            LogQso q;
            q.line = i + 1;
            q.time = UtcFromOle(run.period.start + i / 1440.0);
            q.freqHz = 1822000;
            q.band = i % 97 == 5 ? "80m" : "160m";
            q.mode = i % 89 == 3 ? "SSB" : "CW";
            q.rstSent = q.rstRcvd = "599";
            q.exchSent = i % 83 == 7 ? "" : "14";
            q.call = std::string(i % 8 == 7 ? "VO2" : w[0]) + std::to_string(i % 600) +
                     (i % 8 == 6 ? "/MM" : "");
            q.exchRcvd = w[0] == std::string("K") || w[0] == std::string("VE")
                             ? kStates[(i / 8) % 6]
                             : std::to_string(14 + i % 3);
            CallLocation where;
            where.countryPrefix = w[0];
            where.detailedPrefix = w[1];
            where.continent = w[2];
            run.log.qsos.push_back(q);
            run.where.push_back(where);
        }
        return run;
    }

    // The answers from the module's totals after every QSO.
    ReplayOutcome PerQso(Replay* replay) {
        replay->Reset(0, run_.own, run_.period);
        ReplayOutcome outcome;
        ResultTotals before, after;
        for (std::size_t i = 0; i < run_.log.qsos.size(); ++i) {
            QsoOutcome q;
            q.stored = replay->Add(run_.log.qsos[i], run_.where[i]) == 1;
            EXPECT_TRUE(TotalsInResults(replay->Results(), &after));
            q.points = after.points - before.points;
            q.newCountry = after.countries > before.countries;
            q.newStateProv = after.statesProvinces > before.statesProvinces;
            before = after;
            outcome.qsos.push_back(q);
        }
        return outcome;
    }

    void ExpectSameAnswers(const ReplayOutcome& got, const ReplayOutcome& want) {
        ASSERT_EQ(got.qsos.size(), want.qsos.size());
        for (std::size_t i = 0; i < got.qsos.size(); ++i) {
            const QsoOutcome& a = got.qsos[i];
            const QsoOutcome& b = want.qsos[i];
            ASSERT_TRUE(a.stored == b.stored && a.points == b.points &&
                        a.newCountry == b.newCountry && a.newStateProv == b.newStateProv)
                << "QSO " << i << " " << run_.log.qsos[i].call << ": " << a.points << " "
                << a.newCountry << a.newStateProv << " against " << b.points << " "
                << b.newCountry << b.newStateProv;
        }
    }

    ModuleApi api_;
    std::string old_, folder_;
    ContestRun run_;
};

TEST_F(ModuleReplay, AnswersAsAfterEveryQsoWithAFewRequests) {
    api_.getResult = &CountedResults::Call;
    CountedResults::calls = 0;
    Replay replay(api_);
    replay.Reset(0, run_.own, run_.period);
    int requests = 0;
    const ReplayOutcome outcome = ReplayLog(&replay, run_, true, &requests);
    ASSERT_TRUE(outcome.totalsTracked);
    EXPECT_EQ(CountedResults::calls, requests);
    EXPECT_LT(requests, 60);  // one per scoring key, and one for the check
    int dupes = 0, badStates = 0, refused = 0;
    for (const QsoOutcome& q : outcome.qsos) {
        dupes += q.Status() == "dupe";
        badStates += q.Status() == "bad state or province";
        refused += !q.stored;
    }
    EXPECT_GT(dupes, 50);
    EXPECT_GT(badStates, 10);
    EXPECT_GT(refused, 20);
    ExpectSameAnswers(outcome, PerQso(&replay));
}

TEST_F(ModuleReplay, AnswersThatDoNotAddUpAreAskedForAfterEveryQso) {
    run_ = MakeRun(400);
    api_.getResult = &SkewedResults;
    Replay replay(api_);
    replay.Reset(0, run_.own, run_.period);
    int requests = 0;
    const ReplayOutcome outcome = ReplayLog(&replay, run_, true, &requests);
    ASSERT_TRUE(outcome.totalsTracked);
    EXPECT_GT(requests, 400);
    ExpectSameAnswers(outcome, PerQso(&replay));
}

}  // namespace
