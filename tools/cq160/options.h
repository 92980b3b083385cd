// cq160's command line.
//   cq160 score LOG [options]
//   cq160 export LOG [options]
//   cq160 check LOG CALL [--freq HZ] [--zone N] [options]
#ifndef CQ160_OPTIONS_H_
#define CQ160_OPTIONS_H_

#include <string>

enum class Command { kScore, kExport, kCheck, kHelp };

struct Options {
    Command command = Command::kHelp;
    std::string log;
    std::string checkCall;
    std::string out;         // working folder; empty: cq160-out/<CALL>
    std::string module;      // empty: the module built beside cq160
    std::string call;        // own call; empty: the log's
    std::string cty;         // country file; empty: the default one
    std::string html;        // where to write the HTML results, if wanted
    std::string results;     // where to save the results text, if wanted
    int cwWeekend = -1;      // --mode: 1 CW, 0 SSB, -1 from the log
    unsigned freqHz = 1830000;  // --freq of the checked call
    int zone = -1;           // --zone of the checked call; -1 from the country file
};

// Fills *options from argv. False with *error for anything it cannot take.
bool ParseOptions(int argc, const char* const* argv, Options* options, std::string* error);

// The --help text.
const char* UsageText();

#endif  // CQ160_OPTIONS_H_
