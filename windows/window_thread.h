// The module's UI thread, which runs the main contest window and owns every
// module window. Started and stopped from the host thread.
#ifndef STATS_WINDOWS_WINDOW_THREAD_H_
#define STATS_WINDOWS_WINDOW_THREAD_H_

// True while the main contest window exists.
bool MainWindowExists();

// Starts the UI thread with the main window (stopping a previous one first).
// Returns without waiting for the window to appear.
void StartWindowThread();

// Closes the windows and returns once the UI thread has ended. Never call it
// while holding g_storeLock.
void StopWindowThread();

// Asks the main window for a call-information refresh (WM_CALLINFO). A post
// when no window exists is dropped.
void PostCallInfoRefresh();

#endif  // STATS_WINDOWS_WINDOW_THREAD_H_
