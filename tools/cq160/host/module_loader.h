// Loads the scoring module by file name and finds its eleven exports by
// their plain names, the way the host does: dlopen/dlsym, or LoadLibraryA /
// GetProcAddress on Windows. Nothing links against the module; the function
// types come from its interface header.
#ifndef CQ160_MODULE_LOADER_H_
#define CQ160_MODULE_LOADER_H_

#include <string>

#include "cabrillo/cabrillo_dialog_posix.h"
#include "interface/exports.h"

using SetVersionFn = decltype(&setVersion);

struct ModuleApi {
    SetVersionFn setVersion = nullptr;
    decltype(&GetNumberOfSets) getNumberOfSets = nullptr;
    decltype(&GetExchgCount0) getExchgCount = nullptr;
    decltype(&GetSetName) getSetName = nullptr;
    decltype(&SetupSet0) setupSet = nullptr;
    decltype(&CheckCall0) checkCall = nullptr;
    decltype(&IsValidExchg0) isValidExchg = nullptr;
    decltype(&AddData0) addData = nullptr;
    decltype(&RemoveData0) removeData = nullptr;
    decltype(&ResetStats0) resetStats = nullptr;
    decltype(&GetResult0) getResult = nullptr;
    // Not one of the host's entry points: libStats.so's hook through which
    // cq160 answers the Cabrillo header dialog (cabrillo_dialog_posix.h).
    // Null on Windows, where cq160 answers the real dialog, and for a
    // module without it.
    decltype(&SetCabrilloDialogOperator) setDialogOperator = nullptr;
};

// Loads the module at path (a path the system can open from the current
// directory, best absolute). On failure returns false with *error telling
// what failed. The module stays loaded until the process ends, as it does
// in the host.
bool LoadModule(const std::string& path, ModuleApi* api, std::string* error);

// The module's file name on this platform: "Stats.dll" or "libStats.so".
const char* ModuleFileName();

#endif  // CQ160_MODULE_LOADER_H_
