// Message boxes to the operator. On Windows a modal MessageBoxA with no
// owner and a single OK button; on platforms without a desktop the text goes
// to standard error as "<caption>: <text>". Blocks until closed: never call
// it while holding the module lock.
#ifndef STATS_PLATFORM_MESSAGE_BOX_H_
#define STATS_PLATFORM_MESSAGE_BOX_H_

// caption null = the system's default caption ("Error" on Windows).
void ShowMessageBox(const char* text, const char* caption);

#endif  // STATS_PLATFORM_MESSAGE_BOX_H_
