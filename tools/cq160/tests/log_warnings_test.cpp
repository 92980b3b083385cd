#include "tools/cq160/contest/log_warnings.h"

#include <gtest/gtest.h>

#include "tools/cq160/contest/contest_period.h"
#include "tools/cq160/tests/utc_at.h"

namespace {

LogQso Qso(int line, int day, int hour, int minute, const std::string& mode = "CW",
           const std::string& own = "DL1ABC") {
    LogQso q;
    q.line = line;
    q.time = At(2027, 1, day, hour, minute);
    q.mode = mode;
    q.ownCall = own;
    q.call = "K1AB";
    return q;
}

ContestLog CwLog() {
    ContestLog log;
    log.callsign = "DL1ABC";
    log.callsignLine = 2;
    log.contest = "CQ-160-CW";
    log.contestLine = 3;
    log.qsos = {Qso(10, 29, 22, 0), Qso(11, 30, 12, 0), Qso(12, 31, 21, 59)};
    return log;
}

WarningContext CwContext() {
    WarningContext c;
    c.cwWeekend = true;
    c.period = ContestWeekend(2027, true);
    c.todayOleDay = static_cast<int>(OleDayNumber(2027, 3, 1));
    return c;
}

std::vector<std::string> Lines(const std::vector<LogWarning>& warnings) {
    std::vector<std::string> lines;
    for (const LogWarning& w : warnings) lines.push_back(WarningLine(w));
    return lines;
}

TEST(LogWarnings, NoneForAGoodLog) {
    EXPECT_TRUE(CheckLog(CwLog(), CwContext()).empty());
}

TEST(LogWarnings, QsosOutsideThePeriodByOneMinute) {
    ContestLog log = CwLog();
    log.qsos.insert(log.qsos.begin(), Qso(9, 29, 21, 59));
    log.qsos.push_back(Qso(13, 31, 22, 0));
    EXPECT_EQ(Lines(CheckLog(log, CwContext())),
              (std::vector<std::string>{
                  "line 9: K1AB at 2027-01-29 2159 is before the contest, which starts "
                  "2027-01-29 22:00 UTC",
                  "line 13: K1AB at 2027-01-31 2200 is after the contest, which ended "
                  "2027-01-31 22:00 UTC"}));
}

TEST(LogWarnings, TheContestTag) {
    ContestLog log = CwLog();
    log.contest = "CQ-WW-CW";
    EXPECT_EQ(Lines(CheckLog(log, CwContext())),
              (std::vector<std::string>{"line 3: the log is of another contest (CONTEST "
                                        "CQ-WW-CW); this one is CQ-160-CW or CQ-160-SSB"}));
    log.contest = "CQ-WW-160M-SSB";
    EXPECT_EQ(Lines(CheckLog(log, CwContext())),
              (std::vector<std::string>{"line 3: CONTEST CQ-WW-160M-SSB names the SSB weekend, "
                                        "but the log is scored as the CW weekend"}));
    for (const char* good : {"CQ-160-CW", "cq-160-cw", "CQ-WW-160M-CW", "CQ-160M-CW", ""}) {
        log.contest = good;
        EXPECT_TRUE(CheckLog(log, CwContext()).empty()) << good;
    }
    EXPECT_EQ(CqWw160TagMode("CQ-160-PH"), 0);
    EXPECT_EQ(CqWw160TagMode("CQ-160-RTTY"), -1);
}

TEST(LogWarnings, QsosOfAnotherMode) {
    ContestLog log = CwLog();
    log.qsos[1].mode = "SSB";
    log.qsos[2].mode = "RTTY";
    EXPECT_EQ(Lines(CheckLog(log, CwContext())),
              (std::vector<std::string>{
                  "line 11: SSB QSO with K1AB in the CW weekend: it does not count",
                  "line 12: RTTY QSO with K1AB in the CW weekend: it does not count"}));
}

TEST(LogWarnings, QsoLinesFromAnotherCallOnceEach) {
    ContestLog log = CwLog();
    log.qsos[1].ownCall = "DL1XYZ";
    log.qsos[2].ownCall = "DL1XYZ";
    log.qsos.push_back(Qso(13, 31, 21, 0, "CW", "DL1ABC/P"));
    log.qsos.push_back(Qso(14, 31, 21, 1, "CW", ""));  // ADIF records without a call
    EXPECT_EQ(Lines(CheckLog(log, CwContext())),
              (std::vector<std::string>{
                  "line 11: 2 QSOs are sent as DL1XYZ, but the log's own call is DL1ABC "
                  "(CALLSIGN, line 2)",
                  "line 13: 1 QSO is sent as DL1ABC/P, but the log's own call is DL1ABC "
                  "(CALLSIGN, line 2)"}));
    WarningContext given = CwContext();
    given.callGiven = true;  // --call: the tag is not what is handed over
    EXPECT_TRUE(CheckLog(log, given).empty());
}

TEST(LogWarnings, ALogWithoutItsEnd) {
    ContestLog log = CwLog();
    log.endMissing = true;
    EXPECT_EQ(Lines(CheckLog(log, CwContext())),
              (std::vector<std::string>{"START-OF-LOG but no END-OF-LOG: the log may be truncated"}));
}

TEST(LogWarnings, DatesAfterTodayInOneWarning) {
    WarningContext c = CwContext();
    c.todayOleDay = static_cast<int>(OleDayNumber(2027, 1, 30));  // the day of QSO 11
    EXPECT_EQ(Lines(CheckLog(CwLog(), c)),
              (std::vector<std::string>{"line 12: 1 QSO is dated after today (2027-01-30), "
                                        "the first K1AB at 2027-01-31 2159"}));
    c.todayOleDay = static_cast<int>(OleDayNumber(2026, 12, 8));
    EXPECT_EQ(Lines(CheckLog(CwLog(), c)),
              (std::vector<std::string>{"line 10: 3 QSOs are dated after today (2026-12-08), "
                                        "the first K1AB at 2027-01-29 2200"}));
}

}  // namespace
