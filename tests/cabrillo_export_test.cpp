#include "cabrillo/cabrillo_export.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include "cabrillo/cabrillo_dialog_logic.h"
#include "cabrillo/cabrillo_dialog_posix.h"
#include "resources/resource.h"
#include "test_util.h"

namespace {

class CabrilloTest : public ::testing::Test {
protected:
    CabrilloTest() : settings_("Plugins\\CQ-WW-160-CW-SSB.ini", "Settings") {
        mkdir("Plugins", 0777);
    }
    ScopedTempCwd dir_;
    Settings settings_;
    CabrilloExport export_;
};

const COleDateTime kStart(46416.0 + 22.0 / 24), kEnd(46418.0 + 22.0 / 24);

}  // namespace

TEST_F(CabrilloTest, SsbFileOfAPortableCallWithATwoLineSoapBox) {
    settings_.WriteText("Name", "Ivan Petrov");
    settings_.WriteText("Club", "Rhein Ruhr DX");
    settings_.WriteText("SoapBox", "Low dipole.<CR><LF>Thanks!");
    settings_.WriteText("Claimed", "999");
    ASSERT_EQ(export_.beginExport("DL1ABC/P", kStart, kEnd, settings_, 0), 1);
    EXPECT_EQ(export_.fileBase(), "DL1ABC_P");
    EXPECT_EQ(export_.header().claimed, "999");
    const COleDateTime at(46417.0 + (1 * 60 + 2) / 1440.0);
    export_.addQsoLine("UA9AAA", 1843, "PH", at, "59", "14", "57", "17", 0);
    export_.addQsoLine("K1ABCDEFGHIJKLM", 1999, "??", COleDateTime(0, COleDateTime::invalid),
                       "59", "14MA", "59", "14MA", 0);
    EXPECT_EQ(export_.writeFile(0, 1234, "2.21"), "File produced: DL1ABC_P.cbr");
    EXPECT_EQ(ReadAll("DL1ABC_P.cbr"),
              "START-OF-LOG: 3.0\r\n"
              "CALLSIGN: DL1ABC/P\r\n"
              "CONTEST: CQ-160-SSB\r\n"
              "CATEGORY-OPERATOR: SINGLE-OP\r\n"
              "CATEGORY-ASSISTED: NON-ASSISTED\r\n"
              "CATEGORY-BAND: 160M\r\n"
              "CATEGORY-MODE: SSB\r\n"
              "CATEGORY-POWER: HIGH\r\n"
              "CATEGORY-STATION: FIXED\r\n"
              "CATEGORY-TRANSMITTER: ONE\r\n"
              "CLAIMED-SCORE: 1234\r\n"
              "CLUB: Rhein Ruhr DX\r\n"
              "CREATED-BY: Harlo 2.21\r\n"
              "LOCATION: DX\r\n"
              "EMAIL: \r\n"
              "NAME: Ivan Petrov\r\n"
              "ADDRESS: \r\n"
              "ADDRESS-CITY: \r\n"
              "ADDRESS-STATE-PROVINCE: \r\n"
              "ADDRESS-POSTALCODE: \r\n"
              "ADDRESS-COUNTRY: \r\n"
              "OPERATORS: DL1ABC/P\r\n"
              "SOAPBOX: Low dipole.\r\n"
              "SOAPBOX: Thanks!\r\n"
              "QSO:  1843 PH 2027-01-30 0102 DL1ABC/P      59  14     UA9AAA        59  17\r\n"
              "QSO:  1999 ?? Invalid DateTime DL1ABC/P      59  14MA   K1ABCDEFGHIJKLM  59  01 MA\r\n"
              "END-OF-LOG:\r\n");
    // Stored back on one line each, the soapbox encoded again.
    EXPECT_EQ(settings_.ReadText("SoapBox"), "Low dipole.<CR><LF>Thanks!");
    EXPECT_EQ(settings_.ReadText("Operators"), "DL1ABC/P");
    EXPECT_EQ(settings_.ReadText("Category"), "SINGLE-OP");
    EXPECT_EQ(settings_.ReadText("Category_Overlay"), "NONE");
    EXPECT_EQ(settings_.ReadText("Contest"), "CQ-160-SSB");
    EXPECT_EQ(settings_.ReadText("Claimed"), "999");  // only the summary writes it
}

TEST_F(CabrilloTest, EachExportWritesTheLinesOnceAndAnEmptySoapBoxStays) {
    settings_.WriteText("Operators", "DL1ABC DL2XYZ");
    ASSERT_EQ(export_.beginExport("  ", kStart, kEnd, settings_, 1), 1);
    EXPECT_EQ(export_.fileBase(), "TAVU");
    export_.addQsoLine("OK1AA", 1830, "CW", COleDateTime(46417.25), "599", "14", "599", "15", 1);
    export_.writeFile(1, 0, "Harlo");
    const std::string first = ReadAll("TAVU.cbr");
    EXPECT_NE(first.find("OPERATORS: DL1ABC DL2XYZ\r\nSOAPBOX: \r\nQSO:  1830 CW 2027-01-30 0600   "
                         "            599 14     OK1AA         599 15\r\nEND-OF-LOG:\r\n"),
              std::string::npos);
    EXPECT_NE(first.find("CREATED-BY: Harlo Harlo\r\n"), std::string::npos);
    EXPECT_EQ(export_.lineCount(), 0u);
    export_.writeFile(1, 0, "Harlo");
    EXPECT_EQ(ReadAll("TAVU.cbr").find("QSO:"), std::string::npos);
}

