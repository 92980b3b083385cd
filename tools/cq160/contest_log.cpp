#include "tools/cq160/contest_log.h"

#include "tools/cq160/adif_reader.h"
#include "tools/cq160/cabrillo_reader.h"
#include "tools/cq160/file_util.h"
#include "tools/cq160/log_text.h"

bool ReadContestLog(const std::string& path, ContestLog* log, std::string* error) {
    std::string text;
    bool tooLarge = false;
    if (!ReadWholeFile(path, &text, &tooLarge)) {
        *error = tooLarge ? "the log " + path + " is larger than " + kMaxInputText +
                                ": no contest log is that long"
                          : "cannot read the log " + path;
        return false;
    }
    const std::string name = UpperAscii(path);
    const bool adif = EndsWith(name, ".ADI") || EndsWith(name, ".ADIF") ||
                      UpperAscii(text).find("<EOH>") != std::string::npos;
    *log = ContestLog();
    if (adif) {
        ReadAdif(text, log);
    } else {
        ReadCabrillo(text, log);
    }
    return true;
}

int ContestModeFromTag(const std::string& contest) {
    const std::string tag = UpperAscii(contest);
    // CQ-WW-160M-SSB, CQ-160-SSB, CQ-160-PH; CQ-WW-160M-CW, CQ-160-CW.
    if (EndsWith(tag, "SSB") || EndsWith(tag, "PH")) return 0;
    if (EndsWith(tag, "CW")) return 1;
    return -1;
}
