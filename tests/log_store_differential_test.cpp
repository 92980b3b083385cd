// The indexed log store against a plain one: a seeded stream of adds (with
// dupes and triples), removals (of logged and of absent QSOs), call checks,
// summaries, mode switches, resets and reports deleted from outside, run
// through the module's functions and through the linear rules below, which
// walk the whole log for every answer. After every step the verdicts, the
// records, the report files' bytes, the summary texts and the per-band
// lists must agree.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <random>

#include "platform/text_file.h"
#include "platform/text_util.h"
#include "scoring/bad_qso_report.h"
#include "scoring/call_check.h"
#include "scoring/contest_rules.h"
#include "scoring/log_ops.h"
#include "scoring/results_summary.h"
#include "scoring/summary_tally.h"
#include "test_util.h"

namespace {

// The plain store: records in a vector, every lookup a walk.
struct PlainStore {
    std::vector<CInfo> log;
    StringArray bandsWorked;
    StringArray countries[kBandSlots];
    StringArray states[kBandSlots];
};

bool SameTime(const COleDateTime& a, const COleDateTime& b) {
    if (a.m_status == COleDateTime::valid && b.m_status == COleDateTime::valid)
        return a.m_dt == b.m_dt;
    return a.m_status == COleDateTime::null && b.m_status == COleDateTime::null;
}

int PlainAdd(const QsoInput& qso, const RunContext& run, PlainStore* store) {
    CInfo record = RecordFromInput(qso);
    std::vector<std::string> lines;
    const std::string fields = ReportLineFields(qso);
    int stored = 1;
    if (!BandRules().contains(qso.band)) {
        lines.push_back(fields + kWrongBand);
        stored = 0;
    } else if (!ModeRules().contains(qso.mode) || qso.mode != (run.cwContest ? "CW" : "SSB")) {
        lines.push_back(fields + kWrongMode);
        stored = 0;
    } else if (qso.exchRcvd.empty() || qso.exchSent.empty()) {
        lines.push_back(fields + kNoNumber);
        stored = 0;
    } else {
        if (std::find(store->bandsWorked.begin(), store->bandsWorked.end(), qso.band) ==
            store->bandsWorked.end())
            store->bandsWorked.push_back(qso.band);
        if (SendsStateProv(qso.countryPrefix, qso.call, qso.exchRcvd)) {
            const std::string stateProv = NormalisedStateProv(qso.exchRcvd, qso.call);
            if (isStateProv(stateProv)) {
                record.stateProv = stateProv;
            } else {
                record.excluded = record.errorFlag = 1;
                lines.push_back(fields + "  " + UpperTrimmed(qso.exchRcvd) + kBadStateProv);
            }
        }
        for (const CInfo& earlier : store->log) {
            if (earlier.call == record.call && earlier.band == record.band &&
                earlier.mode == record.mode) {
                record.dupeFlag = record.excluded = 1;
                lines.push_back(fields + kDupe);
            }
        }
        store->log.push_back(record);
    }
    if (!lines.empty()) {
        AppendFile report(run.badQsoPath);
        for (const std::string& line : lines) report.WriteLine(line);
    }
    return stored;
}

void PlainRemove(const QsoInput& qso, const RunContext& run, PlainStore* store) {
    const CInfo local = RecordFromInput(qso);
    for (auto it = store->log.begin(); it != store->log.end(); ++it) {
        if (it->call == local.call && it->mode == local.mode && it->band == local.band &&
            SameTime(it->time, local.time)) {
            // The windows' list loses the state at once; the summary rebuilds it.
            StringArray& states = store->states[BandSlot(local.band)];
            const auto state =
                std::find(states.begin(), states.end(), NormalisedStateProv(qso.exchRcvd, qso.call));
            if (SendsStateProv(qso.countryPrefix, qso.call, qso.exchRcvd) && state != states.end()) states.erase(state);
            store->log.erase(it);
            break;
        }
    }
    if (store->log.empty()) {
        store->bandsWorked.clear();
        for (StringArray& c : store->countries) c.clear();
    }
    RewriteReportWithout(run.badQsoPath, RemoveReportHeader(run.cwContest != 0),
                         ReportLineFields(qso));
}

int PlainCheck(const CallEntry& e, const PlainStore& store, std::string* hint) {
    if (!BandRules().contains(e.band) || e.mode != "CW") return kRefused;
    const auto seen = [&](bool (*same)(const CInfo&, const CallEntry&)) {
        for (const CInfo& r : store.log)
            if (same(r, e)) return true;
        return false;
    };
    const auto sameCall = [](const CInfo& r, const CallEntry& c) {
        return r.call == c.call && r.band == c.band;
    };
    const auto sameCountry = [](const CInfo& r, const CallEntry& c) {
        return r.band == c.band && r.country == c.countryPrefix;
    };
    if (IsMaritimeMobile(e.call)) {
        if (seen(sameCall)) return kDupeCall;
        if (e.zone > 0) *hint = std::to_string(e.zone) + "?";
        return kNotNewMultiplier;
    }
    if (e.countryPrefix.empty()) return kNotNewMultiplier;
    if (seen(sameCall)) return kDupeCall;
    *hint = e.countryPrefix == "K" || e.countryPrefix == "VE" ? "" : std::to_string(e.zone);
    return seen(sameCountry) ? kNotNewMultiplier : kNewMultiplier;
}

std::string PlainSummary(const SummaryInput& in, PlainStore* store) {
    char buffer[512];
    std::snprintf(buffer, sizeof buffer,
                  "  CQ WW 160M CW DX Contest %s-%s \r\n\t    Contestant: %s\r\n"
                  "Band\tQSOs\tPoints\tDXCC\tState/Prov\r\n",
                  in.periodStartDayMonth.c_str(), in.periodEndDate.c_str(), in.ownCall.c_str());
    std::string out = buffer;
    SortBands(&store->bandsWorked);
    const CInfo* last = store->log.empty() ? nullptr : &store->log.back();
    int qsosAll = 0, pointsAll = 0, countriesAll = 0, statesAll = 0, dupes = 0;
    int hour = 0, hourPoints = 0, ten = 0, tenPoints = 0, lastPoints = 0;
    for (const std::string& band : store->bandsWorked) {
        StringArray& countries = store->countries[BandSlot(band)];
        StringArray& states = store->states[BandSlot(band)];
        countries.clear();
        states.clear();
        int qsos = 0, points = 0, countryCount = 0, stateCount = 0;
        for (const CInfo& r : store->log) {
            if (r.band != band || r.call.empty()) continue;
            dupes += r.dupeFlag;
            if (r.excluded) continue;
            ++qsos;
            const int p = IsMaritimeMobile(r.call)      ? 5
                          : r.country == in.ownCountry   ? 2
                          : r.continent == in.ownContinent ? 5
                                                           : 10;
            points += p;
            long long age;
            if (band == last->band) {
                lastPoints = p;
                if (AgeInMinutes(last->time, r.time, &age)) {
                    if (age < 60) ++hour, hourPoints += p;
                    if (age < 10) ++ten, tenPoints += p;
                }
            }
            if (std::find(countries.begin(), countries.end(), r.country) == countries.end()) {
                countries.push_back(r.country);
                if (!r.country.empty() && r.country != "K" && r.country != "VE") ++countryCount;
            }
            if (!r.stateProv.empty() &&
                std::find(states.begin(), states.end(), r.stateProv) == states.end()) {
                states.push_back(r.stateProv);
                ++stateCount;
            }
        }
        std::snprintf(buffer, sizeof buffer, "%s\t %i\t %i\t %i\t %i\r\n", band.c_str(), qsos,
                      points, countryCount, stateCount);
        out += buffer;
        qsosAll += qsos, pointsAll += points, countriesAll += countryCount, statesAll += stateCount;
    }
    std::snprintf(buffer, sizeof buffer, "Total\t %i\t %i\t %i\t %i\r\nDupe\t %i\r\nBad QSO\t %i\r\n",
                  qsosAll, pointsAll, countriesAll, statesAll, dupes, CountBadQsoLines(in.badQsoPath));
    out += buffer;
    if (last) {
        std::snprintf(buffer, sizeof buffer,
                      "\r\nHourly (10min) QSO rate: %5i (%i) QSOs/hour\r\n"
                      "Hourly (10min) pts rate: %5i (%i) points/hour\r\n\r\nLast QSO: %i points",
                      hour, 6 * ten, hourPoints, 6 * tenPoints, lastPoints);
        out += buffer;
    }
    const int score = pointsAll * (countriesAll + statesAll);
    std::snprintf(buffer, sizeof buffer, "\r\nScore: %i*(%i+%i) = %i\r\n", pointsAll,
                  countriesAll, statesAll, score);
    return out + buffer;
}

// Small pools, so that the same call, band, mode and time come up often.
class Generator {
public:
    explicit Generator(unsigned seed) : random_(seed) {}
    unsigned Below(unsigned n) { return random_() % n; }
    template <typename T, std::size_t N>
    const T& Pick(const T (&pool)[N]) { return pool[Below(N)]; }

