#include "tools/cq160/logs/call_resolver.h"

#include <vector>

#include "tools/cq160/logs/log_text.h"

namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// Suffixes that tell how, not where, a station operates.
bool IsModifier(const std::string& part) {
    static const char* const kModifiers[] = {"P", "M", "A", "J", "QRP", "QRPP", "LH", "LGT",
                                             nullptr};
    for (const char* const* m = kModifiers; *m; ++m) {
        if (part == *m) return true;
    }
    return false;
}

// The few WAE-only entities of the country file and the DXCC entity around
// each. Any other falls back to the DXCC entity its prefix lies in.
struct WaeParent {
    const char* wae;
    const char* dxcc;
};
const WaeParent kWaeParents[] = {
    {"IT9", "I"}, {"IG9", "I"}, {"TA1", "TA"}, {"GM/S", "GM"}, {"JW/B", "JW"}, {"4U1V", "OE"},
};

// Entities that the module counts on their own, by the detailed prefix it
// knows them by.
struct OwnCountry {
    const char* primary;
    const char* detailed;
};
const OwnCountry kOwnCountries[] = {
    {"IT9", "IT9"}, {"TA1", "TA1"},   {"Z6", "Z6"},     {"4U1I", "4U1"},
    {"IG9", "IG9"}, {"GM/S", "GM/s"}, {"JW/B", "JW/b"}, {"4U1V", "4U1V"},
};

CallLocation FromEntry(const CountryFile& cty, const CtyPrefix& entry) {
    const CtyEntity& entity = cty.entity(entry.entity);
    CallLocation where;
    where.found = true;
    where.continent = entry.continent;
    where.cqZone = entry.cqZone;
    where.entityName = entity.name;
    where.countryPrefix = entity.primaryPrefix;
    if (entity.waeOnly) {
        const std::string parent = WaeParentPrefix(cty, entity);
        if (!parent.empty()) where.countryPrefix = parent;
    }
    // An exact call is no prefix: it stands for its entity.
    where.detailedPrefix = entry.exactCall ? entity.primaryPrefix : entry.text;
    const std::string primary = UpperAscii(entity.primaryPrefix);
    for (const OwnCountry& own : kOwnCountries) {
        if (primary == own.primary) where.detailedPrefix = own.detailed;
    }
    return where;
}

CallLocation NotFound(const std::string& why) {
    CallLocation where;
    where.why = why;
    return where;
}

CallLocation ByPrefix(const CountryFile& cty, const std::string& text) {
    const CtyPrefix* entry = cty.FindLongestPrefix(text);
    if (!entry) return NotFound("no entry in the country file for " + text);
    return FromEntry(cty, *entry);
}

bool IsLetter(char c) { return c >= 'A' && c <= 'Z'; }

// A whole call (not a location prefix) by its longest prefix. The country
// file lists KG4 for Guantanamo Bay, but by its own convention only KG4
// with a two-letter suffix (KG4AA) is there; KG4W, KG4WOJ and KG4USN are
// calls issued in the USA, so they take the longest prefix shorter than
// KG4 instead. Exact calls of the file are looked up before this.
CallLocation CallByPrefix(const CountryFile& cty, const std::string& call) {
    const CtyPrefix* entry = cty.FindLongestPrefix(call);
    if (entry && !entry->exactCall && entry->text == "KG4") {
        const bool twoLetters = call.size() == 5 && IsLetter(call[3]) && IsLetter(call[4]);
        if (!twoLetters) entry = cty.FindLongestPrefix(call.substr(0, 2));
    }
    if (!entry) return NotFound("no entry in the country file for " + call);
    return FromEntry(cty, *entry);
}

// One part, no slash: an exact call or a longest-prefix match.
CallLocation Plain(const CountryFile& cty, const std::string& call) {
    if (const CtyPrefix* exact = cty.FindExactCall(call)) return FromEntry(cty, *exact);
    return CallByPrefix(cty, call);
}

