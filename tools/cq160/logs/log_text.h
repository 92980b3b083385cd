// Small text helpers shared by the log readers and the replay. ASCII only:
// calls, modes and exchanges are plain ASCII in every log format.
#ifndef CQ160_LOG_TEXT_H_
#define CQ160_LOG_TEXT_H_

#include <string>
#include <vector>

std::string UpperAscii(std::string text);
std::string TrimBlanks(const std::string& text);
bool EqualsIgnoringCase(const std::string& a, const std::string& b);
// True when text ends in end (case counts).
bool EndsWith(const std::string& text, const std::string& end);

// Splits at runs of blanks and tabs.
std::vector<std::string> SplitBlanks(const std::string& text);

// The lines of a text: a line ends at LF, a CR right before it is dropped.
std::vector<std::string> SplitLines(const std::string& text);

// True for a non-empty run of decimal digits.
bool IsDigits(const std::string& text);

// A decimal number ("1822", "1822.5", "1.8225") times 10^scaleDigits,
// exactly, as an integer; digits past that scale are dropped. False for
// anything but digits with at most one decimal point, or a value too large.
bool ParseScaledDecimal(const std::string& text, int scaleDigits, unsigned long long* value);

// A JSON string literal of a text in Windows-1251 (the code page of the
// logs and of the module): quotes and backslashes escaped, every other
// byte as its Unicode character in UTF-8, and the bytes that are no text
// (controls, and 0x98, which the code page leaves unassigned) as \u00XX.
std::string JsonString(const std::string& windows1251);

// The mode as the host hands it over: "CW"; "SSB" for the phone modes (PH,
// SSB, USB, LSB, PHONE); anything else in upper case, which the module
// refuses as a wrong mode.
std::string HostMode(const std::string& logMode);

#endif  // CQ160_LOG_TEXT_H_