    QsoInput Qso() {
        static const char* const kCalls[][3] = {
            {"DL1AB", "DL", "EU"},  {"DL2CD", "DL", "EU"}, {"OK1XY", "OK", "EU"},
            {"JA1ZZ", "JA", "AS"},  {"K1AB", "K", "NA"},   {"W9XX", "K", "NA"},
            {"VE3AA", "VE", "NA"},  {"VO2AB", "VE", "NA"}, {"VO1CD", "VE", "NA"},
            {"K1AB/MM", "K", "NA"}, {"IT9AA", "I", "EU"},  {"XX9ZZ", "", ""},
            {"4U1ITU", "HB", "EU"}};
        static const char* const kExch[] = {"14", "5", "MA", "ON", "NL", "PE", "nt", "XX",
                                            "", " tx "};
        static const char* const kBands[] = {"160m", "160m", "160m", "160m", "160M", "80m"};
        static const char* const kModes[] = {"CW", "CW", "CW", "CW", "SSB", "cw"};
        const auto& c = Pick(kCalls);
        QsoInput q;
        q.ownCall = "DL1ABC";
        q.call = c[0];
        q.countryPrefix = c[1];
        q.detailedPrefix = q.call == "IT9AA" ? "IT9" : q.call == "4U1ITU" ? "4U1" : c[1];
        q.continent = c[2];
        q.exchRcvd = Pick(kExch);
        q.exchSent = Below(40) == 0 ? "" : "14";
        q.rstSent = q.rstRcvd = "599";
        q.band = Pick(kBands);
        q.mode = Pick(kModes);
        q.freqHz = 1820000 + 1000 * Below(5);
        q.time = Below(30) == 0 ? COleDateTime(0.0, COleDateTime::null)
                                : COleDateTime(46416.9 + Below(40) * (7.0 / 1440));
        return q;
    }

private:
    std::mt19937 random_;
};

void ExpectSameRecords(const LogStore& indexed, const PlainStore& plain, int step) {
    ASSERT_EQ(indexed.size(), plain.log.size()) << "step " << step;
    for (std::size_t i = 0; i < plain.log.size(); ++i) {
        const CInfo& a = indexed[i];
        const CInfo& b = plain.log[i];
        ASSERT_TRUE(a.call == b.call && a.band == b.band && a.mode == b.mode &&
                    a.country == b.country && a.stateProv == b.stateProv &&
                    a.excluded == b.excluded && a.dupeFlag == b.dupeFlag &&
                    a.errorFlag == b.errorFlag && SameTime(a.time, b.time))
            << "step " << step << " record " << i;
    }
}

}  // namespace

