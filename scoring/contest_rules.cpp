#include "scoring/contest_rules.h"

#include <unordered_set>

#include "scoring/qso_record.h"
#include "scoring/text_util.h"

const char* const kBandSlotNames[kBandSlots] = {"160m", "80m", "40m", "20m", "15m", "10m"};

int BandSlot(const std::string& band) {
    for (int slot = 0; slot < kBandSlots; ++slot) {
        if (band == kBandSlotNames[slot]) return slot;
    }
    return 0;
}

CContestRules::CContestRules(const char* const* table, std::size_t count)
    : entries_(table, table + count) {}

int CContestRules::contains(const std::string& text) const {
    for (const std::string& entry : entries_) {
        if (EqualsNoCase(entry, text)) return 1;
    }
    return 0;
}

namespace {
const char* const kModeTable[] = {"CW", "SSB"};
const char* const kBandTable[] = {"160m"};
}  // namespace

const CContestRules& ModeRules() {
    static const CContestRules rules(kModeTable, 2);
    return rules;
}

const CContestRules& BandRules() {
    static const CContestRules rules(kBandTable, 1);
    return rules;
}

// Alaska and Hawaii are not on the list: in this contest they count as DXCC
// entities of their own, not as states.
const char* const g_stateProvTable[] = {
    "AL", "AZ", "AR", "CA", "CO", "CT", "DC", "DE", "FL", "GA", "ID", "IL", "IN",
    "IA", "KS", "KY", "LA", "ME", "MA", "MD", "MI", "MN", "MS", "MO", "MT", "NE",
    "NV", "NH", "NJ", "NM", "NY", "NC", "ND", "OH", "OK", "OR", "PA", "RI", "SC",
    "SD", "TN", "TX", "UT", "VT", "VA", "WA", "WV", "WI", "WY",
    "NB", "NS", "QC", "ON", "MB", "SK", "AB", "BC", "NWT", "NF", "LB", "NU", "YT",
    "PEI", "PE", nullptr};

int isStateProv(const std::string& text) {
    // Built on first use (thread-safe), read-only afterwards.
    static const std::unordered_set<std::string> kAll = [] {
        std::unordered_set<std::string> all;
        for (const char* const* entry = g_stateProvTable; *entry; ++entry) all.insert(*entry);
        return all;
    }();
    return kAll.count(text) != 0 ? 1 : 0;
}

bool IsMaritimeMobile(const std::string& call) {
    // Asked for every record of every summary: no copy of the call.
    const auto space = [](char c) {
        return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
    };
    std::size_t begin = 0, end = call.size();
    while (begin < end && space(call[begin])) ++begin;
    while (end > begin && space(call[end - 1])) --end;
    return end - begin > 3 && call[end - 3] == '/' && (call[end - 2] == 'M' || call[end - 2] == 'm') &&
           (call[end - 1] == 'M' || call[end - 1] == 'm');
}

bool UsesOwnDetailedPrefix(const std::string& prefix) {
    static const char* const kOwnCountries[] = {"Z6",  "TA1",  "4U1",  "IT9", "IG9",
                                                "GM/s", "JW/b", "4U1V", nullptr};
    for (const char* const* entry = kOwnCountries; *entry; ++entry) {
        if (prefix == *entry) return true;
    }
    return false;
}
