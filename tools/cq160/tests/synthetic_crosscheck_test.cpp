// The cross-check on generated weekends (synthetic_contest.h), with the
// module built beside the tests: every injected error found with its
// verdict, nothing else flagged.
#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <map>

#include "tools/cq160/crosscheck/weekend_check.h"
#include "tools/cq160/host/module_loader.h"
#include "tools/cq160/logs/file_util.h"
#include "tools/cq160/tests/synthetic_contest.h"

namespace {

namespace fs = std::filesystem;

// Runs the check on a written weekend and restores the current folder,
// which the check moves into the module's working folder.
class SyntheticCrosscheck : public ::testing::Test {
protected:
    void SetUp() override {
        home_ = fs::current_path();
        root_ = fs::temp_directory_path() /
                ("cq160-synthetic-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
                 "-" + ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(root_);
        fs::create_directories(root_ / "logs");
        std::string error;
        ASSERT_TRUE(LoadModule(CQ160_TEST_MODULE, &api_, &error)) << error;
    }
    void TearDown() override {
        fs::current_path(home_);
        fs::remove_all(root_);
        fs::remove_all("/dev/shm/" + root_.filename().string());
    }

    WeekendCheck Check(const SyntheticContest& contest, int penalty = 0) {
        EXPECT_TRUE(WriteSyntheticContest(contest, (root_ / "logs").string()));
        WeekendCheckRequest r;
        for (const SyntheticLog& log : contest.logs) {
            r.paths.push_back((root_ / "logs" / log.fileName).string());
            r.shown.push_back(log.fileName);
        }
        r.cty = CQ160_TEST_CTY;
        // In memory where there is such a folder: the module flushes its
        // files at every reset.
        r.moduleFolder = fs::exists("/dev/shm") ? "/dev/shm/" + root_.filename().string()
                                                : (root_ / "module").string();
        r.penalty = penalty;
        WeekendCheck check;
        std::string error;
        EXPECT_TRUE(CheckWeekend(r, api_, &check, &error)) << error;
        fs::current_path(home_);
        return check;
    }

    fs::path home_, root_;
    ModuleApi api_;
};

TEST_F(SyntheticCrosscheck, EveryVerdictAtLeast98PerCentPreciseAndComplete) {
    SyntheticOptions o;
    o.seed = 24;
    o.logs = 300;
    o.silent = 120;
    o.qsoLines = 30000;
    o.bustedCall = o.notInLog = o.bustedExchange = 0.02;
    o.unique = 0.01;
    o.dupe = 0.01;
    o.refused = 0.005;
    o.offClockLogs = 4;
    const SyntheticContest contest = MakeSyntheticContest(o);
    const WeekendCheck check = Check(contest);
    ASSERT_EQ(check.logs.size(), contest.logs.size());
    ASSERT_TRUE(check.leftOut.empty());

    // truth x verdict, over every QSO line.
    long long table[kVerdictCount][kVerdictCount] = {};
    for (std::size_t l = 0; l < contest.logs.size(); ++l) {
        const SyntheticLog& want = contest.logs[l];
        const CheckedLog& got = check.logs[l];
        ASSERT_EQ(got.call, want.call);
        ASSERT_EQ(got.verdicts.size(), want.lines.size()) << want.fileName;
        for (std::size_t i = 0; i < want.lines.size(); ++i) {
            ASSERT_EQ(got.match.qsos[i].line, want.lines[i].line);
            ++table[static_cast<int>(want.lines[i].truth)][static_cast<int>(got.verdicts[i].verdict)];
        }
        // The clocks set off are found, to the minute give or take one.
        EXPECT_NEAR(got.clockOffset, want.clockOffset, want.clockOffset ? 1 : 0) << want.fileName;
    }
    for (int v = 0; v < kVerdictCount; ++v) {
        long long truth = 0, found = 0;
        for (int w = 0; w < kVerdictCount; ++w) {
            truth += table[v][w];
            found += table[w][v];
        }
        const double precision = found ? static_cast<double>(table[v][v]) / found : 1.0;
        const double recall = truth ? static_cast<double>(table[v][v]) / truth : 1.0;
        std::printf("%-16s truth %6lld found %6lld precision %.4f recall %.4f\n",
                    VerdictName(static_cast<Verdict>(v)), truth, found, precision, recall);
        EXPECT_GT(truth, 0) << VerdictName(static_cast<Verdict>(v)) << ": none injected";
        EXPECT_GE(precision, 0.98) << VerdictName(static_cast<Verdict>(v));
        EXPECT_GE(recall, 0.98) << VerdictName(static_cast<Verdict>(v));
    }
}

TEST_F(SyntheticCrosscheck, TheCheckedScoreIsTheModulesScoreOfWhatStays) {
    SyntheticOptions o;
    o.seed = 7;
    o.logs = 30;
    o.silent = 10;
    o.qsoLines = 600;
    o.notInLog = 0.05;
    o.bustedCall = 0;
    o.bustedExchange = 0;
    const SyntheticContest contest = MakeSyntheticContest(o);
    const WeekendCheck plain = Check(contest);
    const WeekendCheck penalised = Check(contest, 3);
    int logsLosing = 0;
    for (std::size_t l = 0; l < plain.logs.size(); ++l) {
        const CheckedLog& log = plain.logs[l];
        ASSERT_TRUE(log.hasModuleScore && log.hasCheckedScore);
        const int removed = log.Count(Verdict::kNotInLog) + log.Count(Verdict::kBustedCall) +
                            log.Count(Verdict::kBustedExchange);
        if (removed == 0) {
            EXPECT_EQ(log.checkedScore, log.moduleScore);
            EXPECT_EQ(penalised.logs[l].checkedScore, log.moduleScore);
            continue;
        }
        ++logsLosing;
        EXPECT_LT(log.checkedScore, log.moduleScore) << log.shown;
        EXPECT_GT(penalised.logs[l].penaltyPoints, 0) << log.shown;
        EXPECT_LT(penalised.logs[l].checkedScore, log.checkedScore) << log.shown;
    }
    EXPECT_GT(logsLosing, 0);
}

}  // namespace
