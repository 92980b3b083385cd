// The bad-QSO (UBN) report: a text file listing every refused or marked QSO,
// one line per problem. Lines end in CR LF. The caller holds whatever lock
// guards the run; the functions themselves keep no state.
#ifndef STATS_SCORING_BAD_QSO_REPORT_H_
#define STATS_SCORING_BAD_QSO_REPORT_H_

#include <string>

#include "scoring/qso_input.h"

// Message texts, written directly after the last field.
extern const char kWrongBand[];
extern const char kWrongMode[];
extern const char kOutsidePeriod[];
extern const char kOwnCall[];
extern const char kNoNumber[];
extern const char kDupe[];
extern const char kBadStateProv[];

// File name of a report created by ResetStats0 for a period end date
// formatted "%d_%m_%Y".
std::string ResetReportName(const std::string& periodEndFileDate);
std::string CwSwitchReportName(const std::string& periodEndFileDate);
std::string SsbSwitchReportName(const std::string& periodEndFileDate);

// Header lines (each ends in one blank) by writer and weekend.
std::string ResetReportHeader(bool cwContest);
std::string CwSwitchReportHeader();
std::string SsbSwitchReportHeader();
std::string RemoveReportHeader(bool cwContest);

// A text as it goes into the report: CR, LF and NUL become a blank, so a
// line break in a host text cannot make one problem two report lines.
std::string OneLine(std::string text);

// Fields 1 to 10 of a problem line ("QSO:  1830  CW  2026-12-05 2213  ..."),
// without the trailing message, each kept to one line (OneLine).
std::string ReportLineFields(const QsoInput& qso);

// Creates the report anew with its header. Best effort: when the file
// cannot be replaced whole it is emptied in place.
void CreateReport(const std::string& path, const std::string& header);

// Rewrites the report with a new header, dropping the old header and every
// line of the QSO whose fields are given: a line is dropped when it begins
// with exactly those fields followed by a blank. A report that cannot be
// read leaves only the header. Whole or not at all: when the new report
// cannot be written the old one stays as it was.
void RewriteReportWithout(const std::string& path, const std::string& header,
                          const std::string& qsoFields);

// The bad-QSO figure of the results: the report's problem lines that are
// not dupe lines (a QSO that duplicates two earlier ones has two dupe lines
// but is one dupe). 0 when the report cannot be read.
int CountBadQsoLines(const std::string& path);

#endif  // STATS_SCORING_BAD_QSO_REPORT_H_
