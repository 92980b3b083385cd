#include "tools/cq160/crosscheck/cross_match.h"

#include <algorithm>
#include <cstdlib>
#include <map>
#include <tuple>
#include <unordered_map>

#include "tools/cq160/contest/score_check.h"
#include "tools/cq160/crosscheck/one_edit.h"
#include "tools/cq160/logs/log_text.h"

const char* VerdictName(Verdict v) {
    switch (v) {
        case Verdict::kConfirmed: return "confirmed";
        case Verdict::kNotInLog: return "not-in-log";
        case Verdict::kBustedCall: return "busted-call";
        case Verdict::kBustedExchange: return "busted-exchange";
        case Verdict::kNoLog: return "no-log";
        case Verdict::kUnique: return "unique";
        case Verdict::kDupe: return "dupe";
        case Verdict::kRefused: return "refused";
    }
    return "?";
}

const char* VerdictWords(Verdict v) {
    switch (v) {
        case Verdict::kConfirmed: return "confirmed";
        case Verdict::kNotInLog: return "not in log";
        case Verdict::kBustedCall: return "busted call";
        case Verdict::kBustedExchange: return "busted exchange";
        case Verdict::kNoLog: return "no log";
        case Verdict::kUnique: return "unique";
        case Verdict::kDupe: return "dupe";
        case Verdict::kRefused: return "refused";
    }
    return "?";
}

bool SameExchange(const std::string& received, const std::string& sent, const std::string& call) {
    const std::string r = UpperAscii(TrimBlanks(received));
    const std::string s = UpperAscii(TrimBlanks(sent));
    if (r.empty() || s.empty()) return true;  // nothing to hold against it
    if (IsDigits(r) && IsDigits(s)) {
        const std::size_t rz = std::min(r.find_first_not_of('0'), r.size());
        const std::size_t sz = std::min(s.find_first_not_of('0'), s.size());
        return r.compare(rz, std::string::npos, s, sz, std::string::npos) == 0;
    }
    const std::string rs = StateOrProvince(r, call);
    const std::string ss = StateOrProvince(s, call);
    if (!rs.empty() && !ss.empty()) return rs == ss;
    return r == s;
}

namespace {

constexpr int kNone = -1;
// A log's clock is judged from at least this many QSOs, and only when
// three in four of them agree with their median to the minute: a clock
// that is off is off by the same for every QSO, while the QSOs of a log
// whose clock is right scatter a minute or two around nothing, with the
// odd miss further out.
constexpr int kMinClockSamples = 5;
// Up to this many QSOs a side, a pair's QSOs are paired nearest first.
constexpr std::size_t kSmallPairing = 8;
// The most QSOs in the window that the near-miss search looks at in one
// other log for one QSO.
constexpr std::size_t kNearMissLooks = 16;

class Checker {
public:
    Checker(const std::vector<MatchLog>& logs, int window) : logs_(logs), window_(window) {}

    MatchResult Run() {
        Index();
        FindClocks();
        PairAll();
        FindNearMisses();
        Judge();
        return std::move(result_);
    }

private:
    const MatchQso& Q(int g) const { return logs_[logOf_[g]].qsos[g - first_[logOf_[g]]]; }
    static std::uint64_t Key(int log, int callId) {
        return (static_cast<std::uint64_t>(static_cast<std::uint32_t>(log)) << 32) |
               static_cast<std::uint32_t>(callId);
    }
    int Intern(const std::string& call) {
        const auto it = callIds_.emplace(call, static_cast<int>(logOfCall_.size()));
        if (it.second) logOfCall_.push_back(kNone);
        return it.first->second;
    }
    // The QSOs of log with callId, in file order (refused ones left out).
    std::vector<int> List(int log, int callId) const {
        std::vector<int> list;
        const auto it = head_.find(Key(log, callId));
        if (it == head_.end()) return list;
        for (int g = it->second; g != kNone; g = next_[g]) list.push_back(g);
        return list;
    }
    // The same in the order of their corrected times, made once per list
    // (after the clocks are known) for the look-ups by time.
    const std::vector<int>& ByTime(int log, int callId) {
        const auto it = byTime_.find(Key(log, callId));
        if (it != byTime_.end()) return it->second;
        std::vector<int>& list = byTime_[Key(log, callId)];
        list = List(log, callId);
        std::stable_sort(list.begin(), list.end(),
                         [this](int a, int b) { return TrueMinute(a) < TrueMinute(b); });
        return list;
    }
    // The first position in a ByTime() list at or after the minute.
    std::size_t FirstFrom(const std::vector<int>& list, std::int64_t minute) const {
        return static_cast<std::size_t>(
            std::lower_bound(list.begin(), list.end(), minute,
                             [this](int g, std::int64_t m) { return TrueMinute(g) < m; }) -
            list.begin());
    }
    // The log time corrected by the log's clock.
    std::int64_t TrueMinute(int g) const { return Q(g).minute - result_.clockOffset[logOf_[g]]; }
    std::int64_t Apart(int a, int b) const { return std::llabs(TrueMinute(a) - TrueMinute(b)); }
    bool SameBandMode(int a, int b) const {
        return Q(a).band == Q(b).band && Q(a).mode == Q(b).mode;
    }
    bool Free(int g) const { return partner_[g] == kNone && claimedBy_[g] == kNone; }

