// A seeded synthetic CW log for timing the module, and the export calls
// that log, remove and check its QSOs and reset a run, with the arguments
// a host passes. Shared by the benchmark and the replay timing.
#ifndef STATS_BENCH_SYNTHETIC_LOG_H_
#define STATS_BENCH_SYNTHETIC_LOG_H_

#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <vector>

#include "tools/cq160/host/module_loader.h"
#include "tools/driver/export_calls.h"

struct Qso {
    std::string call, mode, exchRcvd, detailed, country, continent, band;
    COleDateTime time;
    unsigned freqHz = 1830000;
};

// A seeded synthetic log of n QSOs on the CW weekend with a few per cent of
// problem lines: about 2 % dupes, 1 % bad states, 0.5 % wrong band.
inline std::vector<Qso> MakeLog(std::size_t n) {
    static const char* const kCountries[][2] = {
        {"DL", "EU"}, {"OK", "EU"}, {"G", "EU"},   {"F", "EU"},   {"I", "EU"},   {"SP", "EU"},
        {"UA", "EU"}, {"HA", "EU"}, {"OH", "EU"},  {"SM", "EU"},  {"EA", "EU"},  {"ON", "EU"},
        {"PA", "EU"}, {"OE", "EU"}, {"YU", "EU"},  {"LZ", "EU"},  {"YO", "EU"},  {"S5", "EU"},
        {"9A", "EU"}, {"OM", "EU"}, {"JA", "AS"},  {"UA9", "AS"}, {"BY", "AS"},  {"VK", "OC"},
        {"ZL", "OC"}, {"PY", "SA"}, {"LU", "SA"},  {"CE", "SA"},  {"ZS", "AF"},  {"EA8", "AF"},
        {"CT3", "AF"}, {"XE", "NA"}, {"KP4", "NA"}, {"KH6", "OC"}, {"VP9", "NA"}, {"TF", "EU"},
        {"EI", "EU"}, {"GM", "EU"}, {"GW", "EU"},  {"LA", "EU"}};
    static const char* const kStates[] = {"MA", "NY", "TX", "CA", "OH", "FL", "ON", "QC", "BC", "NF"};
    constexpr std::size_t kCountryCount = sizeof kCountries / sizeof kCountries[0];
    std::mt19937 random(20270130);
    std::vector<Qso> log;
    log.reserve(n);
    const double start = 46416.9;  // Friday 22:00 UTC
    for (std::size_t i = 0; i < n; ++i) {
        Qso q;
        const unsigned pick = random() % 100;
        if (pick < 2 && !log.empty()) {
            q = log[random() % log.size()];  // a dupe
        } else if (pick < 30) {
            const bool ve = random() % 4 == 0;
            q.country = ve ? "VE" : "K";
            q.detailed = q.country;
            q.continent = "NA";
            q.call = (ve ? "VE" : "K") + std::to_string(i % 10) + "Q" + std::to_string(i);
            q.exchRcvd = pick == 29 ? "XX" : kStates[random() % 10];  // XX: a bad state
        } else {
            const auto& c = kCountries[random() % kCountryCount];
            q.country = c[0];
            q.detailed = c[0];
            q.continent = c[1];
            q.call = std::string(c[0]) + std::to_string(i % 10) + "A" + std::to_string(i);
            q.exchRcvd = std::to_string(1 + random() % 40);
        }
        q.mode = "CW";
        q.band = random() % 200 == 0 ? "80m" : "160m";
        // Spread over the 48 hours of the contest, in log order.
        q.time = COleDateTime(start + 2.0 * static_cast<double>(i) / static_cast<double>(n));
        log.push_back(q);
    }
    return log;
}

// A host's folder for one module: the host's settings file, and the
// module's with the CW weekend chosen and the window toggle set.
inline void MakeHostFolder(const std::filesystem::path& folder) {
    std::filesystem::create_directories(folder / "Plugins");
    std::ofstream(folder / "Harlo2.ini", std::ios::binary) << "[Main]\r\nHarlo=stats_bench\r\n";
    std::ofstream(folder / "Plugins" / "CQ-WW-160-CW-SSB.ini", std::ios::binary)
        << "[Settings]\r\nMode=1\r\nStart=1\r\n";
}

inline void ResetRun(const ModuleApi& api) {
    driver::Reset r;
    r.ownCall = "DL1ABC";
    r.periodStart = COleDateTime(46416.9);
    r.periodEnd = COleDateTime(46418.9);
    r.ownCountry = "DL";
    r.ownContinent = "EU";
    driver::CallReset(api.resetStats, r);
}

inline driver::Qso HostQso(const Qso& q) {
    driver::Qso h;
    h.ownCall = "DL1ABC";
    h.call = q.call.c_str();
    h.time = q.time;
    h.freqHz = q.freqHz;
    h.mode = q.mode.c_str();
    h.rstSent = "599";
    h.rstRcvd = "599";
    h.exchSent = "14";
    h.exchRcvd = q.exchRcvd.c_str();
    h.detailedPrefix = q.detailed.c_str();
    h.countryPrefix = q.country.c_str();
    h.continent = q.continent.c_str();
    h.band = q.band.c_str();
    return h;
}

inline int AddQso(const ModuleApi& api, const Qso& q) {
    return driver::CallQso(api.addData, HostQso(q));
}

inline void RemoveQso(const ModuleApi& api, const Qso& q) {
    driver::CallQso(api.removeData, HostQso(q));
}

inline int CheckCall(const ModuleApi& api, const Qso& q) {
    char hint[100] = "";
    driver::TypedCall c;
    c.call = q.call.c_str();
    c.mode = q.mode.c_str();
    c.countryPrefix = q.country.c_str();
    c.zone = 14;
    c.continent = q.continent.c_str();
    c.band = q.band.c_str();
    c.band2 = q.band.c_str();
    return driver::CallCheck(api.checkCall, c, hint);
}

#endif  // STATS_BENCH_SYNTHETIC_LOG_H_
