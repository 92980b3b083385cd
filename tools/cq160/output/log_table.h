// The summary of several logs scored at once: one row per log, as a text
// table whose columns widen to the longest entry, as CSV (CR LF, RFC 4180
// quoting) and as JSON.
#ifndef CQ160_LOG_TABLE_H_
#define CQ160_LOG_TABLE_H_

#include <string>
#include <vector>

struct LogRow {
    std::string log;         // as named on the command line
    std::string call;        // empty when the log could not be scored
    std::string mode;        // "CW" or "SSB"
    std::string qsos;
    std::string claimed;     // a number or "none"
    std::string module;      // the module's score, "none", or why the log was not scored
    std::string difference;  // claimed - module, or "-"
    std::string warnings;
    int status = 0;          // the log's exit status
};

// The text table with its heading; a log that could not be scored gets a
// line of its own with the reason. Logs are shown by their file names.
std::string LogTableText(const std::vector<LogRow>& rows);

// Columns log,call,weekend,qsos,claimed,module,difference,warnings,status;
// empty fields where a value is unknown.
std::string LogTableCsv(const std::vector<LogRow>& rows);

// {"logs": [{"log", "call", "weekend", "qsos", "claimed", "module",
// "difference", "warnings", "status", "error"}], "status": worst}; numbers
// as numbers, null where unknown.
std::string LogTableJson(const std::vector<LogRow>& rows, int worst);

#endif  // CQ160_LOG_TABLE_H_
