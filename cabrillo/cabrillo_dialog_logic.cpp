#include "cabrillo/cabrillo_dialog_logic.h"

#include <algorithm>
#include <cstddef>

#include "resources/resource.h"

namespace {

char AsciiUpper(char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; }

bool AsciiLessIgnoringCase(const std::string& a, const std::string& b) {
    return std::lexicographical_compare(
        a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
            return static_cast<unsigned char>(AsciiUpper(x)) <
                   static_cast<unsigned char>(AsciiUpper(y));
        });
}

bool BeginsWithIgnoringCase(const std::string& item, const std::string& prefix) {
    if (prefix.size() > item.size()) return false;
    for (std::size_t i = 0; i < prefix.size(); ++i) {
        if (AsciiUpper(item[i]) != AsciiUpper(prefix[i])) return false;
    }
    return true;
}

struct ComboList {
    int controlId;
    bool sorted;
    std::vector<std::string> items;
};

const std::vector<ComboList>& ComboLists() {
    static const std::vector<ComboList> lists = {
        {IDC_CABRILLO_CATEGORY_OPERATOR, false, {"SINGLE-OP", "MULTI-MULTI", "MULTI-OP", "CHECKLOG"}},
        {IDC_CABRILLO_CATEGORY_BAND, false, {"ALL", "80M", "40M", "20M", "15M", "10M"}},
        {IDC_CABRILLO_CATEGORY_POWER, true, {"HIGH", "LOW", "QRP"}},
        {IDC_CABRILLO_CATEGORY_TRANSMITTER, true, {"ONE", "TWO", "UNLIMITED"}},
        {IDC_CABRILLO_CATEGORY_OVERLAY, true, {"CLASSIC", "ROOKIE"}},
        {IDC_CABRILLO_LOCATION, false,
         {"DX",  "--/--",
          // The states of the USA.
          "AL", "AK", "AZ", "AR", "CA", "CO", "CT", "DE", "FL", "GA", "ID", "IL", "IN",
          "IA", "KS", "KY", "LA", "ME", "MA", "MI", "MN", "MS", "MO", "MT", "NE", "NV",
          "NH", "NJ", "NM", "NY", "NC", "ND", "OH", "OK", "OR", "PA", "RI", "SC", "SD",
          "TN", "TX", "UT", "VT", "VA", "WA", "WV", "WI", "WY",
          // The provinces and territories of Canada.
          "NB", "NS", "QC", "ON", "MB", "SK", "AB", "BC", "NWT", "NF", "LB", "NU", "YT",
          "PEI"}},
        {IDC_CABRILLO_CATEGORY_STATION, true,
         {"FIXED", "MOBILE", "PORTABLE", "ROVER", "EXPEDITION", "HQ", "SCHOOL"}},
        {IDC_CABRILLO_CATEGORY_ASSISTED, false, {"ASSISTED", "NON-ASSISTED"}},
    };
    return lists;
}

const ComboList* FindComboList(int controlId) {
    for (const ComboList& list : ComboLists()) {
        if (list.controlId == controlId) return &list;
    }
    return nullptr;
}

}  // namespace

const std::vector<CabrilloDialogField>& CabrilloDialogFields() {
    using K = CabrilloControlKind;
    using H = CabrilloHeader;
    static const std::vector<CabrilloDialogField> fields = {
        {IDC_CABRILLO_SOAPBOX, K::kEdit, &H::soapBox},
        {IDC_CABRILLO_ADDRESS, K::kEdit, &H::address},
        {IDC_CABRILLO_EMAIL, K::kEdit, &H::email},
        {IDC_CABRILLO_CLUB, K::kEdit, &H::club},
        {IDC_CABRILLO_OPERATORS, K::kEdit, &H::operators},
        {IDC_CABRILLO_NAME, K::kEdit, &H::name},
        {IDC_CABRILLO_CLAIMED, K::kEdit, &H::claimed},
        {IDC_CABRILLO_CONTEST, K::kEdit, &H::contest},
        {IDC_CABRILLO_CALLSIGN, K::kEdit, &H::ownCall},
        {IDC_CABRILLO_CATEGORY_OPERATOR, K::kCombo, &H::categoryOperator},
        {IDC_CABRILLO_CATEGORY_BAND, K::kCombo, &H::categoryBand},
        {IDC_CABRILLO_CATEGORY_MODE, K::kEdit, &H::categoryMode},
        {IDC_CABRILLO_CATEGORY_POWER, K::kCombo, &H::categoryPower},
        {IDC_CABRILLO_CATEGORY_TRANSMITTER, K::kCombo, &H::categoryTransmitter},
        {IDC_CABRILLO_CATEGORY_OVERLAY, K::kCombo, &H::categoryOverlay},
        {IDC_CABRILLO_LOCATION, K::kCombo, &H::location},
        {IDC_CABRILLO_ADDRESS_CITY, K::kEdit, &H::addressCity},
        {IDC_CABRILLO_ADDRESS_STATE_PROVINCE, K::kEdit, &H::addressStateProv},
        {IDC_CABRILLO_ADDRESS_POSTALCODE, K::kEdit, &H::addressPostalCode},
        {IDC_CABRILLO_ADDRESS_COUNTRY, K::kEdit, &H::addressCountry},
        {IDC_CABRILLO_CATEGORY_STATION, K::kCombo, &H::categoryStation},
        {IDC_CABRILLO_CATEGORY_ASSISTED, K::kCombo, &H::categoryAssisted},
    };
    return fields;
}

const std::vector<std::string>& CabrilloComboItems(int controlId) {
    static const std::vector<std::string> none;
    const ComboList* list = FindComboList(controlId);
    return list ? list->items : none;
}

bool CabrilloComboIsSorted(int controlId) {
    const ComboList* list = FindComboList(controlId);
    return list && list->sorted;
}

std::vector<std::string> CabrilloComboDisplayItems(int controlId) {
    std::vector<std::string> items = CabrilloComboItems(controlId);
    if (CabrilloComboIsSorted(controlId)) {
        std::stable_sort(items.begin(), items.end(), AsciiLessIgnoringCase);
    }
    return items;
}

int FirstItemWithPrefix(const std::vector<std::string>& items, const std::string& text) {
    for (std::size_t i = 0; i < items.size(); ++i) {
        if (BeginsWithIgnoringCase(items[i], text)) return static_cast<int>(i);
    }
    return -1;
}

int CabrilloComboSelection(int controlId, const std::string& text) {
    return FirstItemWithPrefix(CabrilloComboDisplayItems(controlId), text);
}

std::string WithCrLfLineBreaks(const std::string& text) {
    std::string out;
    out.reserve(text.size() + text.size() / 8);
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '\r') {
            out += "\r\n";
            if (i + 1 < text.size() && text[i + 1] == '\n') ++i;
        } else if (c == '\n') {
            out += "\r\n";
        } else {
            out += c;
        }
    }
    return out;
}
