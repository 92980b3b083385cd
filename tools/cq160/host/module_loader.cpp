#include "tools/cq160/host/module_loader.h"

#if defined(_WIN32)
#include <windows.h>
#else
#include <dlfcn.h>
#endif

namespace {

#if defined(_WIN32)
using Handle = HMODULE;
Handle Open(const std::string& path, std::string* why) {
    Handle h = LoadLibraryA(path.c_str());
    if (!h) *why = "LoadLibraryA failed, error " + std::to_string(GetLastError());
    return h;
}
void* Symbol(Handle h, const char* name) {
    return reinterpret_cast<void*>(GetProcAddress(h, name));
}
#else
using Handle = void*;
Handle Open(const std::string& path, std::string* why) {
    Handle h = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (!h) {
        const char* text = dlerror();
        *why = text ? text : "dlopen failed";
    }
    return h;
}
void* Symbol(Handle h, const char* name) { return dlsym(h, name); }
#endif

template <typename F>
void Find(Handle h, const char* name, F* slot, std::string* missing) {
    *slot = reinterpret_cast<F>(Symbol(h, name));
    if (!*slot) *missing += std::string(missing->empty() ? "" : ", ") + name;
}

}  // namespace

const char* ModuleFileName() {
#if defined(_WIN32)
    return "Stats.dll";
#else
    return "libStats.so";
#endif
}

bool LoadModule(const std::string& path, ModuleApi* api, std::string* error) {
    std::string why;
    Handle h = Open(path, &why);
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
#if !defined(_WIN32)
    api->setDialogOperator = reinterpret_cast<decltype(api->setDialogOperator)>(
        Symbol(h, "SetCabrilloDialogOperator"));
#endif
    if (!missing.empty()) {
        *error = "the module " + path + " does not export " + missing;
        return false;
    }
    return true;
}
