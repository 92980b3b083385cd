#include "scoring/results_summary.h"

#include <algorithm>
#include <cmath>
#include <cstdarg>
#include <cstdio>
#include <string_view>
#include <unordered_set>

#include "scoring/bad_qso_report.h"
#include "scoring/contest_rules.h"

namespace {

const char kPageHead[] =
    "<html><head><style>table{ width:100%; }table, th, td{ border: 1px solid black; "
    "border-collapse: collapse; }th, td{ padding: 1px; text-align: middle; }th,td{ "
    "background-color: #fffac6; color: black; }</style></head><body>";
const char kTitleBlock[] =
    "<center><b>%s</b></center><center>Contestant:  <b>%s</center></b><table>";
const char kHeadings[] = "<tr><th>%s</th><th>%s</th><th>%s</th><th>%s</th><th>%s</th></tr>";
const char kBandRow[] =
    "<tr><th><center>%s</center></th><td><center>%i</center></td><td><center>%i</center></td>"
    "<td><center>%i</center></td><td><center>%i</center></td></tr>";
const char kTotalRow[] =
    "<tr><th>%s</th><td><center>%i</center></td><td><center>%i</center></td><td><center>%i"
    "</center></td><td><center>%i</center></td></tr>";
const char kCountRow[] = "<tr><th>%s</th><td><center>%i</center></td><td colspan=4> </td></tr>";
const char kLastPointsRow[] =
    "<tr><th>%s</th><td colspan=1><center>%5i </center></td><td colspan=4> </td></tr>";
const char kScoreRow[] =
    "<tr><th>%s</th><td colspan=4><center>%i * (%i + %i) = %i</center></td></tr><tr><td "
    "colspan=5><center>Rate</center></td></tr>";
const char kRateRow[] = "<tr><th>%s</th><td colspan=4><center>%5i /%i</center></td></tr>";
const char kPageEnd[] =
    "</table><h6 align=\"right\">CQ WW 160M CW/SSB scoring module</h6></body></html>";

// printf into a std::string of whatever length the arguments need.
std::string Format(const char* pattern, ...) {
    va_list args;
    va_start(args, pattern);
    va_list copy;
    va_copy(copy, args);
    const int n = std::vsnprintf(nullptr, 0, pattern, copy);
    va_end(copy);
    std::string out;
    if (n > 0) {
        out.resize(static_cast<std::size_t>(n) + 1);
        std::vsnprintf(&out[0], out.size(), pattern, args);
        out.resize(static_cast<std::size_t>(n));
    }
    va_end(args);
    return out;
}

std::string BandKey(const std::string& band) {
    return band.size() >= 20 ? band : std::string(20 - band.size(), '0') + band;
}

}  // namespace

void SortBands(StringArray* bands) {
    StringArray& b = *bands;
    for (std::size_t i = 0; i < b.size(); ++i) {
        for (std::size_t j = i + 1; j < b.size(); ++j) {
            if (BandKey(b[j]) > BandKey(b[i])) std::swap(b[i], b[j]);
        }
    }
}

namespace {
// The age, as AgeInMinutes gives it, of a time referenceMs - spanMs.
long long SpanMinutes(long long span) {
    span += span >= 0 ? 500 : -500;
    return span / 60000;  // truncates toward zero
}
}  // namespace

bool AgeInMinutes(const COleDateTime& reference, const COleDateTime& record, long long* minutes) {
    long long referenceMs, recordMs;
    if (!LinearMilliseconds(reference, &referenceMs) || !LinearMilliseconds(record, &recordMs))
        return false;
    *minutes = SpanMinutes(referenceMs - recordMs);
    return true;
}

