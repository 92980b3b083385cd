#include "tools/cq160/host/module_loader.h"

#include "tools/cq160/host/module_library.h"

namespace {

template <typename F>
void Find(LibraryHandle h, const char* name, F* slot, std::string* missing) {
    *slot = reinterpret_cast<F>(LibrarySymbol(h, name));
    if (!*slot) *missing += std::string(missing->empty() ? "" : ", ") + name;
}

}  // namespace

bool LoadModule(const std::string& path, ModuleApi* api, std::string* error) {
    std::string why;
    LibraryHandle h = OpenLibrary(path, &why);
    if (!h) {
        *error = "cannot load the module " + path + ": " + why;
        return false;
    }
    std::string missing;
    Find(h, "setVersion", &api->setVersion, &missing);
    Find(h, "GetNumberOfSets", &api->getNumberOfSets, &missing);
    Find(h, "GetExchgCount0", &api->getExchgCount, &missing);
    Find(h, "GetSetName", &api->getSetName, &missing);
    Find(h, "SetupSet0", &api->setupSet, &missing);
    Find(h, "CheckCall0", &api->checkCall, &missing);
    Find(h, "IsValidExchg0", &api->isValidExchg, &missing);
    Find(h, "AddData0", &api->addData, &missing);
    Find(h, "RemoveData0", &api->removeData, &missing);
    Find(h, "ResetStats0", &api->resetStats, &missing);
    Find(h, "GetResult0", &api->getResult, &missing);
    FindModuleHooks(h, api);
    if (!missing.empty()) {
        *error = "the module " + path + " does not export " + missing;
        return false;
    }
    return true;
}
