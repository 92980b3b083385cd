// Reads Cabrillo 3.0 and 2.0 logs: the header tags (every one is kept;
// CALLSIGN, CONTEST, CLAIMED-SCORE and START-OF-LOG are read), and the QSO
// lines
//   QSO: freq mo date time mycall rst exch call rst exch [t]
// with the frequency in kHz, the date as yyyy-mm-dd and the time as hhmm.
// Tags and fields may be in lower case and separated by any run of blanks;
// the transmitter column may be missing; lines may end in CR LF or LF.
// X-QSO lines are counted and skipped: they do not count in the score.
#ifndef CQ160_CABRILLO_READER_H_
#define CQ160_CABRILLO_READER_H_

#include <string>

#include "tools/cq160/logs/contest_log.h"

void ReadCabrillo(const std::string& text, ContestLog* log);

// Parses the fields after "QSO:". On failure returns false with a short
// reason ("bad time 22x5").
bool ParseCabrilloQso(const std::string& fields, LogQso* qso, std::string* reason);

#endif  // CQ160_CABRILLO_READER_H_
