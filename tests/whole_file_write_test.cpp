// Whole-file writes under a file system that fails: a write that stops at a
// chosen byte (a full disk) or a rename that is refused must leave the old
// file byte for byte and no temporary file, and must say it failed. Covered
// for the three files the module rewrites whole: the Cabrillo log, the
// bad-QSO report after a removal, and the settings file.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <string>
#include <thread>
#include <vector>

#include "cabrillo/cabrillo_export.h"
#include "platform/settings.h"
#include "platform/file_env.h"
#include "scoring/bad_qso_report.h"
#include "scoring/log_ops.h"
#include "test_util.h"

namespace {

// The platform's environment with faults switched on by the test: writes
// stop after failAt bytes of a file (the bytes before it do reach the
// file), and ReplaceFile can be refused.
class FaultyFileEnv : public FileEnv {
public:
    static constexpr long kNever = -1;
    long failAt = kNever;
    bool refuseReplace = false;

    std::unique_ptr<WritableFile> NewWritableFile(const std::string& path) override {
        std::unique_ptr<WritableFile> file = DefaultFileEnv()->NewWritableFile(path);
        if (!file) return nullptr;
        return std::make_unique<FaultyFile>(std::move(file), failAt);
    }
    bool ReplaceFile(const std::string& from, const std::string& to) override {
        return !refuseReplace && DefaultFileEnv()->ReplaceFile(from, to);
    }
    bool RemoveFile(const std::string& path) override { return DefaultFileEnv()->RemoveFile(path); }
    bool MayReplace(const std::string& path) override { return DefaultFileEnv()->MayReplace(path); }

private:
    class FaultyFile : public WritableFile {
    public:
        FaultyFile(std::unique_ptr<WritableFile> file, long failAt)
            : file_(std::move(file)), room_(failAt) {}
        bool Append(const char* data, std::size_t n) override {
            if (room_ == kNever) return file_->Append(data, n);
            const std::size_t fits = std::min<std::size_t>(n, static_cast<std::size_t>(room_));
            file_->Append(data, fits);
            room_ -= static_cast<long>(fits);
            return fits == n;
        }
        bool Sync() override { return file_->Sync(); }
        bool Close() override { return file_->Close(); }

    private:
        std::unique_ptr<WritableFile> file_;
        long room_;
    };
};

// The faults each file is put through: a disk full at the first byte, in
// the middle, at the last byte, and a refused rename.
struct Fault {
    const char* what;
    long failAt;  // FaultyFileEnv::kNever or a byte count; -2: half the new text
    bool refuseReplace;
};
const Fault kFaults[] = {
    {"full at byte 0", 0, false},
    {"full in the middle", -2, false},
    {"full before the last byte", -3, false},
    {"rename refused", FaultyFileEnv::kNever, true},
};

class WholeFileWriteTest : public ::testing::Test {
protected:
    WholeFileWriteTest() { SetFileEnvForTesting(&env_); }
    ~WholeFileWriteTest() override { SetFileEnvForTesting(nullptr); }

    // Sets the fault up for a new text of newSize bytes.
    void Arm(const Fault& fault, std::size_t newSize) {
        env_.refuseReplace = fault.refuseReplace;
        env_.failAt = fault.failAt == -2   ? static_cast<long>(newSize / 2)
                      : fault.failAt == -3 ? static_cast<long>(newSize) - 1
                                           : fault.failAt;
    }
    void Disarm() {
        env_.failAt = FaultyFileEnv::kNever;
        env_.refuseReplace = false;
    }

