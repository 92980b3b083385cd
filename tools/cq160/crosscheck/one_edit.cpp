#include "tools/cq160/crosscheck/one_edit.h"

#include <algorithm>
#include <cstdlib>

bool OneEditApart(const std::string& a, const std::string& b) {
    const std::size_t n = a.size(), m = b.size();
    if (n == m) {
        std::size_t first = 0;
        while (first < n && a[first] == b[first]) ++first;
        if (first == n) return false;  // equal
        std::size_t last = n - 1;
        while (a[last] == b[last]) --last;
        if (first == last) return true;  // one substitution
        return last == first + 1 && a[first] == b[last] && a[last] == b[first];  // a swap
    }
    const std::string& longer = n > m ? a : b;
    const std::string& shorter = n > m ? b : a;
    if (longer.size() != shorter.size() + 1) return false;
    std::size_t i = 0;
    while (i < shorter.size() && shorter[i] == longer[i]) ++i;
    return shorter.compare(i, std::string::npos, longer, i + 1, std::string::npos) == 0;
}

namespace {

// The call itself and the call with each one character deleted.
std::vector<std::string> Keys(const std::string& call) {
    std::vector<std::string> keys{call};
    for (std::size_t i = 0; i < call.size(); ++i) {
        if (i > 0 && call[i] == call[i - 1]) continue;  // the same key again
        keys.push_back(call.substr(0, i) + call.substr(i + 1));
    }
    return keys;
}

}  // namespace

void NearCallIndex::Add(const std::string& call, int id) {
    const int at = static_cast<int>(calls_.size());
    calls_.push_back(call);
    ids_.push_back(id);
    for (const std::string& key : Keys(call)) byKey_[key].push_back(at);
}

std::vector<int> NearCallIndex::Near(const std::string& call) const {
    std::vector<int> found;
    for (const std::string& key : Keys(call)) {
        const auto it = byKey_.find(key);
        if (it == byKey_.end()) continue;
        for (int at : it->second) {
            if (OneEditApart(call, calls_[at])) found.push_back(ids_[at]);
        }
    }
    std::sort(found.begin(), found.end());
    found.erase(std::unique(found.begin(), found.end()), found.end());
    return found;
}