    void Index() {
        std::size_t total = 0;
        for (const MatchLog& log : logs_) {
            first_.push_back(static_cast<int>(total));
            total += log.qsos.size();
        }
        logOf_.resize(total);
        callOf_.resize(total);
        next_.assign(total, kNone);
        partner_.assign(total, kNone);
        claimedBy_.assign(total, kNone);
        bustedWith_.assign(total, kNone);
        for (int l = 0; l < static_cast<int>(logs_.size()); ++l) {
            const int own = Intern(logs_[l].call);
            logOfCall_[own] = l;
            ownCall_.push_back(own);
            near_.Add(logs_[l].call, l);
        }
        for (int l = 0; l < static_cast<int>(logs_.size()); ++l) {
            const std::vector<MatchQso>& qsos = logs_[l].qsos;
            for (int i = 0; i < static_cast<int>(qsos.size()); ++i) {
                const int g = first_[l] + i;
                logOf_[g] = l;
                callOf_[g] = Intern(qsos[i].call);
            }
            // Backwards, so that every list runs in file order.
            for (int i = static_cast<int>(qsos.size()) - 1; i >= 0; --i) {
                if (qsos[i].refused) continue;
                const int g = first_[l] + i;
                int& h = head_.emplace(Key(l, callOf_[g]), kNone).first->second;
                next_[g] = h;
                h = g;
            }
        }
        // How many logs have each call (a list's head stands for its log).
        logsWithCall_.assign(logOfCall_.size(), 0);
        for (const auto& entry : head_) ++logsWithCall_[callOf_[entry.second]];
        result_.verdicts.resize(logs_.size());
        for (std::size_t l = 0; l < logs_.size(); ++l)
            result_.verdicts[l].resize(logs_[l].qsos.size());
        result_.clockOffset.assign(logs_.size(), 0);
        result_.clockSamples.assign(logs_.size(), 0);
    }

    // Calls fn(A's list head g, log C) once for every pair of logs A < C
    // where A worked C.
    template <typename Fn>
    void ForEachPair(Fn fn) {
        for (int a = 0; a < static_cast<int>(logs_.size()); ++a) {
            for (int i = 0; i < static_cast<int>(logs_[a].qsos.size()); ++i) {
                const int g = first_[a] + i;
                if (Q(g).refused) continue;
                const auto it = head_.find(Key(a, callOf_[g]));
                if (it->second != g) continue;  // not the call's first QSO in the log
                const int c = logOfCall_[callOf_[g]];
                if (c > a) fn(g, c);
            }
        }
    }

    static std::vector<int> Kept(const std::vector<int>& list, const Checker& self) {
        std::vector<int> kept;
        for (int g : list)
            if (!self.Q(g).dupe) kept.push_back(g);
        return kept;
    }

    void FindClocks() {
        std::vector<std::vector<std::pair<int, int>>> samples(logs_.size());  // other log, its minutes ahead
        ForEachPair([&](int g, int c) {
            const std::vector<int> xs = Kept(List(logOf_[g], callOf_[g]), *this);
            const std::vector<int> ys = Kept(List(c, ownCall_[logOf_[g]]), *this);
            if (xs.size() != 1 || ys.size() != 1 || !SameBandMode(xs[0], ys[0])) return;
            const std::int64_t d = Q(ys[0]).minute - Q(xs[0]).minute;
            if (std::llabs(d) > kClockSearchMinutes) return;
            samples[logOf_[g]].push_back({c, static_cast<int>(d)});
            samples[c].push_back({logOf_[g], static_cast<int>(-d)});
        });
        // A few rounds, so that a pair of logs both off is judged against
        // the corrected others.
        std::vector<int>& offset = result_.clockOffset;
        for (int round = 0; round < 3; ++round) {
            std::vector<int> next(logs_.size(), 0);
            for (std::size_t l = 0; l < logs_.size(); ++l) {
                if (static_cast<int>(samples[l].size()) < kMinClockSamples) continue;
                std::vector<int> ahead;  // this log's minutes ahead per sample
                for (const auto& s : samples[l]) ahead.push_back(offset[s.first] - s.second);
                std::nth_element(ahead.begin(), ahead.begin() + (ahead.size() - 1) / 2,
                                 ahead.end());
                const int median = ahead[(ahead.size() - 1) / 2];
                std::size_t agree = 0;
                for (int a : ahead) agree += std::abs(a - median) <= 1;
                next[l] = std::abs(median) > 1 && agree * 4 >= ahead.size() * 3 ? median : 0;
            }
            offset = next;
        }
        for (std::size_t l = 0; l < logs_.size(); ++l)
            result_.clockSamples[l] = static_cast<int>(samples[l].size());
    }

