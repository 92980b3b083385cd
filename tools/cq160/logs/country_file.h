// The country file in the cty.dat format: one record per DXCC (or WAE-only)
// entity, a header line of eight colon-separated fields
//   name: CQ zone: ITU zone: continent: latitude: longitude: UTC offset:
//   primary prefix:
// followed by the entity's prefixes and exact calls, separated by commas and
// ended by ";". A prefix or call may carry overrides for itself: (n) CQ zone,
// [n] ITU zone, <lat/long>, {continent}, ~UTC offset~; an exact call starts
// with "=". A primary prefix starting with "*" marks an entity that is only
// on the WAE list (it lies inside a DXCC entity).
//
// Parsed once, then read-only: lookups are safe from several threads.
#ifndef CQ160_COUNTRY_FILE_H_
#define CQ160_COUNTRY_FILE_H_

#include <string>
#include <unordered_map>
#include <vector>

struct CtyEntity {
    std::string name;
    int cqZone = 0;
    int ituZone = 0;
    std::string continent;      // "EU", "NA", ...
    std::string primaryPrefix;  // without the "*" of WAE-only entities
    bool waeOnly = false;
};

// One prefix or exact call with the entity it belongs to and the zones and
// continent that hold for it (the entity's unless overridden).
struct CtyPrefix {
    std::string text;  // without "=" and overrides
    int entity = -1;   // index into CountryFile::entities()
    int cqZone = 0;
    int ituZone = 0;
    std::string continent;
    bool exactCall = false;
};

class CountryFile {
public:
    // Parses the whole file text. Returns false with *error naming the line
    // of the first malformed record; records before it stay loaded.
    bool Parse(const std::string& text, std::string* error);

    // Reads and parses the file at path.
    bool Load(const std::string& path, std::string* error);

    // The entry of an exact call ("=CALL"), or null. A call listed under a
    // DXCC entity and a WAE-only one belongs to the WAE-only one (the more
    // precise place); otherwise to the first entity in the file.
    const CtyPrefix* FindExactCall(const std::string& call) const;

    // The longest prefix entry that text starts with, or null; between equal
    // texts as for exact calls. With skipWaeOnly, entries of WAE-only
    // entities are passed over.
    const CtyPrefix* FindLongestPrefix(const std::string& text, bool skipWaeOnly = false) const;

    // The index of the entity whose primary prefix is exactly prefix
    // (compared without letter case, "*" ignored), or -1.
    int FindEntityIndex(const std::string& primaryPrefix) const;

    // The entity as an exact-call entry of its own: its zones, continent
    // and primary prefix.
    CtyPrefix EntityAsEntry(int index) const;

    // The date of the file's version entry, an exact call "=VERyyyymmdd",
    // as "yyyy-mm-dd"; empty when it has none.
    std::string VersionDate() const;

    const std::vector<CtyEntity>& entities() const { return entities_; }
    const CtyEntity& entity(int index) const { return entities_[index]; }
    bool empty() const { return entities_.empty(); }

private:
    bool ParseAlias(const std::string& token, int entity, std::string* error);

    std::vector<CtyEntity> entities_;
    std::vector<CtyPrefix> entries_;
    // Keys are upper case; values index entries_ in file order. A text may
    // be listed by a DXCC entity and by a WAE-only one inside it alike.
    std::unordered_map<std::string, std::vector<int>> prefixes_;
    std::unordered_map<std::string, std::vector<int>> exactCalls_;
    std::unordered_map<std::string, int> primaries_;
    std::size_t longestPrefix_ = 0;
};

#endif  // CQ160_COUNTRY_FILE_H_
