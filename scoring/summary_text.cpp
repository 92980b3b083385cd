#include "scoring/summary_text.h"

#include <cstdarg>
#include <cstdio>

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

}  // namespace

std::string SummaryText(const SummaryInput& in, const SummaryTally& t) {
    std::string out = Format(
        "  CQ WW 160M %s DX Contest %s-%s \r\n\t    Contestant: %s\r\n"
        "Band\tQSOs\tPoints\tDXCC\tState/Prov\r\n",
        WeekendMode(in.cwContest), in.periodStartDayMonth.c_str(), in.periodEndDate.c_str(),
        in.ownCall.c_str());
    for (const BandTally& b : t.bands) {
        out += Format("%s\t %i\t %i\t %i\t %i\r\n", b.band.c_str(), b.qsos, b.points, b.countries,
                      b.stateProvs);
    }
    out += Format("Total\t %i\t %i\t %i\t %i\r\nDupe\t %i\r\nBad QSO\t %i\r\n", t.qsos, t.points,
                  t.countries, t.stateProvs, t.dupes, t.badQsos);
    if (t.rates) {
        out += Format("\r\nHourly (10min) QSO rate: %5i (%i) QSOs/hour\r\n"
                      "Hourly (10min) pts rate: %5i (%i) points/hour\r\n\r\n"
                      "Last QSO: %i points",
                      t.hourQsos, 6 * t.tenMinuteQsos, t.hourPoints, 6 * t.tenMinutePoints,
                      t.lastQsoPoints);
    }
    out += Format("\r\nScore: %i*(%i+%i) = %i\r\n", t.points, t.countries, t.stateProvs, t.score);
    return out;
}

std::string SummaryHtml(const SummaryInput& in, const SummaryTally& t) {
    const std::string title =
        Format("   CQ WW 160M %s DX Contest %s-%s", WeekendMode(in.cwContest),
               in.periodStartDayMonth.c_str(), in.periodEndDate.c_str());
    std::string out = kPageHead;
    out += Format(kTitleBlock, title.c_str(), in.ownCall.c_str());
    out += Format(kHeadings, "Band", "QSOs", "Points", "DXCC", "State/Prov");
    for (const BandTally& b : t.bands)
        out += Format(kBandRow, b.band.c_str(), b.qsos, b.points, b.countries, b.stateProvs);
    out += Format(kTotalRow, "Total", t.qsos, t.points, t.countries, t.stateProvs);
    out += Format(kCountRow, "Dupe", t.dupes);
    out += Format(kCountRow, "Bad QSO", t.badQsos);
    out += Format(kLastPointsRow, "Last QSO points:", t.lastQsoPoints);
    out += Format(kScoreRow, "Score:", t.points, t.countries, t.stateProvs, t.score);
    out += Format(kRateRow, "Hourly (10min/1 hour) QSO rate:", t.hourQsos, 6 * t.tenMinuteQsos);
    out += Format(kRateRow, "Hourly (10min/1 hour) pts rate:", t.hourPoints, 6 * t.tenMinutePoints);
    out += kPageEnd;
    return out;
}
