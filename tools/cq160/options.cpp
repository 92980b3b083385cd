#include "tools/cq160/options.h"

#include <vector>

#include "tools/cq160/log_text.h"

const char* UsageText() {
    return "Usage:\n"
           "  cq160 score LOG [options]       replay a contest log through the scoring\n"
           "                                  module and print its results\n"
           "  cq160 export LOG [options]      the same in report mode: the module also\n"
           "                                  writes its Cabrillo file <CALL>.cbr\n"
           "  cq160 check LOG CALL [options]  replay the log, then ask the module about\n"
           "                                  CALL as the operator types it\n"
           "\n"
           "LOG is a Cabrillo 3.0 or 2.0 file or an ADIF file (.adi), of at most 64 MB.\n"
           "\n"
           "Options:\n"
           "  --out DIR       working folder, where the module writes its files\n"
           "                  (default cq160-out/<CALL>, of the call's letters and\n"
           "                  digits, \"/\" as \"_\")\n"
           "  --module PATH   the module (default: " 
#if defined(_WIN32)
           "Stats.dll"
#else
           "libStats.so"
#endif
           " beside cq160 or in\n"
           "                  the one or two folders above it)\n"
           "  --call CALL     own call (default: the log's CALLSIGN)\n"
           "  --cty PATH      country file in cty.dat format (default: cty.dat beside\n"
           "                  cq160, else /usr/share/hamradio-files/cty.dat)\n"
           "  --mode CW|SSB   the weekend, and the mode of the checked call (default:\n"
           "                  the log's CONTEST tag)\n"
           "  --freq HZ       frequency of the checked call in Hz (default 1830000)\n"
           "  --zone N        CQ zone of the checked call (default: the country file's)\n"
           "  --html FILE     write the module's HTML results to FILE\n"
           "  --results FILE  save the module's results text to FILE as it is\n"
           "  --help          this text\n"
           "\n"
           "Exit status: 0 done; 1 done, but the log has QSO lines that could not be\n"
           "read (listed, and left out); 2 nothing done: bad arguments, or the log,\n"
           "the module, the country file or the working folder cannot be used.\n";
}

bool ParseOptions(int argc, const char* const* argv, Options* o, std::string* error) {
    std::vector<std::string> positional;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--help" || arg == "-h") {
            o->command = Command::kHelp;
            return true;
        }
        if (arg.size() < 2 || arg.compare(0, 2, "--") != 0) {
            positional.push_back(arg);
            continue;
        }
        if (i + 1 >= argc) {
            *error = arg + " needs a value";
            return false;
        }
        const std::string value = argv[++i];
        if (arg == "--out") {
            o->out = value;
        } else if (arg == "--module") {
            o->module = value;
        } else if (arg == "--call") {
            o->call = UpperAscii(TrimBlanks(value));
        } else if (arg == "--cty") {
            o->cty = value;
        } else if (arg == "--html") {
            o->html = value;
        } else if (arg == "--results") {
            o->results = value;
        } else if (arg == "--mode") {
            const std::string mode = HostMode(value);
            if (mode != "CW" && mode != "SSB") {
                *error = "--mode takes CW or SSB, not " + value;
                return false;
            }
            o->cwWeekend = mode == "CW";
        } else if (arg == "--freq") {
            if (!IsDigits(value) || value.size() > 9 || std::stoul(value) == 0) {
                *error = "--freq takes the frequency in Hz, not " + value;
                return false;
            }
            o->freqHz = static_cast<unsigned>(std::stoul(value));
        } else if (arg == "--zone") {
            if (!IsDigits(value) || value.size() > 2 || std::stoi(value) < 1 ||
                std::stoi(value) > 40) {
                *error = "--zone takes a CQ zone from 1 to 40, not " + value;
                return false;
            }
            o->zone = std::stoi(value);
        } else {
            *error = "unknown option " + arg;
            return false;
        }
    }
    if (positional.empty()) {
        *error = "no command (score, export or check)";
        return false;
    }
    const std::string& command = positional[0];
    std::size_t wanted = 2;
    if (command == "score") {
        o->command = Command::kScore;
    } else if (command == "export") {
        o->command = Command::kExport;
    } else if (command == "check") {
        o->command = Command::kCheck;
        wanted = 3;
    } else {
        *error = "unknown command " + command;
        return false;
    }
    if (positional.size() != wanted) {
        *error = command + (wanted == 3 ? " takes a log and a call" : " takes one log");
        return false;
    }
    o->log = positional[1];
    if (wanted == 3) o->checkCall = UpperAscii(TrimBlanks(positional[2]));
    return true;
}
