#include "platform/text_file.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <algorithm>

#include "test_util.h"

TEST(TextFile, ReadsLinesAsATextModeReaderSeesThem) {
    ScopedTempCwd dir;
    WriteAll("a.txt", "one\r\ntwo\nthree\r\r\nlast");
    std::vector<std::string> lines;
    ASSERT_TRUE(ReadTextLines("a.txt", &lines));
    EXPECT_EQ(lines, (std::vector<std::string>{"one", "two", "three\r", "last"}));
    EXPECT_FALSE(ReadTextLines("missing.txt", &lines));
    EXPECT_TRUE(lines.empty());
}

TEST(TextFile, WritesCrLfAndAppendsWithFlush) {
    ScopedTempCwd dir;
    ASSERT_TRUE(WriteTextLines("r.txt", {"head ", ""}));
    {
        AppendFile f("r.txt");
        ASSERT_TRUE(f.IsOpen());
        f.WriteLine("x");
        EXPECT_EQ(ReadAll("r.txt"), "head \r\n\r\nx\r\n");  // flushed at once
    }
    AppendFile none("");
    EXPECT_FALSE(none.IsOpen());
    none.WriteLine("lost");
    EXPECT_FALSE(WriteTextLines("no/such/folder/r.txt", {"x"}));
}

TEST(TextFile, BackslashSeparatesFolders) {
    ScopedTempCwd dir;
    mkdir("Plugins", 0777);
    ASSERT_TRUE(WriteTextLines("Plugins\\x.txt", {"y"}));
    EXPECT_EQ(ReadAll("Plugins/x.txt"), "y\r\n");
}

TEST(FindFileNames, MatchesWildcardsWithoutCase) {
    ScopedTempCwd dir;
    mkdir("sub", 0777);
    for (const char* name : {"Harlo2.ini", "other.INI", "x.ini.bak", "sub/inner.ini"})
        WriteAll(name, "");
    std::vector<std::string> names = FindFileNames("*.ini");
    std::sort(names.begin(), names.end());
    EXPECT_EQ(names, (std::vector<std::string>{"Harlo2.ini", "other.INI"}));
    EXPECT_EQ(FindFileNames("sub\\*.ini"), (std::vector<std::string>{"inner.ini"}));
    EXPECT_EQ(FindFileNames("H?rlo2.*"), (std::vector<std::string>{"Harlo2.ini"}));
    EXPECT_TRUE(FindFileNames("missing\\*.ini").empty());
}
