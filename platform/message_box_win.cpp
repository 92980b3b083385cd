#include "platform/message_box.h"

#include <windows.h>

void ShowMessageBox(const char* text, const char* caption) {
    MessageBoxA(nullptr, text ? text : "", caption, MB_OK);
}

void ShowInfoMessageBox(const char* text, const char* caption) {
    MessageBoxA(GetActiveWindow(), text ? text : "", caption, MB_OK | MB_ICONINFORMATION);
}
