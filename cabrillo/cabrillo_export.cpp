#include "cabrillo/cabrillo_export.h"

// The Cabrillo writer is not built yet: a report request prepares nothing.
void PrepareCabrilloExport(const std::string&, const COleDateTime&, const COleDateTime&) {}
