// The module's UI thread, which runs the main contest window and owns every
// module window. Started and stopped from the host thread.
#ifndef STATS_WINDOWS_WINDOW_THREAD_H_
#define STATS_WINDOWS_WINDOW_THREAD_H_

#include "windows/module_data.h"

// The private message that asks the main window for a call-information
// update (wParam 0, lParam 0).
constexpr unsigned kWmCallInfo = 0x900;

// True while the main contest window's thread runs (from the start until the
// window has ended and its object is freed).
bool MainWindowExists();

// Starts the UI thread with the main window, stopping a previous one first.
// Returns without waiting for the window to appear. Never call it while
// holding data.lock. On platforms without windows it starts nothing.
void StartWindowThread(const ModuleData& data);

// Closes the windows and returns once the UI thread has ended, or after a
// bounded wait (see the body). Pumps the calling thread's messages while it
// waits, so the UI thread's calls into the host's apartment are served.
// Never call it on the UI thread or while holding the module lock.
void StopWindowThread();

// Asks the main window for a call-information update (WM_CALLINFO). A post
// before the window exists, or after it has ended, is dropped; the caller's
// armed flag is then set again by the window's own first update.
void PostCallInfoRefresh();

#endif  // STATS_WINDOWS_WINDOW_THREAD_H_
