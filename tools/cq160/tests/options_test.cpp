#include "tools/cq160/cli/options.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

bool Parse(std::vector<const char*> args, Options* o, std::string* error) {
    args.insert(args.begin(), "cq160");
    return ParseOptions(static_cast<int>(args.size()), args.data(), o, error);
}

TEST(Options, Commands) {
    Options o;
    std::string error;
    ASSERT_TRUE(Parse({"check", "log.cbr", "k1abc", "--freq", "3525000", "--mode", "ph",
                       "--zone", "5", "--out", "dir", "--call", "dl1abc/p"},
                      &o, &error))
        << error;
    EXPECT_EQ(o.command, Command::kCheck);
    EXPECT_EQ(o.log, "log.cbr");
    EXPECT_EQ(o.checkCall, "K1ABC");
    EXPECT_EQ(o.freqHz, 3525000u);
    EXPECT_EQ(o.checkMode, "SSB");  // the checked call's mode, not the weekend's
    EXPECT_EQ(o.cwWeekend, -1);
    EXPECT_EQ(o.zone, 5);
    EXPECT_EQ(o.out, "dir");
    EXPECT_EQ(o.call, "DL1ABC/P");

    Options e;
    ASSERT_TRUE(Parse({"--module", "m.so", "export", "log", "--cty", "c.dat"}, &e, &error));
    EXPECT_EQ(e.command, Command::kExport);
    EXPECT_EQ(e.module, "m.so");
    EXPECT_EQ(e.cty, "c.dat");
    EXPECT_EQ(e.cwWeekend, -1);
    EXPECT_EQ(e.freqHz, 1830000u);

    Options h;
    ASSERT_TRUE(Parse({"score", "--help"}, &h, &error));
    EXPECT_EQ(h.command, Command::kHelp);

    Options w;
    ASSERT_TRUE(Parse({"check", "log", "K1A", "--weekend", "ssb", "--mode", "cw", "--exch", " ma",
                       "--today", "2027-02-01"},
                      &w, &error))
        << error;
    EXPECT_EQ(w.cwWeekend, 0);
    EXPECT_EQ(w.checkMode, "CW");
    EXPECT_EQ(w.exch, "ma");
    EXPECT_EQ(w.todayYear * 10000 + w.todayMonth * 100 + w.todayDay, 20270201);

    Options s;  // score and export: --mode is the weekend, as it always was
    ASSERT_TRUE(Parse({"score", "log", "--mode", "cw", "--sent", "14", "--qsos", "--hours"}, &s,
                      &error));
    EXPECT_EQ(s.cwWeekend, 1);
    EXPECT_EQ(s.sent, "14");
    EXPECT_TRUE(s.qsos && s.hours && !s.mults);
}

TEST(Options, ScoreTakesSeveralLogs) {
    Options o;
    std::string error;
    ASSERT_TRUE(Parse({"score", "a.log", "b.adi", "dir", "--mode", "ssb"}, &o, &error)) << error;
    EXPECT_EQ(o.logs, (std::vector<std::string>{"a.log", "b.adi", "dir"}));
    EXPECT_EQ(o.cwWeekend, 0);
}

TEST(Options, AnUnknownOptionIsCalledUnknown) {
    for (const char* option : {"--colour", "--qso"}) {
        Options o;
        std::string error;
        EXPECT_FALSE(Parse({"score", "log", option}, &o, &error));
        EXPECT_EQ(error, std::string("unknown option ") + option);
    }
}

TEST(Options, FrequencyInHzKhzOrMhzByWhereItLiesInABand) {
    const struct {
        const char* text;
        unsigned hz;
    } cases[] = {{"1830000", 1830000u}, {"1830", 1830000u},   {"1.83", 1830000u},
                 {"1830.5", 1830500u},  {"3.525", 3525000u},  {"7", 7000000u},
                 {"144.2", 144200000u}, {"136", 136000u},     {"472.5", 472500u}};
    for (const auto& c : cases) {
        Options o;
        std::string error;
        EXPECT_TRUE(Parse({"check", "log", "K1A", "--freq", c.text}, &o, &error)) << c.text;
        EXPECT_EQ(o.freqHz, c.hz) << c.text;
    }
}

