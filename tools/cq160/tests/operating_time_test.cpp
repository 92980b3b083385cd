#include "tools/cq160/contest/operating_time.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "tools/cq160/contest/contest_period.h"
#include "tools/cq160/tests/utc_at.h"

namespace {

// QSOs every `step` minutes from `from` minutes after the CW weekend of 2027
// starts (Friday 22:00) up to `to`, numbered from line `line`.
void AddQsos(std::vector<LogQso>* qsos, int from, int to, int step, int line) {
    const ContestPeriod p = ContestWeekend(2027, true);
    for (int m = from; m <= to; m += step) {
        LogQso q;
        q.time = UtcFromOle(p.start + m / 1440.0);
        q.line = line++;
        qsos->push_back(q);
    }
}

const ContestPeriod kPeriod = ContestWeekend(2027, true);

TEST(OperatingTime, GapsOfThirtyMinutesOrMoreAreOffPeriods) {
    std::vector<LogQso> qsos;
    AddQsos(&qsos, 0, 600, 29, 1);      // 29-minute gaps: all operating
    AddQsos(&qsos, 630, 660, 30, 100);  // 30 minutes after the last: off
    const OperatingTime t = ComputeOperatingTime(qsos, kPeriod, "SINGLE-OP");
    // Off: 580 -> 630, 630 -> 660, 660 -> the end.
    EXPECT_EQ(t.offPeriods, 3);
    EXPECT_EQ(t.offMinutes, 50 + 30 + 2220);
    EXPECT_EQ(t.minutes, 2880 - t.offMinutes);
    EXPECT_EQ(t.firstPast, -1);
}

TEST(OperatingTime, TheFirstQsoPastTheLimitIsNamedInTimeOrder) {
    std::vector<LogQso> qsos;
    // A late start (2 h off), then a QSO a minute for 32 hours, logged
    // backwards: the first past 30 h is the one at 2 h + 30 h + 1 min.
    AddQsos(&qsos, 120, 120 + 32 * 60, 1, 1);
    std::reverse(qsos.begin(), qsos.end());
    const OperatingTime single = ComputeOperatingTime(qsos, kPeriod, "SINGLE-OP");
    EXPECT_EQ(single.minutes, 32 * 60);
    ASSERT_GE(single.firstPast, 0);
    EXPECT_EQ(qsos[single.firstPast].line, 1 + 30 * 60 + 1);
    EXPECT_EQ(ComputeOperatingTime(qsos, kPeriod, "MULTI-OP").firstPast, -1);
    EXPECT_EQ(ComputeOperatingTime(qsos, kPeriod, "CHECKLOG").limitMinutes, 0);
}

TEST(OperatingTime, QsosOutsideThePeriodDoNotCount) {
    std::vector<LogQso> qsos;
    AddQsos(&qsos, -60, -10, 10, 1);
    AddQsos(&qsos, 2880, 2900, 10, 10);
    const OperatingTime t = ComputeOperatingTime(qsos, kPeriod, "");
    EXPECT_EQ(t.minutes, 0);
    EXPECT_EQ(t.offPeriods, 1);
}

TEST(OperatingTime, TheCategoryFromEitherCabrilloVersion) {
    ContestLog log;
    log.header = {{1, "CATEGORY", "MULTI-TWO 160M HIGH"}};
    EXPECT_EQ(LoggedOperatorCategory(log), "MULTI-OP");
    log.header = {{1, "CATEGORY", "single-op-assisted 160M LOW"}};
    EXPECT_EQ(LoggedOperatorCategory(log), "SINGLE-OP");
    log.header.push_back({2, "CATEGORY-OPERATOR", "MULTI-OP"});
    EXPECT_EQ(LoggedOperatorCategory(log), "MULTI-OP");
    EXPECT_EQ(LoggedOperatorCategory(ContestLog()), "");
}

}  // namespace
