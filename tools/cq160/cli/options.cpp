#include "tools/cq160/cli/options.h"

#include <vector>

#include "tools/cq160/contest/band_plan.h"
#include "tools/cq160/host/host_windows.h"
#include "tools/cq160/host/module_loader.h"
#include "tools/cq160/host/ole_time.h"
#include "tools/cq160/logs/log_text.h"
#include "tools/cq160/output/export_header.h"

const char* UsageText() {
    static const std::string text =
        std::string("Usage:\n"
           "  cq160 score LOG [options]       replay a contest log through the scoring\n"
           "                                  module and print its results\n"
           "  cq160 score LOG LOG... | DIR    several logs (or the .log, .cbr, .adi and\n"
           "                                  .adif files of a folder): one summary row\n"
           "                                  each; the exit status is the worst log's\n"
           "  cq160 export LOG [options]      the same in report mode: the module also\n"
           "                                  writes its Cabrillo file <CALL>.cbr, the\n"
           "                                  header (station, categories, LOCATION)\n"
           "                                  as the log's own\n"
           "  cq160 check LOG CALL [options]  replay the log, then ask the module about\n"
           "                                  CALL as the operator types it\n"
           "  cq160 report LOG [LOG2 [LOG3]] [-o FILE.html]\n"
           "                                  one HTML page (offline, charts inline) of\n"
           "                                  what the module made of the log: rates,\n"
           "                                  running score, multipliers, continents,\n"
           "                                  QSOs that do not count; two or three logs\n"
           "                                  of one weekend compared (default file:\n"
           "                                  report-<CALL>[-<CALL>...].html)\n"
           "  cq160 crosscheck DIR [options]  check the logs of one weekend (the .log,\n"
           "                                  .cbr, .adi and .adif files of DIR) against\n"
           "                                  each other as the sponsor does: a verdict\n"
           "                                  for every QSO, a UBN report and the checked\n"
           "                                  score of every log (see the README)\n"
           "\n"
           "LOG is a Cabrillo 3.0 or 2.0 file or an ADIF file (.adi), of at most 64 MB.\n"
           "Read from ADIF: CALL, QSO_DATE, TIME_ON, FREQ (else BAND: its lower edge\n"
           "stands for the frequency), MODE, RST_SENT, RST_RCVD, STATION_CALLSIGN (else\n"
           "OPERATOR), CONTEST_ID, and the exchanges in this order of preference:\n"
           "  received: SRX_STRING, SRX, then for US and Canadian stations STATE,\n"
           "            VE_PROV, for all others CQZ\n"
           "  sent:     STX_STRING, STX, then MY_STATE from a US or Canadian own\n"
           "            station, MY_CQ_ZONE from any other, then --sent\n"
           "\n"
           "The contest period is the weekend of the CONTEST tag's mode that holds the\n"
           "log's QSOs: CW the last full weekend of January, SSB that of February,\n"
           "22:00 UTC Friday to 22:00 UTC Sunday. Warnings (with line numbers, to\n"
           "standard error and in the summary; they never change the score): QSOs\n"
           "outside the period, a CONTEST tag of another contest or weekend, QSOs in\n"
           "another mode than the weekend's, QSO lines sent from another call than\n"
           "CALLSIGN, QSOs dated after today, an operating time over the 30 hours of\n"
           "a SINGLE-OP or the 40 of a MULTI-OP station (off periods: 30 minutes or\n"
           "more without a QSO), a country file more than a year older than the\n"
           "contest (its name and date are shown).\n"
           "\n"
           "Options:\n"
           "  --out DIR       working folder, where the module writes its files\n"
           "                  (default cq160-out/<CALL>, of the call's letters and\n"
           "                  digits, \"/\" as \"_\"); refused when a file to be\n"
           "                  written there is an input, or is there already and\n"
           "                  DIR is not a working folder of cq160's\n"
           "  --module PATH   the module (default: ") +
           ModuleFileName() +
           " beside cq160 or in\n"
           "                  the one or two folders above it)\n"
           "  --call CALL     own call (default: the log's CALLSIGN)\n"
           "  --cty PATH      country file in cty.dat format (default: cty.dat beside\n"
           "                  cq160, else /usr/share/hamradio-files/cty.dat)\n"
           "  --weekend CW|SSB  the weekend to score (default: the log's CONTEST tag,\n"
           "                  else the mode of most QSOs)\n"
           "  --mode CW|SSB   check: the mode of the checked call (default: the\n"
           "                  weekend's); score and export: the same as --weekend\n"
           "  --sent EXCH     the sent exchange, for QSOs whose log gives none\n"
           "  --today DATE    judge QSO dates against DATE (yyyy-mm-dd) rather than\n"
           "                  the system clock's date\n"
           "  --freq FREQ     frequency of the checked call in Hz, kHz or MHz, as the\n"
           "                  number lies in an amateur band (1830000, 1830 and 1.83\n"
           "                  alike; default 1830 kHz)\n"
           "  --zone N        CQ zone of the checked call (default: the country file's)\n"
           "  --exch EXCH     the exchange received from the checked call, for the\n"
           "                  module's verdict on it (a US or Canadian station's state\n"
           "                  or province is its multiplier)\n"
           "  --qsos          score: one row per QSO in log order: line, time, call,\n"
           "                  received exchange, points, the multiplier it brought,\n"
           "                  and \"counts\" or why not (dupe, bad state or province,\n"
           "                  wrong band, wrong mode, missing exchange)\n"
           "  --mults         score: countries worked by continent, states and\n"
           "                  provinces worked and not worked\n"
           "  --hours         score: QSOs and points that count per clock hour\n"
           "  --json FILE     score: the whole result as JSON (see the README); with\n"
           "                  several logs, their table\n"
           "  --csv FILE      score: the same as CSV\n"
           "                  (points and multipliers are read from the module's\n"
           "                  totals, the reasons from its report)\n"
           "  --windows       check: with the module's operator windows up (Windows\n"
           "                  build only): its contest window and the Multiplier,\n"
           "                  Extended Multiplier and State/Prov windows follow the\n"
           "                  checked call and --freq, as cq160 answers for the host;\n"
           "                  they stay up until Enter is pressed, then close\n"
           "  --hold SECONDS  with --windows: keep them up SECONDS instead (Enter\n"
           "                  still ends sooner)\n"
           "  --category-operator SINGLE-OP|MULTI-OP|CHECKLOG\n"
           "  --category-assisted ASSISTED|NON-ASSISTED\n"
           "  --category-power HIGH|LOW|QRP\n"
           "  --category-station FIXED|PORTABLE|MOBILE|... (the Cabrillo 3.0 list)\n"
           "  --category-transmitter ONE|TWO|LIMITED|UNLIMITED|SWL\n"
           "  --category-overlay CLASSIC|ROOKIE|TB-WIRES|YOUTH|NOVICE-TECH|YL\n"
           "  --location DX|STATE|PROVINCE   --grid LOCATOR\n"
           "                  export: the header line as the entrant chooses it, over\n"
           "                  the log's; without, the log's, LOCATION worked out from\n"
           "                  the QSOs, else the header dialog's default (each header\n"
           "                  line that is not the log's is listed with its source)\n"
           "  --force         export a log of another contest or weekend all the same\n"
           "  --window MIN    crosscheck: how many minutes apart the two logs' times\n"
           "                  of one QSO may be, once their clocks are corrected\n"
           "                  (default 3)\n"
           "  --penalty N     crosscheck: take off N times the points of each not-in-log\n"
           "                  and busted-call QSO besides removing it (default 0)\n"
           "  --json FILE, --csv FILE  crosscheck: every verdict as JSON, CSV\n"
           "  --html FILE     write the module's HTML results to FILE\n"
           "  --results FILE  save the module's results text to FILE as it is\n"
           "  --help          this text\n"
           "\n"
           "Exit status: 0 done; 1 done, with warnings: the log has QSO lines that\n"
           "could not be read (listed, and left out) or warnings; 2 nothing done: bad\n"
           "arguments, an option the command does not use, or the log, the module,\n"
           "the country file or the working folder cannot be used, or export refused\n"
           "a log of another contest; 3 done, but an output file asked for could not\n"
           "be written (the results are on standard output).\n";
    return text.c_str();
}

