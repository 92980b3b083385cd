#include "tools/cq160/crosscheck/weekend_check.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <map>
#include <unordered_map>

#include "tools/cq160/contest/contest_period.h"
#include "tools/cq160/contest/contest_run.h"
#include "tools/cq160/contest/log_warnings.h"
#include "tools/cq160/host/host_folder.h"
#include "tools/cq160/host/module_place.h"
#include "tools/cq160/host/replay.h"
#include "tools/cq160/host/replay_log.h"
#include "tools/cq160/logs/file_util.h"
#include "tools/cq160/logs/log_text.h"
#include "tools/cq160/output/results_text.h"

bool Removed(Verdict v) {
    return v == Verdict::kNotInLog || v == Verdict::kBustedCall || v == Verdict::kBustedExchange;
}

bool Penalised(Verdict v) { return v == Verdict::kNotInLog || v == Verdict::kBustedCall; }

int CheckedLog::Lines() const {
    return static_cast<int>(match.qsos.size() + unreadable.size());
}

double CheckedLog::ErrorRate() const {
    const int checked = static_cast<int>(match.qsos.size()) - Count(Verdict::kDupe) -
                        (Count(Verdict::kRefused) - static_cast<int>(unreadable.size()));
    if (checked <= 0) return 0.0;
    const int errors = Count(Verdict::kNotInLog) + Count(Verdict::kBustedCall) +
                       Count(Verdict::kBustedExchange);
    return 100.0 * errors / checked;
}

std::string MinuteText(std::int64_t minute) {
    const std::int64_t day = minute / 1440;
    UtcTime t = UtcFromOle(static_cast<double>(day));
    t.hour = static_cast<int>(minute % 1440 / 60);
    t.minute = static_cast<int>(minute % 60);
    return LogTimeText(t);
}

namespace {

// Where each call is, resolved once per call for the whole weekend.
class LocationCache {
public:
    explicit LocationCache(const CountryFile& cty) : cty_(cty) {}
    const CallLocation& Of(const std::string& call) {
        auto it = known_.find(call);
        if (it == known_.end()) it = known_.emplace(call, ResolveCall(cty_, call)).first;
        return it->second;
    }

private:
    const CountryFile& cty_;
    std::unordered_map<std::string, CallLocation> known_;
};

// A log read as `score` reads it (contest_run.h), with the country file
// the weekend shares and each call resolved once (run->where is left
// empty: LocationCache::Of() stands for it). *otherContest is set for a CONTEST tag of another
// contest.
bool ReadRun(const std::string& path, const WeekendCheckRequest& r, LocationCache* cache,
             ContestRun* run, bool* otherContest, std::string* error) {
    if (!ReadContestLog(path, &run->log, error)) return false;
    ContestLog& log = run->log;
    if (log.qsos.empty()) {
        *error = log.unreadable.empty() ? "no QSO lines" : "none of its QSO lines can be read";
        return false;
    }
    run->own.call = !log.callsign.empty() ? log.callsign : log.qsos[0].ownCall;
    if (run->own.call.empty()) {
        *error = "no CALLSIGN";
        return false;
    }
    run->own.call = UpperAscii(run->own.call);
    run->own.where = cache->Of(run->own.call);
    const int tagged = CqWw160TagMode(log.contest);
    *otherContest = !log.contest.empty() && tagged < 0;
    int cw = r.cwWeekend;
    if (cw < 0) cw = tagged;
    if (cw < 0) {
        int cwQsos = 0, ssbQsos = 0;
        for (const LogQso& q : log.qsos) {
            cwQsos += q.mode == "CW";
            ssbQsos += q.mode == "SSB";
        }
        cw = ssbQsos > cwQsos ? 0 : 1;
    }
    run->cwWeekend = cw == 1;
    run->period = PeriodOfLog(log.qsos, run->cwWeekend);
    // run->where stays empty: the cache holds each call's location once.
    for (LogQso& q : log.qsos) {
        q.exchRcvd = ChooseExchange(q.exchRcvd, q.rcvdStateProv, q.rcvdZone, cache->Of(q.call));
        q.exchSent = ChooseExchange(q.exchSent, q.sentStateProv, q.sentZone, run->own.where);
        if (q.exchSent.empty()) q.exchSent = r.sent;
    }
    return true;
}

// The lines the module's bad-QSO report gained since the last look; the
// report only grows during a replay, so only the new bytes are read.
class ReportTail {
public:
    explicit ReportTail(std::string path) : path_(std::move(path)) { known_ = Size(); }
    std::vector<std::string> NewLines() {
        const std::uintmax_t size = Size();
        if (size <= known_) return {};
        std::ifstream in(path_, std::ios::binary);
        in.seekg(static_cast<std::streamoff>(known_));
        std::string text(static_cast<std::size_t>(size - known_), '\0');
        in.read(&text[0], static_cast<std::streamsize>(text.size()));
        text.resize(static_cast<std::size_t>(in.gcount()));
        known_ += text.size();
        std::vector<std::string> lines = SplitLines(text);
        if (!lines.empty() && lines.back().empty()) lines.pop_back();
        return lines;
    }

private:
    std::uintmax_t Size() const {
        std::error_code ec;
        const std::uintmax_t size = std::filesystem::file_size(path_, ec);
        return ec ? 0 : size;
    }
    std::string path_;
    std::uintmax_t known_ = 0;
};

std::uint8_t Intern(std::vector<std::string>* names, const std::string& name) {
    for (std::size_t i = 0; i < names->size(); ++i)
        if ((*names)[i] == name) return static_cast<std::uint8_t>(i);
    if (names->size() == 255) return 255;  // a log of nonsense modes: all as one
    names->push_back(name);
    return static_cast<std::uint8_t>(names->size() - 1);
}

std::int64_t LogMinute(const UtcTime& t) {
    return static_cast<std::int64_t>(OleDayNumber(t.year, t.month, t.day)) * 1440 + t.hour * 60 +
           t.minute;
}

class Checker {
public:
    Checker(const WeekendCheckRequest& r, const ModuleApi& api, const CountryFile& cty,
            WeekendCheck* check)
        : r_(r), api_(api), cache_(cty), check_(check) {}

