// Where a worked (or the own) station is, read from its call the way
// operators read calls: exact-call entries first; "/P", "/M", "/QRP" and
// the like change nothing; "/MM" and "/AM" stations are in no country; a
// single-digit suffix moves the call to that call area (K1ABC/4 is a US
// 4-land call, UA3ABC/9 is in Asiatic Russia); a letter suffix names a part
// of the entity where the country file has one (3D2AB/R is on Rotuma);
// otherwise the prefix part of a two-part call is where the station is
// (DL/K1ABC and K1ABC/VP9 alike).
//
// The prefixes come out as the host hands them to the module: the country
// prefix is the DXCC entity's primary prefix (a WAE-only entity gives the
// DXCC entity it lies in), the detailed prefix is the matched entry's own.
// Sicily, European Turkey, Kosovo and the ITU in Geneva count as countries
// of their own in the module, which knows them by the detailed prefixes
// "IT9", "TA1", "Z6" and "4U1"; those four always get exactly these.
#ifndef CQ160_CALL_RESOLVER_H_
#define CQ160_CALL_RESOLVER_H_

#include <string>

#include "tools/cq160/country_file.h"

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

// The DXCC entity a WAE-only entity lies in, by primary prefix ("IT9" ->
// "I"); empty when not known.
std::string WaeParentPrefix(const CountryFile& cty, const CtyEntity& wae);

#endif  // CQ160_CALL_RESOLVER_H_
