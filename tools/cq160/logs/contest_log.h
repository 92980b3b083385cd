// A contest log as read from a file: the header facts cq160 needs, the QSOs
// it could read and the QSO lines it could not. Readers never stop at a bad
// line: they list it and go on.
#ifndef CQ160_CONTEST_LOG_H_
#define CQ160_CONTEST_LOG_H_

#include <string>
#include <vector>

#include "tools/cq160/host/ole_time.h"

struct LogQso {
    int line = 0;          // where the QSO starts in the file, from 1
    unsigned freqHz = 0;   // 0 when the log gives only the band
    std::string band;      // "160m"; empty outside the amateur bands
    std::string mode;      // "CW", "SSB", or the log's own text for others
    UtcTime time;
    std::string ownCall;   // as sent, upper case
    std::string rstSent;   // RSTs and exchanges as logged
    std::string exchSent;
    std::string call;      // worked call, upper case
    std::string rstRcvd;
    std::string exchRcvd;
    // ADIF only: the stations' locations, which stand in for an exchange
    // the record does not give (see ChooseExchange()).
    std::string rcvdStateProv;  // STATE, else VE_PROV
    std::string rcvdZone;       // CQZ
    std::string sentStateProv;  // MY_STATE
    std::string sentZone;       // MY_CQ_ZONE
};

// One header tag of a Cabrillo log as the operator wrote it.
struct HeaderTag {
    int line = 0;
    std::string tag;    // upper case: "CATEGORY-POWER", "ADDRESS", "SOAPBOX"
    std::string value;  // blanks around it removed
};

struct UnreadableLine {
    int line = 0;
    std::string text;    // the line (or ADIF record) as it stands, CR dropped
    std::string reason;
};

struct ContestLog {
    std::string format;        // "Cabrillo 3.0", "Cabrillo 2.0", "ADIF"
    std::string callsign;      // CALLSIGN tag (ADIF: the first STATION_CALLSIGN)
    std::string contest;       // CONTEST tag (ADIF: CONTEST_ID)
    std::string claimedScore;  // CLAIMED-SCORE tag as written; empty if none
    int callsignLine = 0;      // where callsign and contest were found; 0 if nowhere
    int contestLine = 0;
    std::vector<HeaderTag> header;  // every Cabrillo header tag, in file order
    std::vector<LogQso> qsos;
    std::vector<UnreadableLine> unreadable;
    int skippedLines = 0;      // X-QSO lines: kept out of the score on purpose
    // A Cabrillo log that opens with START-OF-LOG but has no END-OF-LOG:
    // the file may have been cut short, and QSOs lost with its end.
    bool endMissing = false;
};

// Reads the file at path as ADIF when its name ends in ".adi" or ".adif" or
// its text has an ADIF header end (<EOH>), else as Cabrillo. False (and
// *error) when the file cannot be read, or is not 8-bit text (UTF-16, or
// with NUL bytes: *error names which). A UTF-8 byte order mark is skipped.
bool ReadContestLog(const std::string& path, ContestLog* log, std::string* error);

// The weekend the CONTEST tag names: 1 CW, 0 SSB, -1 when it tells neither.
int ContestModeFromTag(const std::string& contest);

#endif  // CQ160_CONTEST_LOG_H_