    bool Run(std::string* error) {
        if (!PrepareModule(r_.cwWeekend != 0, error) || !EnterFolder(r_.moduleFolder, error))
            return false;
        std::vector<std::pair<CheckedLog, std::pair<bool, double>>> read;  // log, its weekend
        for (std::size_t i = 0; i < r_.paths.size(); ++i) {
            CheckedLog log;
            bool cw = true;
            double start = 0;
            std::string failed;
            if (!ReadAsLogged(i, &log, &cw, &start, &failed)) {
                if (failed.empty()) continue;  // left out
                *error = failed;               // the module's folder failed
                return false;
            }
            read.push_back({std::move(log), {cw, start}});
        }
        ChooseWeekend(&read);
        if (check_->logs.empty()) {
            *error = "no log to check";
            return false;
        }
        std::vector<MatchLog> match;
        for (CheckedLog& log : check_->logs) match.push_back(std::move(log.match));
        MatchResult result = CrossCheckLogs(match, r_.windowMinutes);
        for (std::size_t l = 0; l < check_->logs.size(); ++l) {
            CheckedLog& log = check_->logs[l];
            log.match = std::move(match[l]);
            log.verdicts = std::move(result.verdicts[l]);
            log.clockOffset = result.clockOffset[l];
            log.clockSamples = result.clockSamples[l];
            for (const QsoVerdict& v : log.verdicts) ++log.count[static_cast<int>(v.verdict)];
            log.count[static_cast<int>(Verdict::kRefused)] += static_cast<int>(log.unreadable.size());
            if (!ScoreChecked(&log, error)) return false;
        }
        return true;
    }

private:
    // The settings as the host's folder has them before each reset: the
    // weekend, and the start toggle that keeps the module's windows shut
    // (a reset may change both, as the operator's contest window would).
    bool PrepareModule(bool cw, std::string* error) {
        return PrepareHostFolder(r_.moduleFolder, cw, std::string("cq160 ") + kCq160Version,
                                 error);
    }

    // Reads log i and replays it through the module as logged. False with
    // *error empty when the log is left out, with *error set when the
    // module's folder failed.
    bool ReadAsLogged(std::size_t i, CheckedLog* log, bool* cw, double* start,
                      std::string* error) {
        ContestRun run;
        bool otherContest = false;
        std::string why;
        if (!ReadRun(r_.paths[i], r_, &cache_, &run, &otherContest, &why)) {
            // The reader names the file by the path it was given; the
            // reports name it as the folder lists it.
            for (std::size_t at = why.find(r_.paths[i]); at != std::string::npos;
                 at = why.find(r_.paths[i], at + r_.shown[i].size()))
                why.replace(at, r_.paths[i].size(), r_.shown[i]);
            check_->leftOut.push_back({r_.shown[i], "cannot be read: " + why});
            return false;
        }
        if (otherContest) {
            check_->leftOut.push_back(
                {r_.shown[i], "a log of another contest (CONTEST " + run.log.contest + ")"});
            return false;
        }
        if (!PrepareModule(run.cwWeekend, error)) return false;
        log->path = r_.paths[i];
        log->shown = r_.shown[i];
        log->call = run.own.call;
        log->match.call = run.own.call;
        log->hasClaimed = ParseClaimedScore(run.log.claimedScore, &log->claimed);
        for (const UnreadableLine& u : run.log.unreadable) log->unreadable.push_back({u.line, u.reason});
        *cw = run.cwWeekend;
        *start = run.period.start;

        Replay replay(api_);
        replay.Reset(0, run.own, run.period);
        ReportTail report(BadQsoReportName(run.period));
        log->match.qsos.reserve(run.log.qsos.size());
        log->refusedWhy.resize(run.log.qsos.size());
        for (std::size_t q = 0; q < run.log.qsos.size(); ++q) {
            const LogQso& in = run.log.qsos[q];
            MatchQso m;
            m.line = in.line;
            m.call = in.call;
            m.exchSent = in.exchSent;
            m.exchRcvd = in.exchRcvd;
            m.minute = LogMinute(in.time);
            m.band = Intern(&check_->bandNames, in.band);
            m.mode = Intern(&check_->modeNames, in.mode);
            m.refused = replay.Add(in, cache_.Of(in.call)) != 1;
            std::string why;
            for (const std::string& line : report.NewLines()) {
                const std::string words = ProblemInWords(line);
                if (words == "dupe") m.dupe = true;
                if (why.find(words) == std::string::npos) why += (why.empty() ? "" : ", ") + words;
            }
            if (m.refused) log->refusedWhy[q] = why.empty() ? "refused" : why;
            log->match.qsos.push_back(std::move(m));
        }
        long long score = 0;
        log->hasModuleScore = ScoreInResults(replay.Results(), &score);
        log->moduleScore = score;
        return true;
    }

