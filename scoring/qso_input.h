// The arguments of AddData0 / RemoveData0 that the module uses, taken over
// from the host's raw pointers (a null text is the empty text).
#ifndef STATS_SCORING_QSO_INPUT_H_
#define STATS_SCORING_QSO_INPUT_H_

#include <string>

#include "platform/ole_date.h"

struct QsoInput {
    std::string ownCall;         // 1
    std::string call;            // 2
    COleDateTime time;           // 3; a null pointer arrives as status null
    unsigned freqHz = 0;         // 8
    std::string mode;            // 9
    std::string rstSent;         // 10
    std::string rstRcvd;         // 11
    std::string exchSent;        // 12
    std::string exchRcvd;        // 13
    std::string detailedPrefix;  // 22, e.g. "IT9"
    std::string countryPrefix;   // 23, e.g. "I"
    std::string continent;       // 30
    std::string band;            // 32
};

#endif  // STATS_SCORING_QSO_INPUT_H_
