// The Cabrillo 3.0 export. A reset in report mode shows the header dialog
// (beginExport); the next results request adds one QSO line per logged
// record and writes "<fileBase>.cbr" (writeFile). Host thread only.
#ifndef STATS_CABRILLO_CABRILLO_EXPORT_H_
#define STATS_CABRILLO_CABRILLO_EXPORT_H_

#include <string>
#include <vector>

#include "cabrillo/cabrillo_dialog.h"
#include "platform/settings.h"
#include "platform/ole_date.h"

class CabrilloExport {
public:
    // Fills the header from the settings and the fixed defaults, shows the
    // dialog and, on OK, takes the fields back and stores them in the
    // settings. Returns 1 on OK, 0 when the operator cancelled. Blocks on
    // the operator: never call it while holding the module lock.
    int beginExport(const std::string& ownCall, const COleDateTime& periodStart,
                    const COleDateTime& periodEnd, const Settings& settings, int cwContest);

    // Appends one QSO line. freqKHz in kHz; modeText "CW", "PH" or "??".
    void addQsoLine(const std::string& call, int freqKHz, const std::string& modeText,
                    const COleDateTime& time, const std::string& rstSent,
                    const std::string& exchSent, const std::string& rstRcvd,
                    const std::string& exchRcvd, int cwContest);

    // Writes the file and empties the QSO lines. Returns the message for the
    // operator: "File produced: X.cbr", or "File not produced: X.cbr" when
    // the file could not be written completely; an earlier X.cbr then stays
    // as it was.
    std::string writeFile(int cwContest, int claimedScore, const std::string& hostVersion);

    const std::string& fileBase() const { return fileBase_; }
    const CabrilloHeader& header() const { return header_; }
    std::size_t lineCount() const { return qsoLines_.size(); }

private:
    CabrilloHeader header_;
    std::string fileBase_;
    COleDateTime periodStart_;
    COleDateTime periodEnd_;
    std::vector<std::string> qsoLines_;  // each ends in CR LF
};

// text with every non-overlapping occurrence of search, left to right,
// replaced. An empty search string changes nothing.
std::string replaceAll(const std::string& text, const std::string& search,
                       const std::string& replacement);

// The file name of an export for a call: white space around is dropped,
// every character other than an ASCII letter, a digit, "-" and "_" becomes
// "_" ("K1ABC/P" gives "K1ABC_P", "C:X" gives "C_X"), and an empty result is
// "TAVU". The file thus always lands in the current folder.
std::string CabrilloFileBase(const std::string& ownCall);

#endif  // STATS_CABRILLO_CABRILLO_EXPORT_H_
