#include "tools/cq160/tests/synthetic_contest.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <random>
#include <set>
#include <unordered_map>
#include <unordered_set>

#include "tools/cq160/contest/contest_period.h"
#include "tools/cq160/crosscheck/one_edit.h"
#include "tools/cq160/crosscheck/weekend_check.h"
#include "tools/cq160/logs/file_util.h"

namespace {

struct DxArea {
    const char* prefix;
    const char* zone;
};

const DxArea kDx[] = {
    {"DL", "14"}, {"G", "14"},  {"F", "14"},  {"I", "15"},  {"OK", "15"}, {"SP", "15"},
    {"OH", "15"}, {"SM", "14"}, {"UA", "16"}, {"HA", "15"}, {"YU", "15"}, {"EA", "14"},
    {"JA", "25"}, {"PY", "11"}, {"LU", "13"}, {"VK", "30"}, {"ZS", "38"}, {"9A", "15"},
    {"S5", "15"}, {"LY", "15"}, {"ES", "15"}, {"YL", "15"}, {"ON", "14"}, {"PA", "14"},
    {"OZ", "14"}, {"LA", "14"}, {"UR", "16"}, {"CT", "14"}, {"EI", "14"}, {"HB", "14"},
    {"OE", "15"}, {"4X", "20"},
};
const char* const kUsPrefixes[] = {"K", "W", "N", "AA", "KB", "WB", "KD", "AB"};
const char* const kStates[] = {
    "AL", "AZ", "AR", "CA", "CO", "CT", "DE", "FL", "GA", "ID", "IL", "IN", "IA", "KS", "KY",
    "LA", "ME", "MD", "MA", "MI", "MN", "MS", "MO", "MT", "NE", "NV", "NH", "NJ", "NM", "NY",
    "NC", "ND", "OH", "OK", "OR", "PA", "RI", "SC", "SD", "TN", "TX", "UT", "VT", "VA", "WA",
    "WV", "WI", "WY", "DC"};
// VE1 to VE7 by the call's digit.
const char* const kProvinces[] = {"NS", "QC", "ON", "MB", "SK", "AB", "BC"};
// Prefixes no station has: the calls of the uniques.
const char* const kRarePrefixes[] = {"3D2", "5W0", "A35", "T30", "V63", "E51", "VP8", "ZL7"};
const char kCallCharacters[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";

struct Station {
    std::string call;
    std::string exch;
    bool hasLog = false;
    int clock = 0;
};

// One line as a log will hold it.
struct Entry {
    long long minute = 0;  // the log's time
    std::string call;
    std::string exchSent;
    std::string exchRcvd;
    bool otherBand = false;
    Verdict truth = Verdict::kConfirmed;
    bool countLater = false;  // no log / unique: decided when all lines are known
};

class Generator {
public:
    explicit Generator(const SyntheticOptions& o) : o_(o), rng_(o.seed) {}

    SyntheticContest Make() {
        MakeStations();
        MakeQsos();
        DecideNoLogs();
        return Write();
    }

private:
    int Int(int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng_); }
    bool Chance(double p) { return std::uniform_real_distribution<double>(0, 1)(rng_) < p; }
    char Letter() { return static_cast<char>('A' + Int(0, 25)); }
    std::string Suffix() {
        std::string s;
        for (int n = Int(2, 3); n > 0; --n) s += Letter();
        return s;
    }

    Station NewStation() {
        Station s;
        const int kind = Int(0, 9);
        if (kind < 3) {
            s.call = std::string(kUsPrefixes[Int(0, 7)]) + static_cast<char>('0' + Int(0, 9)) + Suffix();
            s.exch = kStates[Int(0, 48)];
        } else if (kind < 4) {
            const int digit = Int(1, 7);
            s.call = "VE" + std::string(1, static_cast<char>('0' + digit)) + Suffix();
            s.exch = kProvinces[digit - 1];
        } else {
            const DxArea& area = kDx[Int(0, static_cast<int>(sizeof kDx / sizeof kDx[0]) - 1)];
            s.call = std::string(area.prefix) + static_cast<char>('1' + Int(0, 8)) + Suffix();
            s.exch = area.zone;
        }
        return s;
    }

    void MakeStations() {
        std::unordered_set<std::string> taken;
        const int total = o_.logs + o_.silent;
        while (static_cast<int>(stations_.size()) < total) {
            Station s = NewStation();
            if (!taken.insert(s.call).second) continue;
            s.hasLog = static_cast<int>(stations_.size()) < o_.logs;
            if (s.hasLog) {
                logOf_[s.call] = static_cast<int>(stations_.size());
                near_.Add(s.call, static_cast<int>(stations_.size()));
            }
            stations_.push_back(s);
        }
        for (int i = 0; i < o_.offClockLogs && i < o_.logs; ++i) {
            const int ahead = Int(5, 15);
            stations_[Int(0, o_.logs - 1)].clock = Chance(0.5) ? ahead : -ahead;
        }
        entries_.resize(o_.logs);
        const ContestPeriod period = ContestWeekend(o_.year, o_.cw);
        start_ = std::llround(period.start * 1440);
    }

    bool IsStation(const std::string& call) const {
        return logOf_.count(call) > 0 || silentCalls_.count(call) > 0;
    }

    // A busted copy of a call with a log: one slip away from it and from no
    // other call with a log, and no station's call.
    std::string Bust(const std::string& call) {
        for (int attempt = 0; attempt < 50; ++attempt) {
            std::string b = call;
            const int pos = Int(0, static_cast<int>(b.size()) - 1);
            switch (Int(0, 3)) {
                case 0: b[pos] = kCallCharacters[Int(0, 35)]; break;
                case 1: b.erase(pos, 1); break;
                case 2: b.insert(b.begin() + pos, kCallCharacters[Int(0, 35)]); break;
                default:
                    if (pos + 1 < static_cast<int>(b.size())) std::swap(b[pos], b[pos + 1]);
            }
            if (b == call || b.size() < 3 || IsStation(b) || uniques_.count(b)) continue;
            const std::vector<int> near = near_.Near(b);
            if (near.size() == 1 && stations_[near[0]].call == call) return b;
        }
        return std::string();
    }

    std::string UniqueCall() {
        for (;;) {
            const std::string c = std::string(kRarePrefixes[Int(0, 7)]) + Letter() + Letter();
            if (uniques_.count(c) || busts_.count(c) || !near_.Near(c).empty()) continue;
            uniques_.insert(c);
            return c;
        }
    }

    std::string OtherExchange(const std::string& exch) {
        if (exch.size() == 2 && exch[0] >= '0' && exch[0] <= '9') {
            char text[8];
            std::snprintf(text, sizeof text, "%02d", std::stoi(exch) % 40 + 1);
            return text;
        }
        for (;;) {
            const std::string other = kStates[Int(0, 48)];
            if (other != exch) return other;
        }
    }

    long long LogTime(int station, long long minute) {
        return minute + stations_[station].clock + (Chance(0.1) ? 1 : 0);
    }

    Entry Line(int own, int other, long long minute) {
        Entry e;
        e.minute = LogTime(own, minute);
        e.call = stations_[other].call;
        e.exchSent = stations_[own].exch;
        e.exchRcvd = stations_[other].exch;
        return e;
    }

    void MakeQsos() {
        for (std::size_t i = o_.logs; i < stations_.size(); ++i) silentCalls_.insert(stations_[i].call);
        std::unordered_set<unsigned long long> pairs;
        const int all = static_cast<int>(stations_.size());
        long long lines = 0;
        int misses = 0;  // pairs drawn again in a row: a small weekend may run out of them
        while (lines < o_.qsoLines && misses < 100000) {
            const int a = Int(0, o_.logs - 1);
            const int b = Int(0, all - 1);
            const unsigned long long key =
                static_cast<unsigned long long>(std::min(a, b)) * 1000003ULL + std::max(a, b);
            if (a == b || !pairs.insert(key).second) {
                ++misses;
                continue;
            }
            misses = 0;
            const long long minute = start_ + Int(0, 2 * 1440 - 10);
            const bool both = stations_[b].hasLog;
            Entry ea = Line(a, b, minute);
            Entry eb = both ? Line(b, a, minute) : Entry();
            bool keepA = true, keepB = both;
            if (!both) ea.countLater = true;
            if (Chance(o_.refused)) {
                ea.otherBand = eb.otherBand = true;
                ea.truth = eb.truth = Verdict::kRefused;
                ea.countLater = false;
            } else if (both && Chance(o_.bustedCall + o_.notInLog + o_.bustedExchange)) {
                const double pick = std::uniform_real_distribution<double>(
                    0, o_.bustedCall + o_.notInLog + o_.bustedExchange)(rng_);
                const bool aErrs = Chance(0.5);
                Entry& wrong = aErrs ? ea : eb;
                if (pick < o_.bustedCall) {
                    const std::string bust = Bust(wrong.call);
                    if (!bust.empty()) {
                        busts_.insert(bust);
                        wrong.call = bust;
                        wrong.truth = Verdict::kBustedCall;
                    }
                } else if (pick < o_.bustedCall + o_.notInLog) {
                    (aErrs ? keepB : keepA) = false;  // the other log lacks it
                    wrong.truth = Verdict::kNotInLog;
                } else {
                    wrong.exchRcvd = OtherExchange(wrong.exchRcvd);
                    wrong.truth = Verdict::kBustedExchange;
                }
            }
            if (keepA) Add(a, ea, &lines);
            if (keepB) Add(b, eb, &lines);
            if (Chance(o_.unique)) {
                Entry u;
                u.minute = LogTime(a, start_ + Int(0, 2 * 1440 - 10));
                u.call = UniqueCall();
                u.exchSent = stations_[a].exch;
                u.exchRcvd = "14";
                u.truth = Verdict::kUnique;
                Add(a, u, &lines);
            }
        }
    }

    void Add(int station, Entry e, long long* lines) {
        const bool dupe = e.truth != Verdict::kRefused && Chance(o_.dupe);
        entries_[station].push_back(e);
        ++*lines;
        if (dupe) {
            e.minute += Int(1, 4);
            e.truth = Verdict::kDupe;
            e.countLater = false;
            entries_[station].push_back(e);
            ++*lines;
        }
    }

    // A QSO with a station that sent no log is "no log" when another log
    // has the call too, "unique" when none does.
    void DecideNoLogs() {
        std::unordered_map<std::string, std::set<int>> logsWith;
        for (int s = 0; s < o_.logs; ++s)
            for (const Entry& e : entries_[s])
                if (!e.otherBand) logsWith[e.call].insert(s);
        for (int s = 0; s < o_.logs; ++s) {
            for (Entry& e : entries_[s]) {
                if (!e.countLater) continue;
                e.truth = logsWith[e.call].size() > 1 ? Verdict::kNoLog : Verdict::kUnique;
            }
            for (Entry& e : entries_[s]) {
                if (e.truth == Verdict::kUnique && logsWith[e.call].size() > 1)
                    e.truth = Verdict::kNoLog;  // a unique call that happened twice
            }
        }
    }

    SyntheticContest Write() {
        SyntheticContest contest;
        for (int s = 0; s < o_.logs; ++s) {
            std::vector<Entry>& es = entries_[s];
            std::stable_sort(es.begin(), es.end(),
                             [](const Entry& x, const Entry& y) { return x.minute < y.minute; });
            SyntheticLog log;
            log.call = stations_[s].call;
            log.clockOffset = stations_[s].clock;
            const bool adif = o_.adifEvery > 0 && s % o_.adifEvery == o_.adifEvery - 1;
            log.fileName = log.call + (adif ? ".adi" : ".log");
            const std::string mode = o_.cw ? "CW" : (adif ? "SSB" : "PH");
            const std::string rst = o_.cw ? "599" : "59";
            const std::string contestName = o_.cw ? "CQ-160-CW" : "CQ-160-SSB";
            std::string& t = log.text;
            int line;
            if (adif) {
                t = "cq160 synthetic weekend\n<ADIF_VER:5>3.1.0\n<EOH>\n";
                line = 4;
            } else {
                t = "START-OF-LOG: 3.0\nCALLSIGN: " + log.call + "\nCONTEST: " + contestName + "\n";
                line = 4;
            }
            char row[256];
            for (const Entry& e : es) {
                const std::string when = MinuteText(e.minute);  // "2027-01-30 0100"
                const int kHz = e.otherBand ? 3520 : 1810 + static_cast<int>((e.minute * 7) % 180);
                if (adif) {
                    const std::string date = when.substr(0, 4) + when.substr(5, 2) + when.substr(8, 2);
                    const auto field = [](const char* name, const std::string& value) {
                        return "<" + std::string(name) + ":" + std::to_string(value.size()) + ">" +
                               value + " ";
                    };
                    char mhz[16];
                    std::snprintf(mhz, sizeof mhz, "%.3f", kHz / 1000.0);
                    t += field("CALL", e.call) + field("QSO_DATE", date) +
                         field("TIME_ON", when.substr(11, 4)) + field("FREQ", mhz) +
                         field("MODE", mode) + field("RST_SENT", rst) + field("RST_RCVD", rst) +
                         field("STX_STRING", e.exchSent) + field("SRX_STRING", e.exchRcvd) +
                         field("STATION_CALLSIGN", log.call) + field("CONTEST_ID", contestName) +
                         "<EOR>\n";
                } else {
                    std::snprintf(row, sizeof row, "QSO: %5d %-2s %s %-13s %-3s %-6s %-13s %-3s %s\n",
                                  kHz, mode.c_str(), when.c_str(), log.call.c_str(), rst.c_str(),
                                  e.exchSent.c_str(), e.call.c_str(), rst.c_str(),
                                  e.exchRcvd.c_str());
                    t += row;
                }
                log.lines.push_back({line++, e.truth});
            }
            if (!adif) t += "END-OF-LOG:\n";
            contest.qsoLines += static_cast<long long>(log.lines.size());
            contest.logs.push_back(std::move(log));
        }
        return contest;
    }

    const SyntheticOptions& o_;
    std::mt19937 rng_;
    std::vector<Station> stations_;
    std::unordered_map<std::string, int> logOf_;
    std::unordered_set<std::string> silentCalls_;
    std::unordered_set<std::string> uniques_;
    std::unordered_set<std::string> busts_;
    NearCallIndex near_;
    std::vector<std::vector<Entry>> entries_;
    long long start_ = 0;
};

}  // namespace

SyntheticContest MakeSyntheticContest(const SyntheticOptions& options) {
    return Generator(options).Make();
}

bool WriteSyntheticContest(const SyntheticContest& contest, const std::string& folder) {
    for (const SyntheticLog& log : contest.logs)
        if (!WriteWholeFile(JoinPath(folder, log.fileName), log.text)) return false;
    return true;
}
