#include "tools/cq160/contest_run.h"

#include <algorithm>

#include "tools/cq160/file_util.h"

namespace {

const char kDebianCountryFile[] = "/usr/share/hamradio-files/cty.dat";

// 1 for the CW weekend, 0 for SSB.
int Weekend(const Options& o, const ContestLog& log) {
    if (o.cwWeekend >= 0) return o.cwWeekend;
    const int tagged = ContestModeFromTag(log.contest);
    if (tagged >= 0) return tagged;
    int cw = 0, ssb = 0;
    for (const LogQso& q : log.qsos) {
        cw += q.mode == "CW";
        ssb += q.mode == "SSB";
    }
    return ssb > cw ? 0 : 1;
}

}  // namespace

std::string DefaultCountryFile() {
    const std::string beside = JoinPath(ExecutableFolder(), "cty.dat");
    return FileExists(beside) ? beside : kDebianCountryFile;
}

bool PrepareContestRun(const Options& o, ContestRun* run, std::string* error) {
    if (!ReadContestLog(o.log, &run->log, error)) return false;
    const std::string ctyPath = o.cty.empty() ? DefaultCountryFile() : o.cty;
    if (!run->cty.Load(ctyPath, error)) {
        if (o.cty.empty()) *error += " (install hamradio-files, or give --cty)";
        return false;
    }
    const ContestLog& log = run->log;
    OwnStation& own = run->own;
    own.call = !o.call.empty() ? o.call : log.callsign;
    if (own.call.empty() && !log.qsos.empty()) own.call = log.qsos[0].ownCall;
    if (own.call.empty()) {
        *error = "the log names no own call: give --call";
        return false;
    }
    if (log.qsos.empty()) {
        *error = "the log " + o.log + " has no QSO that could be read";
        return false;
    }
    own.where = ResolveCall(run->cty, own.call);
    run->cwWeekend = Weekend(o, log) == 1;
    double first = OleDays(log.qsos[0].time);
    for (const LogQso& q : log.qsos) first = std::min(first, OleDays(q.time));
    run->period = WeekendOf(first);
    run->where.clear();
    for (const LogQso& q : log.qsos) run->where.push_back(ResolveCall(run->cty, q.call));
    return true;
}
