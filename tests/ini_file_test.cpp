// The module's INI reader/writer, checked against the behaviour of Windows'
// profile functions (tests/wine/profile_wine.cpp compares the two directly).
#include "platform/ini_file.h"

#include <gtest/gtest.h>
#include <stdlib.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "platform/profile.h"

namespace {

class IniFileTest : public ::testing::Test {
protected:
    void SetUp() override {
        std::string pattern = ::testing::TempDir() + "ini_file_test.XXXXXX";
        ASSERT_NE(mkdtemp(pattern.data()), nullptr);
        dir_ = pattern;
        path_ = dir_ + "/CQ-WW-160-CW-SSB.ini";
    }
    void TearDown() override { std::filesystem::remove_all(dir_); }

    void Put(const std::string& bytes) {
        std::FILE* f = std::fopen(path_.c_str(), "wb");
        ASSERT_NE(f, nullptr);
        ASSERT_EQ(std::fwrite(bytes.data(), 1, bytes.size(), f), bytes.size());
        std::fclose(f);
    }
    std::optional<std::string> Get() const {
        std::FILE* f = std::fopen(path_.c_str(), "rb");
        if (!f) return std::nullopt;
        std::string bytes;
        int c;
        while ((c = std::fgetc(f)) != EOF) bytes.push_back(static_cast<char>(c));
        std::fclose(f);
        return bytes;
    }

