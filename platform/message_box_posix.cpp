#include "platform/message_box.h"

#include <cstdio>

void ShowMessageBox(const char* text, const char* caption) {
    std::fprintf(stderr, "%s: %s\n", caption ? caption : "Error", text ? text : "");
}

void ShowInfoMessageBox(const char* text, const char* caption) { ShowMessageBox(text, caption); }
