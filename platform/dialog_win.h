// The module's dialogs on plain Win32: one dialog procedure for every module
// window finds the C++ object (from the WM_INITDIALOG parameter, then from
// DWLP_USER) and forwards the message to its OnMessage. The dialogs are
// Unicode windows. Windows only.
#ifndef STATS_PLATFORM_DIALOG_WIN_H_
#define STATS_PLATFORM_DIALOG_WIN_H_

#include <windows.h>

// The module that holds this code and so the dialog templates: Stats.dll,
// or a test program that links the resource script in itself.
HINSTANCE ThisModule();

class Dialog {
public:
    virtual ~Dialog() = default;
    HWND hwnd() const { return hwnd_; }

    // Runs the dialog modally on the calling thread; returns EndDialog's
    // value, or -1 when it could not be created.
    INT_PTR RunModal(int templateId, HWND owner);
    // Creates the dialog modeless (not shown unless the template says so).
    bool CreateModeless(int templateId, HWND parent);

protected:
    // Returns true when the message was handled, with *result the value the
    // dialog procedure returns; false lets the system's default run.
    virtual bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, INT_PTR* result) = 0;

private:
    static INT_PTR CALLBACK Proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    HWND hwnd_ = nullptr;
};

#endif  // STATS_PLATFORM_DIALOG_WIN_H_
