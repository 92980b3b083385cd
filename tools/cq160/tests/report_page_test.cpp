// The report page: texts in UTF-8 and escaped, every chart there, nothing
// fetched; the chart scales; the page file written whole or not at all.
#include "tools/cq160/report/report_page.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "tools/cq160/report/report_run.h"
#include "tools/cq160/report/report_svg.h"

namespace {

namespace fs = std::filesystem;

int Count(const std::string& text, const std::string& what) {
    int n = 0;
    for (std::size_t at = text.find(what); at != std::string::npos; at = text.find(what, at + 1))
        ++n;
    return n;
}

ScoredLog SmallLog(const std::string& call) {
    ScoredLog log;
    log.call = call;
    log.logName = call + ".log";
    log.weekend = "CW";
    log.periodStart = 46416 + 22.0 / 24;          // 2027-01-29 22:00
    log.header = {{"Name", "\xC8\xE2\xE0\xED"}};  // "Иван" in Windows-1251
    log.hasScore = true;
    log.score = 60;
    ScoredQso q;
    q.line = 20;
    q.minute = 5;
    q.time = "2027-01-29 2205";
    q.call = "OK1AA";
    q.exchange = "15";
    q.continent = "EU";
    q.points = 10;
    q.counts = true;
    q.status = "counts";
    q.newCountry = "OK";
    q.newCountryName = "Czech Republic";
    log.qsos.push_back(q);
    q.line = 21;
    q.minute = 65;
    q.call = "<b>W1AW</b>";  // odd text in a log stays text on the page
    q.exchange = "AK";
    q.points = 0;
    q.counts = false;
    q.status = "bad state or province";
    q.newCountry.clear();
    log.qsos.push_back(q);
    return log;
}

TEST(ReportPage, TextsFromWindows1251BecomeUtf8AndUtf8StaysAsItIs) {
    EXPECT_EQ(ToUtf8("\xC8\xE2\xE0\xED \xCF\xE5\xF2\xF0\xEE\xE2"),
              "\xD0\x98\xD0\xB2\xD0\xB0\xD0\xBD \xD0\x9F\xD0\xB5\xD1\x82\xD1\x80\xD0\xBE\xD0\xB2");
    EXPECT_EQ(ToUtf8("\xA8\xB8\xB9"), "\xD0\x81\xD1\x91\xE2\x84\x96");  // Ё ё №
    EXPECT_EQ(ToUtf8("\xD0\x98\xD0\xB2\xD0\xB0\xD0\xBD"), "\xD0\x98\xD0\xB2\xD0\xB0\xD0\xBD");
    EXPECT_EQ(ToUtf8("plain"), "plain");
    EXPECT_EQ(ToUtf8(std::string("a\0b\r\n", 5)), "a b  ");
    // Bytes that only look like UTF-8 (an overlong form) are Windows-1251.
    EXPECT_EQ(ToUtf8("\xC0\xAF"), "\xD0\x90\xD0\x87");
}

TEST(ReportPage, NumbersAndScales) {
    EXPECT_EQ(GroupedNumber(263886), "263,886");
    EXPECT_EQ(GroupedNumber(-1000), "-1,000");
    EXPECT_EQ(GroupedNumber(999), "999");
    EXPECT_EQ(CompactNumber(263886), "264k");
    EXPECT_EQ(CompactNumber(1250000), "1.25M");
    EXPECT_EQ(CompactNumber(950), "950");
    EXPECT_EQ(CompactNumber(-0.0), "0");
    AxisScale s = NiceScale(0, 17);
    EXPECT_EQ(s.step, 5);
    EXPECT_EQ(s.high, 20);
    s = NiceScale(0, 0);  // nothing to show still has an axis
    EXPECT_GT(s.high, s.low);
    s = NiceScale(-66, 0);
    EXPECT_EQ(s.step, 20);
    EXPECT_EQ(s.low, -80);
    EXPECT_EQ(s.high, 0);
    s = NiceScale(0, 0.4);  // counts: no step below one
    EXPECT_EQ(s.step, 1);
}

TEST(ReportPage, OneLogPageHasEveryChartAndNothingToFetch) {
    const std::string page = LogReportPage(SmallLog("DL1ABC"), {"MA", "NY"});
    EXPECT_EQ(page.compare(0, 15, "<!DOCTYPE html>"), 0);
    EXPECT_NE(page.find("<meta charset=\"utf-8\">"), std::string::npos);
    for (const char* id : {"rates", "multipliers", "continent-qsos", "continent-points", "states"})
        EXPECT_EQ(Count(page, std::string("id=\"") + id + "\""), 1) << id;
    EXPECT_EQ(Count(page, "<svg class=\"chart"), 5);
    EXPECT_EQ(Count(page, "src="), 0);
    EXPECT_EQ(Count(page, "href="), 0);
    EXPECT_EQ(Count(page, "<script"), 0);
    EXPECT_NE(page.find("\xD0\x98\xD0\xB2\xD0\xB0\xD0\xBD"), std::string::npos);  // Иван
    EXPECT_EQ(page.find("<b>W1AW"), std::string::npos);
    EXPECT_NE(page.find("&lt;b&gt;W1AW&lt;/b&gt;"), std::string::npos);
    // The QSO that does not count, with its line and reason.
    EXPECT_NE(page.find("<td class=\"n\">21</td>"), std::string::npos);
    EXPECT_NE(page.find("bad state or province"), std::string::npos);
    EXPECT_NE(page.find("Fri 22:00"), std::string::npos);  // the time axis starts Friday
    EXPECT_NE(page.find("0 h 00 min of 48 h"), std::string::npos);

    // An operating time past the category's limit is marked.
    ScoredLog busy = SmallLog("DL1ABC");
    busy.operatingMinutes = 31 * 60 + 40;
    busy.operatingLimitMinutes = 30 * 60;
    busy.operatorCategory = "SINGLE-OP";
    EXPECT_NE(LogReportPage(busy, {}).find(
                  "31 h 40 min of 48 h (off periods: 30 minutes or more without a QSO); "
                  "<span class=\"warn\">more than the 30 h SINGLE-OP may operate</span>"),
              std::string::npos);
}

TEST(ReportPage, ComparisonPageHasTheOverlaidChartsAndEachLogsOwn) {
    const std::string page =
        ComparisonReportPage({SmallLog("DL1ABC"), SmallLog("OK2ABC"), SmallLog("RA3ABC")}, {"MA"});
    for (const char* id :
         {"compare-rates", "compare-score", "compare-multipliers", "compare-difference",
          "compare-continent-qsos", "log1-rates", "log2-multipliers", "log3-states"})
        EXPECT_EQ(Count(page, std::string("id=\"") + id + "\""), 1) << id;
    EXPECT_EQ(Count(page, "<svg class=\"chart"), 6 + 3 * 5);
    EXPECT_NE(page.find("OK2ABC \xE2\x88\x92 DL1ABC"),
              std::string::npos);  // the difference's legend
}

TEST(ReportPage, PageFileIsWrittenWholeOrNotAtAll) {
    const fs::path folder = fs::temp_directory_path() / "cq160-report-page-test";
    fs::remove_all(folder);
    fs::create_directories(folder);
    const std::string path = (folder / "report.html").string();
    std::ofstream(path, std::ios::binary) << "old";
    std::string error;
    ASSERT_TRUE(WriteFileWhole(path, "new page", &error)) << error;
    std::ifstream in(path, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    EXPECT_EQ(text.str(), "new page");
    EXPECT_FALSE(fs::exists(path + ".tmp"));
    // A folder in the way of the page: the attempt leaves nothing behind.
    const std::string blocked = (folder / "blocked").string();
    fs::create_directories(fs::path(blocked) / "inside");
    EXPECT_FALSE(WriteFileWhole(blocked, "page", &error));
    EXPECT_TRUE(fs::is_directory(blocked));
    EXPECT_FALSE(fs::exists(blocked + ".tmp"));
    EXPECT_FALSE(WriteFileWhole((folder / "missing" / "report.html").string(), "page", &error));
    EXPECT_NE(error.find("cannot write"), std::string::npos);
    fs::remove_all(folder);
}

}  // namespace
