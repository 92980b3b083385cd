#include "tools/cq160/host/ini_text.h"

#include <cstddef>

#include "tools/cq160/logs/log_text.h"

namespace {

struct Line {
    std::string content;
    std::string end;  // "\r\n", "\n" or "" for a last line without one
};

std::vector<Line> Lines(const std::string& text) {
    std::vector<Line> lines;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t lf = text.find('\n', start);
        Line line;
        if (lf == std::string::npos) {
            line.content = text.substr(start);
            start = text.size();
        } else {
            std::size_t cut = lf;
            if (cut > start && text[cut - 1] == '\r') --cut;
            line.content = text.substr(start, cut - start);
            line.end = text.substr(cut, lf + 1 - cut);
            start = lf + 1;
        }
        lines.push_back(line);
    }
    return lines;
}

// The section name of a "[name]" line, or false.
bool SectionName(const std::string& content, std::string* name) {
    const std::string t = TrimBlanks(content);
    if (t.empty() || t[0] != '[') return false;
    const std::size_t close = t.find(']');
    *name = TrimBlanks(t.substr(1, close == std::string::npos ? std::string::npos : close - 1));
    return true;
}

// The key of a "key=value" line, or false.
bool EntryKey(const std::string& content, std::string* key) {
    const std::string t = TrimBlanks(content);
    if (t.empty() || t[0] == ';') return false;
    const std::size_t eq = t.find('=');
    if (eq == std::string::npos) return false;
    *key = TrimBlanks(t.substr(0, eq));
    return true;
}

}  // namespace

std::string SetIniValues(const std::string& text, const std::string& section,
                         const IniValues& values) {
    std::vector<Line> lines = Lines(text);
    std::size_t header = lines.size();
    for (std::size_t i = 0; i < lines.size(); ++i) {
        std::string name;
        if (SectionName(lines[i].content, &name) && EqualsIgnoringCase(name, section)) {
            header = i;
            break;
        }
    }
    if (header == lines.size()) {
        if (!lines.empty() && lines.back().end.empty()) lines.back().end = "\r\n";
        lines.push_back({"[" + section + "]", "\r\n"});
    }
    for (const auto& kv : values) {
        // The section runs to the next section line; new entries go after
        // its last entry, before any blank lines that part it from the next.
        std::size_t insertAt = header + 1;
        bool set = false;
        for (std::size_t i = header + 1; i < lines.size(); ++i) {
            std::string name;
            if (SectionName(lines[i].content, &name)) break;
            if (!TrimBlanks(lines[i].content).empty()) insertAt = i + 1;
            std::string key;
            if (EntryKey(lines[i].content, &key) && EqualsIgnoringCase(key, kv.first)) {
                lines[i].content = kv.first + "=" + kv.second;
                set = true;
                break;
            }
        }
        if (set) continue;
        if (lines[insertAt - 1].end.empty()) lines[insertAt - 1].end = "\r\n";
        const Line entry{kv.first + "=" + kv.second, "\r\n"};
        lines.insert(lines.begin() + static_cast<std::ptrdiff_t>(insertAt), entry);
    }
    std::string out;
    for (const Line& line : lines) out += line.content + line.end;
    return out;
}
