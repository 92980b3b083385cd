#include "tools/cq160/logs/contest_log.h"

#include <algorithm>

#include "tools/cq160/logs/adif_reader.h"
#include "tools/cq160/logs/cabrillo_reader.h"
#include "tools/cq160/logs/file_util.h"
#include "tools/cq160/logs/log_text.h"

namespace {

// "UTF-16 text (little-endian)" and the like for a file that is not 8-bit
// text; empty for one that is.
std::string NotTextKind(const std::string& text) {
    if (text.compare(0, 2, "\xFF\xFE") == 0) return "UTF-16 text (little-endian)";
    if (text.compare(0, 2, "\xFE\xFF") == 0) return "UTF-16 text (big-endian)";
    const std::size_t nul = text.find('\0');
    if (nul == std::string::npos) return std::string();
    // Without a byte order mark: UTF-16 when every other byte of its start
    // is NUL.
    const std::size_t n = std::min<std::size_t>(text.size() & ~std::size_t{1}, 512);
    int even = 0, odd = 0;
    for (std::size_t i = 0; i < n; ++i) (i % 2 ? odd : even) += text[i] == '\0';
    const int half = static_cast<int>(n / 2);
    if (half > 0 && odd == half && even == 0) return "UTF-16 text (little-endian)";
    if (half > 0 && even == half && odd == 0) return "UTF-16 text (big-endian)";
    return "not a text file (it has a NUL byte at offset " + std::to_string(nul) + ")";
}

}  // namespace

bool ReadContestLog(const std::string& path, ContestLog* log, std::string* error) {
    std::string text;
    bool tooLarge = false;
    if (!ReadWholeFile(path, &text, &tooLarge)) {
        *error = tooLarge ? "the log " + path + " is larger than " + kMaxInputText +
                                ": no contest log is that long"
                          : "cannot read the log " + path;
        return false;
    }
    // A log saved as UTF-16 ("Unicode" in Windows editors) or no text at
    // all would read as a log without QSO lines: say what it is instead.
    const std::string kind = NotTextKind(text);
    if (!kind.empty()) {
        *error = path + " is " + kind + ": a contest log is plain text (ASCII, UTF-8 or "
                 "Windows-1252); save it as such";
        return false;
    }
    if (text.compare(0, 3, "\xEF\xBB\xBF") == 0) text.erase(0, 3);  // a UTF-8 byte order mark
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
