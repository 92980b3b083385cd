#include "tools/cq160/replay.h"

#include <cstring>

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
    COleDateTime start(period.start), end(period.end);
    // The own station's country as its QSOs are stored: an own station in
    // Sicily scores mainland Italy as another country, as it scores Sicily
    // as its own.
    const std::string country = ModuleCountry(own.where);
    api_.resetStats("", reportRequest, own.call.c_str(), &start, &end, "", "", "", "", "", "", "",
                    "", "", country.c_str(), 0, 0, 0, 0.0, 0.0, "",
                    own.where.continent.c_str(), "");
}

int Replay::Add(const LogQso& q, const CallLocation& where) {
    COleDateTime time(OleDays(q.time));
    COleDateTime unused(0.0);
    return api_.addData(ownCall_.c_str(), q.call.c_str(), &time, &unused, &unused, &unused, 0u,
                        q.freqHz, q.mode.c_str(), q.rstSent.c_str(), q.rstRcvd.c_str(),
                        q.exchSent.c_str(), q.exchRcvd.c_str(), "", "", "", "", "", "", "", "",
                        where.detailedPrefix.c_str(), where.countryPrefix.c_str(), 0, 0, 0, 0.0,
                        0.0, "", where.continent.c_str(), "", q.band.c_str(), "");
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
    const int verdict = api_.checkCall(call.c_str(), 0u, 0u, mode.c_str(), "", "", "", "", "", "",
                                       "", "", "", country.c_str(), zone, 0, 0, 0.0,
                                       0.0, "", where.continent.c_str(), "", "", "", band.c_str(),
                                       band.c_str(), buffer, nullptr);
    buffer[sizeof buffer - 1] = '\0';
    *hint = buffer;
    return verdict;
}

std::string Replay::Results() {
    int out = 0;
    const char* text = api_.getResult(&out);
    return text ? std::string(text) : std::string();
}