TEST(LogStoreDifferential, IndexedStoreAnswersAsTheLinearWalk) {
    ScopedTempCwd dir;
    for (unsigned seed = 1; seed <= 6; ++seed) {
        Generator g(seed);
        ContestStore indexed;
        PlainStore plain;
        RunContext runIndexed, runPlain;
        runIndexed.cwContest = runPlain.cwContest = 1;
        runIndexed.badQsoPath = "indexed.txt";
        runPlain.badQsoPath = "plain.txt";
        const auto reset = [&] {
            ResetStore(&indexed);
            // A reset keeps the per-band lists until the next summary.
            plain.log.clear();
            plain.bandsWorked.clear();
            CreateReport(runIndexed.badQsoPath, ResetReportHeader(true));
            CreateReport(runPlain.badQsoPath, ResetReportHeader(true));
        };
        reset();
        std::vector<QsoInput> added;
        for (int step = 0; step < 1500; ++step) {
            const unsigned op = g.Below(100);
            if (op < 55) {
                const QsoInput q = g.Qso();
                ASSERT_EQ(AddQso(q, runIndexed, &indexed), PlainAdd(q, runPlain, &plain))
                    << "seed " << seed << " step " << step;
                added.push_back(q);
            } else if (op < 70) {
                // Mostly a QSO added before (it may be gone already), else any.
                const QsoInput q = !added.empty() && g.Below(3) ? added[g.Below(added.size())]
                                                                : g.Qso();
                RemoveQso(q, runIndexed, &indexed);
                PlainRemove(q, runPlain, &plain);
            } else if (op < 88) {
                const QsoInput q = g.Qso();
                CallEntry e;
                e.call = g.Below(4) ? q.call : q.call + "X";
                e.countryPrefix = g.Below(8) ? q.countryPrefix : "ZS";
                e.zone = 14;
                e.mode = q.mode;
                e.band = e.band2 = q.band;
                std::string hintIndexed, hintPlain;
                bool hintSet;
                EXPECT_EQ(CheckCall(e, indexed.log, "Harlo", 1, &hintIndexed, &hintSet),
                          PlainCheck(e, plain, &hintPlain))
                    << "seed " << seed << " step " << step << " " << e.call;
                EXPECT_EQ(hintIndexed, hintPlain) << e.call;
                // The windows' row: the latest record of the call on the band.
                std::size_t latest = plain.log.size();
                for (std::size_t i = 0; i < plain.log.size(); ++i)
                    if (plain.log[i].call == e.call && plain.log[i].band == e.band) latest = i;
                EXPECT_EQ(indexed.log.FindLast(e.call, e.band), latest) << e.call;
            } else if (op < 96) {
                SummaryInput in;
                in.ownCall = "DL1ABC";
                in.ownCountry = "DL";
                in.ownContinent = "EU";
                in.periodStartDayMonth = "29.01";
                in.periodEndDate = "31.01.2027";
                in.cwContest = 1;
                in.badQsoPath = runIndexed.badQsoPath;
                const std::string text = ComputeSummary(in, &indexed).text;
                in.badQsoPath = runPlain.badQsoPath;
                ASSERT_EQ(text, PlainSummary(in, &plain)) << "seed " << seed << " step " << step;
                EXPECT_EQ(indexed.bandsWorked, plain.bandsWorked);
                for (int slot = 0; slot < kBandSlots; ++slot) {
                    EXPECT_EQ(indexed.bandCountries[slot], plain.countries[slot]);
                    EXPECT_EQ(indexed.bandStateProvs[slot], plain.states[slot]);
                }
            } else if (op < 97) {
                // The mode switch: SSB QSOs are stored from now on.
                runIndexed.cwContest = runPlain.cwContest = !runPlain.cwContest;
            } else if (op < 98) {
                // A report deleted from outside comes back with the next problem line.
                std::remove(runIndexed.badQsoPath.c_str());
                std::remove(runPlain.badQsoPath.c_str());
            } else {
                reset();
                added.clear();
            }
            ExpectSameRecords(indexed.log, plain, step);
            ASSERT_EQ(ReadAll(runIndexed.badQsoPath), ReadAll(runPlain.badQsoPath))
                << "seed " << seed << " step " << step;
            ASSERT_EQ(Exists(runIndexed.badQsoPath), Exists(runPlain.badQsoPath));
        }
    }
}