// The sponsor's robot knows the contest by the names of the published
// Cabrillo contest list only.
TEST_F(CabrilloTest, ContestLineAndDefaultUseThePublishedNames) {
    const struct {
        int cw;
        const char* name;
    } cases[] = {{1, "CQ-160-CW"}, {0, "CQ-160-SSB"}};
    for (const auto& c : cases) {
        ASSERT_EQ(export_.beginExport("K1ABC", kStart, kEnd, settings_, c.cw), 1);
        EXPECT_EQ(export_.header().contest, c.name);
        EXPECT_EQ(settings_.ReadText("Contest"), c.name);
        export_.writeFile(c.cw, 0, "2.21");
        const std::string head = std::string("START-OF-LOG: 3.0\r\nCALLSIGN: K1ABC\r\nCONTEST: ") +
                                 c.name + "\r\nCATEGORY-OPERATOR: ";
        EXPECT_EQ(ReadAll("K1ABC.cbr").substr(0, head.size()), head);
    }
}

TEST_F(CabrilloTest, AFileThatCannotBeWrittenIsNotAnnouncedAsProduced) {
    ASSERT_EQ(export_.beginExport("K1ABC", kStart, kEnd, settings_, 1), 1);
    mkdir("K1ABC.cbr", 0777);  // a folder in the way
    export_.addQsoLine("OK1AA", 1830, "CW", COleDateTime(46417.25), "599", "14", "599", "15", 1);
    EXPECT_EQ(export_.writeFile(1, 0, "2.21"), "File not produced: K1ABC.cbr");
    EXPECT_EQ(export_.lineCount(), 0u);
}

TEST(CabrilloText, ReplaceAllAndFileBase) {
    EXPECT_EQ(replaceAll("a<CR>b<CR>", "<CR>", "\r"), "a\rb\r");
    EXPECT_EQ(replaceAll("aaa", "aa", "b"), "ba");
    EXPECT_EQ(replaceAll("abc", "", "x"), "abc");
    EXPECT_EQ(replaceAll("abc", "b", "b"), "abc");
    EXPECT_EQ(replaceAll("x", "x", "xx"), "xx");
    EXPECT_EQ(CabrilloFileBase(" K1ABC/4 "), "K1ABC_4");
    EXPECT_EQ(CabrilloFileBase("DL\\K1ABC/P"), "DL_K1ABC_P");
    EXPECT_EQ(CabrilloFileBase("\t"), "TAVU");
}

// A drive, a parent folder or a separator in the call must not lead the
// file out of the working folder.
TEST(CabrilloText, FileBaseKeepsOnlyLettersDigitsDashAndUnderscore) {
    EXPECT_EQ(CabrilloFileBase("C:X"), "C_X");
    EXPECT_EQ(CabrilloFileBase(".."), "__");
    EXPECT_EQ(CabrilloFileBase("A/B\\C"), "A_B_C");
    EXPECT_EQ(CabrilloFileBase("K1ABC/P"), "K1ABC_P");
    EXPECT_EQ(CabrilloFileBase("DL1ABC"), "DL1ABC");
    EXPECT_EQ(CabrilloFileBase("R3A-B_C"), "R3A-B_C");
    EXPECT_EQ(CabrilloFileBase("UA1 A*?<>|\"\xC0"), "UA1_A_______");
}

TEST_F(CabrilloTest, ALineBreakInAnExchangeKeepsTheQsoOneLine) {
    ASSERT_EQ(export_.beginExport("K1ABC", kStart, kEnd, settings_, 1), 1);
    export_.addQsoLine("OK1AA", 1830, "CW", COleDateTime(46417.25), "599", "1\r\n4", "599",
                       "15\n", 1);
    export_.writeFile(1, 0, "2.21");
    EXPECT_NE(ReadAll("K1ABC.cbr").find("599 1  4   OK1AA         599 15 \r\nEND-OF-LOG:\r\n"),
              std::string::npos);
}

TEST_F(CabrilloTest, ADriveInTheCallStillWritesIntoTheCurrentFolder) {
    ASSERT_EQ(export_.beginExport("C:X", kStart, kEnd, settings_, 1), 1);
    EXPECT_EQ(export_.writeFile(1, 0, "2.21"), "File produced: C_X.cbr");
    EXPECT_NE(ReadAll("C_X.cbr").find("CALLSIGN: C:X\r\n"), std::string::npos);
}

#if !defined(_WIN32)
#include "cabrillo/cabrillo_dialog_posix.h"
#include "resources/resource.h"

