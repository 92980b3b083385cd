// Export shims: take over the host's arguments (a null text is empty, a
// null date has no value), make one call on the module's one instance
// under a catch-all, return the specified value.
#include "interface/exports.h"

#include <algorithm>

#include "interface/module_state.h"
#include "platform/message_box.h"
#include "platform/text_util.h"
#include "scoring/call_check.h"

ContestModule g_module;

namespace {

COleDateTime DateArg(const COleDateTime* date) {
    // A missing date is a date without value (null status).
    return date ? *date : COleDateTime(0.0, COleDateTime::null);
}

QsoInput QsoArgs(Text ownCall, Text call, const COleDateTime* time, unsigned freqHz, Text mode,
                 Text rstSent, Text rstRcvd, Text exchSent, Text exchRcvd, Text detailedPrefix,
                 Text countryPrefix, Text continent, Text band) {
    QsoInput q;
    q.ownCall = TextArg(ownCall);
    q.call = TextArg(call);
    q.time = DateArg(time);
    q.freqHz = freqHz;
    q.mode = TextArg(mode);
    q.rstSent = TextArg(rstSent);
    q.rstRcvd = TextArg(rstRcvd);
    q.exchSent = TextArg(exchSent);
    q.exchRcvd = TextArg(exchRcvd);
    q.detailedPrefix = TextArg(detailedPrefix);
    q.countryPrefix = TextArg(countryPrefix);
    q.continent = TextArg(continent);
    q.band = TextArg(band);
    return q;
}

CallEntry CallArgs(Text call, Text mode, Text countryPrefix, int zone, Text continent, Text band,
                   Text band2) {
    CallEntry entry;
    entry.call = TextArg(call);
    entry.mode = TextArg(mode);
    entry.countryPrefix = TextArg(countryPrefix);
    entry.zone = zone;
    entry.continent = TextArg(continent);
    entry.band = TextArg(band);
    entry.band2 = TextArg(band2);
    return entry;
}

// The host's hint buffer holds 100 bytes (the hint is at most 12); a null
// buffer gets nothing.
void CopyHint(std::string hint, char* buffer) {
    if (!buffer) return;
    hint.resize(std::min<std::size_t>(hint.size(), 99));
    std::copy(hint.begin(), hint.end(), buffer);
    buffer[hint.size()] = '\0';
}

}  // namespace

extern "C" {

unsigned long STATS_API setVersion(Text) noexcept {
    g_module.AnnounceVersion();
    return 0;
}

int STATS_API GetNumberOfSets() noexcept { return 1; }

int STATS_API GetExchgCount0(Text, Text, Text) noexcept { return GetNumberOfSets(); }

Text STATS_API GetSetName(int) noexcept { return "CQ WW 160M CW/SSB (C)"; }

void STATS_API SetupSet0() noexcept {
    try {
        ShowMessageBox("No additional setup for this contest", nullptr);
    } catch (...) {
    }
}

int STATS_API CheckCall0(Text call, unsigned, unsigned, Text mode, Text, Text, Text, Text, Text,
                         Text, Text, Text, Text, Text countryPrefix, int zone, int, int, double,
                         double, Text, Text continent, Text, Text, Text, Text band, Text band2,
                         char* exchangeHint, char*) noexcept {
    try {
        std::string hint;
        bool hintSet = false;
        const int verdict = g_module.Check(
            CallArgs(call, mode, countryPrefix, zone, continent, band, band2), &hint, &hintSet);
        if (hintSet) CopyHint(hint, exchangeHint);
        return verdict;
    } catch (...) {
        return kNotNewMultiplier;
    }
}

int STATS_API IsValidExchg0(Text exchange, Text, Text countryPrefix, Text, int, int,
                            int exchangeIndex) noexcept {
    try {
        return IsValidExchange(TextArg(exchange), TextArg(countryPrefix), exchangeIndex);
    } catch (...) {
        return 0;
    }
}

int STATS_API AddData0(Text ownCall, Text call, COleDateTime* time, COleDateTime*, COleDateTime*,
                       COleDateTime*, unsigned, unsigned freqHz, Text mode, Text rstSent,
                       Text rstRcvd, Text exchSent, Text exchRcvd, Text, Text, Text, Text, Text,
                       Text, Text, Text, Text detailedPrefix, Text countryPrefix, int, int, int,
                       double, double, Text, Text continent, Text, Text band, Text) noexcept {
    try {
        return g_module.Add(QsoArgs(ownCall, call, time, freqHz, mode, rstSent, rstRcvd,
                                    exchSent, exchRcvd, detailedPrefix, countryPrefix, continent,
                                    band));
    } catch (...) {
        return 0;
    }
}

int STATS_API RemoveData0(Text ownCall, Text call, COleDateTime* time, COleDateTime*,
                          COleDateTime*, COleDateTime*, unsigned, unsigned freqHz, Text mode,
                          Text rstSent, Text rstRcvd, Text exchSent, Text exchRcvd, Text, Text,
                          Text, Text, Text, Text, Text, Text, Text detailedPrefix,
                          Text countryPrefix, int, int, int, double, double, Text,
                          Text continent, Text, Text band, Text) noexcept {
    try {
        g_module.Remove(QsoArgs(ownCall, call, time, freqHz, mode, rstSent, rstRcvd, exchSent,
                                exchRcvd, detailedPrefix, countryPrefix, continent, band));
    } catch (...) {
    }
    return 1;
}

int STATS_API ResetStats0(Text hostPathPrefix, int reportRequest, Text ownCall,
                          COleDateTime* periodStart, COleDateTime* periodEnd, Text, Text, Text,
                          Text, Text, Text, Text, Text, Text, Text ownCountry, int, int, int,
                          double, double, Text, Text ownContinent, Text) noexcept {
    try {
        ResetArgs args;
        args.pathPrefix = TextArg(hostPathPrefix);
        args.reportMode = reportRequest;
        args.ownCall = TextArg(ownCall);
        args.periodStart = DateArg(periodStart);
        args.periodEnd = DateArg(periodEnd);
        args.ownCountry = TextArg(ownCountry);
        args.ownContinent = TextArg(ownContinent);
        g_module.Reset(args);
    } catch (...) {
    }
    return 1;
}

Text STATS_API GetResult0(int* out) noexcept {
    if (out) *out = -1;
    try {
        g_module.Results();
    } catch (...) {
    }
    if (out) *out = -1;
    return g_module.ResultText().c_str();
}

}  // extern "C"
