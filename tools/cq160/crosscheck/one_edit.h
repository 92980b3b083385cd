// Calls one keying or copying slip apart: a character substituted, missing
// or extra, or two neighbouring characters swapped (K1ABC, K1ABD, K1AB,
// K1ABCC, K1BAC). The index finds them by deletion keys: two such calls
// share a key made by deleting at most one character from each, so a look
// up costs one hash probe per character of the call, whatever the number
// of calls indexed.
#ifndef CQ160_CROSSCHECK_ONE_EDIT_H_
#define CQ160_CROSSCHECK_ONE_EDIT_H_

#include <string>
#include <unordered_map>
#include <vector>

// True when b differs from a by exactly one such slip; false when equal.
bool OneEditApart(const std::string& a, const std::string& b);

class NearCallIndex {
public:
    void Add(const std::string& call, int id);
    // The ids of the indexed calls one slip from call, each once, ascending.
    std::vector<int> Near(const std::string& call) const;

private:
    std::vector<std::string> calls_;  // by id order of Add
    std::vector<int> ids_;
    std::unordered_map<std::string, std::vector<int>> byKey_;  // key -> positions in calls_
};

#endif  // CQ160_CROSSCHECK_ONE_EDIT_H_
