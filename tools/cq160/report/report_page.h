// The report as one self-contained HTML page (UTF-8): the styles inline,
// every chart inline SVG (report_svg.h), no script and nothing fetched.
#ifndef CQ160_REPORT_REPORT_PAGE_H_
#define CQ160_REPORT_REPORT_PAGE_H_

#include <string>
#include <vector>

#include "tools/cq160/report/report_data.h"

// Text from a log or the country file as UTF-8: kept when it is valid
// UTF-8 already, else read as Windows-1251 (the logs' 8-bit texts).
std::string ToUtf8(const std::string& text);

// "263,886".
std::string GroupedNumber(long long n);

// The page of one log. allStatesProvinces: the contest's, for the grid.
std::string LogReportPage(const ScoredLog& log, const std::vector<std::string>& allStatesProvinces);

// Two or three logs of one weekend compared, then each log's own sections.
std::string ComparisonReportPage(const std::vector<ScoredLog>& logs,
                                 const std::vector<std::string>& allStatesProvinces);

#endif  // CQ160_REPORT_REPORT_PAGE_H_
