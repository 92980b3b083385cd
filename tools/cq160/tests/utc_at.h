// A UTC time to the minute, for the tests that build QSO times and periods.
#ifndef CQ160_TESTS_UTC_AT_H_
#define CQ160_TESTS_UTC_AT_H_

#include "tools/cq160/host/ole_time.h"

inline UtcTime At(int y, int mo, int d, int h, int mi) {
    UtcTime t;
    t.year = y;
    t.month = mo;
    t.day = d;
    t.hour = h;
    t.minute = mi;
    return t;
}

#endif  // CQ160_TESTS_UTC_AT_H_
