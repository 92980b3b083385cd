// cq160's command line.
//   cq160 score LOG [LOG... | DIR] [options]
//   cq160 export LOG [options]
//   cq160 report LOG [LOG2 [LOG3]] [-o FILE.html] [options]
//   cq160 check LOG CALL [--freq HZ] [--zone N] [--exch EXCH] [--windows [--hold S]]
//         [options]
//   cq160 crosscheck DIR [--window MIN] [--penalty N] [options]
#ifndef CQ160_OPTIONS_H_
#define CQ160_OPTIONS_H_

#include <map>
#include <string>
#include <vector>

enum class Command { kScore, kExport, kCheck, kReport, kCrosscheck, kHelp };

struct Options {
    Command command = Command::kHelp;
    std::string log;         // the (first) log
    std::vector<std::string> logs;  // score: every log or folder named; report: its logs
    std::string output;      // report: -o, where the page goes
    std::string checkCall;
    std::string out;         // working folder; empty: cq160-out/<CALL>
    std::string module;      // empty: the module built beside cq160
    std::string call;        // own call; empty: the log's
    std::string cty;         // country file; empty: the default one
    std::string ctyShown;    // the country file as the user named it, for messages
    std::string html;        // where to write the HTML results, if wanted
    std::string results;     // where to save the results text, if wanted
    std::string sent;        // sent exchange for QSOs that log none
    int cwWeekend = -1;      // --weekend: 1 CW, 0 SSB, -1 from the log
    std::string checkMode;   // --mode of the checked call; empty: the weekend's
    unsigned freqHz = 1830000;  // --freq of the checked call
    int zone = -1;           // --zone of the checked call; -1 from the country file
    std::string exch;        // --exch: the exchange received from the checked call
    int todayYear = 0;       // --today; 0: the system clock's date (UTC)
    int todayMonth = 0;
    int todayDay = 0;
    bool qsos = false;       // --qsos, --mults, --hours: extra sections of score
    bool mults = false;
    bool hours = false;
    std::string json;        // --json FILE, --csv FILE
    std::string csv;
    // export: --category-*, --location, --grid by Cabrillo tag, in upper
    // case and checked; --force: export a log of another contest all the same.
    std::map<std::string, std::string> header;
    bool force = false;
    bool windows = false;    // --windows: check with the module's windows up (Windows only)
    int holdSeconds = -1;    // --hold: how long they stay up; -1 until Enter
    int windowMinutes = 3;   // crosscheck --window: how far apart one QSO's two times may be
    int penalty = 0;         // crosscheck --penalty: extra loss per NIL or busted call
};

// Fills *options from argv. False with *error for anything it cannot take.
bool ParseOptions(int argc, const char* const* argv, Options* options, std::string* error);

// The --help text.
const char* UsageText();

#endif  // CQ160_OPTIONS_H_