    std::string dir_;
    std::string path_;
};

struct ReadCase {
    const char* what;
    std::string content;
    const char* section;
    const char* key;
    const char* defaultValue;
    std::size_t bufferSize;
    std::string expected;
};

TEST_F(IniFileTest, ReadsAsWindowsDoes) {
    const std::string s150(150, 'x');
    const ReadCase cases[] = {
        {"letter case of names", "[SETTINGS]\r\nMyKey=v\r\n", "settings", "MYKEY", "", 100, "v"},
        {"blanks around names and value", "  [ Settings\t]  \r\n \t Key \t= \t v \t\r\n",
         "Settings", "Key", "", 100, "v"},
        {"blanks in the parameters", "[Settings]\r\nKey=v\r\n", " Settings ", " Key ", "", 100,
         "v"},
        {"blanks inside a value", "[Settings]\r\nKey=a  b\r\n", "Settings", "Key", "", 100, "a  b"},
        {"value with =", "[Settings]\r\nKey=a=b\r\n", "Settings", "Key", "", 100, "a=b"},
        {"empty value", "[Settings]\r\nKey=\r\n", "Settings", "Key", "D", 100, ""},
        {"key without =", "[Settings]\r\nKey\r\n", "Settings", "Key", "D", 100, "D"},
        {"text after ]", "[Settings] x\r\nKey=v\r\n", "Settings", "Key", "", 100, "v"},
        {"header without ]", "[Settings\r\nKey=v\r\n", "Settings", "Key", "", 100, "v"},
        {"entry before any section", "Key=v\r\n[Settings]\r\n", "", "Key", "D", 100, "D"},
        {"comment line", "[Settings]\r\n ;Key=c\r\n", "Settings", "Key", "D", 100, "D"},
        {"comment spelled as key", "[Settings]\r\n;Key=c\r\n", "Settings", ";Key", "D", 100, "D"},
        {"key twice", "[Settings]\r\nKey=1\r\nKey=2\r\n", "Settings", "Key", "", 100, "1"},
        {"section twice", "[Settings]\r\n[Other]\r\n[Settings]\r\nKey=2\r\n", "Settings", "Key",
         "D", 100, "D"},
        {"key of another section", "[Settings]\r\n[Other]\r\nKey=o\r\n", "Settings", "Key", "D",
         100, "D"},
        {"LF line ends", "[Settings]\nA=1\nKey=v\n", "Settings", "Key", "", 100, "v"},
        {"no final line end", "[Settings]\r\nKey=v", "Settings", "Key", "", 100, "v"},
        {"UTF-8 byte-order mark", "\xEF\xBB\xBF[Settings]\r\nKey=v\r\n", "Settings", "Key", "D",
         100, "D"},
        {"double quotes", "[Settings]\r\nKey= \" a b \" \r\n", "Settings", "Key", "", 100, " a b "},
        {"single quotes", "[Settings]\r\nKey='q'\r\n", "Settings", "Key", "", 100, "q"},
        {"empty quotes", "[Settings]\r\nKey=''\r\n", "Settings", "Key", "D", 100, ""},
        {"outer quotes only", "[Settings]\r\nKey=\"a\"b\"\r\n", "Settings", "Key", "", 100, "a\"b"},
        {"mixed quotes", "[Settings]\r\nKey=\"q'\r\n", "Settings", "Key", "", 100, "\"q'"},
        {"unmatched quote", "[Settings]\r\nKey=\"q\r\n", "Settings", "Key", "", 100, "\"q"},
        {"one quote", "[Settings]\r\nKey=\"\r\n", "Settings", "Key", "", 100, "\""},
        {"quote inside", "[Settings]\r\nKey=a\"b\"\r\n", "Settings", "Key", "", 100, "a\"b\""},
        {"long value", "[Settings]\r\nKey=" + s150 + "\r\n", "Settings", "Key", "", 100,
         std::string(99, 'x')},
        {"value that just fits", "[Settings]\r\nKey=" + s150.substr(0, 99) + "\r\n", "Settings",
         "Key", "", 100, std::string(99, 'x')},
        {"cut before a blank", "[Settings]\r\nKey=" + std::string(98, 'x') + " y\r\n", "Settings",
         "Key", "", 100, std::string(98, 'x') + " "},
        {"quoted value that just fits", "[Settings]\r\nKey=\"abcdef\"\r\n", "Settings", "Key", "",
         7, "abcdef"},
        {"quoted long value", "[Settings]\r\nKey=\"" + s150 + "\"\r\n", "Settings", "Key", "",
         100, std::string(99, 'x')},
        {"buffer of one", "[Settings]\r\nKey=v\r\n", "Settings", "Key", "D", 1, ""},
        {"buffer of none", "[Settings]\r\nKey=v\r\n", "Settings", "Key", "D", 0, ""},
        {"default loses trailing spaces", "", "Settings", "Key", "  d  ", 100, "  d"},
        {"default cut to the buffer", "", "Settings", "Key", "default", 4, "def"},
    };
    for (const ReadCase& c : cases) {
        Put(c.content);
        EXPECT_EQ(IniReadString(path_, c.section, c.key, c.defaultValue, c.bufferSize),
                  c.expected)
            << c.what;
    }
}

TEST_F(IniFileTest, MissingOrUnreadableFileGivesDefault) {
    EXPECT_EQ(IniReadString(path_, "Settings", "Key", "d", 100), "d");
    EXPECT_EQ(IniReadString(dir_, "Settings", "Key", "d", 100), "d");  // a folder
}

struct Write {
    const char* section;
    const char* key;
    const char* value;
};

struct WriteCase {
    const char* what;
    std::optional<std::string> initial;  // nullopt: no file
    std::vector<Write> writes;
    std::string expected;
};

TEST_F(IniFileTest, WritesAsWindowsDoes) {
    const WriteCase cases[] = {
        {"new file", std::nullopt, {{"Settings", "Key", "Value"}, {"Settings", "Flag", "1"}},
         "[Settings]\r\nKey=Value\r\nFlag=1\r\n"},
        {"empty file", "", {{"Settings", "Key", "v"}}, "[Settings]\r\nKey=v\r\n"},
        {"names without their blanks", std::nullopt, {{" Settings ", " Key ", "v"}},
         "[Settings]\r\nKey=v\r\n"},
        {"value as given", std::nullopt, {{"Settings", "Key", " a "}, {"Settings", "E", ""}},
         "[Settings]\r\nKey= a \r\nE=\r\n"},
        {"replace keeps other lines", "; top\r\n[Settings]\r\nA = 1 \r\n  Key = old \r\n\r\n",
         {{"Settings", "Key", "new"}}, "; top\r\n[Settings]\r\nA = 1 \r\nKey=new\r\n\r\n"},
        {"spelling from the file", "[SETTINGS]\r\nMyKey=1\r\n", {{"settings", "mykey", "2"}},
         "[SETTINGS]\r\nMyKey=2\r\n"},
        {"LF line ends", "[Settings]\nKey=old\nB=2\n[Other]\n",
         {{"Settings", "Key", "new"}, {"Settings", "C", "3"}},
         "[Settings]\nKey=new\r\nB=2\nC=3\r\n[Other]\n"},
        {"no final line end, replace", "[Settings]\r\nKey=old", {{"Settings", "Key", "new"}},
         "[Settings]\r\nKey=new\r\n"},
        {"no final line end, new key", "[Settings]\r\nA=1", {{"Settings", "Key", "v"}},
         "[Settings]\r\nA=1\r\nKey=v\r\n"},
        {"no final line end, new section", "[Other]\r\nX=1", {{"Settings", "Key", "v"}},
         "[Other]\r\nX=1\r\n[Settings]\r\nKey=v\r\n"},
        {"key twice", "[Settings]\r\nKey=1\r\nKey=2\r\n", {{"Settings", "Key", "3"}},
         "[Settings]\r\nKey=3\r\nKey=2\r\n"},
        {"section twice", "[Settings]\r\n[Other]\r\n[Settings]\r\nKey=2\r\n",
         {{"Settings", "Key", "3"}}, "[Settings]\r\nKey=3\r\n[Other]\r\n[Settings]\r\nKey=2\r\n"},
        {"new key before blank lines", "[Settings]\r\nA=1\r\n;c\r\n\r\n \r\n[Other]\r\n",
         {{"Settings", "Key", "v"}}, "[Settings]\r\nA=1\r\n;c\r\nKey=v\r\n\r\n \r\n[Other]\r\n"},
        {"new key into an empty section", "[Settings]\r\n\r\n[Other]\r\n",
         {{"Settings", "Key", "v"}}, "[Settings]\r\nKey=v\r\n\r\n[Other]\r\n"},
        {"comment is not the key", "[Settings]\r\n;Key=c\r\n", {{"Settings", "Key", "v"}},
         "[Settings]\r\n;Key=c\r\nKey=v\r\n"},
        {"new section after blank line", "[Other]\r\n\r\n", {{"Settings", "Key", "v"}},
         "[Other]\r\n\r\n[Settings]\r\nKey=v\r\n"},
        {"UTF-8 byte-order mark", "\xEF\xBB\xBF[Settings]\r\n", {{"Settings", "Key", "v"}},
         "\xEF\xBB\xBF[Settings]\r\n[Settings]\r\nKey=v\r\n"},
    };
    for (const WriteCase& c : cases) {
        std::remove(path_.c_str());
        if (c.initial) Put(*c.initial);
        for (const Write& w : c.writes) {
            EXPECT_TRUE(IniWriteString(path_, w.section, w.key, w.value)) << c.what;
        }
        EXPECT_EQ(Get(), c.expected) << c.what;
    }
}

TEST_F(IniFileTest, WriteFailsWithoutFolderAndCreatesNothing) {
    EXPECT_FALSE(IniWriteString(dir_ + "/Plugins/x.ini", "Settings", "Key", "v"));
    EXPECT_TRUE(std::filesystem::is_empty(dir_));
    EXPECT_FALSE(IniWriteString(dir_, "Settings", "Key", "v"));  // a folder in the file's place
}

// The module's own call: a relative path with a backslash, from the current
// directory.
TEST_F(IniFileTest, ProfileFunctionsUseBackslashPathFromCurrentDirectory) {
    std::string old = std::filesystem::current_path();
    ASSERT_EQ(chdir(dir_.c_str()), 0);
    const char kFile[] = "Plugins\\CQ-WW-160-CW-SSB.ini";
    bool withoutFolder = ProfileWriteString(kFile, "Settings", "Key", "v");
    std::filesystem::create_directory("Plugins");
    bool withFolder = ProfileWriteString(kFile, "Settings", "Key", "v");
    std::string read = ProfileReadString(kFile, "Settings", "Key", "", 100);
    bool exists = std::filesystem::exists("Plugins/CQ-WW-160-CW-SSB.ini");
    ASSERT_EQ(chdir(old.c_str()), 0);
    EXPECT_FALSE(withoutFolder);
    EXPECT_TRUE(withFolder);
    EXPECT_EQ(read, "v");
    EXPECT_TRUE(exists);
}

}  // namespace
