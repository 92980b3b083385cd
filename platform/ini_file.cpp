// INI reading and writing with the observable behaviour of Windows' private
// profile functions, for the module's own settings file.
//
// The file is taken as bytes in the ANSI code page; as on Windows, a UTF-8
// byte-order mark is no more than the first bytes of the first line (Wine
// skips it). A line ends at LF; a CR
// right before the LF belongs to the line end, and the last line may have no
// line end at all. Each line is one of:
//   blank     nothing but blanks
//   section   "[name]" after optional blanks; the name ends at the first "]"
//             or, when there is none, at the end of the line; whatever
//             follows the "]" is ignored
//   comment   ";" as the first character after optional blanks
//   entry     "key=value"; blanks around the key and around the value do not
//             count
//   other     any other text (a key without "="), which matches no key
// Section and key names compare without regard to letter case. Only the
// first section of a name counts, and in it only the first entry of a key.
// Entries before the first section belong to no section.
//
// A write puts a whole new file in the place of the old one
// (WriteFileAtomically: a full disk leaves the old file as it was; a
// read-only file or a missing folder fails as on Windows) and keeps every
// line other than the one it sets byte for byte, as Windows does; the only change elsewhere is the CR LF that a last line without a
// line end gets when something is added after it. Wine instead writes every
// line anew from what it parsed: CR LF line ends, no blanks around names and
// values, no blank lines.

#include "platform/ini_file.h"

#include <cerrno>
#include <cstdio>
#include <vector>

#include "platform/file_env.h"

namespace {

// The blanks that the profile functions skip around names and values. A CR
// counts too, so that a stray CR before a CR LF line end does not become part
// of a value.
bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\v' || c == '\r'; }

std::string TrimBlanks(const std::string& text, std::size_t begin, std::size_t end) {
    while (begin < end && IsBlank(text[begin])) ++begin;
    while (end > begin && IsBlank(text[end - 1])) --end;
    return text.substr(begin, end - begin);
}

// Windows drops leading and trailing spaces (only spaces, not tabs) from the
// section and key names that a caller passes.
std::string TrimSpaces(const std::string& name) {
    std::size_t begin = name.find_first_not_of(' ');
    if (begin == std::string::npos) return std::string();
    std::size_t end = name.find_last_not_of(' ');
    return name.substr(begin, end - begin + 1);
}

char AsciiLower(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

// Windows compares names with the locale's case rules; the module's names
// are plain ASCII, for which folding A-Z is the same thing.
bool SameName(const std::string& a, const std::string& b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (AsciiLower(a[i]) != AsciiLower(b[i])) return false;
    }
    return true;
}

enum class LineKind { kBlank, kSection, kComment, kEntry, kOther };

struct Line {
    std::size_t begin = 0;  // first byte of the line
    std::size_t end = 0;    // end of the text, before the line end
    std::size_t next = 0;   // first byte after the line end
    LineKind kind = LineKind::kOther;
    std::string name;       // section or key name, without blanks
    std::string value;      // entry value, without blanks, quotes kept
};

Line ParseLine(const std::string& text, std::size_t begin) {
    Line line;
    line.begin = begin;
    std::size_t newline = text.find('\n', begin);
    if (newline == std::string::npos) {
        line.end = text.size();
        line.next = text.size();
    } else {
        line.end = (newline > begin && text[newline - 1] == '\r') ? newline - 1 : newline;
        line.next = newline + 1;
    }

    std::size_t p = begin;
    while (p < line.end && IsBlank(text[p])) ++p;
    if (p == line.end) {
        line.kind = LineKind::kBlank;
    } else if (text[p] == '[') {
        // A header without its "]" still names a section on Windows, up to
        // the end of the line (Wine ignores such a header).
        std::size_t close = text.find(']', p + 1);
        if (close == std::string::npos || close > line.end) close = line.end;
        line.kind = LineKind::kSection;
        line.name = TrimBlanks(text, p + 1, close);
    } else if (text[p] == ';') {
        // On Windows a comment never matches a key, not even one spelled
        // with the ";" (Wine finds it as a key named ";...").
        line.kind = LineKind::kComment;
    } else {
        std::size_t equals = text.find('=', p);
        if (equals == std::string::npos || equals >= line.end) {
            line.kind = LineKind::kOther;
        } else {
            line.kind = LineKind::kEntry;
            line.name = TrimBlanks(text, p, equals);
            line.value = TrimBlanks(text, equals + 1, line.end);
        }
    }
    return line;
}

std::vector<Line> ParseLines(const std::string& text) {
    std::vector<Line> lines;
    std::size_t pos = 0;
    while (pos < text.size()) {
        lines.push_back(ParseLine(text, pos));
        pos = lines.back().next;
    }
    return lines;
}

// Where a section and a key sit in the parsed file. Indexes are into the
// line list; npos when absent.
struct Location {
    static constexpr std::size_t npos = static_cast<std::size_t>(-1);
    std::size_t section = npos;     // the section's header line
    std::size_t entry = npos;       // the key's first entry in the section
    std::size_t lastFilled = npos;  // the section's last line that is not blank
};

Location Find(const std::vector<Line>& lines, const std::string& section,
              const std::string& key) {
    Location at;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const Line& line = lines[i];
        if (line.kind == LineKind::kSection) {
            if (at.section != Location::npos) return at;  // the section ends here
            if (SameName(line.name, section)) {
                at.section = i;
                at.lastFilled = i;
            }
            continue;
        }
        if (at.section == Location::npos) continue;
        if (line.kind != LineKind::kBlank) at.lastFilled = i;
        if (line.kind == LineKind::kEntry && at.entry == Location::npos &&
            SameName(line.name, key)) {
            at.entry = i;
        }
    }
    return at;
}

