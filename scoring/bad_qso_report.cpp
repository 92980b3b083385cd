#include "scoring/bad_qso_report.h"

#include <cstdio>
#include <vector>

#include "platform/text_file.h"

const char kWrongBand[] = "   WRONG BAND !!!";
const char kWrongMode[] = "   WRONG MODE !!!";
const char kOutsidePeriod[] = "   OUTSIDE CONTEST PERIOD !!!";
const char kOwnCall[] = "   OWN CALL !!!";
const char kNoNumber[] = "   NO NUMBER !!!";
const char kDupe[] = "   DUPE !!!";
const char kBadStateProv[] = " State or Province not acceptable !!!";

std::string ResetReportName(const std::string& date) {
    return "BadQSO_StatsCQWW160CWSSB_" + date + ".txt";
}
std::string CwSwitchReportName(const std::string& date) {
    return "BadQSO_StatsCQWW160MCWSSB_" + date + ".txt";
}
std::string SsbSwitchReportName(const std::string& date) {
    return "BadQSO_StatsCQWWCWSSB__" + date + ".txt";
}

std::string ResetReportHeader(bool cw) {
    return cw ? "CQ WW 160 CW DX Contest UBN file " : "CQ WW 160 SSB DX Contest UBN file ";
}
std::string CwSwitchReportHeader() { return "CQ WW 160M CW DX Contest UBN file "; }
std::string SsbSwitchReportHeader() { return "CQ WW SSB DX Contest UBN file "; }
std::string RemoveReportHeader(bool cw) {
    return cw ? "CQ WW 160M CW DX Contest UBN file " : "CQ WW 160M SSB DX Contest UBN file ";
}

std::string OneLine(std::string text) {
    for (char& c : text) {
        if (c == '\r' || c == '\n' || c == '\0') c = ' ';
    }
    return text;
}

std::string ReportLineFields(const QsoInput& q) {
    const std::string sep = "  ";
    return OneLine("QSO:" + sep + std::to_string(q.freqHz / 1000) + sep + q.mode + sep +
                   q.time.Format("%Y-%m-%d %H%M") + sep + q.ownCall + sep + q.rstSent + sep +
                   q.exchSent + sep + q.call + sep + q.rstRcvd + sep + q.exchRcvd);
}

void CreateReport(const std::string& path, const std::string& header) {
    if (path.empty()) return;
    if (WriteTextLines(path, {header})) return;
    // A fresh run must not go on counting the lines of the last one: when
    // the file cannot be replaced (a full disk), emptying it in place frees
    // its space, and the header may fit then.
    if (std::FILE* f = std::fopen(NativePath(path).c_str(), "wb")) std::fclose(f);
    AppendFile(path).WriteLine(header);
}

void RewriteReportWithout(const std::string& path, const std::string& header,
                          const std::string& qsoFields) {
    if (path.empty()) return;
    std::vector<std::string> old;
    std::vector<std::string> kept{header};
    const std::string prefix = qsoFields + " ";
    if (ReadTextLines(path, &old)) {
        for (std::size_t i = 1; i < old.size(); ++i) {
            if (old[i].compare(0, prefix.size(), prefix) != 0) kept.push_back(old[i]);
        }
    }
    WriteTextLines(path, kept);
}

int CountBadQsoLines(const std::string& path) {
    std::vector<std::string> lines;
    if (!ReadTextLines(path, &lines)) return 0;
    const std::string dupe = kDupe;
    int count = 0;
    for (std::size_t i = 1; i < lines.size(); ++i) {
        const std::string& line = lines[i];
        const bool isDupe = line.size() >= dupe.size() &&
                            line.compare(line.size() - dupe.size(), dupe.size(), dupe) == 0;
        if (!isDupe) ++count;
    }
    return count;
}
