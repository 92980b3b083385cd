#include "platform/dialog_win.h"

HINSTANCE ThisModule() {
    HMODULE module = nullptr;
    GetModuleHandleExA(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS |
                           GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                       reinterpret_cast<LPCSTR>(&ThisModule), &module);
    return module;
}

// Unicode windows: a text set through the W functions keeps every
// character whatever the system's code page; the A functions still work on
// them, converting through that code page as before.
INT_PTR Dialog::RunModal(int templateId, HWND owner) {
    return DialogBoxParamW(ThisModule(), MAKEINTRESOURCEW(templateId), owner, Proc,
                           reinterpret_cast<LPARAM>(this));
}

bool Dialog::CreateModeless(int templateId, HWND parent) {
    return CreateDialogParamW(ThisModule(), MAKEINTRESOURCEW(templateId), parent, Proc,
                              reinterpret_cast<LPARAM>(this)) != nullptr;
}

INT_PTR CALLBACK Dialog::Proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    Dialog* self;
    if (message == WM_INITDIALOG) {
        self = reinterpret_cast<Dialog*>(lParam);
        SetWindowLongPtrW(window, DWLP_USER, lParam);
        self->hwnd_ = window;
    } else {
        self = reinterpret_cast<Dialog*>(GetWindowLongPtrW(window, DWLP_USER));
    }
    // Messages before WM_INITDIALOG (WM_SETFONT) have no object yet.
    if (!self) return FALSE;
    INT_PTR result = FALSE;
    const bool handled = self->OnMessage(message, wParam, lParam, &result);
    if (message == WM_NCDESTROY) {
        SetWindowLongPtrW(window, DWLP_USER, 0);
        self->hwnd_ = nullptr;
    }
    return handled ? result : FALSE;
}
