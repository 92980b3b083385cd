// Where a worked (or the own) station is, read from its call the way
// operators read calls: exact-call entries first; "/P", "/M", "/QRP" and
// the like change nothing; "/MM" and "/AM" stations are in no country; a
// single-digit suffix moves the call to that call area (K1ABC/4 is a US
// 4-land call, UA3ABC/9 is in Asiatic Russia); a letter suffix names a part
// of the entity where the country file has one (3D2AB/R is on Rotuma);
// otherwise the prefix part of a two-part call is where the station is
// (DL/K1ABC and K1ABC/VP9 alike).
//
// KG4 is Guantanamo Bay only with a two-letter suffix (KG4AA, KG4AA/P);
// other KG4 calls are in the USA, unless the country file lists them as
// exact calls.
//
// The prefixes come out as the host hands them to the module: the country
// prefix is the DXCC entity's primary prefix (a WAE-only entity gives the
// DXCC entity it lies in), the detailed prefix is the matched entry's own.
// The module counts some entities as countries of their own and knows them
// by their detailed prefix: Sicily "IT9", African Italy "IG9", European
// Turkey "TA1", Kosovo "Z6", the ITU in Geneva "4U1", Shetland "GM/s", Bear
// Island "JW/b" and the Vienna International Centre "4U1V"; calls of those
// entities always get exactly these (an IH9 call gets "IG9").
#ifndef CQ160_CALL_RESOLVER_H_
#define CQ160_CALL_RESOLVER_H_

#include <string>

#include "tools/cq160/logs/country_file.h"

struct CallLocation {
    bool found = false;
    std::string countryPrefix;   // "K", "VE", "UA9", "I" for Sicily
    std::string detailedPrefix;  // "W", "IW9" -> "IT9", "TA1", "4U1"
    std::string continent;       // "EU", ...
    int cqZone = 0;
    std::string entityName;      // the country file's name of the entity
    std::string why;             // when not found: why not
};

CallLocation ResolveCall(const CountryFile& cty, const std::string& call);

// The country the module stores a QSO with this station under: the
// detailed prefix for the entities it counts on their own (above), else the
// country prefix.
std::string ModuleCountry(const CallLocation& where);

// The DXCC entity a WAE-only entity lies in, by primary prefix ("IT9" ->
// "I"); empty when not known.
std::string WaeParentPrefix(const CountryFile& cty, const CtyEntity& wae);

#endif  // CQ160_CALL_RESOLVER_H_
