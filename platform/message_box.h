// Message boxes to the operator. On Windows a modal MessageBoxA with a
// single OK button; on platforms without a desktop the text goes to
// standard error as "<caption>: <text>". Blocks until closed: never call it
// while holding the module lock.
#ifndef STATS_PLATFORM_MESSAGE_BOX_H_
#define STATS_PLATFORM_MESSAGE_BOX_H_

// No owner, no icon. caption null = the system's default caption ("Error"
// on Windows).
void ShowMessageBox(const char* text, const char* caption);

// With the information icon, owned by the window active on the calling
// thread (the host's window), or unowned when there is none.
void ShowInfoMessageBox(const char* text, const char* caption);

#endif  // STATS_PLATFORM_MESSAGE_BOX_H_
