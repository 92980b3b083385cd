#include "tools/cq160/crosscheck/cross_match.h"

#include <gtest/gtest.h>

#include "tools/cq160/crosscheck/one_edit.h"

namespace {

TEST(OneEdit, EachKindOfSlipAndNothingMore) {
    const struct {
        const char* a;
        const char* b;
        bool near;
    } cases[] = {
        {"K1ABC", "K1ABD", true},   // substituted
        {"K1ABC", "K1AB", true},    // missing
        {"K1ABC", "K1ABCC", true},  // extra
        {"K1ABC", "K1BAC", true},   // swapped neighbours
        {"K1ABC", "1KABC", true},
        {"K1ABC", "K1ABC", false},  // the same call
        {"K1ABC", "K1BCA", false},  // two slips
        {"K1ABC", "K1CBA", false},  // a swap over a character
        {"K1ABC", "K1A", false},
        {"", "K", true},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(OneEditApart(c.a, c.b), c.near) << c.a << " " << c.b;
        EXPECT_EQ(OneEditApart(c.b, c.a), c.near) << c.b << " " << c.a;
    }
}

TEST(OneEdit, TheIndexFindsEveryNeighbourOnce) {
    NearCallIndex index;
    const char* calls[] = {"K1ABC", "K1ABD", "K1AB", "K1ABCC", "K1BAC", "W1ABC", "K1XYZ", "KK1ABC"};
    for (int i = 0; i < 8; ++i) index.Add(calls[i], i);
    EXPECT_EQ(index.Near("K1ABC"), (std::vector<int>{1, 2, 3, 4, 5, 7}));
    EXPECT_EQ(index.Near("K1XY"), (std::vector<int>{6}));
    EXPECT_EQ(index.Near("KL1ABC"), (std::vector<int>{0, 7}));  // an extra L, or L for K
    EXPECT_TRUE(index.Near("JA1XX").empty());
}

// Logs written as "HHMM CALL SENT RCVD" per QSO on 2027-01-30, 160 m CW.
MatchLog Log(const std::string& call, const std::vector<std::vector<std::string>>& qsos) {
    MatchLog log;
    log.call = call;
    int line = 4;
    for (const auto& q : qsos) {
        MatchQso m;
        m.line = line++;
        m.minute = std::stoi(q[0].substr(0, 2)) * 60 + std::stoi(q[0].substr(2, 2));
        m.call = q[1];
        m.exchSent = q[2];
        m.exchRcvd = q[3];
        if (q.size() > 4) m.dupe = q[4] == "dupe";
        log.qsos.push_back(m);
    }
    return log;
}

Verdict V(const MatchResult& r, int log, int qso) { return r.verdicts[log][qso].verdict; }

TEST(CrossMatch, AStationLoggedTwiceConfirmsTheFirstCopyOnly) {
    // DL1ABC logged OK1XYZ twice (the module marks the second a dupe);
    // OK1XYZ logged it once, nearer the second copy.
    const MatchResult r = CrossCheckLogs({
        Log("DL1ABC", {{"0100", "OK1XYZ", "14", "15"}, {"0103", "OK1XYZ", "14", "15", "dupe"}}),
        Log("OK1XYZ", {{"0103", "DL1ABC", "15", "14"}}),
    });
    EXPECT_EQ(V(r, 0, 0), Verdict::kConfirmed);
    EXPECT_EQ(V(r, 0, 1), Verdict::kDupe);
    EXPECT_EQ(r.verdicts[0][1].otherQso, 0);  // a dupe of the first
    EXPECT_EQ(V(r, 1, 0), Verdict::kConfirmed);
    EXPECT_EQ(r.verdicts[1][0].otherQso, 0);
}

TEST(CrossMatch, TheWindowHoldsAtItsEdgeAndNotAMinuteBeyond) {
    const MatchResult r = CrossCheckLogs({
        Log("DL1ABC", {{"0100", "OK1XYZ", "14", "15"}, {"0200", "G3ABC", "14", "14"}}),
        Log("OK1XYZ", {{"0103", "DL1ABC", "15", "14"}}),
        Log("G3ABC", {{"0204", "DL1ABC", "14", "14"}}),
    });
    EXPECT_EQ(V(r, 0, 0), Verdict::kConfirmed);  // 3 minutes apart
    EXPECT_EQ(V(r, 0, 1), Verdict::kNotInLog);   // 4 minutes apart
    EXPECT_EQ(r.verdicts[0][1].otherQso, 0);     // the nearest QSO as evidence
    EXPECT_EQ(V(r, 2, 0), Verdict::kNotInLog);
    const MatchResult wider = CrossCheckLogs(
        {Log("DL1ABC", {{"0200", "G3ABC", "14", "14"}}), Log("G3ABC", {{"0204", "DL1ABC", "14", "14"}})},
        4);
    EXPECT_EQ(V(wider, 0, 0), Verdict::kConfirmed);
}

TEST(CrossMatch, ALogTenMinutesFastIsFoundAndForgiven) {
    // SP5AAA's clock is 10 minutes ahead; its five QSOs confirm all the
    // same, and so does every other station's QSO with it.
    std::vector<MatchLog> logs;
    MatchLog fast;
    fast.call = "SP5AAA";
    const char* others[] = {"DL1AA", "DL2BB", "DL3CC", "DL4DD", "DL5EE"};
    for (int i = 0; i < 5; ++i) {
        const std::string hhmm = "01" + std::to_string(10 + 10 * i);  // 0110 to 0150
        logs.push_back(Log(others[i], {{hhmm, "SP5AAA", "14", "15"}}));
        MatchQso q;
        q.line = 4 + i;
        q.minute = logs.back().qsos[0].minute + 10;
        q.call = others[i];
        q.exchSent = "15";
        q.exchRcvd = "14";
        fast.qsos.push_back(q);
    }
    logs.push_back(fast);
    const MatchResult r = CrossCheckLogs(logs);
    EXPECT_EQ(r.clockOffset[5], 10);
    EXPECT_EQ(r.clockSamples[5], 5);
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(r.clockOffset[i], 0);
        EXPECT_EQ(V(r, i, 0), Verdict::kConfirmed);
        EXPECT_EQ(V(r, 5, i), Verdict::kConfirmed);
    }
}

