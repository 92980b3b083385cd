#include "tools/cq160/contest/contest_run.h"

#include <algorithm>
#include <ctime>

#include "tools/cq160/contest/contest_period.h"
#include "tools/cq160/contest/score_check.h"
#include "tools/cq160/logs/file_util.h"

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

std::string NoSentExchangeWarning(const CallLocation& own) {
    std::string exchange = "your CQ zone";
    if (SendsStateOrProvince(own)) {
        exchange = "your state or province";
    } else if (own.found && own.cqZone > 0) {
        exchange = "your CQ zone (the country file gives " + std::to_string(own.cqZone) +
                   " for " + (own.entityName.empty() ? own.countryPrefix : own.entityName) + ")";
    }
    return "no QSO of this ADIF log gives the exchange sent (STX_STRING, STX, MY_STATE or "
           "MY_CQ_ZONE), and the module refuses a QSO without one as a missing exchange: "
           "give --sent with " + exchange;
}

std::string ChooseExchange(const std::string& logged, const std::string& stateProv,
                           const std::string& zone, const CallLocation& where) {
    if (!logged.empty()) return logged;
    return SendsStateOrProvince(where) ? stateProv : zone;
}

int TodayOleDay() {
    return static_cast<int>(std::time(nullptr) / 86400 + 25569);  // 25569: 1970-01-01
}

std::string DefaultCountryFile() {
    const std::string beside = JoinPath(ExecutableFolder(), "cty.dat");
    return FileExists(beside) ? beside : kDebianCountryFile;
}

bool PrepareContestRun(const Options& o, ContestRun* run, std::string* error) {
    if (!ReadContestLog(o.log, &run->log, error)) return false;
    const std::string ctyPath = o.cty.empty() ? DefaultCountryFile() : o.cty;
    run->ctyPath = o.ctyShown.empty() ? ctyPath : o.ctyShown;
    if (!run->cty.Load(ctyPath, error)) {
        if (o.cty.empty()) *error += " (install hamradio-files, or give --cty)";
        return false;
    }
    ContestLog& log = run->log;
    if (log.qsos.empty() && log.unreadable.empty()) {
        *error = o.log + " is not a contest log: it has no QSO lines";
        return false;
    }
    OwnStation& own = run->own;
    own.call = !o.call.empty() ? o.call : log.callsign;
    if (own.call.empty() && !log.qsos.empty()) own.call = log.qsos[0].ownCall;
    if (own.call.empty()) {
        *error = "the log does not say whose it is (no CALLSIGN): give --call";
        return false;
    }
    if (log.qsos.empty()) {
        *error = "none of the " + std::to_string(log.unreadable.size()) + " QSO lines of " +
                 o.log + " could be read, for instance line " +
                 std::to_string(log.unreadable[0].line) + " (" + log.unreadable[0].reason + ")";
        return false;
    }
    own.where = ResolveCall(run->cty, own.call);
    run->cwWeekend = Weekend(o, log) == 1;
    run->period = PeriodOfLog(log.qsos, run->cwWeekend);
    run->where.clear();
    bool sentLogged = false;
    for (LogQso& q : log.qsos) {
        run->where.push_back(ResolveCall(run->cty, q.call));
        q.exchRcvd = ChooseExchange(q.exchRcvd, q.rcvdStateProv, q.rcvdZone, run->where.back());
        q.exchSent = ChooseExchange(q.exchSent, q.sentStateProv, q.sentZone, own.where);
        sentLogged = sentLogged || !q.exchSent.empty();
        if (q.exchSent.empty()) q.exchSent = o.sent;
    }
    WarningContext context;
    context.cwWeekend = run->cwWeekend;
    context.period = run->period;
    context.todayOleDay = o.todayYear ? static_cast<int>(OleDayNumber(o.todayYear, o.todayMonth,
                                                                      o.todayDay))
                                      : TodayOleDay();
    context.callGiven = !o.call.empty();
    run->warnings = CheckLog(log, context);

    const auto choice = o.header.find("CATEGORY-OPERATOR");
    run->operating = ComputeOperatingTime(
        log.qsos, run->period,
        choice != o.header.end() ? choice->second : LoggedOperatorCategory(log));
    const OperatingTime& op = run->operating;
    if (op.firstPast >= 0) {
        const LogQso& past = log.qsos[op.firstPast];
        const int limit = op.limitMinutes / 60;
        run->warnings.push_back(
            {past.line, "the operating time is " + HoursAndMinutes(op.minutes) +
                                     ", over the " + std::to_string(limit) + " hours a " +
                                     op.category + " station may operate; the first QSO past " +
                                     std::to_string(limit) + " hours is " + past.call +
                                     " at " + LogTimeText(past.time)});
    }

    // The country file's date: its version entry, else when it was written.
    std::string date = run->cty.VersionDate();
    run->ctyDate = date.empty() ? std::string() : "version " + date;
    if (date.empty()) {
        date = FileModifiedDate(ctyPath);
        if (!date.empty()) run->ctyDate = "file date " + date;
    }
    UtcTime fileDay;
    constexpr double kYear = 365;
    if (ParseDateText(date, &fileDay) && IsValidUtcTime(fileDay) &&
        run->period.start > OleDays(fileDay) + kYear) {
        run->warnings.push_back(
            {0, "the country file is of " + date + ", more than a year before this contest (" +
                    FormatUtc(run->period.start).substr(0, 10) +
                    "): calls issued since may be placed in the wrong country; give --cty "
                    "with a newer cty.dat"});
    }
    // Many general loggers keep no sent exchange in their ADIF records.
    if (log.format == "ADIF" && !sentLogged && o.sent.empty())
        run->warnings.push_back({0, NoSentExchangeWarning(own.where)});
    std::stable_sort(run->warnings.begin(), run->warnings.end(),
                     [](const LogWarning& a, const LogWarning& b) { return a.line < b.line; });
    return true;
}
