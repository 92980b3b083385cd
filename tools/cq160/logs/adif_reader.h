// Reads ADIF (.adi) logs: an optional header up to <EOH>, then records of
// <NAME:length[:type]>data fields ended by <EOR>. Used per record: CALL,
// QSO_DATE (yyyymmdd), TIME_ON (hhmm or hhmmss), FREQ (MHz) or else BAND
// (the band's lower edge then stands for the frequency), MODE (PHONE, USB
// and LSB count as SSB), RST_SENT, RST_RCVD, the exchanges as logged
// (SRX_STRING, else SRX; STX_STRING, else STX), the locations that stand in
// for a missing exchange (STATE, else VE_PROV, and CQZ received; MY_STATE
// and MY_CQ_ZONE sent), and STATION_CALLSIGN (or OPERATOR) for the own
// call. CONTEST_ID stands in for Cabrillo's CONTEST tag.
#ifndef CQ160_ADIF_READER_H_
#define CQ160_ADIF_READER_H_

#include <string>

#include "tools/cq160/logs/contest_log.h"

void ReadAdif(const std::string& text, ContestLog* log);

#endif  // CQ160_ADIF_READER_H_
