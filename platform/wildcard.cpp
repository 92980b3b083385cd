#include "platform/wildcard.h"

#include <cctype>

namespace {

bool SameChar(char p, char n) {
    return p == '?' || std::tolower(static_cast<unsigned char>(p)) ==
                           std::tolower(static_cast<unsigned char>(n));
}

}  // namespace

// Greedy scan that remembers only the last "*": when the text after it
// fails to match, that "*" takes one more character and the scan resumes
// behind it. Earlier stars never need revisiting, since the last one can
// absorb anything they could. Each resumption starts one name position
// further on, so the name is walked at most once per pattern position.
bool WildcardMatch(const std::string& pattern, const std::string& name, std::size_t* steps) {
    const std::size_t np = pattern.size(), nn = name.size();
    std::size_t p = 0, n = 0;
    std::size_t starP = std::string::npos;  // pattern position after the last "*"
    std::size_t starN = 0;                  // name position that "*" has reached
    std::size_t count = 0;
    bool matched = false;
    for (;;) {
        ++count;
        if (p < np && pattern[p] == '*') {
            while (p < np && pattern[p] == '*') ++p;
            starP = p;
            starN = n;
        } else if (p < np && n < nn && SameChar(pattern[p], name[n])) {
            ++p;
            ++n;
        } else if (p == np && n == nn) {
            matched = true;
            break;
        } else if (starP != std::string::npos && starN < nn) {
            p = starP;
            n = ++starN;
        } else {
            break;
        }
    }
    if (steps) *steps = count;
    return matched;
}
