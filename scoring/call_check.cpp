#include "scoring/call_check.h"

#include "platform/text_util.h"
#include "scoring/contest_rules.h"

namespace {

bool IsDupe(const CallEntry& e, const LogStore& log) { return log.HasCallOnBand(e.call, e.band); }

// A ship is never a multiplier, and needs no country to be judged: even
// when the host resolved none, a repeat is a dupe.
int CheckMaritimeMobile(const CallEntry& e, const LogStore& log, std::string* hint,
                        bool* hintSet) {
    if (IsDupe(e, log)) return kDupeCall;
    std::string guess = MaritimeMobileZoneHint(e.zone);
    if (!guess.empty()) {
        *hint = std::move(guess);
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
        if (e.mode != WeekendMode(cwContest)) return kRefused;
    }
    if (IsMaritimeMobile(e.call)) return CheckMaritimeMobile(e, log, hint, hintSet);
    if (e.countryPrefix.empty()) return kNotNewMultiplier;
    if (IsDupe(e, log)) return kDupeCall;
    const int verdict =
        log.HasCountryOnBand(e.band, e.countryPrefix) ? kNotNewMultiplier : kNewMultiplier;
    *hint = ZoneHint(e.countryPrefix, e.zone);
    *hintSet = true;
    return verdict;
}

int IsValidExchange(const std::string& x, const std::string& country, int exchangeIndex) {
    if (exchangeIndex != 0) return 0;
    return IsValidTypedExchange(x, country);
}
