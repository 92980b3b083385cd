// Sets entries of one section in the text of an INI file the way the
// Windows profile functions find them: section and key names without
// regard to letter case, only the first section of a name and in it the
// first entry of a key. Every other line stays as it was, byte for byte.
#ifndef CQ160_INI_TEXT_H_
#define CQ160_INI_TEXT_H_

#include <string>
#include <utility>
#include <vector>

using IniValues = std::vector<std::pair<std::string, std::string>>;

// The text with each key of values set in section: an existing entry's line
// becomes "key=value", a missing key is added after the section's last
// entry, a missing section is added at the end. New lines end in CR LF.
std::string SetIniValues(const std::string& text, const std::string& section,
                         const IniValues& values);

#endif  // CQ160_INI_TEXT_H_
