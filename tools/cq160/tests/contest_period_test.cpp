#include "tools/cq160/contest/contest_period.h"

#include <gtest/gtest.h>

#include "tools/cq160/contest/contest_run.h"
#include "tools/cq160/tests/utc_at.h"

namespace {

LogQso QsoAt(int y, int mo, int d, int h, int mi) {
    LogQso q;
    q.time = At(y, mo, d, h, mi);
    return q;
}

std::string Shown(const ContestPeriod& p) { return FormatUtc(p.start) + " / " + FormatUtc(p.end); }

TEST(ContestPeriod, WeekendsAsTheSponsorPublishedThem) {
    const struct {
        int year;
        bool cw;
        const char* period;
    } cases[] = {
        {2020, true, "2020-01-24 22:00 / 2020-01-26 22:00"},
        {2020, false, "2020-02-21 22:00 / 2020-02-23 22:00"},  // not the 29 Feb weekend
        {2025, true, "2025-01-24 22:00 / 2025-01-26 22:00"},   // not the one ending 2 Feb
        {2025, false, "2025-02-21 22:00 / 2025-02-23 22:00"},
        {2026, true, "2026-01-23 22:00 / 2026-01-25 22:00"},
        {2026, false, "2026-02-27 22:00 / 2026-03-01 22:00"},  // February of three weekends
        {2009, false, "2009-02-27 22:00 / 2009-03-01 22:00"},
        {2027, true, "2027-01-29 22:00 / 2027-01-31 22:00"},
        {2027, false, "2027-02-26 22:00 / 2027-02-28 22:00"},
        {2028, true, "2028-01-28 22:00 / 2028-01-30 22:00"},
        {2028, false, "2028-02-25 22:00 / 2028-02-27 22:00"},
        {2032, false, "2032-02-27 22:00 / 2032-02-29 22:00"},  // leap: four full weekends
    };
    for (const auto& c : cases)
        EXPECT_EQ(Shown(ContestWeekend(c.year, c.cw)), c.period) << c.year << (c.cw ? " CW" : " SSB");
}

TEST(ContestPeriod, FromTheFirstMinuteUpToTheLast) {
    for (bool cw : {true, false}) {
        const ContestPeriod p = ContestWeekend(2027, cw);
        const int day = cw ? 29 : 26;
        const int month = cw ? 1 : 2;
        EXPECT_FALSE(InPeriod(p, OleDays(At(2027, month, day, 21, 59))));
        EXPECT_TRUE(InPeriod(p, OleDays(At(2027, month, day, 22, 0))));
        EXPECT_TRUE(InPeriod(p, OleDays(At(2027, month, day + 2, 21, 59))));
        EXPECT_FALSE(InPeriod(p, OleDays(At(2027, month, day + 2, 22, 0))));
    }
}

TEST(ContestPeriod, TakenFromMostQsosNotTheFirst) {
    // A test QSO the week before and one a month later do not move it.
    std::vector<LogQso> qsos = {QsoAt(2027, 1, 22, 20, 0), QsoAt(2027, 1, 29, 22, 0),
                                QsoAt(2027, 1, 30, 3, 0), QsoAt(2027, 1, 31, 21, 59),
                                QsoAt(2027, 3, 1, 0, 0)};
    EXPECT_EQ(Shown(PeriodOfLog(qsos, true)), "2027-01-29 22:00 / 2027-01-31 22:00");
    // The SSB weekend of 2026 ends in March.
    qsos = {QsoAt(2026, 2, 28, 1, 0), QsoAt(2026, 3, 1, 21, 0)};
    EXPECT_EQ(Shown(PeriodOfLog(qsos, false)), "2026-02-27 22:00 / 2026-03-01 22:00");
    // No QSO in any weekend: the one nearest the log's middle QSO, even
    // across the turn of a year.
    qsos = {QsoAt(2027, 12, 30, 0, 0), QsoAt(2027, 12, 31, 0, 0), QsoAt(2028, 1, 2, 0, 0)};
    EXPECT_EQ(Shown(PeriodOfLog(qsos, true)), "2028-01-28 22:00 / 2028-01-30 22:00");
    qsos = {QsoAt(2027, 2, 20, 0, 0)};
    EXPECT_EQ(Shown(PeriodOfLog(qsos, true)), "2027-01-29 22:00 / 2027-01-31 22:00");
}

TEST(ContestRun, ExchangeFromTheLocationTheContestAsksFor) {
    CallLocation us, dx;
    us.countryPrefix = "K";
    dx.countryPrefix = "DL";
    EXPECT_EQ(ChooseExchange("MA", "CT", "5", us), "MA");  // the logged exchange first
    EXPECT_EQ(ChooseExchange("", "CT", "5", us), "CT");
    EXPECT_EQ(ChooseExchange("", "", "5", us), "");        // a zone is no state
    EXPECT_EQ(ChooseExchange("", "BY", "14", dx), "14");
    EXPECT_EQ(ChooseExchange("", "BY", "", dx), "");       // nor a district a zone
}

}  // namespace
