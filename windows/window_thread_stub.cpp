// The operator windows are not built yet: no UI thread is started, so the
// main window never exists and refresh requests have nowhere to go.
#include "windows/window_thread.h"

bool MainWindowExists() { return false; }
void StartWindowThread() {}
void StopWindowThread() {}
void PostCallInfoRefresh() {}
