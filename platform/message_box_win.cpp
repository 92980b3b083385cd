#include "platform/message_box.h"

#include <windows.h>

void ShowMessageBox(const char* text, const char* caption) {
    MessageBoxA(nullptr, text ? text : "", caption, MB_OK);
}
