#include "tools/cq160/host/host_windows.h"

// libStats.so opens no window: there is nothing to serve.
struct WindowedHost::State {};

WindowedHost::WindowedHost() = default;
WindowedHost::~WindowedHost() = default;

bool WindowedHost::Start(const std::string&, double, std::string* error) {
    *error = "the module's windows need the Windows build (cq160.exe with Stats.dll)";
    return false;
}

bool WindowedHost::WaitForUpdate(int) { return false; }
std::vector<std::string> WindowedHost::ShownWindows() const { return {}; }
void WindowedHost::Hold(int) {}
void WindowedHost::Close() {}

bool ModuleOpensWindows() { return false; }
