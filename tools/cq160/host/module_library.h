// The platform's calls behind LoadModule(): a library opened by path and
// its symbols found by name (LoadLibraryA / GetProcAddress on Windows,
// dlopen / dlsym elsewhere).
#ifndef CQ160_MODULE_LIBRARY_H_
#define CQ160_MODULE_LIBRARY_H_

#include <string>

#include "tools/cq160/host/module_loader.h"

// An open library, never closed: the module stays loaded until cq160 ends.
using LibraryHandle = void*;

// Opens the library at path; null with *why set when it cannot.
LibraryHandle OpenLibrary(const std::string& path, std::string* why);

// The address of the exported name, or null.
void* LibrarySymbol(LibraryHandle h, const char* name);

// Fills the exports that are not the host's entry points and that only
// this platform's module has (null when the module lacks them).
void FindModuleHooks(LibraryHandle h, ModuleApi* api);

#endif  // CQ160_MODULE_LIBRARY_H_
