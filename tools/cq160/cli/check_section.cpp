#include "tools/cq160/cli/check_section.h"

#include <algorithm>
#include <cstdio>
#include <set>

#include "tools/cq160/contest/band_plan.h"
#include "tools/cq160/contest/score_check.h"
#include "tools/cq160/logs/log_text.h"
#include "tools/cq160/output/run_report.h"

namespace {

// The states and provinces of the QSOs that score, by the contest's
// abbreviations (an "NL" counts as "NF" or "LB", as in the module).
std::set<std::string> WorkedStatesProvinces(const ContestRun& run, const ReplayOutcome& outcome) {
    std::set<std::string> worked;
    for (std::size_t i = 0; i < outcome.qsos.size(); ++i) {
        const LogQso& q = run.log.qsos[i];
        if (outcome.qsos[i].Counts() &&
            SendsStateOrProvince(ScoringLocation(run.where[i], q.call, q.exchRcvd)))
            worked.insert(StateOrProvince(q.exchRcvd, q.call));
    }
    return worked;
}

// The countries of the QSOs that score, as the module stores them.
std::set<std::string> WorkedCountries(const ContestRun& run, const ReplayOutcome& outcome) {
    std::set<std::string> worked;
    for (std::size_t i = 0; i < outcome.qsos.size(); ++i) {
        const LogQso& q = run.log.qsos[i];
        if (outcome.qsos[i].Counts())
            worked.insert(ModuleCountry(ScoringLocation(run.where[i], q.call, q.exchRcvd)));
    }
    return worked;
}

}  // namespace

// cq160 check: the verdict on a call as the operator types it.
std::string CheckSection(const Options& o, const ContestRun& run, const ReplayOutcome& outcome,
                         Replay* replay, const ModuleApi& api) {
    const CallLocation at = ResolveCall(run.cty, o.checkCall);
    const int zone = o.zone > 0 ? o.zone : at.cqZone;
    const std::string band = BandOfKHz(o.freqHz / 1000.0);
    const std::string mode = !o.checkMode.empty() ? o.checkMode : run.cwWeekend ? "CW" : "SSB";
    std::string hint;
    const int verdict = replay->Check(o.checkCall, mode, at, zone, band, &hint);
    const bool stateProvStation = SendsStateOrProvince(at);
    std::string text = "\nCheck: " + o.checkCall + " on " + std::to_string(o.freqHz / 1000) +
                       " kHz (" + (band.empty() ? "no band" : band) + "), " + mode + "\n" +
                       "Country: " + DescribeLocation(at) + "\n";
    // The module's call check judges the call alone: for a US or Canadian
    // station, whose multiplier is its state or province, "new multiplier"
    // or not says nothing, and the exchange decides.
    if (stateProvStation &&
        (verdict == kVerdictNoNewMultiplier || verdict == kVerdictNewMultiplier)) {
        text += std::string("Verdict: not a dupe; a US or Canadian station's multiplier is its "
                            "state or province, which the call check does not know") +
                (o.exch.empty() ? " (give --exch)\n" : " (see the exchange below)\n");
    } else {
        text += "Verdict: " + VerdictText(verdict) + "\n";
    }
    text += "Zone hint: " + (hint.empty() ? std::string("none") : hint) + "\n";
    if (o.exch.empty()) return text;
    // Two judgements of the exchange: the module's typing check, which takes
    // what the host's exchange field takes (two-digit CQ zones, and the
    // call-area digits of US and Canadian stations), and the contest's.
    const int valid = api.isValidExchg(o.exch.c_str(), "", at.countryPrefix.c_str(), "", 0, 0, 0);
    text += "Exchange " + o.exch + ": the host's exchange field would " +
            (valid ? "" : "not ") +
            "take it as typed (it takes two-digit CQ zones and the call-area digits of "
            "US and Canadian stations)\n";
    const std::string typed = UpperAscii(TrimBlanks(o.exch));
    const CallLocation scoredAt = ScoringLocation(at, o.checkCall, o.exch);
    if (stateProvStation && !SendsStateOrProvince(scoredAt)) {
        // A US station in Alaska or Hawaii: a country, not a state.
        const std::string country = ModuleCountry(scoredAt);
        text += "Contest: " + typed + " is " + scoredAt.entityName + " (" + country +
                "), a country of this contest, not a state, " +
                (WorkedCountries(run, outcome).count(country) ? "already worked"
                                                             : "a new multiplier") +
                "\n";
    } else if (stateProvStation) {
        const std::string mult = StateOrProvince(typed, o.checkCall);
        const std::string named = mult == typed ? typed : typed + " (" + mult + ")";
        const std::string kind = at.countryPrefix == "VE" ? "province" : "state";
        if (mult.empty()) {
            text += "Contest: " + typed +
                    " is no state or province of this contest: the QSO would not count\n";
        } else if (WorkedStatesProvinces(run, outcome).count(mult)) {
            text += "Contest: " + named + " is a " + kind + " of this contest, already worked\n";
        } else {
            text += "Contest: " + named + " is a " + kind + " of this contest, a new multiplier\n";
        }
    } else if (IsDigits(typed) && typed.size() <= 2 && std::stoi(typed) >= 1 &&
               std::stoi(typed) <= 40) {
        const int sent = std::stoi(typed);
        text += "Contest: CQ zone " + std::to_string(sent) + ", not a multiplier";
        if (at.found) {
            text += std::string(" (the country file gives zone ") + std::to_string(at.cqZone) +
                    " for " + o.checkCall + (at.cqZone == sent ? ")" : "; ask again)");
        }
        text += "; the QSO counts\n";
    } else {
        text += "Contest: " + typed +
                " is no CQ zone (1 to 40); the module counts the QSO with any exchange logged\n";
    }
    return text;
}

// After the call check with the windows up: waits for the module's update
// (the windows then show the call and the band) and names the windows.
void ShowWindowsUpdate(WindowedHost& windows, int* status) {
    constexpr int kUpdateWaitMs = 10000;
    if (!windows.WaitForUpdate(kUpdateWaitMs)) {
        std::fprintf(stderr, "cq160: the module's windows did not ask for the call and the "
                             "frequency within 10 s\n");
        *status = std::max(*status, 1);
    }
    std::string list;
    for (const std::string& caption : windows.ShownWindows())
        list += (list.empty() ? "" : ", ") + ("\"" + caption + "\"");
    std::fprintf(stderr, "cq160: the module's windows: %s\n", list.empty() ? "none" : list.c_str());
}
