// One QSO as the module holds it, and the store of them. Plain value types;
// the store is shared between the host thread and the UI thread, and every
// access goes under the module lock (interface/module_state.h).
#ifndef STATS_SCORING_QSO_RECORD_H_
#define STATS_SCORING_QSO_RECORD_H_

#include <array>
#include <string>
#include <vector>

#include "platform/ole_date.h"

struct CInfo {
    std::string call;       // worked station
    std::string country;    // country prefix ("K", "DL", or "IT9" and the like)
    std::string continent;  // "EU", "NA", ...
    std::string band;       // "160m"
    std::string mode;       // "CW" or "SSB"
    std::string rstRcvd;
    std::string rstSent;
    std::string exchRcvd;   // as entered: a CQ zone or a state/province
    std::string exchSent;
    std::string stateProv;  // accepted state/province of a K or VE station, else empty
    int zone = 0;           // leading number of exchRcvd
    unsigned freqKHz = 0;
    int excluded = 0;       // 1 = scores nothing (dupe or bad state/province)
    int errorFlag = 0;      // 1 = state/province not acceptable
    int dupeFlag = 0;       // 1 = same call, band and mode logged before
    COleDateTime time;
};

using StringArray = std::vector<std::string>;
using LogStore = std::vector<CInfo>;

// Band slots of the per-band tables: 0 "160m", 1 "80m", 2 "40m", 3 "20m",
// 4 "15m", 5 "10m". Only slot 0 is filled in this contest.
constexpr int kBandSlots = 6;
extern const char* const kBandSlotNames[kBandSlots];

// Slot of a band text (exact comparison); any other text uses slot 0.
int BandSlot(const std::string& band);

// Everything a scoring run keeps in memory.
struct ContestStore {
    LogStore log;
    StringArray bandsWorked;  // distinct bands of accepted QSOs, first-seen order
    std::array<StringArray, kBandSlots> bandCountries;
    std::array<StringArray, kBandSlots> bandStateProvs;
    std::array<std::vector<unsigned>, kBandSlots> bandZones;  // never appended to
    std::array<StringArray, kBandSlots> prevQsoRows;  // band text + four display fields
};

#endif  // STATS_SCORING_QSO_RECORD_H_
