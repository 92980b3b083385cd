#include "tools/cq160/replay_log.h"

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