namespace {

// Enters "LOW" for the power and "ve8" for LOCATION; remembers what the
// power and the assisted box showed.
struct FakeOperator {
    std::string powerShown, assistedShown;
    int asked = 0;
    static const char* Answer(void* context, int controlId, const char* shown) {
        FakeOperator* self = static_cast<FakeOperator*>(context);
        ++self->asked;
        if (controlId == IDC_CABRILLO_CATEGORY_ASSISTED) self->assistedShown = shown;
        if (controlId == IDC_CABRILLO_CATEGORY_POWER) {
            self->powerShown = shown;
            return "LOW";
        }
        return controlId == IDC_CABRILLO_LOCATION ? "ve8" : nullptr;
    }
};

}  // namespace

TEST_F(CabrilloTest, AStandInOperatorEditsTheHeaderWhereThereIsNoDialog) {
    FakeOperator op;
    SetCabrilloDialogOperator(&FakeOperator::Answer, &op);
    settings_.WriteText("Name", "Pat");
    const int begun = export_.beginExport("VE8ABC", kStart, kEnd, settings_, 1);
    SetCabrilloDialogOperator(nullptr, nullptr);
    ASSERT_EQ(begun, 1);
    EXPECT_EQ(op.asked, 22);  // every control once
    EXPECT_EQ(op.powerShown, "HIGH");
    EXPECT_EQ(op.assistedShown, "NON-ASSISTED");
    EXPECT_EQ(export_.header().categoryPower, "LOW");
    EXPECT_EQ(export_.header().location, "ve8");  // as typed, not a list item
    EXPECT_EQ(export_.header().name, "Pat");
    EXPECT_EQ(export_.header().categoryBand, "160M");

    // Without the operator the next export starts from the defaults again.
    ASSERT_EQ(export_.beginExport("VE8ABC", kStart, kEnd, settings_, 1), 1);
    EXPECT_EQ(export_.header().categoryPower, "HIGH");
    EXPECT_EQ(op.asked, 22);
}
#endif

namespace {

struct Choice {
    int controlId;
    const char* text;
};

const char* AnswerWithChoice(void* context, int controlId, const char*) {
    const Choice* choice = static_cast<const Choice*>(context);
    return controlId == choice->controlId ? choice->text : nullptr;
}

}  // namespace

// What the operator picks in a list of the header dialog is what the file
// says under that list's tag, for every choice of every list (the overlay,
// which the 3.0 header does not carry, is kept for the next export); the
// first choices of the location list are DX and "--/--".
TEST_F(CabrilloTest, EveryChoiceOfEveryListReachesTheFile) {
    const struct {
        int controlId;
        const char* tag;
    } kLists[] = {
        {IDC_CABRILLO_CATEGORY_OPERATOR, "CATEGORY-OPERATOR: "},
        {IDC_CABRILLO_CATEGORY_BAND, "CATEGORY-BAND: "},
        {IDC_CABRILLO_CATEGORY_ASSISTED, "CATEGORY-ASSISTED: "},
        {IDC_CABRILLO_CATEGORY_POWER, "CATEGORY-POWER: "},
        {IDC_CABRILLO_CATEGORY_STATION, "CATEGORY-STATION: "},
        {IDC_CABRILLO_CATEGORY_TRANSMITTER, "CATEGORY-TRANSMITTER: "},
        {IDC_CABRILLO_CATEGORY_OVERLAY, ""},
        {IDC_CABRILLO_LOCATION, "LOCATION: "},
    };
    int lists = 0;
    for (const CabrilloDialogField& field : CabrilloDialogFields()) {
        if (field.kind != CabrilloControlKind::kCombo) continue;
        ++lists;
        const char* tag = nullptr;
        for (const auto& list : kLists) {
            if (list.controlId == field.controlId) tag = list.tag;
        }
        ASSERT_NE(tag, nullptr) << "a list without a tag: " << field.controlId;
        const std::vector<std::string>& items = CabrilloComboItems(field.controlId);
        ASSERT_FALSE(items.empty());
        for (const std::string& item : items) {
            Choice choice{field.controlId, item.c_str()};
            SetCabrilloDialogOperator(AnswerWithChoice, &choice);
            const int confirmed = export_.beginExport("DL1ABC", kStart, kEnd, settings_, 1);
            SetCabrilloDialogOperator(nullptr, nullptr);
            ASSERT_EQ(confirmed, 1);
            ASSERT_EQ(export_.writeFile(1, 0, "2.21"), "File produced: DL1ABC.cbr");
            if (!*tag) {
                EXPECT_EQ(settings_.ReadText("Category_Overlay"), item);
                continue;
            }
            const std::string file = ReadAll("DL1ABC.cbr");
            EXPECT_NE(file.find(std::string("\r\n") + tag + item + "\r\n"), std::string::npos)
                << tag << item;
        }
    }
    EXPECT_GT(lists, 0);
    const std::vector<std::string>& locations = CabrilloComboItems(IDC_CABRILLO_LOCATION);
    EXPECT_EQ(locations.at(0), "DX");
    EXPECT_EQ(locations.at(1), "--/--");
}