// A part that is one of the country file's prefixes as it stands (VP9, DL,
// VP2E), which makes it the location part of a two-part call.
bool IsListedPrefix(const CountryFile& cty, const std::string& part) {
    const CtyPrefix* entry = cty.FindLongestPrefix(part);
    return entry && entry->text == part;
}

CallLocation TwoParts(const CountryFile& cty, const std::string& first,
                      const std::string& second) {
    if (second.size() == 1 && IsDigit(second[0])) {
        // A move to another call area: the call's last digit is the area.
        const std::size_t digit = first.find_last_of("0123456789");
        if (digit == std::string::npos) return Plain(cty, first);
        std::string moved = first;
        moved[digit] = second[0];
        CallLocation where = CallByPrefix(cty, moved);
        return where.found ? where : Plain(cty, first);
    }
    if (second.size() == 1) {
        // A letter after the call may name a part of the entity
        // (3D2/r Rotuma, 3D2/c Conway Reef); otherwise it tells nothing.
        CallLocation base = Plain(cty, first);
        if (!base.found) return base;
        const CtyPrefix* entry = cty.FindExactCall(first);
        if (!entry) entry = cty.FindLongestPrefix(first);
        const std::string partPrefix = cty.entity(entry->entity).primaryPrefix + "/" + second;
        const int part = cty.FindEntityIndex(partPrefix);
        if (part >= 0) {
            CtyPrefix whole = cty.EntityAsEntry(part);
            return FromEntry(cty, whole);
        }
        return base;
    }
    // Prefix and call: the part that is a listed prefix, else the shorter
    // one, else the first is where the station is.
    const bool firstListed = IsListedPrefix(cty, first);
    const bool secondListed = IsListedPrefix(cty, second);
    bool firstIsLocation;
    if (firstListed != secondListed) {
        firstIsLocation = firstListed;
    } else {
        firstIsLocation = first.size() <= second.size();
    }
    return ByPrefix(cty, firstIsLocation ? first : second);
}

}  // namespace

std::string ModuleCountry(const CallLocation& where) {
    for (const OwnCountry& own : kOwnCountries) {
        if (where.detailedPrefix == own.detailed) return where.detailedPrefix;
    }
    return where.countryPrefix;
}

std::string WaeParentPrefix(const CountryFile& cty, const CtyEntity& wae) {
    const std::string primary = UpperAscii(wae.primaryPrefix);
    for (const WaeParent& p : kWaeParents) {
        if (primary == p.wae) return p.dxcc;
    }
    const CtyPrefix* around = cty.FindLongestPrefix(primary, /*skipWaeOnly=*/true);
    return around ? cty.entity(around->entity).primaryPrefix : std::string();
}

CallLocation ResolveCall(const CountryFile& cty, const std::string& rawCall) {
    std::string call;
    for (char c : UpperAscii(rawCall)) {
        if (c != ' ' && c != '\t') call += c;
    }
    if (call.empty()) return NotFound("empty call");
    if (const CtyPrefix* exact = cty.FindExactCall(call)) return FromEntry(cty, *exact);

    std::vector<std::string> parts;
    std::size_t start = 0;
    while (start <= call.size()) {
        std::size_t slash = call.find('/', start);
        if (slash == std::string::npos) slash = call.size();
        if (slash > start) parts.push_back(call.substr(start, slash - start));
        start = slash + 1;
    }
    if (parts.empty()) return NotFound("no call");
    while (parts.size() > 1) {
        const std::string& last = parts.back();
        if (last == "MM") return NotFound("maritime mobile");
        if (last == "AM") return NotFound("aeronautical mobile");
        if (!IsModifier(last)) break;
        parts.pop_back();
    }
    if (parts.size() == 1) return Plain(cty, parts[0]);
    return TwoParts(cty, parts[0], parts[1]);
}
