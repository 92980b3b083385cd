// The host's side of the module's long entry points: one QSO, one reset and
// one typed call as a host holds them, and the one place where each becomes
// the export's full argument list (33 arguments for AddData0 and
// RemoveData0, 23 for ResetStats0, 28 for CheckCall0). Whoever drives the
// module through its exports (cq160, the test host, the Wine tests, the
// benchmark, the export tests) makes the calls here, with the module linked
// in or loaded by name. Header only; no scoring: what the module makes of
// the arguments is its own business.
#ifndef STATS_TOOLS_DRIVER_EXPORT_CALLS_H_
#define STATS_TOOLS_DRIVER_EXPORT_CALLS_H_

#include "interface/exports.h"

namespace driver {

// How the arguments that the module ignores are filled: empty texts, null
// texts, or texts and numbers that must not matter (so that a misplaced
// parameter shows). Date arguments it ignores are null pointers, or a date
// that must not matter.
enum class Unused { kEmpty, kNull, kNoise };

// One QSO as AddData0 and RemoveData0 take it. Texts are the caller's and
// may be null; the numbers are the export's parameter positions.
struct Qso {
    Text ownCall = "";         // 1
    Text call = "";            // 2
    COleDateTime time;         // 3, handed over by pointer
    bool noTime = false;       // 3 as a null pointer instead
    unsigned freqHz = 0;       // 8, Hz
    Text mode = "";            // 9
    Text rstSent = "";         // 10
    Text rstRcvd = "";         // 11
    Text exchSent = "";        // 12
    Text exchRcvd = "";        // 13
    Text detailedPrefix = "";  // 22, e.g. "IT9"
    Text countryPrefix = "";   // 23, e.g. "I"
    Text continent = "";       // 30
    Text band = "";            // 32, e.g. "160m"
};

// AddData0 or RemoveData0 (same parameter list) for one QSO.
inline int CallQso(decltype(&AddData0) fn, const Qso& q, Unused unused = Unused::kEmpty) {
    COleDateTime time = q.time;
    COleDateTime other(1.0);
    COleDateTime* const t = q.noTime ? nullptr : &time;
    switch (unused) {
    case Unused::kEmpty:
        return fn(q.ownCall, q.call, t, nullptr, nullptr, nullptr, 0, q.freqHz, q.mode, q.rstSent,
                  q.rstRcvd, q.exchSent, q.exchRcvd, "", "", "", "", "", "", "", "",
                  q.detailedPrefix, q.countryPrefix, 0, 0, 0, 0.0, 0.0, "", q.continent, "",
                  q.band, "");
    case Unused::kNull:
        return fn(q.ownCall, q.call, t, nullptr, nullptr, nullptr, 0, q.freqHz, q.mode, q.rstSent,
                  q.rstRcvd, q.exchSent, q.exchRcvd, nullptr, nullptr, nullptr, nullptr, nullptr,
                  nullptr, nullptr, nullptr, q.detailedPrefix, q.countryPrefix, 0, 0, 0, 0.0, 0.0,
                  nullptr, q.continent, nullptr, q.band, nullptr);
    case Unused::kNoise:
        break;
    }
    return fn(q.ownCall, q.call, t, &other, &other, &other, 77u, q.freqHz, q.mode, q.rstSent,
              q.rstRcvd, q.exchSent, q.exchRcvd, "x14", "x15", "x16", "x17", "x18", "x19", "x20",
              "x21", q.detailedPrefix, q.countryPrefix, 24, 25, 26, 27.5, 28.5, "x29",
              q.continent, "x31", q.band, "x33");
}

// The start of a scoring run as ResetStats0 takes it.
struct Reset {
    Text pathPrefix = "";      // 1, where the host's settings file is looked for
    int reportRequest = 0;     // 2, 1 = the final report (Cabrillo file)
    Text ownCall = "";         // 3
    COleDateTime periodStart;  // 4, by pointer
    COleDateTime periodEnd;    // 5, by pointer
    bool noPeriod = false;     // 4 and 5 as null pointers instead
    Text ownCountry = "";      // 15
    Text ownContinent = "";    // 22
};

inline int CallReset(decltype(&ResetStats0) fn, const Reset& r, Unused unused = Unused::kEmpty) {
    COleDateTime start = r.periodStart, end = r.periodEnd;
    COleDateTime* const s = r.noPeriod ? nullptr : &start;
    COleDateTime* const e = r.noPeriod ? nullptr : &end;
    switch (unused) {
    case Unused::kEmpty:
        return fn(r.pathPrefix, r.reportRequest, r.ownCall, s, e, "", "", "", "", "", "", "", "",
                  "", r.ownCountry, 0, 0, 0, 0.0, 0.0, "", r.ownContinent, "");
    case Unused::kNull:
        return fn(r.pathPrefix, r.reportRequest, r.ownCall, s, e, nullptr, nullptr, nullptr,
                  nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, r.ownCountry, 0, 0, 0,
                  0.0, 0.0, nullptr, r.ownContinent, nullptr);
    case Unused::kNoise:
        break;
    }
    return fn(r.pathPrefix, r.reportRequest, r.ownCall, s, e, "x6", "x7", "x8", "x9", "x10",
              "x11", "x12", "x13", "x14", r.ownCountry, 16, 17, 18, 19.5, 20.5, "x21",
              r.ownContinent, "x23");
}

// A call being typed, as CheckCall0 takes it.
struct TypedCall {
    Text call = "";           // 1
    Text mode = "";           // 4
    Text countryPrefix = "";  // 14
    int zone = 0;             // 15
    Text continent = "";      // 21
    Text band = "";           // 25
    Text band2 = "";          // 26, the host's second band text
};

// hint: the host's 100-byte buffer for the zone hint (argument 27), or null.
inline int CallCheck(decltype(&CheckCall0) fn, const TypedCall& c, char* hint,
                     Unused unused = Unused::kEmpty) {
    switch (unused) {
    case Unused::kEmpty:
        return fn(c.call, 0, 0, c.mode, "", "", "", "", "", "", "", "", "", c.countryPrefix,
                  c.zone, 0, 0, 0.0, 0.0, "", c.continent, "", "", "", c.band, c.band2, hint,
                  nullptr);
    case Unused::kNull:
        return fn(c.call, 0, 0, c.mode, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr,
                  nullptr, nullptr, nullptr, c.countryPrefix, c.zone, 0, 0, 0.0, 0.0, nullptr,
                  c.continent, nullptr, nullptr, nullptr, c.band, c.band2, hint, nullptr);
    case Unused::kNoise:
        break;
    }
    return fn(c.call, 2u, 3u, c.mode, "x5", "x6", "x7", "x8", "x9", "x10", "x11", "x12", "x13",
              c.countryPrefix, c.zone, 16, 17, 18.5, 19.5, "x20", c.continent, "x22", "x23",
              "x24", c.band, c.band2, hint, nullptr);
}

}  // namespace driver

#endif  // STATS_TOOLS_DRIVER_EXPORT_CALLS_H_
