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

#endif  // STATS_SCORING_CONTEST_RULES_H_
