#include "tools/cq160/host/module_library.h"

#include <windows.h>

const char* ModuleFileName() { return "Stats.dll"; }

LibraryHandle OpenLibrary(const std::string& path, std::string* why) {
    HMODULE h = LoadLibraryA(path.c_str());
    if (!h) *why = "LoadLibraryA failed, error " + std::to_string(GetLastError());
    return reinterpret_cast<LibraryHandle>(h);
}

void* LibrarySymbol(LibraryHandle h, const char* name) {
    return reinterpret_cast<void*>(GetProcAddress(reinterpret_cast<HMODULE>(h), name));
}

// Windows: cq160 answers the module's real dialogs, through no hook.
void FindModuleHooks(LibraryHandle, ModuleApi*) {}