// A value in matching single or double quotes comes back without them;
// blanks inside the quotes stay.
std::string Unquote(const std::string& value) {
    if (value.size() >= 2 && (value[0] == '"' || value[0] == '\'') &&
        value.back() == value[0]) {
        return value.substr(1, value.size() - 2);
    }
    return value;
}

enum class ReadResult { kOk, kMissing, kError };

ReadResult ReadWholeFile(const std::string& path, std::string* text) {
    text->clear();
    std::FILE* f = std::fopen(path.c_str(), "rb");
    if (!f) return errno == ENOENT ? ReadResult::kMissing : ReadResult::kError;
    char buffer[4096];
    std::size_t n;
    while ((n = std::fread(buffer, 1, sizeof(buffer), f)) > 0) text->append(buffer, n);
    bool failed = std::ferror(f) != 0;
    std::fclose(f);
    return failed ? ReadResult::kError : ReadResult::kOk;
}

std::string Truncate(const std::string& text, std::size_t bufferSize) {
    return text.size() < bufferSize ? text : text.substr(0, bufferSize - 1);
}

}  // namespace

std::string IniReadString(const std::string& path, const std::string& section,
                          const std::string& key, const std::string& defaultValue,
                          std::size_t bufferSize) {
    if (bufferSize == 0) return std::string();
    std::string text;
    if (ReadWholeFile(path, &text) == ReadResult::kOk) {
        std::vector<Line> lines = ParseLines(text);
        Location at = Find(lines, TrimSpaces(section), TrimSpaces(key));
        // Quotes go before the value is cut to the buffer: a quoted value
        // that just fits comes back whole. (Wine loses its last character
        // when the text inside the quotes is exactly bufferSize - 1 long.)
        if (at.entry != Location::npos) {
            return Truncate(Unquote(lines[at.entry].value), bufferSize);
        }
    }
    // Trailing spaces of the default are cut off, leading ones kept.
    std::size_t end = defaultValue.find_last_not_of(' ');
    if (end == std::string::npos) return std::string();
    return Truncate(defaultValue.substr(0, end + 1), bufferSize);
}

bool IniWriteString(const std::string& path, const std::string& section,
                    const std::string& key, const std::string& value) {
    std::string text;
    if (ReadWholeFile(path, &text) == ReadResult::kError) return false;
    std::vector<Line> lines = ParseLines(text);
    const std::string sectionName = TrimSpaces(section);
    const std::string keyName = TrimSpaces(key);
    Location at = Find(lines, sectionName, keyName);

    // The value goes in as given, blanks included: Windows does not strip
    // them on writing (Wine drops the leading ones), only on reading.
    std::string out;
    out.reserve(text.size() + sectionName.size() + keyName.size() + value.size() + 8);
    if (at.entry != Location::npos) {
        // The entry is rewritten whole, with the key spelled as in the file
        // and without the blanks it may have had around "=". Its line end
        // becomes CR LF, as for every line the profile functions write, even
        // when it was LF alone or missing at the end of the file.
        const Line& line = lines[at.entry];
        out.append(text, 0, line.begin);
        out += line.name + "=" + value + "\r\n";
        out.append(text, line.next, std::string::npos);
    } else if (at.section != Location::npos) {
        // A new key follows the section's last line that is not blank, so
        // that blank lines before the next section stay where they are.
        const Line& after = lines[at.lastFilled];
        out.append(text, 0, after.next);
        if (after.next == after.end) out += "\r\n";  // the file's last line had no line end
        out += keyName + "=" + value + "\r\n";
        out.append(text, after.next, std::string::npos);
    } else {
        // A new section goes at the very end, with no blank line before it.
        out = text;
        if (!out.empty() && out.back() != '\n') out += "\r\n";
        out += "[" + sectionName + "]\r\n" + keyName + "=" + value + "\r\n";
    }
    return WriteFileAtomically(path, out);
}