namespace {

// "2027-03-01" into its parts, for a real date only.
bool ParseDate(const std::string& text, int* y, int* m, int* d) {
    UtcTime t;
    if (!ParseDateText(text, &t) || !IsValidUtcTime(t)) return false;
    *y = t.year;
    *m = t.month;
    *d = t.day;
    return true;
}

// A frequency as operators type it, in Hz, kHz or MHz: the unit in which
// the number lies in an amateur band (no number does so in two units).
bool ParseFrequency(const std::string& text, unsigned* hz) {
    for (const int scale : {0, 3, 6}) {  // Hz, kHz, MHz
        unsigned long long value = 0;
        if (!ParseScaledDecimal(text, scale, &value) || value == 0 || value > 4000000000ULL)
            continue;
        if (BandOfKHz(value / 1000.0).empty()) continue;
        *hz = static_cast<unsigned>(value);
        return true;
    }
    return false;
}

// The options each command uses; any other is refused. Every command takes
// --out, --module, --call, --cty, --weekend, --mode, --sent and --today.
bool UsedBy(Command command, const std::string& option) {
    static const char* const kScore[] = {"--qsos", "--mults", "--hours", "--json", "--csv",
                                         "--html", "--results"};
    static const char* const kExport[] = {"--html", "--results", "--force"};
    static const char* const kCheck[] = {"--freq", "--zone", "--exch", "--windows", "--hold"};
    static const char* const kCrosscheck[] = {"--json", "--csv", "--window", "--penalty"};
    auto in = [&option](const auto& list) {
        for (const char* name : list)
            if (option == name) return true;
        return false;
    };
    switch (command) {
        case Command::kScore: return in(kScore);
        case Command::kExport: return in(kExport) || IsHeaderOption(option);
        case Command::kCheck: return in(kCheck);
        case Command::kCrosscheck: return in(kCrosscheck);
        default: return false;
    }
}

bool IsCommon(const std::string& option) {
    for (const char* name : {"--out", "--module", "--call", "--cty", "--weekend", "--mode",
                             "--sent", "--today"})
        if (option == name) return true;
    return false;
}

bool IsFlag(const std::string& arg) {
    return arg == "--qsos" || arg == "--mults" || arg == "--hours" || arg == "--windows" ||
           arg == "--force";
}

bool TakesValue(const std::string& arg) {
    static const char* const kNames[] = {"--out",  "--module", "--call",  "--cty",   "--html",
                                         "--results", "--mode", "--weekend", "--freq", "--zone",
                                         "--exch", "--sent",  "--today", "--json",  "--csv",
                                         "--hold", "--window", "--penalty"};
    for (const char* name : kNames) {
        if (arg == name) return true;
    }
    return false;
}

}  // namespace