Summary ComputeSummary(const SummaryInput& in, ContestStore* store) {
    const LogStore& log = store->log;
    const bool haveLog = !log.empty();
    long long referenceMs = 0;
    const bool timedReference = haveLog && LinearMilliseconds(log.back().time, &referenceMs);
    const std::string referenceBand = haveLog ? log.back().band : std::string();
    const char* weekend = in.cwContest ? "CW" : "SSB";

    std::string out;
    if (in.html) {
        const std::string title = Format("   CQ WW 160M %s DX Contest %s-%s", weekend,
                                         in.periodStartDayMonth.c_str(), in.periodEndDate.c_str());
        out += kPageHead;
        out += Format(kTitleBlock, title.c_str(), in.ownCall.c_str());
        out += Format(kHeadings, "Band", "QSOs", "Points", "DXCC", "State/Prov");
    } else {
        out += Format("  CQ WW 160M %s DX Contest %s-%s \r\n\t    Contestant: %s\r\n"
                      "Band\tQSOs\tPoints\tDXCC\tState/Prov\r\n",
                      weekend, in.periodStartDayMonth.c_str(), in.periodEndDate.c_str(),
                      in.ownCall.c_str());
    }

    SortBands(&store->bandsWorked);
    const int badQsos = in.badQsos >= 0 ? in.badQsos : CountBadQsoLines(in.badQsoPath);

    int totalQsos = 0, totalPoints = 0, totalCountries = 0, totalStates = 0, totalDupes = 0;
    int hourQsos = 0, hourPoints = 0, tenQsos = 0, tenPoints = 0, lastPoints = 0;
    // What a band's lists already hold: countries by the store's numbers,
    // states by their texts, which belong to the records.
    std::vector<char> seenCountries;
    std::unordered_set<std::string_view> seenStates;
    for (const std::string& band : store->bandsWorked) {
        const int slot = BandSlot(band);
        StringArray& countries = store->bandCountries[slot];
        StringArray& states = store->bandStateProvs[slot];
        countries.clear();
        states.clear();
        store->bandZones[slot].clear();
        seenCountries.assign(log.CountryIds(), 0);
        seenStates.clear();
        int qsos = 0, points = 0, countryCount = 0, stateCount = 0;
        // The store's numbers stand for the texts: a number per record
        // compares faster than its band or country text.
        const std::uint32_t bandId = log.BandIdOf(band);
        const std::uint32_t ownCountryId = log.CountryIdOf(in.ownCountry);
        const bool referenceBandHere = band == referenceBand;
        for (std::size_t i = 0; i < log.size(); ++i) {
            const CInfo& r = log[i];
            if (log.BandId(i) != bandId || r.call.empty()) continue;
            totalDupes += r.dupeFlag;
            if (r.excluded) continue;
            ++qsos;
            const int p = QsoPoints(r.call, log.CountryId(i) == ownCountryId,
                                    r.continent == in.ownContinent);
            points += p;
            if (referenceBandHere) {
                lastPoints = p;
                long long ms;
                if (!in.reportMode && timedReference && log.Milliseconds(i, &ms)) {
                    const long long age = SpanMinutes(referenceMs - ms);
                    if (age < 60) {
                        ++hourQsos;
                        hourPoints += p;
                    }
                    if (age < 10) {
                        ++tenQsos;
                        tenPoints += p;
                    }
                }
            }
            if (!seenCountries[log.CountryId(i)]) {
                seenCountries[log.CountryId(i)] = 1;
                countries.push_back(r.country);
                if (CountsAsCountry(r.country)) ++countryCount;
            }
            if (!r.stateProv.empty() && seenStates.insert(r.stateProv).second) {
                states.push_back(r.stateProv);
                ++stateCount;
            }
        }
        out += Format(in.html ? kBandRow : "%s\t %i\t %i\t %i\t %i\r\n", band.c_str(), qsos,
                      points, countryCount, stateCount);
        totalQsos += qsos;
        totalPoints += points;
        totalCountries += countryCount;
        totalStates += stateCount;
    }

    const long long wideScore =
        static_cast<long long>(totalPoints) * (totalCountries + totalStates);
    const int score = static_cast<int>(std::min<long long>(wideScore, 2147483647LL));

    if (in.html) {
        out += Format(kTotalRow, "Total", totalQsos, totalPoints, totalCountries, totalStates);
        out += Format(kCountRow, "Dupe", totalDupes);
        out += Format(kCountRow, "Bad QSO", badQsos);
        out += Format(kLastPointsRow, "Last QSO points:", lastPoints);
        out += Format(kScoreRow, "Score:", totalPoints, totalCountries, totalStates, score);
        out += Format(kRateRow, "Hourly (10min/1 hour) QSO rate:", hourQsos, 6 * tenQsos);
        out += Format(kRateRow, "Hourly (10min/1 hour) pts rate:", hourPoints, 6 * tenPoints);
        out += kPageEnd;
    } else {
        out += Format("Total\t %i\t %i\t %i\t %i\r\nDupe\t %i\r\nBad QSO\t %i\r\n", totalQsos,
                      totalPoints, totalCountries, totalStates, totalDupes, badQsos);
        if (!in.reportMode && haveLog) {
            out += Format("\r\nHourly (10min) QSO rate: %5i (%i) QSOs/hour\r\n"
                          "Hourly (10min) pts rate: %5i (%i) points/hour\r\n\r\n"
                          "Last QSO: %i points",
                          hourQsos, 6 * tenQsos, hourPoints, 6 * tenPoints, lastPoints);
        }
        out += Format("\r\nScore: %i*(%i+%i) = %i\r\n", totalPoints, totalCountries, totalStates,
                      score);
    }
    Summary summary;
    summary.text = out;
    summary.score = score;
    return summary;
}
