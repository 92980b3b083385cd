// The module's one instance, which the exports work on: created when the
// module is loaded, destroyed when it is unloaded. Tests and tools that do
// not go through the exports make a ContestModule of their own.
#ifndef STATS_INTERFACE_MODULE_STATE_H_
#define STATS_INTERFACE_MODULE_STATE_H_

#include "interface/contest_module.h"

extern ContestModule g_module;

#endif  // STATS_INTERFACE_MODULE_STATE_H_
