// The Cabrillo export: prepared by a reset in report mode (header dialog),
// written by the next results request.
#ifndef STATS_CABRILLO_CABRILLO_EXPORT_H_
#define STATS_CABRILLO_CABRILLO_EXPORT_H_

#include <string>

#include "platform/ole_date.h"

// Shows the header dialog for the own call and contest period and keeps the
// confirmed header for the next results request. Blocks on the operator:
// never call it while holding g_storeLock.
void PrepareCabrilloExport(const std::string& ownCall, const COleDateTime& periodStart,
                           const COleDateTime& periodEnd);

#endif  // STATS_CABRILLO_CABRILLO_EXPORT_H_
