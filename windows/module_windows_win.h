// The module's windows on Win32: one dialog class per template, each a
// ModuleWindow that carries out what the portable window logic decides, and
// the window layer that opens and closes the child windows. UI thread only.
#ifndef STATS_WINDOWS_MODULE_WINDOWS_WIN_H_
#define STATS_WINDOWS_MODULE_WINDOWS_WIN_H_

#include <windows.h>

#include <atomic>
#include <memory>

#include "platform/dialog_win.h"
#include "platform/settings.h"
#include "windows/host_link_win.h"
#include "windows/main_window.h"
#include "windows/module_data.h"
#include "windows/module_window.h"
#include "windows/window_state.h"

// Posted by the host thread's StopWindowThread: close the child windows and
// end the main window.
constexpr UINT kWmStopWindows = WM_APP + 0x160;

// What every window of one UI thread shares.
struct UiContext {
    ModuleData data;
    Settings settings = ModuleSettings();
    WindowState* state = &g_windows;
};

// The main window's handle while it exists (set at WM_INITDIALOG, cleared
// when it is destroyed); the host thread posts to it.
extern std::atomic<HWND> g_mainWindowHandle;

class ModuleDialog : public Dialog, public ModuleWindow {
public:
    ModuleDialog(WindowKind kind, UiContext* ui);
    ~ModuleDialog() override;

    WindowKind Kind() const override { return kind_; }
    void SetCaption(const std::string& text) override;
    void SetItemText(int controlId, const std::string& text) override;
    void SetCheck(int controlId, bool checked) override;
    void TransferFlags(int page, const std::vector<int>& flags) override;
    void MoveTo(int x, int y) override;
    void MakeTopmost() override;
    void SetIcons(bool big, bool small) override;
    void DisableClose() override;
    void RepaintPanel() override;

protected:
    bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, INT_PTR* result) override;
    // The window's own messages; the common ones (colours, cursor, Enter
    // and Escape) are handled around it.
    virtual bool OnOwnMessage(UINT message, WPARAM wParam, LPARAM lParam, INT_PTR* result);
    virtual void OnSetCursor();

    UiContext* ui_;

private:
    WindowKind kind_;
    HBRUSH brush_ = nullptr;
};

class MainDialog : public ModuleDialog, private WindowLayer {
public:
    explicit MainDialog(UiContext* ui);
    // After the modal loop: closes and frees every child window the module
    // still holds (also those the operator only hid) and releases the host.
    void Shutdown();

private:
    bool OnOwnMessage(UINT message, WPARAM wParam, LPARAM lParam, INT_PTR* result) override;
    void OnSetCursor() override;
    ModuleWindow* OpenChild(WindowKind kind) override;
    void CloseChild(ModuleWindow* window) override;
    void PostCallInfo() override;

    DispatchHostLink host_;
    SetupCqWw logic_;
};

#endif  // STATS_WINDOWS_MODULE_WINDOWS_WIN_H_