TEST(Options, Refusals) {
    const std::vector<std::vector<const char*>> bad = {
        {},
        {"score"},
        {"export", "a", "b"},
        {"check", "log"},
        {"rescore", "log"},
        {"score", "log", "--out"},
        {"score", "log", "--mode", "RTTY"},
        {"check", "log", "K1A", "--freq", "5"},        // no band in Hz, kHz or MHz
        {"check", "log", "K1A", "--freq", "1,83"},
        {"check", "log", "K1A", "--qsos"},             // options of another command
        {"export", "log", "--json", "x.json"},
        {"score", "log", "--exch", "5"},
        {"score", "log", "--category-power", "LOW"},
        {"check", "log", "K1A", "--zone", "41"},
        {"score", "log", "--colour", "red"},
        {"score", "log", "--today", "2027-02-30"},
        {"score", "log", "--weekend", "RTTY"},
        {"score", "log", "--sent", " "},
    };
    for (const auto& args : bad) {
        Options o;
        std::string error;
        EXPECT_FALSE(Parse(args, &o, &error)) << (args.empty() ? "(none)" : args[0]);
        EXPECT_FALSE(error.empty());
    }
}

}  // namespace

namespace {

TEST(Options, WindowsOnlyForCheckAndOnlyInTheWindowsBuild) {
    struct Case {
        std::vector<const char*> args;
        const char* error;
    };
    const Case cases[] = {
        {{"score", "log", "--windows"}, "--windows is an option of check"},
        {{"check", "log", "K1A", "--hold", "5"}, "--hold goes with --windows"},
        {{"check", "log", "K1A", "--windows", "--hold", "-1"},
         "--hold takes the seconds the windows stay up (0 to 86400), not -1"},
        {{"check", "log", "K1A", "--windows", "--hold", "86401"},
         "--hold takes the seconds the windows stay up (0 to 86400), not 86401"},
        // libStats.so opens no window: refused, whatever else is right.
        {{"check", "log", "K1A", "--windows", "--hold", "1"},
         "--windows needs the Windows build, cq160.exe with Stats.dll (under Wine on Linux): "
         "libStats.so opens no windows"},
    };
    for (const Case& c : cases) {
        Options o;
        std::string error;
        EXPECT_FALSE(Parse(c.args, &o, &error)) << c.error;
        EXPECT_EQ(error, c.error);
    }
}

TEST(Options, ReportTakesOneToThreeLogsAndItsPageFile) {
    Options o;
    std::string error;
    ASSERT_TRUE(Parse({"report", "a.log", "b.log", "-o", "page.html", "--out", "dir"}, &o, &error))
        << error;
    EXPECT_EQ(o.command, Command::kReport);
    EXPECT_EQ(o.logs, (std::vector<std::string>{"a.log", "b.log"}));
    EXPECT_EQ(o.output, "page.html");
    EXPECT_EQ(o.out, "dir");
    Options one;
    ASSERT_TRUE(Parse({"report", "a.log", "--call", "dl1abc"}, &one, &error)) << error;
    EXPECT_TRUE(one.output.empty());

    const struct {
        std::vector<const char*> args;
        const char* error;
    } cases[] = {
        {{"report"}, "report takes one, two or three logs"},
        {{"report", "a", "b", "c", "d"}, "report takes one, two or three logs"},
        {{"report", "a", "b", "--call", "K1A"}, "--call goes with one log"},
        {{"score", "a", "-o", "x.html"}, "-o is an option of report"},
        {{"report", "a", "-o"}, "-o needs a value"},
    };
    for (const auto& c : cases) {
        Options bad;
        EXPECT_FALSE(Parse(c.args, &bad, &error)) << c.error;
        EXPECT_EQ(error, c.error);
    }
}

}  // namespace

namespace {

TEST(Options, CrosscheckTakesOneFolderAWindowAndAPenalty) {
    Options o;
    std::string error;
    ASSERT_TRUE(Parse({"crosscheck", "logs", "--window", "5", "--penalty", "2", "--csv", "v.csv"},
                      &o, &error))
        << error;
    EXPECT_EQ(o.command, Command::kCrosscheck);
    EXPECT_EQ(o.log, "logs");
    EXPECT_EQ(o.windowMinutes, 5);
    EXPECT_EQ(o.penalty, 2);
    EXPECT_EQ(o.csv, "v.csv");
    for (const std::vector<const char*>& args :
         {std::vector<const char*>{"crosscheck"}, {"crosscheck", "a", "b"},
          {"crosscheck", "logs", "--window", "61"}, {"crosscheck", "logs", "--window", "-1"},
          {"crosscheck", "logs", "--penalty", "11"}, {"crosscheck", "logs", "--penalty", "x"}}) {
        Options bad;
        EXPECT_FALSE(Parse(args, &bad, &error)) << args.size();
    }
}

}  // namespace
