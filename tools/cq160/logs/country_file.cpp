#include "tools/cq160/logs/country_file.h"

#include <algorithm>

#include "tools/cq160/logs/file_util.h"
#include "tools/cq160/logs/log_text.h"

namespace {

bool IsSpace(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

bool ParseZone(const std::string& text, int* zone) {
    const std::string t = TrimBlanks(text);
    if (t.empty() || t.size() > 3) return false;
    int value = 0;
    for (char c : t) {
        if (c < '0' || c > '9') return false;
        value = value * 10 + (c - '0');
    }
    *zone = value;
    return true;
}

}  // namespace

bool CountryFile::Parse(const std::string& text, std::string* error) {
    std::size_t pos = 0;
    std::size_t counted = 0;  // line numbers are counted up to here
    int line = 1;
    while (true) {
        while (pos < text.size() && IsSpace(text[pos])) ++pos;
        if (pos >= text.size()) return true;
        for (; counted < pos; ++counted) line += text[counted] == '\n';
        auto fail = [&](const std::string& why) {
            *error = "line " + std::to_string(line) + ": " + why;
            return false;
        };

        // The header: eight fields, each ended by a colon, on one line.
        std::string fields[8];
        for (std::string& field : fields) {
            const std::size_t colon = text.find(':', pos);
            const std::size_t newline = text.find('\n', pos);
            if (colon == std::string::npos || (newline != std::string::npos && newline < colon))
                return fail("entity line without its eight fields");
            field = TrimBlanks(text.substr(pos, colon - pos));
            pos = colon + 1;
        }
        CtyEntity entity;
        entity.name = fields[0];
        entity.continent = UpperAscii(fields[3]);
        std::string primary = UpperAscii(fields[7]);
        if (!primary.empty() && primary[0] == '*') {
            entity.waeOnly = true;
            primary.erase(0, 1);
        }
        // Keep the file's own spelling ("3D2/r"), which is how hosts show it.
        entity.primaryPrefix = fields[7].substr(entity.waeOnly ? 1 : 0);
        if (!ParseZone(fields[1], &entity.cqZone) || !ParseZone(fields[2], &entity.ituZone))
            return fail("zone is not a number");
        if (entity.name.empty() || primary.empty() || entity.continent.size() != 2)
            return fail("entity without name, continent or primary prefix");

        const std::size_t end = text.find(';', pos);
        if (end == std::string::npos) return fail("prefix list without closing ';'");
        const int index = static_cast<int>(entities_.size());
        entities_.push_back(entity);
        primaries_.emplace(primary, index);
        const std::string list = text.substr(pos, end - pos);
        pos = end + 1;
        std::size_t start = 0;
        while (start <= list.size()) {
            std::size_t comma = list.find(',', start);
            if (comma == std::string::npos) comma = list.size();
            const std::string token = TrimBlanks(list.substr(start, comma - start));
            start = comma + 1;
            if (token.empty()) continue;
            std::string why;
            if (!ParseAlias(token, index, &why)) return fail("\"" + token + "\": " + why);
        }
    }
}

bool CountryFile::ParseAlias(const std::string& token, int entity, std::string* error) {
    const CtyEntity& owner = entities_[entity];
    CtyPrefix entry;
    entry.entity = entity;
    entry.cqZone = owner.cqZone;
    entry.ituZone = owner.ituZone;
    entry.continent = owner.continent;
    std::size_t i = 0;
    if (token[0] == '=') {
        entry.exactCall = true;
        i = 1;
    }
    while (i < token.size() && std::string("([<{~").find(token[i]) == std::string::npos) {
        entry.text += token[i++];
    }
    entry.text = UpperAscii(entry.text);
    if (entry.text.empty()) {
        *error = "no prefix";
        return false;
    }
    // The overrides, in any order.
    while (i < token.size()) {
        const char open = token[i];
        const char close = open == '(' ? ')' : open == '[' ? ']' : open == '<' ? '>'
                         : open == '{' ? '}' : open == '~' ? '~' : '\0';
        const std::size_t shut = close ? token.find(close, i + 1) : std::string::npos;
        if (shut == std::string::npos) {
            *error = "unreadable override";
            return false;
        }
        const std::string value = token.substr(i + 1, shut - i - 1);
        bool ok = true;
        if (open == '(') ok = ParseZone(value, &entry.cqZone);
        if (open == '[') ok = ParseZone(value, &entry.ituZone);
        if (open == '{') {
            entry.continent = UpperAscii(TrimBlanks(value));
            ok = entry.continent.size() == 2;
        }
        // Positions and UTC offsets are of no use for scoring: only checked
        // for being closed.
        if (!ok) {
            *error = "bad override value";
            return false;
        }
        i = shut + 1;
    }
    const int index = static_cast<int>(entries_.size());
    entries_.push_back(entry);
    auto& map = entry.exactCall ? exactCalls_ : prefixes_;
    map[entry.text].push_back(index);
    if (!entry.exactCall && entry.text.size() > longestPrefix_) longestPrefix_ = entry.text.size();
    return true;
}

bool CountryFile::Load(const std::string& path, std::string* error) {
    std::string text;
    bool tooLarge = false;
    if (!ReadWholeFile(path, &text, &tooLarge)) {
        *error = tooLarge ? "the country file " + path + " is larger than " + kMaxInputText +
                                ": not a country file"
                          : "cannot read the country file " + path;
        return false;
    }
    if (!Parse(text, error)) {
        *error = path + ", " + *error;
        return false;
    }
    if (entities_.empty()) {
        *error = path + " lists no entity";
        return false;
    }
    return true;
}

namespace {

// Between entries of the same text: the WAE-only entity's, else the first.
const CtyPrefix* Pick(const std::vector<CtyPrefix>& entries,
                      const std::vector<CtyEntity>& entities, const std::vector<int>& candidates,
                      bool skipWaeOnly) {
    const CtyPrefix* chosen = nullptr;
    for (int index : candidates) {
        const CtyPrefix& entry = entries[index];
        const bool wae = entities[entry.entity].waeOnly;
        if (wae && skipWaeOnly) continue;
        if (!chosen) chosen = &entry;
        if (wae) return &entry;
    }
    return chosen;
}

}  // namespace

const CtyPrefix* CountryFile::FindExactCall(const std::string& call) const {
    auto it = exactCalls_.find(UpperAscii(call));
    return it == exactCalls_.end() ? nullptr : Pick(entries_, entities_, it->second, false);
}

const CtyPrefix* CountryFile::FindLongestPrefix(const std::string& text, bool skipWaeOnly) const {
    const std::string key = UpperAscii(text);
    for (std::size_t length = std::min(key.size(), longestPrefix_); length > 0; --length) {
        auto it = prefixes_.find(key.substr(0, length));
        if (it == prefixes_.end()) continue;
        if (const CtyPrefix* entry = Pick(entries_, entities_, it->second, skipWaeOnly))
            return entry;
    }
    return nullptr;
}

int CountryFile::FindEntityIndex(const std::string& primaryPrefix) const {
    std::string key = UpperAscii(primaryPrefix);
    if (!key.empty() && key[0] == '*') key.erase(0, 1);
    auto it = primaries_.find(key);
    return it == primaries_.end() ? -1 : it->second;
}

CtyPrefix CountryFile::EntityAsEntry(int index) const {
    const CtyEntity& e = entities_[index];
    CtyPrefix entry;
    entry.text = UpperAscii(e.primaryPrefix);
    entry.entity = index;
    entry.cqZone = e.cqZone;
    entry.ituZone = e.ituZone;
    entry.continent = e.continent;
    entry.exactCall = true;
    return entry;
}

std::string CountryFile::VersionDate() const {
    for (const auto& [call, entries] : exactCalls_) {
        if (call.size() != 11 || call.compare(0, 3, "VER") != 0 || !IsDigits(call.substr(3)))
            continue;
        return call.substr(3, 4) + "-" + call.substr(7, 2) + "-" + call.substr(9, 2);
    }
    return std::string();
}
