#include "interface/exports.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cstring>

#include "interface/module_state.h"
#include "test_util.h"
#include "tools/driver/export_calls.h"

namespace {

driver::Qso Qso(Text call, Text exchRcvd, Text band, COleDateTime* time, Text mode, Text country) {
    driver::Qso q;
    q.ownCall = "DL1ABC";
    q.call = call;
    q.noTime = time == nullptr;
    if (time) q.time = *time;
    q.freqHz = 1830000;
    q.mode = mode;
    q.rstSent = "59";
    q.rstRcvd = "59";
    q.exchSent = "14";
    q.exchRcvd = exchRcvd;
    q.detailedPrefix = country;
    q.countryPrefix = country;
    q.continent = "EU";
    q.band = band;
    return q;
}

// The ignored arguments are null texts: the exports must take them.
int Add(Text call, Text exchRcvd, Text band, COleDateTime* time, Text mode = "SSB",
        Text country = "DL") {
    return driver::CallQso(&AddData0, Qso(call, exchRcvd, band, time, mode, country),
                           driver::Unused::kNull);
}

int Remove(Text call, Text exchRcvd, Text band, COleDateTime* time) {
    return driver::CallQso(&RemoveData0, Qso(call, exchRcvd, band, time, "SSB", "DL"),
                           driver::Unused::kNull);
}

int Reset(Text call, COleDateTime* start, COleDateTime* end) {
    driver::Reset r;
    r.pathPrefix = nullptr;
    r.ownCall = call;
    r.periodStart = start ? *start : COleDateTime();
    r.periodEnd = end ? *end : COleDateTime();
    r.noPeriod = !start || !end;
    r.ownCountry = nullptr;
    r.ownContinent = nullptr;
    return driver::CallReset(&ResetStats0, r, driver::Unused::kNull);
}

int Check(Text call, Text country, int zone, Text band, char* hint) {
    driver::TypedCall c;
    c.call = call;
    c.mode = "SSB";
    c.countryPrefix = country;
    c.zone = zone;
    c.continent = nullptr;
    c.band = band;
    c.band2 = nullptr;
    return driver::CallCheck(&CheckCall0, c, hint, driver::Unused::kNull);
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
