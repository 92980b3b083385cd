#include "interface/exports.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cstring>

#include "interface/module_state.h"
#include "test_util.h"

namespace {

int Add(Text call, Text exchRcvd, Text band, COleDateTime* time, Text mode = "SSB",
        Text country = "DL") {
    return AddData0("DL1ABC", call, time, nullptr, nullptr, nullptr, 0, 1830000, mode, "59",
                    "59", "14", exchRcvd, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr,
                    nullptr, nullptr, country, country, 0, 0, 0, 0.0, 0.0, nullptr, "EU",
                    nullptr, band, nullptr);
}

int Remove(Text call, Text exchRcvd, Text band, COleDateTime* time) {
    return RemoveData0("DL1ABC", call, time, nullptr, nullptr, nullptr, 0, 1830000, "SSB", "59",
                       "59", "14", exchRcvd, nullptr, nullptr, nullptr, nullptr, nullptr,
                       nullptr, nullptr, nullptr, "DL", "DL", 0, 0, 0, 0.0, 0.0, nullptr, "EU",
                       nullptr, band, nullptr);
}

int Reset(Text call, COleDateTime* start, COleDateTime* end) {
    return ResetStats0(nullptr, 0, call, start, end, nullptr, nullptr, nullptr, nullptr, nullptr,
                       nullptr, nullptr, nullptr, nullptr, nullptr, 0, 0, 0, 0.0, 0.0, nullptr,
                       nullptr, nullptr);
}

int Check(Text call, Text country, int zone, Text band, char* hint) {
    return CheckCall0(call, 0, 0, "SSB", nullptr, nullptr, nullptr, nullptr, nullptr, nullptr,
                      nullptr, nullptr, nullptr, country, zone, 0, 0, 0.0, 0.0, nullptr, nullptr,
                      nullptr, nullptr, nullptr, band, nullptr, hint, nullptr);
}

}  // namespace

TEST(Exports, FixedAnswers) {
    EXPECT_EQ(GetNumberOfSets(), 1);
    EXPECT_EQ(GetExchgCount0(nullptr, nullptr, nullptr), 1);
    for (int set : {0, 1, -3, 1000}) EXPECT_STREQ(GetSetName(set), "CQ WW 160M CW/SSB (C)");
    EXPECT_EQ(setVersion(nullptr), 0u);
    EXPECT_EQ(g_module.Host().versionAnnounced, 1);
    EXPECT_EQ(setVersion(""), 0u);
    int out = 7;
    EXPECT_NE(GetResult0(&out), nullptr);
    EXPECT_EQ(out, -1);
    EXPECT_NE(GetResult0(nullptr), nullptr);
}

TEST(Exports, NullArgumentsCountAsEmpty) {
    ScopedTempCwd dir;
    EXPECT_EQ(Reset(nullptr, nullptr, nullptr), 1);
    const std::string report = g_module.Run().badQsoPath;
    EXPECT_EQ(report, "BadQSO_StatsCQWW160CWSSB_.txt");
    EXPECT_EQ(Add(nullptr, nullptr, nullptr, nullptr, nullptr, nullptr), 0);
    EXPECT_EQ(Add(nullptr, "14", "160m", nullptr), 1);  // an empty call is still a QSO
    EXPECT_EQ(Remove(nullptr, nullptr, "160m", nullptr), 1);  // null dates match null dates
    EXPECT_EQ(g_module.LogSize(), 0u);
    EXPECT_EQ(Check(nullptr, nullptr, 0, nullptr, nullptr), 4);
    EXPECT_EQ(IsValidExchg0(nullptr, nullptr, nullptr, nullptr, 0, 0, 0), 0);
    EXPECT_EQ(ReadAll(report),
              "CQ WW 160M SSB DX Contest UBN file \r\n"
              "QSO:  1830      DL1ABC  59  14    59     WRONG BAND !!!\r\n");
}

TEST(Exports, LongTextsAreKeptWhole) {
    ScopedTempCwd dir;
    // The SSB weekend: a first start takes it from a period in February.
    COleDateTime start(46444.9), end(46446.9), when(46445.5);
    Reset("DL1ABC", &start, &end);
    std::string call(10000, 'K');
    std::string exch(10000, '\xe9');
    call[5] = '\x80';
    EXPECT_EQ(Add(call.c_str(), exch.c_str(), "80m", &when), 0);
    EXPECT_EQ(Add(call.c_str(), exch.c_str(), "160m", &when), 1);
    EXPECT_EQ(Add(call.c_str(), exch.c_str(), "160m", &when), 1);
    const LogStore log = g_module.Store().log;
    ASSERT_EQ(log.size(), 2u);
    EXPECT_EQ(log[0].call, call);
    EXPECT_EQ(log[0].zone, 0);

    char hint[100];
    std::memset(hint, 'x', sizeof hint);
    EXPECT_EQ(Check(call.c_str(), "DL", 14, "160m", hint), 0);
    EXPECT_EQ(hint[0], 'x');
    EXPECT_EQ(Check("DL2AA", "DL", -2147483647 - 1, "160m", hint), 1);
    EXPECT_STREQ(hint, "-2147483648");
    EXPECT_EQ(IsValidExchg0(exch.c_str(), nullptr, "K", nullptr, 0, 0, 0), 0);

    const std::string reportPath = g_module.Run().badQsoPath;
    const std::string report = ReadAll(reportPath);
    EXPECT_NE(report.find(call + "  59  " + exch + "   WRONG BAND !!!\r\n"), std::string::npos);
    EXPECT_NE(report.find(call + "  59  " + exch + "   DUPE !!!\r\n"), std::string::npos);
    EXPECT_EQ(Remove(call.c_str(), exch.c_str(), "160m", &when), 1);
    EXPECT_EQ(g_module.LogSize(), 1u);
    EXPECT_EQ(ReadAll(reportPath).find("DUPE"), std::string::npos);
}
