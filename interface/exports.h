// The module's exported entry points, as the host calls them: C linkage,
// cdecl, the host's exact parameter lists (every type matters for the stack
// layout of the parameters after it). Parameters without a role are
// accepted and ignored. Text arguments may be null (taken as empty) and of
// any length. No exception crosses these functions (noexcept). All run on
// the host's thread and work on the module's one instance (module_state.h).
//
// On Windows each function is also exported under its MSVC-decorated name
// (Stats.def); the date arguments are the host framework's COleDateTime.
#ifndef STATS_INTERFACE_EXPORTS_H_
#define STATS_INTERFACE_EXPORTS_H_

#include "platform/ole_date.h"

#if defined(_WIN32)
#define STATS_API __cdecl
#define STATS_EXPORT
#else
#define STATS_API
#define STATS_EXPORT __attribute__((visibility("default")))
#endif

typedef const char* Text;

extern "C" {

// Always 0; records that the host announced its version (HTML results).
STATS_EXPORT unsigned long STATS_API setVersion(Text hostVersion) noexcept;
// One contest set; one exchange field.
STATS_EXPORT int STATS_API GetNumberOfSets() noexcept;
STATS_EXPORT int STATS_API GetExchgCount0(Text, Text, Text) noexcept;
// "CQ WW 160M CW/SSB (C)" for every set number.
STATS_EXPORT Text STATS_API GetSetName(int set) noexcept;
// Tells the operator there is nothing to set up; returns when closed.
STATS_EXPORT void STATS_API SetupSet0() noexcept;

// Verdict on a call being typed: 0 dupe, 1 no new multiplier, 2 new
// multiplier, 4 refused. exchangeHint (100 bytes, may be null) receives the
// CQ-zone hint.
STATS_EXPORT int STATS_API CheckCall0(
    Text call, unsigned, unsigned, Text mode, Text, Text, Text, Text, Text, Text, Text, Text,
    Text, Text countryPrefix, int zone, int, int, double, double, Text, Text continent, Text,
    Text, Text, Text band, Text band2, char* exchangeHint, char*) noexcept;

// 1 when the typed exchange is acceptable, else 0.
STATS_EXPORT int STATS_API IsValidExchg0(Text exchange, Text, Text countryPrefix, Text, int, int,
                                         int exchangeIndex) noexcept;

// One logged QSO: 1 stored, 0 refused. freqHz in Hz.
STATS_EXPORT int STATS_API AddData0(
    Text ownCall, Text call, COleDateTime* time, COleDateTime*, COleDateTime*, COleDateTime*,
    unsigned, unsigned freqHz, Text mode, Text rstSent, Text rstRcvd, Text exchSent,
    Text exchRcvd, Text, Text, Text, Text, Text, Text, Text, Text, Text detailedPrefix,
    Text countryPrefix, int, int, int, double, double, Text, Text continent, Text, Text band,
    Text) noexcept;

// Removes a logged QSO (same arguments as AddData0). Always 1.
STATS_EXPORT int STATS_API RemoveData0(
    Text ownCall, Text call, COleDateTime* time, COleDateTime*, COleDateTime*, COleDateTime*,
    unsigned, unsigned freqHz, Text mode, Text rstSent, Text rstRcvd, Text exchSent,
    Text exchRcvd, Text, Text, Text, Text, Text, Text, Text, Text, Text detailedPrefix,
    Text countryPrefix, int, int, int, double, double, Text, Text continent, Text, Text band,
    Text) noexcept;

// Starts a scoring run. Always 1.
STATS_EXPORT int STATS_API ResetStats0(Text hostPathPrefix, int reportRequest, Text ownCall,
                                       COleDateTime* periodStart, COleDateTime* periodEnd, Text,
                                       Text, Text, Text, Text, Text, Text, Text, Text,
                                       Text ownCountry, int, int, int, double, double, Text,
                                       Text ownContinent, Text) noexcept;

// The results text (module-owned, valid until the next call); writes -1
// through the pointer when it is not null.
STATS_EXPORT Text STATS_API GetResult0(int* out) noexcept;

}  // extern "C"

#endif  // STATS_INTERFACE_EXPORTS_H_
