#include "tools/cq160/options.h"

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
    EXPECT_EQ(o.cwWeekend, 0);
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
}

TEST(Options, Refusals) {
    const std::vector<std::vector<const char*>> bad = {
        {},
        {"score"},
        {"score", "a", "b"},
        {"check", "log"},
        {"rescore", "log"},
        {"score", "log", "--out"},
        {"score", "log", "--mode", "RTTY"},
        {"check", "log", "K1A", "--freq", "1.8"},
        {"check", "log", "K1A", "--zone", "41"},
        {"score", "log", "--colour", "red"},
    };
    for (const auto& args : bad) {
        Options o;
        std::string error;
        EXPECT_FALSE(Parse(args, &o, &error)) << (args.empty() ? "(none)" : args[0]);
        EXPECT_FALSE(error.empty());
    }
}

}  // namespace
