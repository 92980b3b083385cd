#include "interface/call_check.h"

#include "scoring/contest_rules.h"
#include "scoring/text_util.h"

namespace {

bool IsDupe(const CallEntry& e, const LogStore& log) { return log.HasCallOnBand(e.call, e.band); }

// A ship is never a multiplier, and needs no country to be judged: even
// when the host resolved none, a repeat is a dupe. It sends a CQ zone; the
// host's zone comes from the call's home part, so it is only a guess.
int CheckMaritimeMobile(const CallEntry& e, const LogStore& log, std::string* hint,
                        bool* hintSet) {
    if (IsDupe(e, log)) return kDupeCall;
    if (e.zone > 0) {
        *hint = std::to_string(e.zone) + "?";
        *hintSet = true;
    }
    return kNotNewMultiplier;
}

}  // namespace

int CheckCall(const CallEntry& e, const LogStore& log, const std::string& hostVersion,
              int cwContest, std::string* hint, bool* hintSet) {
    *hintSet = false;
    // Hosts 2.19 and 2.20 do their own band and mode checks.
    if (hostVersion != "2.19" && hostVersion != "2.20") {
        if (!e.band.empty() && !e.band2.empty() && !EqualsNoCase(e.band, e.band2)) return kRefused;
        if (!BandRules().contains(e.band)) return kRefused;
        if (e.mode != (cwContest ? "CW" : "SSB")) return kRefused;
    }
    if (IsMaritimeMobile(e.call)) return CheckMaritimeMobile(e, log, hint, hintSet);
    if (e.countryPrefix.empty()) return kNotNewMultiplier;
    if (IsDupe(e, log)) return kDupeCall;
    const int verdict =
        log.HasCountryOnBand(e.band, e.countryPrefix) ? kNotNewMultiplier : kNewMultiplier;
    // W and VE stations send a state or province; VK, UA9 and BY span
    // several CQ zones, so the host's zone is only a guess there.
    if (e.countryPrefix == "VE" || e.countryPrefix == "K") {
        hint->clear();
    } else if (e.countryPrefix == "VK" || e.countryPrefix == "UA9" || e.countryPrefix == "BY") {
        *hint = std::to_string(e.zone) + "?";
    } else {
        *hint = std::to_string(e.zone);
    }
    *hintSet = true;
    return verdict;
}

namespace {
bool IsDigit(char c) { return c >= '0' && c <= '9'; }
}  // namespace

int IsValidExchange(const std::string& x, const std::string& country, int exchangeIndex) {
    if (exchangeIndex != 0) return 0;
    if (x.size() == 2) {
        return IsDigit(x[0]) && IsDigit(x[1]) && (x[0] - '0') * 10 + (x[1] - '0') <= 40;
    }
    if (x.size() == 1 && IsDigit(x[0])) {
        const int n = x[0] - '0';
        if (country == "VE") return n >= 1 && n <= 5;
        if (country == "K") return n >= 3 && n <= 5;
    }
    return 0;
}