    ScopedTempCwd dir_;
    FaultyFileEnv env_;
};

TEST_F(WholeFileWriteTest, AFailedWriteLeavesTheOldFileAndNoTemporaryFile) {
    const std::string old = "old contents\r\n";
    const std::string fresh(10000, 'n');
    for (const Fault& fault : kFaults) {
        WriteAll("f.txt", old);
        Arm(fault, fresh.size());
        EXPECT_FALSE(WriteFileAtomically("f.txt", fresh)) << fault.what;
        EXPECT_EQ(ReadAll("f.txt"), old) << fault.what;
        EXPECT_FALSE(Exists("f.txt.tmp")) << fault.what;
    }
    Disarm();
    EXPECT_TRUE(WriteFileAtomically("f.txt", fresh));
    EXPECT_EQ(ReadAll("f.txt"), fresh);
    EXPECT_FALSE(Exists("f.txt.tmp"));
    // A folder in the file's place is not replaced either.
    mkdir("d", 0777);
    EXPECT_FALSE(WriteFileAtomically("d", fresh));
}

TEST_F(WholeFileWriteTest, ReplacingKeepsTheFilePermissions) {
    WriteAll("f.txt", "x");
    chmod("f.txt", 0640);
    ASSERT_TRUE(WriteFileAtomically("f.txt", "y"));
    struct stat st;
    ASSERT_EQ(stat("f.txt", &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0640u);
    if (geteuid() != 0) {  // root writes read-only files anyway
        chmod("f.txt", 0440);
        EXPECT_FALSE(WriteFileAtomically("f.txt", "z"));
        EXPECT_EQ(ReadAll("f.txt"), "y");
    }
}

TEST_F(WholeFileWriteTest, AnEarlierCabrilloLogSurvivesAFailedExport) {
    mkdir("Plugins", 0777);
    const Settings settings("Plugins\\CQ-WW-160-CW-SSB.ini", "Settings");
    CabrilloExport cabrillo;
    const COleDateTime start(46416.9), end(46418.9);
    ASSERT_EQ(cabrillo.beginExport("DL1ABC", start, end, settings, 1), 1);
    auto addLines = [&cabrillo] {
        for (int i = 0; i < 200; ++i) {
            cabrillo.addQsoLine("K1AB", 1822, "CW", COleDateTime(46417.0 + i / 1440.0), "599",
                                "14", "599", "MA", 1);
        }
    };
    addLines();
    ASSERT_EQ(cabrillo.writeFile(1, 1000, "2.21"), "File produced: DL1ABC.cbr");
    const std::string earlier = ReadAll("DL1ABC.cbr");
    ASSERT_GT(earlier.size(), 4096u);
    for (const Fault& fault : kFaults) {
        addLines();
        Arm(fault, earlier.size());
        EXPECT_EQ(cabrillo.writeFile(1, 2000, "2.21"), "File not produced: DL1ABC.cbr")
            << fault.what;
        EXPECT_EQ(ReadAll("DL1ABC.cbr"), earlier) << fault.what;
        EXPECT_FALSE(Exists("DL1ABC.cbr.tmp")) << fault.what;
    }
}

TEST_F(WholeFileWriteTest, TheReportSurvivesAFailedRewriteAndAppendsStayAppends) {
    RunContext run;
    run.cwContest = 1;
    run.badQsoPath = "report.txt";
    CreateReport(run.badQsoPath, ResetReportHeader(true));
    ContestStore store;
    QsoInput q;
    q.ownCall = "DL1ABC";
    q.call = "K1AB";
    q.time = COleDateTime(46417.5);
    q.freqHz = 1822000;
    q.mode = "CW";
    q.exchSent = "14";
    q.exchRcvd = "MA";
    q.countryPrefix = "K";
    q.continent = "NA";
    q.band = "160m";
    AddQso(q, run, &store);
    AddQso(q, run, &store);  // a dupe: one report line
    const std::string before = ReadAll("report.txt");
    ASSERT_NE(before.find("DUPE"), std::string::npos);
    const std::size_t rewritten = RemoveReportHeader(true).size() + 2;  // the header alone
    for (const Fault& fault : kFaults) {
        Arm(fault, rewritten);
        RemoveQso(q, run, &store);
        EXPECT_EQ(ReadAll("report.txt"), before) << fault.what;
        EXPECT_FALSE(Exists("report.txt.tmp")) << fault.what;
        AddQso(q, run, &store);  // the record goes back; the line is appended
        const std::string appended = ReadAll("report.txt");
        EXPECT_EQ(appended.compare(0, before.size(), before), 0) << fault.what;
        Disarm();
        RemoveQso(q, run, &store);
        EXPECT_EQ(ReadAll("report.txt"), "CQ WW 160M CW DX Contest UBN file \r\n") << fault.what;
        CreateReport(run.badQsoPath, ResetReportHeader(true));
        AddQso(q, run, &store);
        ASSERT_EQ(ReadAll("report.txt"), before);
    }
}

TEST_F(WholeFileWriteTest, TheSettingsFileSurvivesAFailedWrite) {
    mkdir("Plugins", 0777);
    const Settings settings("Plugins\\CQ-WW-160-CW-SSB.ini", "Settings");
    settings.WriteText("Mode", "1");
    settings.WriteText("Name", std::string(5000, 'n'));
    const std::string before = ReadAll("Plugins/CQ-WW-160-CW-SSB.ini");
    for (const Fault& fault : kFaults) {
        Arm(fault, before.size() + 16);  // and "Claimed=123456\r\n"
        settings.WriteText("Claimed", "123456");
        EXPECT_EQ(ReadAll("Plugins/CQ-WW-160-CW-SSB.ini"), before) << fault.what;
        EXPECT_FALSE(Exists("Plugins/CQ-WW-160-CW-SSB.ini.tmp")) << fault.what;
        EXPECT_EQ(settings.ReadInt("Mode"), 1) << fault.what;
    }
}

}  // namespace

// Values that would spread over several lines of the file are kept on one:
// no value can add a key or a section.
TEST(SettingsValues, AValueCannotAddKeysOrSections) {
    ScopedTempCwd dir;
    mkdir("Plugins", 0777);
    const Settings settings("Plugins\\CQ-WW-160-CW-SSB.ini", "Settings");
    settings.WriteText("Operators", "DL1ABC\r\nMode=1\r\n[Other]\nX=1");
    settings.WriteText("Name", std::string("Ivan\0Petrov", 11));
    EXPECT_EQ(settings.ReadText("Operators"), "DL1ABCMode=1[Other]X=1");
    EXPECT_EQ(settings.ReadText("Mode"), "");
    EXPECT_EQ(settings.ReadText("Name"), "IvanPetrov");
    EXPECT_EQ(ReadAll("Plugins/CQ-WW-160-CW-SSB.ini"),
              "[Settings]\r\nOperators=DL1ABCMode=1[Other]X=1\r\nName=IvanPetrov\r\n");
}

// The UI thread writes window positions while the host thread writes
// "Claimed": neither may lose the other's keys.
TEST(SettingsValues, TwoThreadsWritingKeysLoseNone) {
    ScopedTempCwd dir;
    mkdir("Plugins", 0777);
    constexpr int kRounds = 150;
    auto writer = [](const char* xKey, const char* yKey) {
        const Settings settings = Settings("Plugins\\CQ-WW-160-CW-SSB.ini", "Settings");
        for (int i = 1; i <= kRounds; ++i) {
            settings.WriteInt(xKey, i);
            settings.WriteInt(yKey, -i);
        }
    };
    std::thread ui(writer, "dxcc_x", "dxcc_y");
    std::thread host(writer, "Claimed", "Start");
    ui.join();
    host.join();
    const Settings settings("Plugins\\CQ-WW-160-CW-SSB.ini", "Settings");
    EXPECT_EQ(settings.ReadInt("dxcc_x"), kRounds);
    EXPECT_EQ(settings.ReadInt("dxcc_y"), -kRounds);
    EXPECT_EQ(settings.ReadInt("Claimed"), kRounds);
    EXPECT_EQ(settings.ReadInt("Start"), -kRounds);
    EXPECT_FALSE(Exists("Plugins/CQ-WW-160-CW-SSB.ini.tmp"));
}
