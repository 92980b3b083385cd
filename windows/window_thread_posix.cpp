// Platforms without windows start no UI thread: the main window never
// exists, so the call check never posts a refresh. The window logic is still
// built and tested here.
#include "windows/window_thread.h"

bool MainWindowExists() { return false; }
void StartWindowThread(const ModuleData&) {}
void StopWindowThread() {}
void PostCallInfoRefresh() {}
