// cq160 report: one to three logs replayed through the module, the page of
// report_page.h written from what the module made of every QSO.
#ifndef CQ160_REPORT_REPORT_RUN_H_
#define CQ160_REPORT_REPORT_RUN_H_

#include <string>

#include "tools/cq160/cli/options.h"
#include "tools/cq160/contest/contest_run.h"
#include "tools/cq160/host/replay_log.h"
#include "tools/cq160/report/report_data.h"

// A replayed log as the report's figures need it (the totals tracked).
ScoredLog ScoredLogOf(const ContestRun& run, const ReplayOutcome& outcome,
                      const std::string& logName);

// Writes text to path whole or not at all: into a temporary file beside it
// that then takes its place. False with *error on failure, when neither
// the temporary file nor a changed path is left behind.
bool WriteFileWhole(const std::string& path, const std::string& text, std::string* error);

// Runs "cq160 report": the page goes to options.output (else
// report-<CALL>[-<CALL>...].html here). Exit status: 0 written; 1 written,
// but a log has unreadable QSO lines or warnings; 2 nothing written.
// WriteReport does it all but the closing "Report: FILE" line, and gives
// the file's name as the user would write it in *written.
int RunReport(const Options& options);
int WriteReport(const Options& options, std::string* written);

#endif  // CQ160_REPORT_REPORT_RUN_H_
