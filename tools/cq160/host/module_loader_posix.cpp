#include "tools/cq160/host/module_library.h"

#include <dlfcn.h>

const char* ModuleFileName() { return "libStats.so"; }

LibraryHandle OpenLibrary(const std::string& path, std::string* why) {
    LibraryHandle h = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (!h) {
        const char* text = dlerror();
        *why = text ? text : "dlopen failed";
    }
    return h;
}

void* LibrarySymbol(LibraryHandle h, const char* name) { return dlsym(h, name); }

void FindModuleHooks(LibraryHandle h, ModuleApi* api) {
    api->setDialogOperator = reinterpret_cast<decltype(api->setDialogOperator)>(
        LibrarySymbol(h, "SetCabrilloDialogOperator"));
}
