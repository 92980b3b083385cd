#include "cabrillo/cabrillo_dialog_logic.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "resources/resource.h"

namespace {

using Items = std::vector<std::string>;

const int kSortedCombos[] = {IDC_CABRILLO_CATEGORY_POWER, IDC_CABRILLO_CATEGORY_TRANSMITTER,
                             IDC_CABRILLO_CATEGORY_OVERLAY, IDC_CABRILLO_CATEGORY_STATION};

TEST(CabrilloDialogFields, EveryHeaderFieldHasItsOwnControl) {
    const auto& fields = CabrilloDialogFields();
    std::set<int> ids;
    CabrilloHeader h;
    for (const CabrilloDialogField& f : fields) {
        EXPECT_TRUE(ids.insert(f.controlId).second) << f.controlId;
        EXPECT_TRUE((h.*f.member).empty()) << "member used twice, id " << f.controlId;
        h.*f.member = std::to_string(f.controlId);
        EXPECT_EQ(f.kind == CabrilloControlKind::kCombo, !CabrilloComboItems(f.controlId).empty())
            << f.controlId;
    }
    EXPECT_EQ(22u, fields.size());
    EXPECT_EQ(sizeof(CabrilloHeader) / sizeof(std::string), fields.size());
    // A swapped pair would send a field to the wrong Cabrillo tag.
    const CabrilloHeader expected = {
        "1010", "1008", "1005", "1013", "1009", "1004", "1007", "1006", "1001", "1002", "1014",
        "1020", "1022", "1023", "1024", "1003", "1011", "1012", "1015", "1025", "1016", "1021"};
    for (const CabrilloDialogField& f : fields) {
        EXPECT_EQ(expected.*f.member, h.*f.member);
    }
    EXPECT_EQ(IDC_CABRILLO_SOAPBOX, fields.front().controlId);  // first created: gets the focus
}

TEST(CabrilloDialogCombos, SortedCombosDisplayAlphabetically) {
    for (const CabrilloDialogField& f : CabrilloDialogFields()) {
        bool sorted = false;
        for (int id : kSortedCombos) sorted = sorted || id == f.controlId;
        EXPECT_EQ(sorted, CabrilloComboIsSorted(f.controlId)) << f.controlId;
        if (!sorted) {
            EXPECT_EQ(CabrilloComboItems(f.controlId), CabrilloComboDisplayItems(f.controlId));
        }
    }
    EXPECT_EQ((Items{"HIGH", "LOW", "QRP"}), CabrilloComboDisplayItems(IDC_CABRILLO_CATEGORY_POWER));
    EXPECT_EQ((Items{"ONE", "TWO", "UNLIMITED"}),
              CabrilloComboDisplayItems(IDC_CABRILLO_CATEGORY_TRANSMITTER));
    EXPECT_EQ((Items{"CLASSIC", "ROOKIE"}), CabrilloComboDisplayItems(IDC_CABRILLO_CATEGORY_OVERLAY));
    EXPECT_EQ((Items{"EXPEDITION", "FIXED", "HQ", "MOBILE", "PORTABLE", "ROVER", "SCHOOL"}),
              CabrilloComboDisplayItems(IDC_CABRILLO_CATEGORY_STATION));
}

TEST(CabrilloDialogCombos, FirstItemWithPrefix) {
    const Items items = {"MULTI-MULTI", "multi-op", "ab", "AB"};
    EXPECT_EQ(0, FirstItemWithPrefix(items, "MULTI-MULTI"));
    EXPECT_EQ(0, FirstItemWithPrefix(items, "multi"));      // first of several
    EXPECT_EQ(1, FirstItemWithPrefix(items, "MULTI-O"));    // either case
    EXPECT_EQ(2, FirstItemWithPrefix(items, "Ab"));
    EXPECT_EQ(-1, FirstItemWithPrefix(items, "ABC"));       // longer than the item
    EXPECT_EQ(-1, FirstItemWithPrefix(items, "ULTI"));      // inside, not at the start
    EXPECT_EQ(-1, FirstItemWithPrefix(items, " AB"));
    EXPECT_EQ(0, FirstItemWithPrefix(items, ""));           // "" begins every item
    EXPECT_EQ(-1, FirstItemWithPrefix({}, ""));
}

TEST(CabrilloDialogCombos, SelectionIndexesTheDisplayedOrder) {
    EXPECT_EQ(1, CabrilloComboSelection(IDC_CABRILLO_CATEGORY_ASSISTED, "NON-ASSISTED"));
    EXPECT_EQ(0, CabrilloComboSelection(IDC_CABRILLO_CATEGORY_ASSISTED, "assisted"));
    EXPECT_EQ(-1, CabrilloComboSelection(IDC_CABRILLO_CATEGORY_BAND, "160M"));
    EXPECT_EQ(2, CabrilloComboSelection(IDC_CABRILLO_CATEGORY_BAND, "40"));
    EXPECT_EQ(1, CabrilloComboSelection(IDC_CABRILLO_CATEGORY_STATION, "FIXED"));   // sorted position
    EXPECT_EQ(0, CabrilloComboSelection(IDC_CABRILLO_CATEGORY_STATION, ""));        // EXPEDITION
    EXPECT_EQ(0, CabrilloComboSelection(IDC_CABRILLO_CATEGORY_OPERATOR, ""));       // SINGLE-OP
    EXPECT_EQ(-1, CabrilloComboSelection(IDC_CABRILLO_CATEGORY_OVERLAY, "NONE"));
    EXPECT_EQ(26, CabrilloComboSelection(IDC_CABRILLO_LOCATION, "n"));              // NE, not NB
    EXPECT_EQ(58, CabrilloComboSelection(IDC_CABRILLO_LOCATION, "NW"));
    EXPECT_EQ(-1, CabrilloComboSelection(IDC_CABRILLO_CATEGORY_MODE, ""));          // not a combo
}

TEST(CabrilloDialogSoapBox, LineBreaksBecomeCrLf) {
    EXPECT_EQ("", WithCrLfLineBreaks(""));
    EXPECT_EQ("one line", WithCrLfLineBreaks("one line"));
    EXPECT_EQ("a\r\nb\r\nc\r\nd\r\n", WithCrLfLineBreaks("a\r\nb\nc\rd\n"));
    EXPECT_EQ("a\r\n\r\nb", WithCrLfLineBreaks("a\n\rb"));       // LF then CR: two breaks
    EXPECT_EQ("\r\n\r\n", WithCrLfLineBreaks("\r\r"));
}

}  // namespace