    // The weekend most logs are of (or the one asked for); the others are
    // left out, and of two logs of one call the later.
    void ChooseWeekend(std::vector<std::pair<CheckedLog, std::pair<bool, double>>>* read) {
        std::map<std::pair<bool, double>, int> votes;
        for (const auto& entry : *read) ++votes[entry.second];
        std::pair<bool, double> best{r_.cwWeekend != 0, 0};
        int most = -1;
        for (const auto& vote : votes) {
            if (vote.second > most) {
                best = vote.first;
                most = vote.second;
            }
        }
        check_->cwWeekend = best.first;
        check_->period = ContestWeekend(UtcFromOle(best.second + 1).year, best.first);
        const std::string name = std::string(best.first ? "CW" : "SSB") + " weekend of " +
                                 std::to_string(UtcFromOle(best.second + 1).year);
        std::unordered_map<std::string, std::size_t> lastOfCall;
        for (std::size_t i = 0; i < read->size(); ++i)
            if ((*read)[i].second == best) lastOfCall[(*read)[i].first.call] = i;
        for (std::size_t i = 0; i < read->size(); ++i) {
            CheckedLog& log = (*read)[i].first;
            const auto& weekend = (*read)[i].second;
            if (weekend != best) {
                check_->leftOut.push_back(
                    {log.shown, "of the " + std::string(weekend.first ? "CW" : "SSB") +
                                    " weekend of " +
                                    std::to_string(UtcFromOle(weekend.second + 1).year) +
                                    "; the check is of the " + name});
            } else if (lastOfCall[log.call] != i) {
                check_->leftOut.push_back(
                    {log.shown, "another log of " + log.call + ": " +
                                    (*read)[lastOfCall[log.call]].first.shown +
                                    ", the later one, is used"});
            } else {
                check_->logs.push_back(std::move(log));
            }
        }
    }

    // One more replay of the log without the removed QSOs, and for
    // --penalty one of the penalised ones alone (their points).
    bool ScoreChecked(CheckedLog* log, std::string* error) {
        bool removes = false, penalises = false;
        for (const QsoVerdict& v : log->verdicts) {
            removes |= Removed(v.verdict);
            penalises |= Penalised(v.verdict);
        }
        if (!removes) {
            log->hasCheckedScore = log->hasModuleScore;
            log->checkedScore = log->moduleScore;
            return true;
        }
        ContestRun run;
        bool otherContest = false;
        std::string why;
        if (!ReadRun(log->path, r_, &cache_, &run, &otherContest, &why) ||
            run.log.qsos.size() != log->verdicts.size()) {
            *error = log->shown + " changed while it was checked";
            return false;
        }
        const auto replayOf = [&](bool (*take)(Verdict), std::string* results) {
            std::string failed;
            if (!PrepareModule(run.cwWeekend, &failed)) return;  // no results, no score
            Replay replay(api_);
            replay.Reset(0, run.own, run.period);
            for (std::size_t q = 0; q < run.log.qsos.size(); ++q)
                if (take(log->verdicts[q].verdict))
                    replay.Add(run.log.qsos[q], cache_.Of(run.log.qsos[q].call));
            *results = replay.Results();
        };
        std::string kept;
        replayOf([](Verdict v) { return !Removed(v); }, &kept);
        long long score = 0;
        log->hasCheckedScore = ScoreInResults(kept, &score);
        log->checkedScore = score;
        if (r_.penalty > 0 && penalises) {
            std::string lost;
            replayOf(Penalised, &lost);
            ResultTotals lostTotals, keptTotals;
            if (TotalsInResults(lost, &lostTotals) && TotalsInResults(kept, &keptTotals)) {
                log->penaltyPoints = r_.penalty * lostTotals.points;
                const long long points = std::max(0LL, keptTotals.points - log->penaltyPoints);
                log->checkedScore = points * (keptTotals.countries + keptTotals.statesProvinces);
            } else {
                log->hasCheckedScore = false;
            }
        }
        return true;
    }

    const WeekendCheckRequest& r_;
    const ModuleApi& api_;
    LocationCache cache_;
    WeekendCheck* check_;
};

}  // namespace

bool CheckWeekend(const WeekendCheckRequest& request, const ModuleApi& api, WeekendCheck* check,
                  std::string* error) {
    CountryFile cty;
    if (!cty.Load(request.cty, error)) return false;
    Checker checker(request, api, cty, check);
    return checker.Run(error);
}
