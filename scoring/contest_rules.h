// The contest's fixed rule lists: accepted bands and modes, and the US state
// and Canadian province abbreviations. Built once, read-only afterwards, so
// safe to read from any thread.
#ifndef STATS_SCORING_CONTEST_RULES_H_
#define STATS_SCORING_CONTEST_RULES_H_

#include <cstddef>
#include <string>
#include <vector>

class CContestRules {
public:
    CContestRules(const char* const* table, std::size_t count);

    // 1 when some entry equals text ignoring letter case, else 0.
    int contains(const std::string& text) const;
    const std::string& at(std::size_t i) const { return entries_[i]; }
    std::size_t size() const { return entries_.size(); }

private:
    std::vector<std::string> entries_;
};

const CContestRules& ModeRules();  // {"CW", "SSB"}
const CContestRules& BandRules();  // {"160m"}

// 64 abbreviations followed by a null entry.
extern const char* const g_stateProvTable[];

// 1 when text equals an entry of g_stateProvTable exactly, else 0.
int isStateProv(const std::string& text);

// True for a maritime mobile call (ending in "/MM", letter case ignored,
// blanks around the call ignored). Such a QSO scores 5 points wherever the
// ship's operator is licensed, is never a country multiplier and sends a CQ
// zone, not a state or province.
bool IsMaritimeMobile(const std::string& call);

// True for the detailed prefixes of the entities that count as countries of
// their own although the host files them under a parent country prefix:
// Kosovo, European Turkey, the ITU in Geneva, Sicily, and the WAE-only
// African Italy, Shetland, Bear Island and the Vienna International Centre.
// Exact comparison, as the host's country file spells them ("GM/s").
bool UsesOwnDetailedPrefix(const std::string& detailedPrefix);

#endif  // STATS_SCORING_CONTEST_RULES_H_