    void Link(int x, int y) {
        partner_[x] = y;
        partner_[y] = x;
    }

    // Pairs the free QSOs of xs with those of ys on the same band and mode
    // within the window: nearest first while the lists are short; for long
    // ones (a log that holds the same QSO many times) a sweep in time
    // order, which pairs as many as can be paired in linear time.
    void PairLists(const std::vector<int>& xs, const std::vector<int>& ys) {
        if (xs.empty() || ys.empty()) return;
        if (xs.size() <= kSmallPairing && ys.size() <= kSmallPairing) {
            std::vector<std::tuple<std::int64_t, int, int>> candidates;
            for (int x : xs)
                for (int y : ys)
                    if (SameBandMode(x, y) && Apart(x, y) <= window_)
                        candidates.emplace_back(Apart(x, y), x, y);
            std::sort(candidates.begin(), candidates.end());
            for (const auto& [apart, x, y] : candidates)
                if (partner_[x] == kNone && partner_[y] == kNone) Link(x, y);
            return;
        }
        std::map<int, std::pair<std::vector<int>, std::vector<int>>> groups;  // by band and mode
        for (int x : xs) groups[Q(x).band * 256 + Q(x).mode].first.push_back(x);
        for (int y : ys) groups[Q(y).band * 256 + Q(y).mode].second.push_back(y);
        for (auto& entry : groups) {
            std::vector<int>& gx = entry.second.first;
            std::vector<int>& gy = entry.second.second;
            const auto byTime = [this](int a, int b) { return TrueMinute(a) < TrueMinute(b); };
            std::stable_sort(gx.begin(), gx.end(), byTime);
            std::stable_sort(gy.begin(), gy.end(), byTime);
            std::size_t j = 0;
            for (int x : gx) {
                while (j < gy.size() && TrueMinute(gy[j]) < TrueMinute(x) - window_) ++j;
                if (j < gy.size() && TrueMinute(gy[j]) <= TrueMinute(x) + window_) Link(x, gy[j++]);
            }
        }
    }

    static std::vector<int> Unpaired(const std::vector<int>& list, const Checker& self) {
        std::vector<int> out;
        for (int g : list)
            if (self.partner_[g] == kNone) out.push_back(g);
        return out;
    }

    void PairAll() {
        ForEachPair([&](int g, int c) {
            const std::vector<int> xs = List(logOf_[g], callOf_[g]);
            const std::vector<int> ys = List(c, ownCall_[logOf_[g]]);
            // The QSOs the module kept first: a QSO logged twice must not
            // leave its first copy unpaired.
            PairLists(Kept(xs, *this), Kept(ys, *this));
            PairLists(Unpaired(xs, *this), Unpaired(ys, *this));
        });
    }

    void FindNearMisses() {
        for (int g = 0; g < static_cast<int>(logOf_.size()); ++g) {
            const MatchQso& q = Q(g);
            if (q.refused || q.dupe || !Free(g)) continue;
            const int a = logOf_[g];
            int best = kNone;
            for (int other : near_.Near(q.call)) {
                if (other == a) continue;
                const std::vector<int>& ys = ByTime(other, ownCall_[a]);
                // Within the window only, and a bounded number of them: a
                // log that holds one QSO a thousand times must not make
                // this step quadratic.
                std::size_t looked = 0;
                for (std::size_t k = FirstFrom(ys, TrueMinute(g) - window_);
                     k < ys.size() && TrueMinute(ys[k]) <= TrueMinute(g) + window_ &&
                     looked < kNearMissLooks;
                     ++k, ++looked) {
                    const int y = ys[k];
                    if (Q(y).dupe || !Free(y) || bustedWith_[y] != kNone) continue;
                    if (!SameBandMode(g, y) || Apart(g, y) > window_) continue;
                    // Nearest in time; between equals the call first in order.
                    if (best == kNone || Apart(g, y) < Apart(g, best) ||
                        (Apart(g, y) == Apart(g, best) &&
                         logs_[other].call < logs_[logOf_[best]].call)) {
                        best = y;
                    }
                }
            }
            if (best == kNone) continue;
            bustedWith_[g] = best;
            claimedBy_[best] = g;
        }
    }