TEST(CrossMatch, OfTwoNearMissesTheNearerInTimeIsNamed) {
    // DL1ABC logged "OK1XY", which sent no log; OK1XYZ and OK1XY logged
    // nothing of the kind, but OK1XYZ (2 minutes away) and OK1XW (1 minute
    // away) both logged DL1ABC then.
    const MatchResult r = CrossCheckLogs({
        Log("DL1ABC", {{"0100", "OK1XY", "14", "15"}}),
        Log("OK1XYZ", {{"0102", "DL1ABC", "15", "14"}}),
        Log("OK1XW", {{"0101", "DL1ABC", "15", "14"}}),
    });
    EXPECT_EQ(V(r, 0, 0), Verdict::kBustedCall);
    EXPECT_EQ(r.verdicts[0][0].rightCall, "OK1XW");
    EXPECT_EQ(V(r, 2, 0), Verdict::kConfirmed);  // its line stays good
    EXPECT_EQ(V(r, 1, 0), Verdict::kNotInLog);   // DL1ABC has no QSO with OK1XYZ
}

TEST(CrossMatch, ExchangesCompareAsTheContestCountsThem) {
    EXPECT_TRUE(SameExchange("05", "5", "JA1AA"));
    EXPECT_TRUE(SameExchange(" pe ", "PEI", "VY2AA"));
    EXPECT_TRUE(SameExchange("NL", "NF", "VO1AA"));
    EXPECT_FALSE(SameExchange("NL", "NF", "VO2AA"));  // Labrador
    EXPECT_FALSE(SameExchange("MA", "NH", "K1AR"));
    EXPECT_FALSE(SameExchange("15", "14", "DL1ABC"));
    EXPECT_TRUE(SameExchange("", "14", "DL1ABC"));  // nothing to hold against it
}

TEST(CrossMatch, NoLogUniqueAndABustedExchange) {
    const MatchResult r = CrossCheckLogs({
        Log("DL1ABC", {{"0100", "JA1XX", "14", "25"}, {"0110", "PY2AA", "14", "11"},
                       {"0120", "K1AR", "14", "NH"}}),
        Log("G3ABC", {{"0130", "JA1XX", "14", "25"}}),
        Log("K1AR", {{"0120", "DL1ABC", "MA", "14"}}),
    });
    EXPECT_EQ(V(r, 0, 0), Verdict::kNoLog);
    EXPECT_EQ(r.verdicts[0][0].logsWithCall, 1);
    EXPECT_EQ(V(r, 0, 1), Verdict::kUnique);
    EXPECT_EQ(V(r, 0, 2), Verdict::kBustedExchange);
    EXPECT_EQ(V(r, 2, 0), Verdict::kConfirmed);
}

}  // namespace
