#include "tools/cq160/host/replay.h"

#include <cstring>

#include "tools/driver/export_calls.h"

std::string VerdictText(int verdict) {
    switch (verdict) {
        case kVerdictDupe: return "dupe";
        case kVerdictNoNewMultiplier: return "not a new multiplier";
        case kVerdictNewMultiplier: return "new multiplier";
        case kVerdictRefused: return "refused (wrong band or mode)";
        default: return "verdict " + std::to_string(verdict);
    }
}

void Replay::Reset(int reportRequest, const OwnStation& own, const ContestPeriod& period) {
    ownCall_ = own.call;
    // The own station's country as its QSOs are stored: an own station in
    // Sicily scores mainland Italy as another country, as it scores Sicily
    // as its own.
    const std::string country = ModuleCountry(own.where);
    driver::Reset r;
    r.reportRequest = reportRequest;
    r.ownCall = own.call.c_str();
    r.periodStart = COleDateTime(period.start);
    r.periodEnd = COleDateTime(period.end);
    r.ownCountry = country.c_str();
    r.ownContinent = own.where.continent.c_str();
    driver::CallReset(api_.resetStats, r);
}

int Replay::Add(const LogQso& q, const CallLocation& where) {
    driver::Qso qso;
    qso.ownCall = ownCall_.c_str();
    qso.call = q.call.c_str();
    qso.time = COleDateTime(OleDays(q.time));
    qso.freqHz = q.freqHz;
    qso.mode = q.mode.c_str();
    qso.rstSent = q.rstSent.c_str();
    qso.rstRcvd = q.rstRcvd.c_str();
    qso.exchSent = q.exchSent.c_str();
    qso.exchRcvd = q.exchRcvd.c_str();
    qso.detailedPrefix = where.detailedPrefix.c_str();
    qso.countryPrefix = where.countryPrefix.c_str();
    qso.continent = where.continent.c_str();
    qso.band = q.band.c_str();
    return driver::CallQso(api_.addData, qso);
}

int Replay::Check(const std::string& call, const std::string& mode, const CallLocation& where,
                  int zone, const std::string& band, std::string* hint) {
    char buffer[100];
    std::memset(buffer, 0, sizeof buffer);
    // CheckCall0 gets one country only, and judges a new multiplier by
    // comparing it with the country each logged QSO is stored under. The
    // module stores the entities it counts on their own (Sicily, Shetland,
    // ...) under the detailed prefix that AddData0 was given, so the same
    // country must come here: with the plain country prefix ("I" for a
    // Sicily call) a Sicily QSO would never match a Sicily call and a
    // mainland Italy QSO always would.
    const std::string country = ModuleCountry(where);
    driver::TypedCall typed;
    typed.call = call.c_str();
    typed.mode = mode.c_str();
    typed.countryPrefix = country.c_str();
    typed.zone = zone;
    typed.continent = where.continent.c_str();
    typed.band = band.c_str();
    typed.band2 = band.c_str();
    const int verdict = driver::CallCheck(api_.checkCall, typed, buffer);
    buffer[sizeof buffer - 1] = '\0';
    *hint = buffer;
    return verdict;
}

std::string Replay::Results() {
    int out = 0;
    const char* text = api_.getResult(&out);
    return text ? std::string(text) : std::string();
}
