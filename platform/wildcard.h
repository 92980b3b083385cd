// The file-name wildcard match of Windows' FindFirstFileA, for platforms
// that do not have it: "*" stands for any run of characters (none
// included), "?" for any one character, and letters compare without case.
// Windows also matches 8.3 short names, so there "*.ini" can find
// "x.inix"; long names alone are matched here.
#ifndef STATS_PLATFORM_WILDCARD_H_
#define STATS_PLATFORM_WILDCARD_H_

#include <cstddef>
#include <string>

// Constant extra space and at most (pattern + 1) x (name + 1) steps of
// comparison, however many "*" the pattern holds; no recursion. When steps
// is given it receives the number of steps taken.
bool WildcardMatch(const std::string& pattern, const std::string& name,
                   std::size_t* steps = nullptr);

#endif  // STATS_PLATFORM_WILDCARD_H_