bool ParseOptions(int argc, const char* const* argv, Options* o, std::string* error) {
    std::vector<std::string> positional;
    std::vector<std::string> given;  // the options, in order
    std::string mode;  // --mode as given; its meaning depends on the command
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--help" || arg == "-h") {
            o->command = Command::kHelp;
            return true;
        }
        if (arg == "-o" || arg == "--output") {
            if (i + 1 >= argc) {
                *error = arg + " needs a value";
                return false;
            }
            o->output = argv[++i];
            continue;
        }
        if (arg.size() < 2 || arg.compare(0, 2, "--") != 0) {
            positional.push_back(arg);
            continue;
        }
        given.push_back(arg);
        if (IsFlag(arg)) {
            if (arg == "--qsos") o->qsos = true;
            if (arg == "--mults") o->mults = true;
            if (arg == "--hours") o->hours = true;
            if (arg == "--windows") o->windows = true;
            if (arg == "--force") o->force = true;
            continue;
        }
        if (!TakesValue(arg) && !IsHeaderOption(arg)) {
            *error = "unknown option " + arg;
            return false;
        }
        if (i + 1 >= argc) {
            *error = arg + " needs a value";
            return false;
        }
        const std::string value = argv[++i];
        if (IsHeaderOption(arg)) {
            if (!TakeHeaderOption(arg, value, &o->header, error)) return false;
        } else if (arg == "--out") {
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
        } else if (arg == "--json") {
            o->json = value;
        } else if (arg == "--csv") {
            o->csv = value;
        } else if (arg == "--sent") {
            o->sent = TrimBlanks(value);
            if (o->sent.empty()) {
                *error = "--sent takes the exchange you sent (your state, province or CQ zone)";
                return false;
            }
        } else if (arg == "--exch") {
            o->exch = TrimBlanks(value);
        } else if (arg == "--mode" || arg == "--weekend") {
            const std::string m = HostMode(value);
            if (m != "CW" && m != "SSB") {
                *error = arg + " takes CW or SSB, not " + value;
                return false;
            }
            if (arg == "--mode") {
                mode = m;
            } else {
                o->cwWeekend = m == "CW";
            }
        } else if (arg == "--today") {
            if (!ParseDate(value, &o->todayYear, &o->todayMonth, &o->todayDay)) {
                *error = "--today takes a date as yyyy-mm-dd, not " + value;
                return false;
            }
        } else if (arg == "--freq") {
            if (!ParseFrequency(value, &o->freqHz)) {
                *error = "--freq takes the frequency in Hz, kHz or MHz (1830000, 1830, 1.83), "
                         "within an amateur band, not " + value;
                return false;
            }
        } else if (arg == "--hold") {
            constexpr int kLongest = 86400;  // a day
            if (!IsDigits(value) || value.size() > 5 || std::stoi(value) > kLongest) {
                *error = "--hold takes the seconds the windows stay up (0 to 86400), not " +
                         value;
                return false;
            }
            o->holdSeconds = std::stoi(value);
        } else if (arg == "--window" || arg == "--penalty") {
            const int most = arg == "--window" ? 60 : 10;
            if (!IsDigits(value) || value.size() > 2 || std::stoi(value) > most) {
                *error = arg + " takes a whole number from 0 to " + std::to_string(most) +
                         ", not " + value;
                return false;
            }
            (arg == "--window" ? o->windowMinutes : o->penalty) = std::stoi(value);
        } else if (arg == "--zone") {
            if (!IsDigits(value) || value.size() > 2 || std::stoi(value) < 1 ||
                std::stoi(value) > 40) {
                *error = "--zone takes a CQ zone from 1 to 40, not " + value;
                return false;
            }
            o->zone = std::stoi(value);
        }
    }
    if (positional.empty()) {
        *error = "no command (score, export, check, report or crosscheck)";
        return false;
    }
    const std::string& command = positional[0];
    if (command == "score") {
        o->command = Command::kScore;
    } else if (command == "export") {
        o->command = Command::kExport;
    } else if (command == "check") {
        o->command = Command::kCheck;
    } else if (command == "report") {
        o->command = Command::kReport;
    } else if (command == "crosscheck") {
        o->command = Command::kCrosscheck;
    } else {
        *error = "unknown command " + command + " (score, export, check, report or crosscheck)";
        return false;
    }
    if (o->windows && o->command != Command::kCheck) {
        *error = "--windows is an option of check";
        return false;
    }
    for (const std::string& option : given) {
        if (IsCommon(option) || UsedBy(o->command, option)) continue;
        std::string users;
        for (const auto& [c, name] : {std::pair<Command, const char*>{Command::kScore, "score"},
                                      {Command::kExport, "export"},
                                      {Command::kCheck, "check"},
                                      {Command::kCrosscheck, "crosscheck"}}) {
            if (UsedBy(c, option)) users += std::string(users.empty() ? "" : " and ") + name;
        }
        *error = option + " is not an option of " + command + " (it is one of " + users + ")";
        return false;
    }
    if (o->holdSeconds >= 0 && !o->windows) {
        *error = "--hold goes with --windows";
        return false;
    }
    if (o->windows && !ModuleOpensWindows()) {
        *error = "--windows needs the Windows build, cq160.exe with Stats.dll (under Wine on "
                 "Linux): libStats.so opens no windows";
        return false;
    }
    if (!o->output.empty() && o->command != Command::kReport) {
        *error = "-o is an option of report";
        return false;
    }
    if (o->command == Command::kReport) {
        if (positional.size() < 2 || positional.size() > 4) {
            *error = "report takes one, two or three logs";
            return false;
        }
        if (positional.size() > 2 && !o->call.empty()) {
            *error = "--call goes with one log";
            return false;
        }
        o->log = positional[1];
        o->logs.assign(positional.begin() + 1, positional.end());
        if (!mode.empty() && o->cwWeekend < 0) o->cwWeekend = mode == "CW";
        return true;
    }
    if (o->command == Command::kCrosscheck) {
        if (positional.size() != 2) {
            *error = "crosscheck takes one folder of logs";
            return false;
        }
        o->log = positional[1];
        o->logs.assign(1, o->log);
        if (!mode.empty() && o->cwWeekend < 0) o->cwWeekend = mode == "CW";
        return true;
    }
    const std::size_t wanted = o->command == Command::kCheck ? 3 : 2;
    if (o->command == Command::kScore && positional.size() > 2) {
        o->log = positional[1];
        o->logs.assign(positional.begin() + 1, positional.end());
        if (!mode.empty() && o->cwWeekend < 0) o->cwWeekend = mode == "CW";
        return true;
    }
    if (positional.size() != wanted) {
        *error = command + (wanted == 3 ? " takes a log and a call" : " takes one log");
        return false;
    }
    o->log = positional[1];
    o->logs.assign(positional.begin() + 1, positional.begin() + 2);
    if (o->command == Command::kCheck) {
        o->checkCall = UpperAscii(TrimBlanks(positional[2]));
        o->checkMode = mode;
    } else if (!mode.empty() && o->cwWeekend < 0) {
        o->cwWeekend = mode == "CW";
    }
    return true;
}