    void SetPaired(int g, int other) {
        QsoVerdict& v = result_.verdicts[logOf_[g]][g - first_[logOf_[g]]];
        v.otherLog = logOf_[other];
        v.otherQso = other - first_[logOf_[other]];
        const bool same = SameExchange(Q(g).exchRcvd, Q(other).exchSent, logs_[logOf_[other]].call);
        v.verdict = same ? Verdict::kConfirmed : Verdict::kBustedExchange;
    }

    void Judge() {
        for (int g = 0; g < static_cast<int>(logOf_.size()); ++g) {
            const int a = logOf_[g];
            const MatchQso& q = Q(g);
            QsoVerdict& v = result_.verdicts[a][g - first_[a]];
            if (q.refused) {
                v.verdict = Verdict::kRefused;
                continue;
            }
            if (q.dupe) {
                v.verdict = Verdict::kDupe;
                // The first QSO of the same call, band and mode in the log
                // (the module keeps one per band and mode: a short walk).
                for (int e = head_.at(Key(a, callOf_[g])); e != kNone; e = next_[e]) {
                    if (e != g && !Q(e).dupe && SameBandMode(e, g)) {
                        v.otherLog = a;
                        v.otherQso = e - first_[a];
                        break;
                    }
                }
                continue;
            }
            if (partner_[g] != kNone) {
                SetPaired(g, partner_[g]);
                continue;
            }
            if (claimedBy_[g] != kNone) {
                SetPaired(g, claimedBy_[g]);
                continue;
            }
            if (bustedWith_[g] != kNone) {
                const int y = bustedWith_[g];
                v.verdict = Verdict::kBustedCall;
                v.otherLog = logOf_[y];
                v.otherQso = y - first_[logOf_[y]];
                v.rightCall = logs_[logOf_[y]].call;
                continue;
            }
            const int c = logOfCall_[callOf_[g]];
            if (c != kNone) {
                v.verdict = Verdict::kNotInLog;
                v.otherLog = c;
                // The other log's nearest QSO with this station, if any.
                const std::vector<int>& ys = ByTime(c, ownCall_[a]);
                const std::size_t k = FirstFrom(ys, TrueMinute(g));
                int nearest = kNone;
                if (k < ys.size()) nearest = ys[k];
                if (k > 0 && (nearest == kNone || Apart(g, ys[k - 1]) <= Apart(g, nearest)))
                    nearest = ys[k - 1];
                if (nearest != kNone) v.otherQso = nearest - first_[c];
                continue;
            }
            v.logsWithCall = logsWithCall_[callOf_[g]] - 1;  // the others besides this one
            v.verdict = v.logsWithCall > 0 ? Verdict::kNoLog : Verdict::kUnique;
        }
    }

    const std::vector<MatchLog>& logs_;
    const int window_;
    MatchResult result_;

    std::unordered_map<std::string, int> callIds_;
    std::vector<int> logOfCall_;   // by call id: its log, or kNone
    std::vector<int> logsWithCall_;  // by call id: the logs with a QSO with it
    std::vector<int> ownCall_;     // by log: its call id
    std::vector<int> first_;       // by log: its first QSO's global number
    NearCallIndex near_;
    // By global QSO number:
    std::vector<int> logOf_;
    std::vector<int> callOf_;
    std::vector<int> next_;        // the next QSO of the same log and call
    std::vector<int> partner_;     // the QSO it paired with
    std::vector<int> claimedBy_;   // the busted QSO it is the near miss of
    std::vector<int> bustedWith_;  // its near miss
    std::unordered_map<std::uint64_t, int> head_;  // (log, call id) -> first QSO
    std::unordered_map<std::uint64_t, std::vector<int>> byTime_;  // see ByTime()
};

}  // namespace

MatchResult CrossCheckLogs(const std::vector<MatchLog>& logs, int windowMinutes) {
    Checker checker(logs, windowMinutes < 0 ? 0 : windowMinutes);
    return checker.Run();
}
