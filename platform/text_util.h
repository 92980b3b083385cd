// Small text helpers with the semantics the module's rules are written in.
#ifndef STATS_PLATFORM_TEXT_UTIL_H_
#define STATS_PLATFORM_TEXT_UTIL_H_

#include <string>

// atoi's rules (leading white space, optional sign, digits up to the first
// other character, 0 when there are none), but saturating at the int range
// instead of overflowing.
int ParseLeadingInt(const std::string& text);

// ASCII letters compared without case; other bytes exactly.
bool EqualsNoCase(const std::string& a, const std::string& b);

// Upper-cased (ASCII letters) with leading and trailing white space removed.
std::string UpperTrimmed(const std::string& text);

// Null counts as the empty text.
inline std::string TextArg(const char* text) { return text ? std::string(text) : std::string(); }

#endif  // STATS_PLATFORM_TEXT_UTIL_H_
